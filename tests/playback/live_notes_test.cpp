#include <gtest/gtest.h>

#include "playback/figure_replay.h"
#include "playback/midi_file.h"
#include "playback/music_mode.h"
#include "tests/playback/playback_test_support.h"

namespace mokuza::test {
namespace {

// Short messages sent to the MIDI output, as (status, data1, data2).
using Message = std::array<int, 3>;

class LiveNotesTest : public PlaybackTest {
 protected:
  LiveNotesTest() {
    doc.state.options[DocumentOption::MusicMode] = 2;  // a switch is on at 1 or more
    playback::syncMusicMode(pb);
  }

  std::vector<Message> sent() const {
    std::vector<Message> messages;
    for (const auto& call : services.callsOf("midiShortMessage"))
      messages.push_back({call.answer & 0xFF, (call.answer >> 8) & 0xFF, (call.answer >> 16) & 0xFF});
    return messages;
  }
};

TEST_F(LiveNotesTest, MusicModeReplaysIntoOutputMidAndOpensTheOutput) {
  EXPECT_EQ(doc.observers, (std::vector<ReplayObserver*>{&doc.classifier, &pb.notes}));
  EXPECT_EQ(services.callsOf("midiOpen").size(), 1u);
  loadText(doc, quietGame(3));
  EXPECT_TRUE(fs::exists(folder.path / "output.mid"));

  playback::toggleMusicMode(pb);
  EXPECT_EQ(doc.observers.size(), 1u);
  EXPECT_EQ(std::pair(services.callsOf("midiReset").size(), services.callsOf("midiClose").size()), std::pair(1ul, 1ul));
  EXPECT_EQ(doc.undoEntries.back().description, u"棋楽変換〈オフ〉");
  fs::remove(folder.path / "output.mid");
  playback::toggleMusicMode(pb);
  EXPECT_TRUE(fs::exists(folder.path / "output.mid")) << "switching on replays the game";
}

TEST_F(LiveNotesTest, AManualStepSoundsTheMoveAndItsFigureUntilTheTimerEndsThem) {
  loadText(doc, quietGame(3));
  showMove(doc, 2);
  // Move 3 (Black next to move 1) resonates with the stone of move 1.
  ASSERT_FALSE(doc.record().lineCopy[3].figureStones().empty());
  const int note1 = doc.record().lineCopy[1].notes[1][playback::kNote];
  const int note3 = doc.record().lineCopy[3].notes[1][playback::kNote];
  std::vector<int> periods;
  pb.actions.armTimer = [&](int period) {
    periods.push_back(period);
    return true;
  };
  playback::stepForward(pb);
  EXPECT_EQ(periods, std::vector<int>{10});
  EXPECT_EQ(sent(), (std::vector<Message>{{0x90, note1, 100}, {0x90, note3, 100}}));

  // 120 ms of note in 10 ms ticks.
  for (int t = 0; t < 11; ++t) playback::onPlaybackTimer(pb);
  EXPECT_EQ(sent().size(), 2u);
  playback::onPlaybackTimer(pb);
  EXPECT_EQ(sent(), (std::vector<Message>{{0x90, note1, 100}, {0x90, note3, 100}, {0x90, note1, 0}, {0x90, note3, 0}}));
}

TEST_F(LiveNotesTest, StoneFadesShareTheSixteenChannels) {
  const NoteBlock block{12, 120, 90, 60, 42, 480, 30, 84, 16};
  std::vector<playback::FadeNote> fades;
  for (int i = 0; i < 17; ++i) fades.push_back(playback::StartStoneNote(pb.live, services, block, 0, 10));
  EXPECT_EQ(fades[15].channel, 15);
  EXPECT_EQ(fades[16].channel, -1) << "no free channel: the stone fades without sound";
  EXPECT_EQ(fades[0].frames, 100) << "84 ticks of fade-in at tempo 42: 1000 ms";
  EXPECT_EQ(sent()[0], (Message{0xC0, 12, 0}));
  EXPECT_EQ(sent()[1], (Message{0x90, 60, 90}));

  playback::FadeStep(pb.live, services, fades[3], block, 50);
  EXPECT_EQ(sent().back(), (Message{0xB3, 11, 63})) << "after the pan, the expression of step 50 of 100";
  playback::FadeStep(pb.live, services, fades[3], block, fades[3].frames);
  EXPECT_EQ(sent().back(), (Message{0x93, 60, 0}));
  EXPECT_EQ(fades[3].channel, -1);
  EXPECT_EQ(playback::StartStoneNote(pb.live, services, block, 4, 10).channel, 3) << "the freed channel is taken again";

  playback::StopStoneNote(pb.live, services, fades[5]);
  EXPECT_EQ(sent().back(), (Message{0x85, 60, 0}));
}

}  // namespace
}  // namespace mokuza::test
