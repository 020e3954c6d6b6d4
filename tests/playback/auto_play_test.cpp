#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "core/document/clipboard_commands.h"
#include "core/document/ladder.h"
#include "platform/headless/headless_services.h"
#include "playback/auto_play.h"
#include "playback/design_values.h"
#include "playback/figure_replay.h"
#include "playback/move_wait.h"
#include "tests/playback/playback_test_support.h"

namespace mokuza::test {
namespace {

using playback::Playback;

// Auto-play of one game, driven by the window's timer as a fake clock: every
// shown move is traced with its tick and its wait.
class AutoPlayTest : public ::testing::Test {
 protected:
  AutoPlayTest() {
    doc.globalOptions["update_time"] = 10;
    design(playback::kLoopTime, -1);
    pb.actions.moveShown = [this](int move, int wait) { shown.push_back({tick, move, wait}); };
    pb.actions.armTimer = [this](int period) {
      periods.push_back(period);
      return true;
    };
    pb.actions.enableHistoryCommands = [this](bool enabled) { historyEnabled.push_back(enabled); };
  }

  void design(std::u16string_view label, int value) {
    doc.state.design.intFields.insert_or_assign(std::u16string(label), value);
  }
  // Timer ticks until auto-play stops, at most `limit`.
  void run(int limit = 100000) {
    for (int i = 0; i < limit && pb.autoPlay.running(); ++i) {
      ++tick;
      playback::onPlaybackTimer(pb);
    }
  }
  // The shown moves in order: "5 0 1 2".
  std::string moves() const {
    std::string text;
    for (const Shown& s : shown) text += (text.empty() ? "" : " ") + std::to_string(s.move);
    return text;
  }
  std::u16string lastHistory() const {
    return doc.undoEntries.empty() ? u"" : doc.undoEntries[static_cast<std::size_t>(doc.undoIndex)].description;
  }

