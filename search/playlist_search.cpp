#include "search/playlist_search.h"

#include "core/document/recent_files.h"
#include "core/record/text.h"
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

GameSearchResult searchGame(const PlaylistEntry& entry, int index, const SearchPattern& pattern,
                            const std::array<VariantMasks, kVariantCount>& masks, const SearchSettings& settings,
                            MainLineCache& lines) {
  GameSearchResult result;
  result.entry = index;
  result.number = entry.number;
  if (const MainLine* line = lines.load(textToPath(FilePath(entry, kSgfFileLabel)))) {
    result.readable = true;
    result.match = scanGame(*line, pattern, masks, {settings.bwFixed, settings.nextWithin});
    result.outcome = line->outcome;
  }
  bool rateListed = false;
  if (pattern.patternStones > 0) {
    result.rate = result.match.bestCount * 100 / pattern.patternStones;
    rateListed = result.rate >= settings.threshold;
  }
  result.listed = result.match.found() || rateListed;
  result.text = gameResultText(result.match, result.rate, rateListed);
  return result;
}

std::optional<SearchResults> searchPlaylist(const Playlist& playlist, const SearchPattern& pattern,
                                            const SearchSettings& settings, SearchContext& context) {
  if (playlist.displayOrder.empty() || pattern.patternPoints.empty()) return std::nullopt;
  SearchActiveGuard guard(context.classifier);
  SearchResults results;
  results.pattern = pattern;
  results.settings = settings;
  const auto masks = makeVariantMasks(pattern);
  const std::u16string playlistName(fileNameOf(playlist.path));
  results.games.reserve(playlist.displayOrder.size());
  for (int index : playlist.displayOrder) {
    if (index < 0 || index >= static_cast<int>(playlist.entries.size())) continue;
    if (context.progress)
      context.progress(progressCaption(playlistName, playlist.gameCount(), static_cast<int>(results.games.size()) + 1));
    results.games.push_back(
        searchGame(playlist.entries[static_cast<std::size_t>(index)], index, pattern, masks, settings, context.lines));
  }
  results.summary = summarise(results.games, pattern, playlist.gameCount());
  results.texts = composeTexts(results, playlistName);
  return results;
}

std::optional<SearchResults> searchWithAddedMove(const Playlist& playlist, const SearchResults& previous, int point,
                                                 SearchContext& context) {
  const std::optional<SearchPattern> next = patternWithMove(previous.pattern, point);
  if (!next) return std::nullopt;
  return searchPlaylist(playlist, *next, previous.settings, context);
}

}  // namespace mokuza::search
