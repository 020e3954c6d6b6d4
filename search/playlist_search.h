#pragma once
// The partial-board search over the open playlist.

#include <memory>
#include <optional>

#include "core/naming/move_classifier.h"
#include "playlist/playlist.h"
#include "search/background_search.h"
#include "search/main_line.h"
#include "search/search_executor.h"
#include "search/search_results.h"

namespace mokuza::search {

// What searches share: the classifier whose flag a search sets, the main
// lines read so far, and who runs the workers.
struct SearchContext {
  naming::MoveClassifier& classifier;
  std::shared_ptr<MainLineCache> lines;
  const SearchExecutor& executor;
};

// Searches every listed game for the pattern and waits for the result: each
// game's main line is read (or taken from the cache) and replayed once, the
// games shared by the executor's workers. While it runs the classifier's
// searchActive flag keeps replays from naming moves; it is cleared
// afterwards, also when a game throws. Nothing happens, and nothing is
// returned, for an empty playlist or a pattern without points.
std::optional<SearchResults> searchPlaylist(const Playlist& playlist, const SearchPattern& pattern,
                                            const SearchSettings& settings, SearchContext& context);

// The counts, the win and loss summary, the follow-up candidates and the
// texts of the games searched, in list order.
SearchResults gatherResults(std::vector<GameSearchResult> games, const SearchPattern& pattern,
                            const SearchSettings& settings, const Playlist& playlist);

// "この手を加えて再検索": the pattern with the next stone on `point`, searched
// again with the same settings. Nothing when the point cannot take a stone or
// the playlist is empty.
std::optional<SearchResults> searchWithAddedMove(const Playlist& playlist, const SearchResults& previous, int point,
                                                 SearchContext& context);

}  // namespace mokuza::search
