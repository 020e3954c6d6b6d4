#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "core/document/clipboard_commands.h"
#include "core/document/ladder.h"
#include "playback/design_values.h"
#include "playback/figure_replay.h"
#include "tests/playback/playback_test_support.h"

namespace mokuza::test {
namespace {

// Auto-play of one game: every shown move is traced with its tick and its wait.
class AutoPlayTest : public PlaybackTest {
 protected:
  AutoPlayTest() {
    design(DesignField::LoopTime, -1);
    pb.actions.moveShown = [this](int move, int wait) {
      moves += (moves.empty() ? "" : " ") + std::to_string(move);
      timed += std::to_string(move) + "@" + std::to_string(tick) + "+" + std::to_string(wait) + " ";
    };
    pb.actions.armTimer = [](int) { return true; };
  }

  void design(DesignField field, int value) { setDesignValue(doc.state.design, field, value); }
  void play() {
    playback::ToggleAutoPlay(pb, false);
    run();
  }
  void play(int start, int last) {
    design(DesignField::AutoStart, start);
    design(DesignField::AutoLast, last);
    play();
  }

  std::string moves;  // the shown moves in order: "5 0 1 2"
  std::string timed;  // each as move@tick+wait
};

TEST_F(AutoPlayTest, StartedAtTheEndItRewindsOnceAndStopsAtTheNextEndGivingTheWindowBack) {
  loadText(doc, quietGame(5));
  showMove(doc, 5);
  pb.autoPlay.infoWindowHide = playback::InfoWindowHide::Armed;
  playback::ToggleAutoPlay(pb, false);
  ASSERT_TRUE(pb.autoPlay.running() && autoPlayRunning(doc));
  EXPECT_TRUE(pb.autoPlay.infoWindowHidden);
  EXPECT_TRUE(std::exchange(pb.changes, {}).relayout);
  run();
  // 1400 ms per move in 10 ms ticks; the move comes on the tick after the wait.
  EXPECT_EQ(timed, "0@1+0 1@2+140 2@143+140 3@284+140 4@425+140 5@566+140 ");
  EXPECT_FALSE(pb.autoPlay.running());
  EXPECT_EQ(doc.currentMove(), 5);
  EXPECT_FALSE(pb.autoPlay.infoWindowHidden);
  EXPECT_TRUE(pb.changes.relayout);
}

// A window that draws the fade frames counts the wait; the engine then only
// hands it the ticks, so the pace stays that of the engine's own count.
TEST_F(AutoPlayTest, AWindowThatDrawsTheFramesCountsTheWaitInsteadOfTheEngine) {
  loadText(doc, quietGame(3));
  int frames = 0;
  pb.actions.fadeStep = [&] {
    ++frames;
    --pb.autoPlay.moveWaitTicks;
  };
  play();
  EXPECT_EQ(timed, "1@1+140 2@142+140 3@283+140 ");
  EXPECT_EQ(frames, 3 * 140);
}

TEST_F(AutoPlayTest, ARangeFromHighToLowPlaysBackwardsAndEndsEvenBelowTheFirstMove) {
  loadText(doc, quietGame(6));
  play(4, -100);  // the start brings the game into the range
  EXPECT_EQ(moves, "4 3 2 1 0");
  EXPECT_FALSE(pb.autoPlay.running());
}

TEST_F(AutoPlayTest, OnlyTheLastMoveOfTheLineSoundsItsStone) {
  std::vector<fs::path> waves;
  for (const int moveCount : {3, 4}) {
    loadText(doc, quietGame(moveCount));
    SetFilePath(doc.state.gameInfo, FileField::WhiteSound, u"sounds/white.wav");  // Black's is the initial one
    design(DesignField::StoneSound, 1);
    play(moveCount, 1);  // backwards: a stone taken away makes no sound
    showMove(doc, 0);
    play(0, -100);
  }
  design(DesignField::StoneSound, 0);
  showMove(doc, 0);
  play(0, -100);
  for (const auto& call : services.callsOf("playWave"))
    waves.push_back(fs::path(call.text).lexically_relative(folder.path));
  EXPECT_EQ(waves, (std::vector<fs::path>{"black_sound.wav", "sounds/white.wav"}));
}

TEST_F(AutoPlayTest, AFigureRunPlaysOneFigureAndStopsAtItsEnd) {
  doc.state.options[DocumentOption::ReplayMode] = 2;  // switches are on at 1 or more
  doc.state.options[DocumentOption::AutoNextGame] = 2;
  design(DesignField::RcFraction, 3);
  doc.state.design.figureEnds = {0, 5, 12, 18};
  loadText(doc, quietGame(20));
  EXPECT_EQ(playback::buildFigureEnds(doc), (std::vector<int>{0, 5, 12, 20}));
  playback::figureReplayNext(pb);
  EXPECT_EQ(moves, "1") << "the first move shows at once";
  run();
  EXPECT_EQ(moves, "1 2 3 4 5");
  EXPECT_FALSE(pb.autoPlay.running());
  playback::stepForward(pb);
  run();
  EXPECT_EQ(moves, "1 2 3 4 5 6 7 8 9 10 11 12");
  EXPECT_EQ(playback::shownFigureStart(doc), 5);
  playback::stepBackward(pb);
  EXPECT_EQ(doc.currentMove(), 5);
  EXPECT_EQ(playback::shownFigureStart(doc), 0);
}

TEST_F(AutoPlayTest, OpeningAnotherGameFromAFileOrTheClipboardStopsAutoPlay) {
  const fs::path other = folder.write("other.sgf", quietGame(4));
  services.clipboard = utf8ToUtf16(quietGame(4));
  const std::pair<const char*, std::function<OpenOutcome()>> routes[] = {
      {"file", [&] { return openGameFile(doc, services, pathToText(other)); }},
      {"clipboard", [&] { return openFromClipboard(doc, services, false); }},
  };
  for (const auto& [route, open] : routes) {
    loadText(doc, quietGame(5));
    playback::ToggleAutoPlay(pb, false);
    run(150);
    ASSERT_EQ(doc.currentMove(), 2) << route;
    ASSERT_EQ(open(), OpenOutcome::Opened) << route;
    EXPECT_FALSE(pb.autoPlay.running() || autoPlayRunning(doc)) << route;
    EXPECT_NE(lastHistory().find(u"開く"), std::u16string::npos) << route << ": recorded as with auto-play off";
  }
}

TEST_F(AutoPlayTest, ALadderIsPlayedOutAndRecorded) {
  ReadOptions options;
  ASSERT_EQ(loadRecordText(doc, u"(;SZ[9]AB[cd][dc][ce]AW[dd];B[ed])", options), kReadOk);
  showMove(doc, 1);
  // The design's range would refuse to start; the run has its own.
  design(DesignField::AutoStart, 0);
  design(DesignField::AutoLast, 0);
  const LadderOutcome outcome = ReadLadder(doc, services, RecordPoint{3 + 3 * 9}, playback::ladderRunStarter(pb));
  ASSERT_EQ(outcome.status, LadderStatus::Added);
  ASSERT_TRUE(pb.autoPlay.running());
  run();
  EXPECT_EQ(moves, "2 3 4 5 6 7 8 9 10 11 12 13 14");
  EXPECT_EQ(lastHistory(), u"〔2手目～14手目〕［シチョウ］");
}

}  // namespace
}  // namespace mokuza::test
