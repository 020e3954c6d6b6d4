#include <gtest/gtest.h>

#include "core/record/text.h"
#include "core/rules/info_text.h"
#include "tests/rules/rules_test_support.h"

namespace mokuza::test {
namespace {

// The texts under the board for a record shown at some move.
class InfoTextTest : public ::testing::Test {
 protected:
  void show(int m) {
    game.record.currentMove = m;
    restorePosition(game.board, m);
  }
  RecordPoint point(std::string_view sgfPoint) const {
    return game.board.geometry.unbordered(borderedAt(game.board.geometry, sgfPoint));
  }
  InfoTexts texts() const { return ComposeInfoText(game.board, game.record, counting, inputs); }
  // The parts, each between bars.
  std::string line() const {
    std::string joined;
    for (const std::u16string& part : texts().parts) joined += "|" + utf16ToUtf8(part);
    return joined;
  }

  ReplayedGame game;
  CountingState counting;
  InfoTextInputs inputs;
};

TEST_F(InfoTextTest, MoveLineFollowsTheSettings) {
  // White's fourth move takes the black stone in the corner.
  game.play(u"(;SZ[5];B[aa];W[ba];B[cc];W[ab])");
  show(4);
  inputs.moveName = u"アテ";
  EXPECT_EQ(line(), "|4手　    白1-2    アテ　　黒アゲハマ○0　白アゲハマ●1");
  inputs.coordinateStyle = 2;
  EXPECT_EQ(line(), "|4手　    白a-4アテ　　黒アゲハマ○0　白アゲハマ●1");
  inputs.coordinateStyle = 3;
  EXPECT_EQ(line(), "|4手　    白a-bアテ　　黒アゲハマ○0　白アゲハマ●1");

  // Auto-play drops the colour and says which lap it is on.
  inputs.coordinateStyle = 0;
  inputs.autoPlay = true;
  inputs.moveDisplayTime = 1500;
  inputs.loopPlay = true;
  inputs.loopCount = 2;
  EXPECT_EQ(line(), "|《自動再生2周目》|表示時間：150×0.01秒|4手　    1-2    アテ　　黒アゲハマ○0　白アゲハマ●1");
  inputs.showMovesPlayed = 37;
  EXPECT_EQ(line(),
            "|《自動再生2周目》|計37手|表示時間：150×0.01秒|4手　    1-2    アテ　　黒アゲハマ○0　白アゲハマ●1");

  // A selected range adds its counts; in counting mode its own score, in
  // whole points, replaces the move.
  inputs = InfoTextInputs{};
  for (const char* p : {"aa", "ba", "ab", "bb"}) counting.selection.insert(point(p));
  counting.rangeMode = true;
  CountRange(counting, game.board);
  EXPECT_EQ(line(), "|4手　    白1-2    　　黒アゲハマ○0　白アゲハマ●1|選択範囲4マス：黒石0子・白石2子・空点2マス");
  ToggleCountingMode(counting, game.board);
  EXPECT_EQ(line(),
            "|黒：地0　アゲハマ0+0　計0目　　白：地2　アゲハマ1+0　計3目　〈結果〉白+3目　　"
            "|選択範囲4マス：黒石0子・白石2子・空点2マス");
}

TEST_F(InfoTextTest, NumbersArePaddedToLineUp) {
  std::u16string sgf = u"(;SZ[19];B[ak]";
  for (int m = 2; m < 100; ++m) sgf += m % 2 ? u";B[]" : u";W[]";
  game.play(sgf + u";W[kk])");
  show(10);
  EXPECT_EQ(line(), "|10手　  白パス　　黒アゲハマ○0　白アゲハマ●0");
  show(100);
  EXPECT_EQ(line(), "|100手　白11-11　　黒アゲハマ○0　白アゲハマ●0");
}

TEST_F(InfoTextTest, NotesAroundTheMoveLine) {
  game.play(u"(;SZ[5]RE[W+R];B[aa]BL[300]BK[2];W[ba]WL[290])");
  inputs.playlistOpen = true;
  inputs.playlistName = u"名局集.gpl";
  inputs.playlistCount = 12;
  inputs.playlistNumber = 3;
  inputs.gameFileName = u"game.sgf";
  inputs.wholeRecordShown = true;
  inputs.figureNumber = 1;
  inputs.figureFirstMove = 1;
  inputs.figureLastMove = 2;
  inputs.showResult = true;
  inputs.showHeader = true;
  inputs.headerFields = {u"大会", u"黒番", u"三段", u"(黒)", u"白番", u"二段", u"(白)", u"2024", u"日"};
  const std::string playlist = "|〈プレイリスト - 名局集.gpl〉　 12局中3局目 - game.sgf";
  const std::string after = "|計2手|《第1譜》（1―2）";
  const std::string header = "|大会  黒番三段(黒)  白番二段(白)  2024日";
  show(1);
  // The result waits for the last move.
  EXPECT_EQ(line(), playlist + "|1手　    黒1-1    　　黒アゲハマ○0　白アゲハマ●0" + after +
                        "|黒残り時間 300  黒考慮時間 2回  " + header);
  show(2);
  EXPECT_EQ(line(), playlist + "|2手　    白2-1    　　黒アゲハマ○0　白アゲハマ●0" + after + "|白残り時間 290  " +
                        "|結果：W+R" + header);
}

TEST_F(InfoTextTest, CountingModeShowsTheScoreInsteadOfTheMove) {
  game.play(u"(;SZ[5]KM[6.5]AB[ca][cb][cc][cd][ce]AW[aa][ae][da][db][dc][dd][de];B[];W[])");
  show(2);
  ToggleCountingMode(counting, game.board);
  MarkDead(counting, game.board, point("aa"));
  const InfoTexts t = texts();
  EXPECT_EQ("|" + utf16ToUtf8(t.parts.at(0)), "|" + utf16ToUtf8(ScoreText(computeScore(counting, game.board, 65))));
  EXPECT_EQ(utf16ToUtf8(t.scoreDialog),
            "黒：\r\n  地10　アゲハマ0+2　計12.0目　　\r\n\r\n白：\r\n  地5　アゲハマ0+0　コミ6.5　計11.5目"
            "\r\n\r\n〈結果〉\r\n　　黒0.5目勝ち");

  ToggleCountingMode(counting, game.board);
  EXPECT_TRUE(texts().scoreDialog.empty()) << "outside counting mode there is no score";
}

}  // namespace
}  // namespace mokuza::test
