// Naming the moves of the professional games of the corpus: reading,
// replaying and classifying every move, as a load does.
//   build/bin/mokuza_bench --benchmark_filter=Naming --benchmark_counters_tabular=true

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/naming/move_classifier.h"
#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "core/rules/replay.h"
#include "tests/corpus_files.h"

namespace {

using namespace mokuza;

std::vector<std::string> readCorpus() {
  const std::vector<std::filesystem::path> paths = test::corpusGames();
  std::vector<std::string> files;
  for (const auto& path : paths)
    if (auto content = readFileBytes(path)) files.push_back(std::move(*content));
  return files;
}

void ParseReplayAndName(benchmark::State& state) {
  const std::vector<std::string> files = readCorpus();
  if (files.empty()) state.SkipWithError("corpus not found");
  GameRecord record;
  Board board;
  naming::MoveClassifier classifier;
  const std::vector<ReplayObserver*> observers{&classifier};
  for (auto _ : state) {
    for (const std::string& file : files) {
      ReadOptions options;
      readSgf(record, decodeBytes(file, TextKind::GameRecord), options);
      if (board.geometry.n != record.boardSize) SetBoardSize(board, record.boardSize);
      ReplayFrom(board, record.lineCopy, 0, observers);
      benchmark::DoNotOptimize(classifier.longestName());
    }
  }
  state.counters["games_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * files.size()), benchmark::Counter::kIsRate);
}
BENCHMARK(ParseReplayAndName)->Unit(benchmark::kMillisecond);

}  // namespace
