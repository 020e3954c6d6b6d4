#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "playback/design_values.h"
#include "playback/pair_go.h"
#include "playback/playlist_games.h"
#include "playlist/playlist_writer.h"
#include "tests/playback/playback_test_support.h"

namespace mokuza::test {
namespace {

// A playlist of three games (3, 4 and 2 moves) shown as a show: every shown
// move and every opened game is traced with its tick.
class PlaylistShowTest : public PlaybackTest {
 protected:
  PlaylistShowTest() {
    PlaylistEntry design;
    design.intFields.clear();
    setDesignValue(design, DesignField::AutoSpeed, 1000);
    setDesignValue(design, DesignField::LoopTime, -505);
    const int lengths[] = {3, 4, 2};
    for (int g = 0; g < 3; ++g) {
      const fs::path file = folder.write("g" + std::to_string(g + 1) + ".sgf", quietGame(lengths[g]));
      AddGame(playlist, design, pathToText(file), u"20260101000000", false);
    }
    pb.actions.moveShown = [this](int move, int) {
      const std::string at = std::to_string(playlist.currentGameIndex) + ":" + std::to_string(move);
      shown += (shown.empty() ? "" : " ") + at;
      timeline += at + "@" + std::to_string(tick) + " ";
    };
    pb.actions.playlistGameOpened = [this](int number) {
      timeline += "open" + std::to_string(number) + "@" + std::to_string(tick) + " ";
    };
  }

  void afterTick() override {
    if (pb.autoPlay.gamePauseTicks > 0) shownInPauses.insert({playlist.currentGameIndex, doc.currentMove()});
  }

  std::string shown;                            // "game:move" of every shown move
  std::string timeline;                         // the shown moves and opened games with their ticks
  std::set<std::pair<int, int>> shownInPauses;  // (game, move) on the board while a pause ran
};

TEST_F(PlaylistShowTest, WithoutLoopingItPausesBetweenGamesAndStopsAfterTheLast) {
  playback::startPlaylistAutoPlay(pb);
  run();
  EXPECT_EQ(shown, "1:1 1:2 1:3 2:1 2:2 2:3 2:4 3:1 3:2");
  EXPECT_FALSE(pb.autoPlay.running() || pb.autoPlay.playlistAutoPlay);
  EXPECT_EQ(lastHistory(), u"プレイリスト自動再生");
  // 1000 ms per move; after the last move's wait the finished game stays for
  // auto_speed + |looptime| = 1505 ms, rounded up to 151 ticks, then the next
  // game opens and its first move shows on the following tick.
  EXPECT_EQ(timeline,
            "open1@0 1:1@1 1:2@102 1:3@203 open2@455 2:1@456 2:2@557 2:3@658 2:4@759 open3@1011 3:1@1012 3:2@1113 ");
  EXPECT_EQ(shownInPauses, (std::set<std::pair<int, int>>{{1, 3}, {2, 4}}));
}

TEST_F(PlaylistShowTest, WithLoopingItWrapsToTheFirstGameAndTurnsTheBoard) {
  for (PlaylistEntry& entry : playlist.entries) setDesignValue(entry, DesignField::LoopTime, 500);
  doc.state.options[DocumentOption::LoadRotation] = 3;
  playback::startPlaylistAutoPlay(pb);
  run(1363);
  EXPECT_TRUE(pb.autoPlay.running());
  // After the last game a pause of auto_speed + |looptime|, then the first game again.
  EXPECT_EQ(shown, "1:1 1:2 1:3 2:1 2:2 2:3 2:4 3:1 3:2 1:1");
  EXPECT_EQ(timeline.substr(timeline.find("3:2@")), "3:2@1111 open1@1362 1:1@1363 ");
  EXPECT_EQ(option(doc.state.options, DocumentOption::LoadRotation), 4) << "one more turn at the playlist loop";
}

TEST_F(PlaylistShowTest, WhileAGameFromOutsideIsShownTheListIsReadFromItsFileFirst) {
  playlist.path = pathToText(folder.path / "list.gpl");
  playlist.folder = pathToText(folder.path) + u"/";
  playlist.displayOrder = {2, 0, 1};
  ASSERT_TRUE(WritePlaylist(playlist, {folder.path, 0}));
  // The entry of g2 went wrong in memory only.
  SetFilePath(playlist.entries[1], kSgfFileLabel, pathToText(folder.write("other.sgf", quietGame(6))));
  playlist.currentGameIndex = -1;
  ASSERT_EQ(playback::OpenPlaylistGame(pb, 2, u""), OpenOutcome::Opened);
  EXPECT_EQ(doc.moveCount(), 4) << "g2 as the file holds it, at its place in the list";
  EXPECT_EQ(playlist.currentGameIndex, 3) << "read back in list order: g3 g1 g2";
}

TEST_F(PlaylistShowTest, AShowStartedOutsideThePlaylistResumesAtTheEntryLastShownAndAGoneFileStopsIt) {
  fs::remove(folder.path / "g3.sgf");
  playlist.currentGameIndex = -2;
  playback::startPlaylistAutoPlay(pb);
  EXPECT_EQ(playlist.currentGameIndex, 2);
  run();
  EXPECT_EQ(shown, "2:1 2:2 2:3 2:4");
  EXPECT_FALSE(pb.autoPlay.running());
  const auto messages = services.callsOf("messageBox");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, u"ファイルが見つかりませんでした");
  EXPECT_EQ(playlist.currentGameIndex, 2) << "the shown game stays";
}

TEST_F(PlaylistShowTest, NextAndPreviousGameWrapAndStampTheAccessDateAndPairGoColoursGoIntoTheShownEntry) {
  services.clock = 1'780'000'000;  // 2026-05-28 20:26:40 UTC
  ASSERT_EQ(playback::OpenPlaylistGame(pb, 3, playback::kOpenHistoryText), OpenOutcome::Opened);
  EXPECT_EQ(lastHistory(), u"対局を開く - g3 [No.3] ");
  EXPECT_EQ(playlist.entries[2].textFields[std::u16string(kAccessedLabel)], u"20260528202640");

  ASSERT_EQ(playback::stepPlaylistGame(pb, 1), OpenOutcome::Opened);
  EXPECT_EQ(playlist.currentGameIndex, 1);
  ASSERT_EQ(playback::stepPlaylistGame(pb, -1), OpenOutcome::Opened);
  EXPECT_EQ(playlist.currentGameIndex, 3);
  EXPECT_EQ(doc.moveCount(), 2);
  EXPECT_EQ(option(doc.state.options, DocumentOption::LoadRotation), -8) << "rotation off stays off";

  playback::PairGoColours colours;
  colours.mode = true;
  colours.change = 2;
  colours.moves = {1, 2, 3, 0};
  colours.lastMoves = {0, 0, 1, 1};
  playback::applyPairGoColours(pb, colours);
  EXPECT_EQ(lastHistory(), u"ペア碁カラー設定  [No.3]");
  EXPECT_EQ(intField(playlist.entries[2], u"ペア碁着手", 0), 321);
  EXPECT_EQ(intField(playlist.entries[2], u"ペア碁最終着手", 0), 1100);
}

}  // namespace
}  // namespace mokuza::test
