#include "search/background_search.h"

#include <algorithm>

#include "core/record/text.h"
#include "search/search_texts.h"

namespace mokuza::search {

std::vector<GameFile> gameFilesOf(const Playlist& playlist) {
  std::vector<GameFile> games;
  games.reserve(playlist.displayOrder.size());
  for (int index : playlist.displayOrder) {
    if (index < 0 || index >= static_cast<int>(playlist.entries.size())) continue;
    const PlaylistEntry& entry = playlist.entries[static_cast<std::size_t>(index)];
    games.push_back({FilePath(entry, kSgfFileLabel), index, entry.number});
  }
  return games;
}

GameSearchResult searchGame(const GameFile& game, const SearchPattern& pattern,
                            const std::array<VariantMasks, kVariantCount>& masks, const SearchSettings& settings,
                            MainLineCache& lines, GameRecord& scratch) {
  GameSearchResult result;
  result.entry = game.entry;
  result.number = game.number;
  if (const std::shared_ptr<const MainLine> line = lines.load(textToPath(game.file), scratch)) {
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

BackgroundSearch::BackgroundSearch(const SearchExecutor& executor, std::vector<GameFile> games,
                                   const SearchPattern& pattern, const SearchSettings& settings,
                                   std::shared_ptr<MainLineCache> lines)
    : games_(std::move(games)),
      pattern_(pattern),
      settings_(settings),
      masks_(makeVariantMasks(pattern)),
      lines_(std::move(lines)),
      results_(games_.size()) {
  const int workers = std::min(executor.workers(), gameCount());
  workers_ = executor.start(workers, [this] { work(); });
}

BackgroundSearch::~BackgroundSearch() { cancel(); }

void BackgroundSearch::cancel() {
  cancelled_.store(true, std::memory_order_relaxed);
  workers_.clear();
}

std::vector<GameSearchResult> BackgroundSearch::takeResults() {
  workers_.clear();
  if (failure_) std::rethrow_exception(failure_);
  return std::move(results_);
}

void BackgroundSearch::work() {
  GameRecord scratch;  // this worker's own: records are read into it game after game
  try {
    for (int i = next_++; i < gameCount() && !cancelled_.load(std::memory_order_relaxed); i = next_++) {
      const auto k = static_cast<std::size_t>(i);
      results_[k] = searchGame(games_[k], pattern_, masks_, settings_, *lines_, scratch);
      searched_.fetch_add(1, std::memory_order_release);
    }
  } catch (...) {
    // The others stop; the caller hears of it from takeResults().
    cancelled_.store(true, std::memory_order_relaxed);
    const std::lock_guard lock(failureMutex_);
    if (!failure_) failure_ = std::current_exception();
    failed_.store(true, std::memory_order_release);
  }
}

}  // namespace mokuza::search
