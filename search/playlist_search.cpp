#include "search/playlist_search.h"

#include "core/document/recent_files.h"
#include "search/search_summary.h"
#include "search/search_texts.h"

namespace mokuza::search {
namespace {

// Sets the flag for the time of a search.
class SearchActiveGuard {
 public:
  explicit SearchActiveGuard(naming::MoveClassifier& classifier)
      : classifier_(classifier), before_(classifier.searchActive) {
    classifier_.searchActive = true;
  }
  ~SearchActiveGuard() { classifier_.searchActive = before_; }
  SearchActiveGuard(const SearchActiveGuard&) = delete;
  SearchActiveGuard& operator=(const SearchActiveGuard&) = delete;

 private:
  naming::MoveClassifier& classifier_;
  bool before_;
};

}  // namespace

std::optional<SearchResults> searchPlaylist(const Playlist& playlist, const SearchPattern& pattern,
                                            const SearchSettings& settings, SearchContext& context) {
  if (playlist.displayOrder.empty() || pattern.patternPoints.empty()) return std::nullopt;
  SearchActiveGuard guard(context.classifier);
  BackgroundSearch run(context.executor, gameFilesOf(playlist), pattern, settings, context.lines);
  return gatherResults(run.takeResults(), pattern, settings, playlist);
}

SearchResults gatherResults(std::vector<GameSearchResult> games, const SearchPattern& pattern,
                            const SearchSettings& settings, const Playlist& playlist) {
  SearchResults results;
  results.pattern = pattern;
  results.settings = settings;
  results.games = std::move(games);
  results.summary = summarise(results.games, pattern, playlist.gameCount());
  results.texts = composeTexts(results, fileNameOf(playlist.path));
  return results;
}

std::optional<SearchResults> searchWithAddedMove(const Playlist& playlist, const SearchResults& previous, int point,
                                                 SearchContext& context) {
  const std::optional<SearchPattern> next = patternWithMove(previous.pattern, point);
  if (!next) return std::nullopt;
  return searchPlaylist(playlist, *next, previous.settings, context);
}

}  // namespace mokuza::search
