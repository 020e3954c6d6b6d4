// Playlists of 10,000 corpus games: writing and reading the .gpl file, and
// adding the games from their files.
//   build/bin/mokuza_bench --benchmark_filter=Playlist

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/record/text.h"
#include "platform/headless/headless_services.h"
#include "playlist/design_fields.h"
#include "playlist/list_games.h"
#include "playlist/playlist_reader.h"
#include "playlist/playlist_writer.h"
#include "settings/settings_file.h"
#include "tests/corpus_files.h"

namespace {

using namespace mokuza;
namespace fs = std::filesystem;

constexpr int kGames = 10000;

// The corpus games copied twice into a scratch folder: 10,000 distinct files,
// removed again when the benchmarks end.
struct Corpus {
  fs::path folder = fs::temp_directory_path() / ("mokuza-bench-playlist-" + std::to_string(::getpid()));
  std::vector<std::u16string> files;

  Corpus();
  ~Corpus() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  Corpus(const Corpus&) = delete;
  Corpus& operator=(const Corpus&) = delete;
};

Corpus::Corpus() {
  const std::vector<fs::path> sources = test::corpusGames();
  std::error_code ec;
  for (int copy = 0; copy < 2 && !sources.empty(); ++copy) {
    const fs::path target = folder / ("set" + std::to_string(copy));
    fs::create_directories(target);
    for (std::size_t k = 0; k < sources.size() && files.size() < kGames; ++k) {
      const fs::path file = target / (std::to_string(k) + ".sgf");
      fs::copy_file(sources[k], file, fs::copy_options::overwrite_existing, ec);
      files.push_back(pathToText(file));
    }
  }
}

const Corpus& corpus() {
  static const Corpus copied;
  return copied;
}

// 10,000 entries with their game information and designs that change every
// few games, as shows are usually put together.
const Playlist& bigPlaylist() {
  static const Playlist built = [] {
    Playlist playlist;
    const Corpus& games = corpus();
    playlist.path = pathToText(games.folder / "lists" / "big.gpl");
    playlist.folder = pathToText(games.folder / "lists") + u"/";
    fs::create_directories(games.folder / "lists");
    Design design = makeInitialDesign();
    for (std::size_t k = 0; k < games.files.size(); ++k) {
      if (k % 25 == 0) {
        design.intFields[u"１手ごとの表示時間"] = 800 + static_cast<int>(k % 7) * 100;
        design.intFields[u"黒石透明度"] = 200 + static_cast<int>(k % 5) * 10;
        SetFilePath(design, u"碁盤画像", pathToText(games.folder / "boards" / ("b" + std::to_string(k % 4) + ".png")));
      }
      const int record = addGameNumbered(playlist, design, games.files[k], u"20241205120000", static_cast<int>(k) + 1);
      readGameInformation(games.files[k], playlist.entries[static_cast<std::size_t>(record)]);
    }
    playlist.currentGameIndex = 1;
    return playlist;
  }();
  return built;
}

void PlaylistWrite10000(benchmark::State& state) {
  const Playlist& playlist = bigPlaylist();
  if (playlist.gameCount() < kGames) state.SkipWithError("corpus not found");
  for (auto _ : state) benchmark::DoNotOptimize(WritePlaylist(playlist, {corpus().folder, 0}));
  state.SetItemsProcessed(state.iterations() * playlist.gameCount());
}
BENCHMARK(PlaylistWrite10000)->Unit(benchmark::kMillisecond);

void PlaylistRead10000(benchmark::State& state) {
  const Playlist& playlist = bigPlaylist();
  if (playlist.gameCount() < kGames) state.SkipWithError("corpus not found");
  WritePlaylist(playlist, {corpus().folder, 0});
  platform::HeadlessServices services;
  for (auto _ : state) {
    Playlist read;
    PlaylistEntry design = makeInitialDesign();
    benchmark::DoNotOptimize(ReadPlaylist(read, design, playlist.path, false, services, corpus().folder));
    if (read.gameCount() != kGames) state.SkipWithError("the playlist did not read back whole");
  }
  state.SetItemsProcessed(state.iterations() * playlist.gameCount());
}
BENCHMARK(PlaylistRead10000)->Unit(benchmark::kMillisecond);

void PlaylistAdd10000Files(benchmark::State& state) {
  const Corpus& games = corpus();
  if (games.files.size() < static_cast<std::size_t>(kGames)) state.SkipWithError("corpus not found");
  for (auto _ : state) {
    Playlist playlist;
    playlist.path = pathToText(games.folder / "lists" / "added.gpl");
    playlist.folder = pathToText(games.folder / "lists") + u"/";
    Document doc;
    platform::HeadlessServices services;
    PlaylistContext context{playlist, doc, services, games.folder, {}, {}};
    benchmark::DoNotOptimize(addGames(context, games.files));
    if (playlist.gameCount() != kGames) state.SkipWithError("not every game was added");
  }
  state.SetItemsProcessed(state.iterations() * kGames);
}
BENCHMARK(PlaylistAdd10000Files)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

// A moved-file table of 100,000 records ahead of one game: the table is read
// in one pass whatever its size.
void PlaylistMovedFileTable100000(benchmark::State& state) {
  std::u16string text;
  for (int k = 0; k < 100000; ++k) {
    const std::u16string n = asciiToUtf16(std::to_string(k));
    text += u"$/old/" + n + u".sgf>/new/" + n + u".sgf|";
  }
  text += u"<Game.1>\n<sgf_file>\n/old/1.sgf\n<Game.end>\n";
  const PlaylistReadContext context{fs::temp_directory_path(), u"/lists/", u"/lists/", makeInitialDesign(),
                                    u"20260101000000", {}};
  for (auto _ : state) benchmark::DoNotOptimize(parsePlaylistText(text, context));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size() * 2));
}
BENCHMARK(PlaylistMovedFileTable100000)->Unit(benchmark::kMillisecond);

// 30 MB of empty tags in setting.dat: ten million tags that name nothing.
void SettingsFileOfEmptyTags(benchmark::State& state) {
  const fs::path folder = fs::temp_directory_path() / ("mokuza-bench-settings-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const fs::path file = folder / "setting.dat";
  std::string tags;
  for (int k = 0; k < 10'000'000; ++k) tags += "<a>";
  std::ofstream(file, std::ios::binary) << tags;
  for (auto _ : state) {
    Document doc;
    Settings settings;
    readSettings(doc, settings, {folder, file, {}}, file, true);
    benchmark::DoNotOptimize(settings);
  }
  std::error_code ec;
  fs::remove_all(folder, ec);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(tags.size()));
}
BENCHMARK(SettingsFileOfEmptyTags)->Unit(benchmark::kMillisecond);