  struct Shown {
    int tick, move, wait;
  };
  TempFolder folder;
  platform::HeadlessServices services;
  Document doc;
  Playlist playlist;
  Playback pb{doc, playlist, services, folder.path()};
  int tick = 0;
  std::vector<Shown> shown;
  std::vector<int> periods;
  std::vector<bool> historyEnabled;
};

TEST_F(AutoPlayTest, StartedAtTheEndItRewindsOnceAndStopsAtTheNextEnd) {
  loadText(doc, quietGame(5));
  showMove(doc, 5);
  playback::ToggleAutoPlay(pb, false);
  ASSERT_TRUE(pb.autoPlay.running());
  EXPECT_TRUE(doc.autoPlayRunning);
  EXPECT_EQ(historyEnabled, std::vector<bool>{false});
  run();
  EXPECT_EQ(moves(), "0 1 2 3 4 5");
  EXPECT_FALSE(pb.autoPlay.running());
  EXPECT_EQ(doc.currentMove(), 5);
  EXPECT_EQ(historyEnabled, (std::vector<bool>{false, true}));
  // 1400 ms per move in 10 ms ticks; the move comes on the tick after the wait.
  for (std::size_t i = 1; i < shown.size(); ++i) {
    EXPECT_EQ(shown[i].wait, 140);
    if (i > 1) {
      EXPECT_EQ(shown[i].tick - shown[i - 1].tick, 141);
    }
  }
  EXPECT_EQ(std::count(periods.begin(), periods.end(), 10), static_cast<long>(periods.size()));
}

TEST_F(AutoPlayTest, WithLoopingOnLapsAreCounted) {
  design(playback::kLoopTime, 0);
  loadText(doc, quietGame(3));
  playback::ToggleAutoPlay(pb, false);
  EXPECT_EQ(playback::autoPlayStatusText(pb), u"《自動再生》  ");
  run(3 * 141 + 1);
  EXPECT_EQ(moves(), "1 2 3 0");
  EXPECT_EQ(pb.autoPlay.autoPlayLap, 1);
  EXPECT_EQ(playback::autoPlayStatusText(pb), u"《自動再生2周目》  ");
  run(3 * 141);
  EXPECT_EQ(moves(), "1 2 3 0 1 2 3");
  playback::ToggleAutoPlay(pb, false);
  EXPECT_FALSE(pb.autoPlay.running());
  EXPECT_EQ(playback::autoPlayStatusText(pb), u"");
}

TEST_F(AutoPlayTest, ARangeFromHighToLowPlaysBackwards) {
  loadText(doc, quietGame(60));
  design(playback::kAutoStart, 50);
  design(playback::kAutoLast, 10);
  playback::ToggleAutoPlay(pb, false);
  ASSERT_EQ(doc.currentMove(), 50) << "the start brings the game into the range";
  run();
  ASSERT_EQ(shown.size(), 41u);
  EXPECT_EQ(shown.front().move, 50);
  EXPECT_EQ(shown[1].move, 49);
  EXPECT_EQ(shown.back().move, 10);
  EXPECT_FALSE(pb.autoPlay.running());
}

TEST_F(AutoPlayTest, ABackwardRangeBelowTheFirstMoveStillEnds) {
  loadText(doc, quietGame(4));
  design(playback::kAutoStart, 3);
  design(playback::kAutoLast, -100);
  playback::ToggleAutoPlay(pb, false);
  run(10000);
  EXPECT_EQ(moves(), "3 2 1 0");
  EXPECT_FALSE(pb.autoPlay.running());
}

TEST_F(AutoPlayTest, ARangeWithoutMovesDoesNotStart) {
  loadText(doc, quietGame(60));
  const std::pair<int, int> ranges[] = {{0, 0}, {7, 7}, {300, 400}};
  for (const auto& [start, last] : ranges) {
    design(playback::kAutoStart, start);
    design(playback::kAutoLast, last);
    playback::ToggleAutoPlay(pb, false);
    EXPECT_FALSE(pb.autoPlay.running()) << start << ".." << last;
    EXPECT_FALSE(doc.autoPlayRunning);
  }
  EXPECT_TRUE(periods.empty());
  EXPECT_TRUE(historyEnabled.empty()) << "a refused start greys nothing";
  EXPECT_EQ(doc.currentMove(), 0);
}

TEST_F(AutoPlayTest, ADisplayTimeShorterThanTheTimerPeriodWaitsOneTick) {
  doc.globalOptions["update_time"] = 2000;
  design(playback::kAutoSpeed, 1000);
  loadText(doc, quietGame(3));
  playback::ToggleAutoPlay(pb, false);
  run();
  ASSERT_EQ(moves(), "1 2 3");
  for (const Shown& s : shown) EXPECT_EQ(s.wait, 1);
  EXPECT_EQ(shown[2].tick - shown[1].tick, 2);
  EXPECT_EQ(playback::MoveWaitTicks(1400, 50, 10), 140);
  EXPECT_EQ(playback::MoveWaitTicks(1400, 0, 10), 1) << "a note without tempo";
}

TEST_F(AutoPlayTest, TheWaitAfterAMoveDrivesItsFade) {
  design(playback::kAutoSpeed, 50);
  loadText(doc, quietGame(2));
  std::vector<int> opacities;
  pb.actions.fadeStep = [&](int opacity) { opacities.push_back(opacity); };
  playback::ToggleAutoPlay(pb, false);
  run();
  EXPECT_EQ(moves(), "1 2");
  EXPECT_EQ(opacities, (std::vector<int>{51, 102, 153, 204, 255, 51, 102, 153, 204, 255}));
}

TEST_F(AutoPlayTest, StoppingGivesTheCommandsAndTheInformationWindowBack) {
  loadText(doc, quietGame(5));
  pb.autoPlay.infoWindowHideState = 1;
  int relayouts = 0;
  pb.actions.relayout = [&] { ++relayouts; };
  playback::ToggleAutoPlay(pb, false);
  EXPECT_TRUE(pb.autoPlay.infoWindowHidden);
  EXPECT_EQ(pb.autoPlay.infoWindowHideState, 2);
  run(200);
  playback::ToggleAutoPlay(pb, false);
  EXPECT_FALSE(pb.autoPlay.running());
  EXPECT_FALSE(pb.autoPlay.infoWindowHidden);
  EXPECT_EQ(pb.autoPlay.infoWindowHideState, 1);
  EXPECT_EQ(relayouts, 2);
  EXPECT_EQ(historyEnabled, (std::vector<bool>{false, true}));
  EXPECT_EQ(doc.currentMove(), 2);
}

TEST_F(AutoPlayTest, MovesShownForwardSoundTheirStones) {
  loadText(doc, quietGame(3));
  SetFilePath(doc.state.gameInfo, playback::kBlackSound, u"black.wav");
  SetFilePath(doc.state.gameInfo, playback::kWhiteSound, u"sounds/white.wav");
  playback::ToggleAutoPlay(pb, false);
  run();
  EXPECT_TRUE(services.callsOf("playWave").empty()) << "the design's 石音 is off";

  design(playback::kStoneSound, 1);
  design(playback::kAutoStart, 3);
  design(playback::kAutoLast, 1);
  playback::ToggleAutoPlay(pb, false);
  run();
  EXPECT_TRUE(services.callsOf("playWave").empty()) << "a backward show takes stones away";
  design(playback::kAutoStart, 0);
  design(playback::kAutoLast, -100);
  showMove(doc, 0);
  playback::ToggleAutoPlay(pb, false);
  run();
  const auto waves = services.callsOf("playWave");
  ASSERT_EQ(waves.size(), 3u);
  EXPECT_EQ(fs::path(waves[0].text), folder.path() / "black.wav");
  EXPECT_EQ(fs::path(waves[1].text), folder.path() / "sounds/white.wav");
  EXPECT_EQ(fs::path(waves[2].text), folder.path() / "black.wav");
}

TEST_F(AutoPlayTest, AFigureRunPlaysOneFigureAndStopsAtItsEnd) {
  doc.state.options["kifunarabe"] = 2;  // switches are on at 1 or more
  doc.state.options["auto_kifu"] = 2;
  design(playback::kRcFraction, 3);
  doc.state.design.figureEnds = {0, 5, 12, 18};
  loadText(doc, quietGame(20));
  EXPECT_EQ(playback::buildFigureEnds(doc), (std::vector<int>{0, 5, 12, 20}));

  playback::FigureReplayNext(pb);
  EXPECT_EQ(moves(), "1") << "the first move shows at once";
  run();
  EXPECT_EQ(moves(), "1 2 3 4 5");
  EXPECT_FALSE(pb.autoPlay.running());
  playback::StepForward(pb);
  run();
  EXPECT_EQ(moves(), "1 2 3 4 5 6 7 8 9 10 11 12");

  playback::StepBackward(pb);
  EXPECT_EQ(doc.currentMove(), 5);
  doc.state.options["auto_kifu"] = -1;
  playback::StepForward(pb);
  EXPECT_EQ(doc.currentMove(), 12) << "without 次譜自動再生 a step jumps to the next figure's end";
}

TEST_F(AutoPlayTest, OpeningAnotherGameByAnyRouteStopsAutoPlay) {
  const fs::path other = folder.write("other.sgf", quietGame(4));
  const auto request = [&](OpenRequest::Source source) {
    OpenRequest r;
    r.source = source;
    r.recentCommand = kRecentGamesFirstCommand;
    return openGame(doc, services, r);
  };
  const std::vector<std::pair<std::string, std::function<int()>>> routes{
      {"dialog",
       [&] {
         services.openDialogAnswers = {other};
         return request(OpenRequest::Source::Dialog);
       }},
      {"recent",
       [&] {
         doc.recentGames.paths = {pathToText(other)};
         return request(OpenRequest::Source::Recent);
       }},
      {"drop", [&] { return openGameFile(doc, services, pathToText(other)); }},
      {"clipboard",
       [&] {
         services.clipboard = utf8ToUtf16(quietGame(4));
         return openFromClipboard(doc, services, false);
       }},
  };
  for (const auto& [route, open] : routes) {
    loadText(doc, quietGame(5));
    playback::ToggleAutoPlay(pb, false);
    run(150);
    ASSERT_EQ(doc.currentMove(), 2) << route;
    ASSERT_EQ(open(), 0) << route;
    EXPECT_FALSE(pb.autoPlay.running() || doc.autoPlayRunning) << route;
    EXPECT_NE(lastHistory().find(u"開く"), std::u16string::npos) << route << ": recorded as with auto-play off";
    const int shownMove = doc.currentMove();
    for (int i = 0; i < 300; ++i) playback::onPlaybackTimer(pb);
    EXPECT_EQ(doc.currentMove(), shownMove) << route << ": no tick steps the new game";
  }
}

TEST_F(AutoPlayTest, ALadderIsPlayedOutAndRecorded) {
  ReadOptions options;
  ASSERT_EQ(loadRecordText(doc, u"(;SZ[9]AB[cd][dc][ce]AW[dd];B[ed])", options), kReadOk);
  showMove(doc, 1);
  // The design's range would refuse to start; the run has its own.
  design(playback::kAutoStart, 0);
  design(playback::kAutoLast, 0);
  const LadderOutcome outcome = ReadLadder(doc, services, RecordPoint{3 + 3 * 9}, playback::ladderRunStarter(pb));
  ASSERT_EQ(outcome.status, LadderStatus::Added);
  ASSERT_TRUE(pb.autoPlay.running());
  run();
  EXPECT_EQ(moves(), "2 3 4 5 6 7 8 9 10 11 12 13 14");
  EXPECT_FALSE(pb.autoPlay.ladderRun());
  EXPECT_EQ(lastHistory(), u"〔2手目～14手目〕［シチョウ］");
}

}  // namespace
}  // namespace mokuza::test
