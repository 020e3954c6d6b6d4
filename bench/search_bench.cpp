// The partial-board search over a playlist of professional games (10,000: the
// corpus repeated), read from their files as the list window does.
//   build/bin/mokuza_bench --benchmark_filter=Search --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "core/rules/replay.h"
#include "search/playlist_search.h"
#include "tests/corpus_files.h"

namespace {

using namespace mokuza;

namespace fs = std::filesystem;

constexpr int kGames = 10000;

// `games` entries, the files taken in turn.
Playlist playlistOf(const std::vector<fs::path>& paths, int games) {
  Playlist playlist;
  playlist.path = u"corpus.gpl";
  for (int i = 0; i < games && !paths.empty(); ++i) {
    PlaylistEntry entry;
    entry.number = i + 1;
    SetFilePath(entry, kSgfFileLabel, pathToText(paths[static_cast<std::size_t>(i) % paths.size()]));
    playlist.entries.push_back(entry);
    playlist.displayOrder.push_back(i);
  }
  return playlist;
}

Playlist corpusPlaylist(int games = kGames) { return playlistOf(test::corpusGames(), games); }

// A folder of `games` links to the corpus games in turn, removed again at the
// end: a list of that many distinct files, so that a first search reads every
// one of them even where the corpus repeats.
class LinkedCorpus {
 public:
  explicit LinkedCorpus(int games) {
    const std::vector<fs::path> corpus = test::corpusGames();
    std::error_code ec;
    folder_ = fs::temp_directory_path(ec) / ("mokuza-search-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder_, ec);
    for (int i = 0; i < games && !corpus.empty() && !ec; ++i) {
      paths_.push_back(folder_ / (std::to_string(i) + ".sgf"));
      fs::create_symlink(fs::absolute(corpus[static_cast<std::size_t>(i) % corpus.size()]), paths_.back(), ec);
    }
    if (ec) paths_.clear();
  }
  ~LinkedCorpus() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
  }
  LinkedCorpus(const LinkedCorpus&) = delete;
  LinkedCorpus& operator=(const LinkedCorpus&) = delete;

  const std::vector<fs::path>& paths() const { return paths_; }

