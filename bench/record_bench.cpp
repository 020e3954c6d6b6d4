// Reading and replaying the professional games of the corpus.
//   build/bin/mokuza_bench --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/document/game_files.h"
#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "core/rules/replay.h"
#include "tests/corpus_files.h"

namespace {

using namespace mokuza;

const std::vector<std::string>& corpusFiles() {
  static const std::vector<std::string> files = [] {
    std::vector<std::string> bytes;
    const std::vector<std::filesystem::path> paths = test::corpusGames();
    for (const auto& path : paths)
      if (auto content = readFileBytes(path)) bytes.push_back(std::move(*content));
    return bytes;
  }();
  return files;
}

// Heap in use, large blocks that malloc maps on their own included.
std::size_t heapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

std::int64_t totalBytes(const std::vector<std::string>& files) {
  std::int64_t total = 0;
  for (const std::string& file : files) total += static_cast<std::int64_t>(file.size());
  return total;
}

void DecodeAndParse(benchmark::State& state) {
  const auto& files = corpusFiles();
  if (files.empty()) state.SkipWithError("corpus not found");
  GameRecord record;
  for (auto _ : state) {
    for (const std::string& file : files) {
      ReadOptions options;
      benchmark::DoNotOptimize(readSgf(record, decodeBytes(file, TextKind::GameRecord), options));
    }
  }
  state.SetBytesProcessed(state.iterations() * totalBytes(files));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
}
BENCHMARK(DecodeAndParse)->Unit(benchmark::kMillisecond);

void DecodeParseAndReplay(benchmark::State& state) {
  const auto& files = corpusFiles();
  if (files.empty()) state.SkipWithError("corpus not found");
  GameRecord record;
  Board board;
  for (auto _ : state) {
    for (const std::string& file : files) {
      ReadOptions options;
      readSgf(record, decodeBytes(file, TextKind::GameRecord), options);
      if (board.geometry.n != record.boardSize) SetBoardSize(board, record.boardSize);
      ReplayFrom(board, record.lineCopy, 0);
      benchmark::DoNotOptimize(board.history.computed());
    }
  }
  state.SetBytesProcessed(state.iterations() * totalBytes(files));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(files.size()));
}
BENCHMARK(DecodeParseAndReplay)->Unit(benchmark::kMillisecond);

// Heap held by one open document of a long game with every position kept.
void LoadedGameMemory(benchmark::State& state) {
  const auto& files = corpusFiles();
  if (files.empty()) state.SkipWithError("corpus not found");
  std::string longest;
  std::size_t longestMoves = 0;
  for (const std::string& file : files) {
    GameRecord record;
    ReadOptions options;
    readSgf(record, decodeBytes(file, TextKind::GameRecord), options);
    if (record.moveCount >= 300 && (longest.empty() || record.moveCount < longestMoves)) {
      longest = file;
      longestMoves = record.moveCount;
    }
  }
  double megabytes = 0;
  for (auto _ : state) {
    const std::size_t before = heapInUse();
    {
      auto doc = std::make_unique<Document>();
      ReadOptions options;
      loadRecordText(*doc, decodeBytes(longest, TextKind::GameRecord), options);
      megabytes = static_cast<double>(heapInUse() - before) / (1024.0 * 1024.0);
      benchmark::DoNotOptimize(doc->moveCount());
    }
  }
  state.counters["moves"] = static_cast<double>(longestMoves);
  state.counters["heap_MB"] = megabytes;
}
BENCHMARK(LoadedGameMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

// A long game of plain moves only, as a generated file that is mostly moves.
std::u16string plainMovesText(int moves) {
  std::u16string text = u"(;GM[1]SZ[19]";
  for (int m = 0; m < moves; ++m) {
    const char16_t colour = m % 2 == 0 ? u'B' : u'W';
    text += {u';', colour, u'[', static_cast<char16_t>(u'a' + m % 19), static_cast<char16_t>(u'a' + m / 19 % 19), u']'};
  }
  return text + u")";
}

// Reading a long game of plain moves, and the heap its record holds per move:
// the tree and the current line together.
void ReadPlainMoves(benchmark::State& state) {
  const int moves = static_cast<int>(state.range(0));
  const std::u16string text = plainMovesText(moves);
  double bytesPerMove = 0;
  for (auto _ : state) {
    const std::size_t before = heapInUse();
    auto record = std::make_unique<GameRecord>();
    ReadOptions options;
    readSgf(*record, text, options);
    bytesPerMove = static_cast<double>(heapInUse() - before) / moves;
    benchmark::DoNotOptimize(record->moveCount);
  }
  state.counters["bytes_per_move"] = bytesPerMove;
  state.SetItemsProcessed(state.iterations() * moves);
}
BENCHMARK(ReadPlainMoves)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace
