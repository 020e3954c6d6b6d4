#include <gtest/gtest.h>

#include <sstream>

#include "core/naming/figure_table.h"
#include "playback/midi_file.h"
#include "playback/note_blocks.h"
#include "tests/playback/playback_test_support.h"
#include "tests/playback/smf_reader.h"

namespace mokuza::test {
namespace {

using playback::kNote;
using playback::kTempo;

std::vector<MoveRecord> emptyLine(int moves) { return std::vector<MoveRecord>(static_cast<std::size_t>(moves) + 1); }

std::string hex(int byte) { return {"0123456789abcdef"[byte >> 4 & 15], "0123456789abcdef"[byte & 15]}; }

// The tempo events (FF 51) or the sounding notes (note on with a velocity) of
// a track as "tick:bytes" in hex, separated by spaces.
std::string events(const std::vector<SmfEvent>& track, bool tempo) {
  std::string out;
  for (const SmfEvent& e : track)
    if (tempo ? e.bytes.size() == 6 && e.byte(0) == 0xFF && e.byte(1) == 0x51
              : e.bytes.size() == 3 && (e.byte(0) & 0xF0) == 0x90 && e.byte(2) > 0) {
      out += (out.empty() ? "" : " ") + std::to_string(e.tick) + ":";
      for (std::size_t i = 0; i < e.bytes.size(); ++i) out += hex(e.byte(i));
    }
  return out;
}

class NoteBlockTest : public ::testing::Test {
 protected:
  NoteBlockTest() { placedBy.fill(-1); }

  int fill(std::vector<MoveRecord>& line, int m, int x, int y) {
    MoveRecord& record = line[static_cast<std::size_t>(m)];
    record.colour = static_cast<std::int8_t>(m % 2 ? 1 : -1);
    record.point = static_cast<std::uint16_t>(x + y * 19);
    playback::NoteInputs inputs;
    inputs.figures = &figures;
    playback::fillNoteBlock(line, m, geo, placedBy, inputs);
    placedBy[RecordPoint{record.point}] = static_cast<std::int16_t>(m);
    return record.notes[1][kNote];
  }

  GridGeometry geo = makeGridGeometry(19);
  naming::FigureTable figures;
  playback::PlacedByRow placedBy{};
};

TEST_F(NoteBlockTest, NoteAndPanComeFromThePointAndTheStonesOfTheFigure) {
  auto line = emptyLine(6);
  EXPECT_EQ(fill(line, 1, 3, 3), 56);  // 4-4 point: 4 × 8 + 20 + 4
  // One line away from the figure's stone: its note plus a whole tone.
  line[2].setFigureStones(
      std::vector<std::int16_t>{static_cast<std::int16_t>(geo.bordered(RecordPoint{3 + 3 * 19}).index)});
  EXPECT_EQ(fill(line, 2, 4, 3), 58);
  // Two lines diagonally from move 2's stone, the last stone of the set decides.
  line[3].setFigureStones(
      std::vector<std::int16_t>{static_cast<std::int16_t>(geo.bordered(RecordPoint{3 + 3 * 19}).index),
                                static_cast<std::int16_t>(geo.bordered(RecordPoint{4 + 3 * 19}).index)});
  EXPECT_EQ(fill(line, 3, 6, 5), 62);
  // The pan runs from the left edge to the right one.
  fill(line, 4, 0, 9);
  fill(line, 5, 18, 9);
  EXPECT_EQ(line[4].notes[1][playback::kPan], 0);
  EXPECT_EQ(line[5].notes[1][playback::kPan], 127);
}

// Documents replayed with the note observer after the classifier.
class MusicReplayTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.observers.push_back(&notes); }

  TempFolder folder;
  std::ostringstream err;
  Document doc;
  playback::NoteBlockObserver notes{doc, folder.path / "output.mid", err};
};

TEST_F(MusicReplayTest, MovesGetTheTempoOfTheDisplayTimeAndFigureStonesSoundOnTracksOfTheirOwn) {
  doc.state.design.intFields[u"１手ごとの表示時間"] = 1400;
  loadText(doc, quietGame(4));
  std::vector<MoveRecord>& line = doc.record().lineCopy;
  for (std::size_t m = 1; m <= 4; ++m)
    EXPECT_EQ(doc.record().lineRecords[m]->notes, line[m].notes) << "the tree keeps the block of move " << m;
  const auto written = readFileBytes(folder.path / "output.mid");
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, playback::midiFileBytes(notes.midiFile(), err)) << "the replay wrote output.mid";

  // Move 4 resonates with every earlier stone; its own stone, last, plays on
  // track 0. Move 3 at a tempo of its own changes the tempo there and back after it.
  line[3].notes[1][kTempo] = 60;
  std::vector<std::int16_t> figure;
  for (std::size_t m = 1; m <= 4; ++m)
    figure.push_back(static_cast<std::int16_t>(doc.board.geometry.bordered(RecordPoint{line[m].point}).index));
  line[4].setFigureStones(figure);
  playback::MidiFile file;
  playback::buildMidiFile(file, line, doc.board);
  const SmfResult smf = readSmf(playback::midiFileBytes(file, err));
  ASSERT_TRUE(smf.ok()) << smf.error;
  std::string tracks;  // per track: tempo events | sounding notes; a quarter of 120 ticks lasts 60 / 42 s
  for (const auto& track : smf.file.tracks) tracks += events(track, true) + " | " + events(track, false) + "\n";
  EXPECT_EQ(smf.file.ticksPerQuarter, 120);
  EXPECT_EQ(tracks, R"(480:ff510315cc5b 720:ff51030f4240 840:ff510315cc5b | 480:901d64 600:901d64 720:901f64 840:901f64
 | 720:911d64 840:911d64
 | 840:921d64
 | 840:931f64
)");
}

TEST(MidiFileTest, TheFadeInRampsTheExpressionOncePerLevel) {
  auto line = emptyLine(1);
  line[1].notes[1] = {50, 10, 100, 60, 120, 0, 64, 4, 0};
  playback::MidiFile file;
  playback::AddNote(file, line, 0, 1, 1);
  std::vector<std::pair<std::int64_t, int>> ramp;
  for (const auto& e : file.tracks()[0])
    if (e.size == 3 && e.bytes[0] == 0xB0 && e.bytes[1] == 11) ramp.emplace_back(e.tick, e.bytes[2]);
  EXPECT_EQ(ramp, (std::vector<std::pair<std::int64_t, int>>{{0, 0}, {1, 31}, {2, 63}, {3, 95}, {4, 127}}));

  // A fade far longer than 127 ticks still takes one event per level.
  line[1].notes[1][7] = 1'000'000'000;
  file.clear();
  playback::AddNote(file, line, 0, 1, 1);
  EXPECT_LT(file.tracks()[0].size(), 140u);
}

TEST(MidiFileTest, AFailedWriteIsReportedAndLeavesNoPartFile) {
  TempFolder folder;
  const fs::path target = folder.path / "output.mid";
  fs::create_directories(target / "in the way");
  playback::MidiFile file;
  std::ostringstream err;
  EXPECT_FALSE(playback::WriteMidiFile(file, target, err));
  EXPECT_EQ(err.str(), "Error: could not write: " + target.string() + " (" + target.string() + " is a folder)\n");
  int entries = 0;
  for (const auto& entry : fs::directory_iterator(folder.path)) entries += entry.path() != target;
  EXPECT_EQ(entries, 0) << "no temporary file is left behind";
}

}  // namespace
}  // namespace mokuza::test