 private:
  fs::path folder_;
  std::vector<fs::path> paths_;
};

// The replayed first game of the playlist.
Board firstGame(const Playlist& playlist) {
  GameRecord record;
  ReadOptions options;
  const auto bytes = readFileBytes(textToPath(FilePath(playlist.entries.front(), kSgfFileLabel)));
  readSgf(record, decodeBytes(bytes.value_or(""), TextKind::GameRecord), options);
  Board board;
  SetBoardSize(board, record.boardSize);
  ReplayFrom(board, record.lineCopy, 0);
  return board;
}

// The 7 x 7 corner that holds most stones at the move.
std::array<int, 4> busiestCorner(const Board& board, int move) {
  const int n = board.geometry.n;
  std::array<int, 4> best{0, 0, 6, 6};
  int bestStones = -1;
  for (const std::array<int, 4>& corner :
       {std::array<int, 4>{0, 0, 6, 6}, std::array<int, 4>{n - 7, 0, n - 1, 6}, std::array<int, 4>{0, n - 7, 6, n - 1},
        std::array<int, 4>{n - 7, n - 7, n - 1, n - 1}}) {
    const int stones = search::makePattern(board, move, corner).patternStones;
    if (stones > bestStones) {
      bestStones = stones;
      best = corner;
    }
  }
  return best;
}

// Cold: every game file read and parsed, as the first search of a playlist.
// Warm: the main lines cached by an earlier search, as a re-search.
// `threads` 0 runs the search on the calling thread alone.
void runSearch(benchmark::State& state, const Playlist& playlist, int move, bool corner, bool warm,
               int threads = 0) {
  if (playlist.entries.empty()) {
    state.SkipWithError("corpus not found");
    return;
  }
  const Board board = firstGame(playlist);
  const auto range = corner ? std::optional(busiestCorner(board, move)) : std::nullopt;
  const search::SearchPattern pattern = search::makePattern(board, move, range);
  naming::MoveClassifier classifier;
  const search::SynchronousExecutor alone;
  const search::ThreadExecutor shared(threads);
  const search::SearchExecutor& executor = threads > 0 ? static_cast<const search::SearchExecutor&>(shared) : alone;
  search::SearchContext warmContext{classifier, std::make_shared<search::MainLineCache>(), executor};
  if (warm) search::searchPlaylist(playlist, pattern, {}, warmContext);
  int found = 0;
  for (auto _ : state) {
    search::SearchContext coldContext{classifier, std::make_shared<search::MainLineCache>(), executor};
    const auto results = search::searchPlaylist(playlist, pattern, {}, warm ? warmContext : coldContext);
    found = results ? results->summary.found : 0;
    benchmark::DoNotOptimize(found);
    // The cache outlives the search (a re-search reads from it): freeing it
    // is not part of what the user waits for.
    state.PauseTiming();
    coldContext.lines.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * playlist.gameCount());
  state.counters["found"] = found;
  state.counters["stones"] = pattern.patternStones;
  state.counters["per_game"] = benchmark::Counter(static_cast<double>(state.iterations() * playlist.gameCount()),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void SearchWholeBoardAtMove40(benchmark::State& state) { runSearch(state, corpusPlaylist(), 40, false, false); }
BENCHMARK(SearchWholeBoardAtMove40)->Unit(benchmark::kMillisecond);

void SearchCornerAtMove10(benchmark::State& state) { runSearch(state, corpusPlaylist(), 10, true, false); }
BENCHMARK(SearchCornerAtMove10)->Unit(benchmark::kMillisecond);

void SearchWholeBoardAtMove40Cached(benchmark::State& state) { runSearch(state, corpusPlaylist(), 40, false, true); }
BENCHMARK(SearchWholeBoardAtMove40Cached)->Unit(benchmark::kMillisecond);

void SearchCornerAtMove10Cached(benchmark::State& state) { runSearch(state, corpusPlaylist(), 10, true, true); }
BENCHMARK(SearchCornerAtMove10Cached)->Unit(benchmark::kMillisecond);

// The first search of the list window, the whole board after move 10 of the
// first game, on range(0) threads; two threads should take at most 1/1.8 of
// one's time on two cores.
void SearchWholeBoardAtMove10Threads(benchmark::State& state) {
  runSearch(state, corpusPlaylist(), 10, false, false, static_cast<int>(state.range(0)));
}
BENCHMARK(SearchWholeBoardAtMove10Threads)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The second search of a playlist of 5,000 games, each file once.
void SearchCornerAtMove10Cached5000(benchmark::State& state) { runSearch(state, corpusPlaylist(5000), 10, true, true); }
BENCHMARK(SearchCornerAtMove10Cached5000)->Unit(benchmark::kMillisecond);

// How the search grows with the list: range(0) distinct files (links to the
// corpus in turn); per_game should stay flat.
void SearchCornerAtMove10Games(benchmark::State& state) {
  const LinkedCorpus links(static_cast<int>(state.range(0)));
  runSearch(state, playlistOf(links.paths(), static_cast<int>(state.range(0))), 10, true, false);
}
BENCHMARK(SearchCornerAtMove10Games)->Arg(1000)->Arg(2000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

void SearchCornerAtMove10CachedGames(benchmark::State& state) {
  const LinkedCorpus links(static_cast<int>(state.range(0)));
  runSearch(state, playlistOf(links.paths(), static_cast<int>(state.range(0))), 10, true, true);
}
BENCHMARK(SearchCornerAtMove10CachedGames)->Arg(1000)->Arg(2000)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

// What reading alone costs: the files read, decoded and parsed, nothing searched.
void SearchReadingOnly(benchmark::State& state) {
  const Playlist playlist = corpusPlaylist();
  if (playlist.entries.empty()) {
    state.SkipWithError("corpus not found");
    return;
  }
  GameRecord record;
  for (auto _ : state) {
    for (const PlaylistEntry& entry : playlist.entries) {
      const auto bytes = readFileBytes(textToPath(FilePath(entry, kSgfFileLabel)));
      ReadOptions options;
      benchmark::DoNotOptimize(readSgf(record, decodeBytes(bytes.value_or(""), TextKind::GameRecord), options));
    }
  }
  state.SetItemsProcessed(state.iterations() * playlist.gameCount());
}
BENCHMARK(SearchReadingOnly)->Unit(benchmark::kMillisecond);

}  // namespace
