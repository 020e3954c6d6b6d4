#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "playback/note_blocks.h"
#include "tests/corpus_files.h"
#include "tests/playback/playback_test_support.h"
#include "tests/playback/smf_reader.h"

namespace mokuza::test {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kGameStep = 25;  // a sample keeps the sanitizer build quick
#else
constexpr std::size_t kGameStep = 1;
#endif

// Every professional game, loaded in music mode, leaves an "output.mid" that
// reads back as a Standard MIDI File with one sounding note per move.
TEST(CorpusMidiTest, EveryGameWritesAValidMidiFile) {
  const std::vector<fs::path> files = corpusGames();
  if (files.empty()) GTEST_SKIP() << "no corpus at " << MOKUZA_CORPUS_DIR;

  TempFolder folder;
  const fs::path output = folder.path() / "output.mid";
  std::ostringstream err;
  Document doc;
  playback::NoteBlockObserver notes(doc, output, err);
  doc.observers.push_back(&notes);
  int games = 0;
  for (std::size_t i = 0; i < files.size(); i += kGameStep) {
    const auto bytes = readFileBytes(files[i]);
    ASSERT_TRUE(bytes) << files[i];
    fs::remove(output);
    ReadOptions options;
    ASSERT_EQ(loadRecordText(doc, decodeBytes(*bytes, TextKind::GameRecord), options), kReadOk) << files[i];

    const auto written = readFileBytes(output);
    ASSERT_TRUE(written) << files[i];
    const SmfResult smf = readSmf(*written);
    ASSERT_TRUE(smf.ok()) << files[i] << ": " << smf.error;
    ASSERT_EQ(smf.file.format, smf.file.tracks.size() > 1 ? 1 : 0) << files[i];
    const int moves = std::min(doc.moveCount(), kMaxPositions - 1);
    const auto sounding = std::count_if(smf.file.tracks[0].begin(), smf.file.tracks[0].end(), [](const SmfEvent& e) {
      return e.bytes.size() == 3 && e.byte(0) == 0x90 && e.byte(2) > 0;
    });
    ASSERT_EQ(sounding, moves) << files[i];
    ++games;
  }
  EXPECT_TRUE(err.str().empty()) << err.str();
  EXPECT_GE(games, 100);
}

}  // namespace
}  // namespace mokuza::test
