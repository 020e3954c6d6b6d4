#include "search/playlist_search.h"

#include "core/document/recent_files.h"
#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "search/search_summary.h"
#include "search/search_texts.h"

namespace mokuza::search {
namespace {

// Sets the flag for the time of a search.
class SearchActiveGuard {
 public:
  explicit SearchActiveGuard(naming::MoveClassifier& classifier) : classifier_(classifier) {
    classifier_.searchActive = true;
  }
  ~SearchActiveGuard() { classifier_.searchActive = false; }
  SearchActiveGuard(const SearchActiveGuard&) = delete;
  SearchActiveGuard& operator=(const SearchActiveGuard&) = delete;

 private:
  naming::MoveClassifier& classifier_;
};

// Reads an entry's game as it is on disk: no load-time rotation, since every
// orientation is searched anyway.
bool readGame(const PlaylistEntry& entry, GameRecord& record) {
  const auto bytes = readFileBytes(textToPath(FilePath(entry, kSgfFileLabel)));
  if (!bytes) return false;
  ReadOptions options;
  return readSgf(record, decodeBytes(*bytes), options) == kReadOk;
}

GameSearchResult searchGame(const PlaylistEntry& entry, int index, const SearchPattern& pattern,
                            const std::array<VariantMasks, kVariantCount>& masks, const SearchSettings& settings,
                            GameRecord& record) {
  GameSearchResult result;
  result.entry = index;
  result.number = entry.number;
  result.readable = readGame(entry, record);
  if (result.readable) {
    result.match = scanGame(record.lineCopy, record.boardSize, pattern, masks, {settings.bwFixed, settings.nextWithin});
    result.outcome = readOutcome(record.header(u"結果"));
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

}  // namespace

std::optional<SearchResults> SearchPlaylist(const Playlist& playlist, const SearchPattern& pattern,
                                            const SearchSettings& settings, naming::MoveClassifier& classifier,
                                            const ProgressCaption& progress) {
  if (playlist.displayOrder.empty()) return std::nullopt;
  SearchActiveGuard guard(classifier);
  SearchResults results;
  results.pattern = pattern;
  results.settings = settings;
  const auto masks = makeVariantMasks(pattern);
  const std::u16string playlistName(fileNameOf(playlist.path));
  GameRecord record;
  results.games.reserve(playlist.displayOrder.size());
  for (int index : playlist.displayOrder) {
    if (index < 0 || index >= static_cast<int>(playlist.entries.size())) continue;
    if (progress)
      progress(progressCaption(playlistName, playlist.gameCount(), static_cast<int>(results.games.size()) + 1));
    results.games.push_back(
        searchGame(playlist.entries[static_cast<std::size_t>(index)], index, pattern, masks, settings, record));
  }
  results.summary = summarise(results.games, pattern, playlist.gameCount());
  results.texts = composeTexts(results, playlistName);
  return results;
}

std::optional<SearchResults> SearchWithAddedMove(const Playlist& playlist, const SearchResults& previous, int point,
                                                 naming::MoveClassifier& classifier, const ProgressCaption& progress) {
  const std::optional<SearchPattern> next = patternWithMove(previous.pattern, point);
  if (!next) return std::nullopt;
  return SearchPlaylist(playlist, *next, previous.settings, classifier, progress);
}

}  // namespace mokuza::search
