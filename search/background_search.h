#pragma once
// A search of a list of games by several workers: each takes the next game
// not yet taken and writes its result into that game's place, so the results
// stand in list order whatever order the workers finish in.

#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "playlist/playlist.h"
#include "search/search_executor.h"
#include "search/search_results.h"

namespace mokuza::search {

// A game of the list as the search reads it: copied from the list, so the
// list may change while the workers run. The name stays text here: the
// workers turn it into a path, so that 10,000 conversions run in parallel.
struct GameFile {
  std::u16string file;
  int entry = -1;  // index into Playlist::entries
  std::int32_t number = 0;
};

// The listed games in the list's order; entries the order names wrongly are left out.
std::vector<GameFile> gameFilesOf(const Playlist& playlist);

// One game against the pattern: its main line read (or taken from the cache)
// into `scratch` and scanned, and its "検索結果" cell.
GameSearchResult searchGame(const GameFile& game, const SearchPattern& pattern,
                            const std::array<VariantMasks, kVariantCount>& masks, const SearchSettings& settings,
                            MainLineCache& lines, GameRecord& scratch);

class BackgroundSearch {
 public:
  // Starts the executor's workers, at most one per game. Everything they
  // read is held here or shared with them.
  BackgroundSearch(const SearchExecutor& executor, std::vector<GameFile> games, const SearchPattern& pattern,
                   const SearchSettings& settings, std::shared_ptr<MainLineCache> lines);
  // Cancels: no worker outlives the search.
  ~BackgroundSearch();
  BackgroundSearch(const BackgroundSearch&) = delete;
  BackgroundSearch& operator=(const BackgroundSearch&) = delete;

  int gameCount() const { return static_cast<int>(games_.size()); }
  // Games searched so far.
  int searched() const { return searched_.load(std::memory_order_acquire); }
  // Every game searched, or a worker failed.
  bool done() const { return searched() == gameCount() || failed_.load(std::memory_order_acquire); }
  // Each worker stops after the game it is on; returns when all have.
  void cancel();
  // Waits for the workers; the result of every game in list order. Throws
  // what a worker threw.
  std::vector<GameSearchResult> takeResults();

 private:
  void work();

  const std::vector<GameFile> games_;
  const SearchPattern pattern_;
  const SearchSettings settings_;
  const std::array<VariantMasks, kVariantCount> masks_;
  const std::shared_ptr<MainLineCache> lines_;
  std::vector<GameSearchResult> results_;  // one place per game, each written by one worker
  std::atomic<int> next_{0};               // the next game not yet taken
  std::atomic<int> searched_{0};
  std::atomic<bool> cancelled_{false};
  std::atomic<bool> failed_{false};
  std::mutex failureMutex_;
  std::exception_ptr failure_;
  std::vector<std::jthread> workers_;  // last: they stop before the rest goes
};

}  // namespace mokuza::search
