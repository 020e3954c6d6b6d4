#pragma once
// The partial-board search over the open playlist.

#include <functional>
#include <optional>
#include <string>

#include "core/naming/move_classifier.h"
#include "playlist/playlist.h"
#include "search/main_line.h"
#include "search/search_results.h"

namespace mokuza::search {

using ProgressCaption = std::function<void(const std::u16string& caption)>;

// What searches share: the classifier whose flag a search sets, the main
// lines read so far, and who hears the progress caption.
struct SearchContext {
  naming::MoveClassifier& classifier;
  MainLineCache& lines;
  ProgressCaption progress;
};

// One game of the list against the pattern: its main line read (or taken
// from the cache) and scanned, and its "検索結果" cell. `index` is its entry.
GameSearchResult searchGame(const PlaylistEntry& entry, int index, const SearchPattern& pattern,
                            const std::array<VariantMasks, kVariantCount>& masks, const SearchSettings& settings,
                            MainLineCache& lines);

// Searches every listed game for the pattern: each game's main line is read
// (or taken from the cache) and replayed once. While it runs the classifier's
// searchActive flag keeps replays from naming moves; it is cleared afterwards,
// also when a game throws. The progress caption is given before each game.
// Nothing happens, and nothing is returned, for an empty playlist or a
// pattern without points.
std::optional<SearchResults> searchPlaylist(const Playlist& playlist, const SearchPattern& pattern,
                                            const SearchSettings& settings, SearchContext& context);

// "この手を加えて再検索": the pattern with the next stone on `point`, searched
// again with the same settings. Nothing when the point cannot take a stone or
// the playlist is empty.
std::optional<SearchResults> searchWithAddedMove(const Playlist& playlist, const SearchResults& previous, int point,
                                                 SearchContext& context);

}  // namespace mokuza::search
