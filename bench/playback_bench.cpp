// Music mode on a load: replaying and naming a professional game while the
// note blocks are filled and the MIDI file is built, then its bytes.
//   build/bin/mokuza_bench --benchmark_filter=Load

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "core/document/game_files.h"
#include "core/record/text.h"
#include "playback/note_blocks.h"
#include "tests/corpus_files.h"

namespace {

using namespace mokuza;

// The first `count` professional games by sorted path.
std::vector<std::u16string> corpusTexts(std::size_t count) {
  const std::vector<std::filesystem::path> paths = test::corpusGames();
  std::vector<std::u16string> games;
  for (std::size_t i = 0; i < paths.size() && games.size() < count; ++i)
    if (auto bytes = readFileBytes(paths[i])) games.push_back(decodeBytes(*bytes, TextKind::GameRecord));
  return games;
}

void LoadGames(benchmark::State& state, bool music) {
  const std::vector<std::u16string> games = corpusTexts(100);
  if (games.empty()) state.SkipWithError("corpus not found");
  std::ostringstream err;
  Document doc;
  playback::NoteBlockObserver notes(doc, {}, err);
  if (music) doc.observers.push_back(&notes);
  std::size_t bytes = 0;
  for (auto _ : state) {
    for (const std::u16string& game : games) {
      ReadOptions options;
      loadRecordText(doc, game, options);
      if (music) bytes += playback::midiFileBytes(notes.midiFile(), err).size();
    }
  }
  state.counters["games/s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * games.size()), benchmark::Counter::kIsRate);
  state.counters["MIDI bytes/game"] =
      static_cast<double>(bytes) / static_cast<double>(std::max<std::size_t>(1, state.iterations() * games.size()));
}

void PlainLoad(benchmark::State& state) { LoadGames(state, false); }
void MusicModeLoad(benchmark::State& state) { LoadGames(state, true); }

BENCHMARK(PlainLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(MusicModeLoad)->Unit(benchmark::kMillisecond);

}  // namespace
