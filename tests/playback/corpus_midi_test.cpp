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
  TempFolder folder;
  const fs::path output = folder.path / "output.mid";
  std::ostringstream err;
  Document doc;
  playback::NoteBlockObserver notes(doc, output, err);
  doc.observers.push_back(&notes);
  const int games = forEachCorpusGame("pro", kGameStep, [&](const fs::path& file, const std::u16string& text) {
    fs::remove(output);
    ReadOptions options;
    ASSERT_EQ(loadRecordText(doc, text, options), kReadOk) << file;
    const auto written = readFileBytes(output);
    ASSERT_TRUE(written) << file;
    const SmfResult smf = readSmf(*written);
    ASSERT_TRUE(smf.ok()) << file << ": " << smf.error;
    ASSERT_EQ(smf.file.format, smf.file.tracks.size() > 1 ? 1 : 0) << file;
    const auto sounding = std::count_if(smf.file.tracks[0].begin(), smf.file.tracks[0].end(), [](const SmfEvent& e) {
      return e.bytes.size() == 3 && e.byte(0) == 0x90 && e.byte(2) > 0;
    });
    EXPECT_EQ(sounding, std::min(doc.moveCount(), kMaxPositions - 1)) << file;
  });
  if (games == 0) GTEST_SKIP() << "no corpus at " << MOKUZA_CORPUS_DIR;
  EXPECT_TRUE(err.str().empty()) << err.str();
  EXPECT_GE(games, 100);
}

}  // namespace
}  // namespace mokuza::test
