// Textbook positions for the common terms, the early outcomes (captures,
// illegal moves) and the rules of the choice.

#include <gtest/gtest.h>

#include "tests/naming/naming_test_support.h"

namespace mokuza::test {
namespace {

TEST(TextbookTerms, OpeningPoints) {
  expectNames({
      {"4-4", "(;SZ[19];B[pd])", "星"},
      {"3-4", "(;SZ[19];B[qd])", "小目"},
      {"3-3", "(;SZ[19];B[qc])", "三々"},
      {"4-5", "(;SZ[19];B[pe])", "高目"},
      {"3-5", "(;SZ[19];B[qe])", "目外し"},
      {"5-5", "(;SZ[19];B[oe])", "５の五"},
      {"centre", "(;SZ[19];B[jj])", "天元"},
      {"4-6 has no test and nothing else: figure 0", "(;SZ[19];B[pf])", "ナナメ味方"},
      {"the 3-4 point of a 9 x 9 board", "(;SZ[9];B[cd])", "小目"},
  });
}

TEST(TextbookTerms, ContactMoves) {
  expectNames({
      {"attach to a lone stone", "(;SZ[19]AB[jj];W[jk])", "ツケ"},
      {"hane around the attached stone", "(;SZ[19]AB[dd]AW[ed];B[ec])", "ハネ"},
      {"extend under the hane", "(;SZ[19]AB[dd][ec]AW[ed];W[fd])", "ノビ"},
      {"cross-cut", "(;SZ[19]AB[jj]AW[kj][jk];B[kk])", "キリ"},
      {"atari on a stone that can run", "(;SZ[19]AB[jj][kk]AW[kj];B[lj])", "アテ"},
      {"atari on a stone caught against the edge", "(;SZ[19]AB[ba][bb][db]AW[ca];B[da])", "カカエ"},
      {"solid connection against a peep", "(;SZ[19]AB[jj][lj]AW[kk];B[kj])", "ツギ"},
      {"connection that makes an empty triangle", "(;SZ[19]AB[jj][kk];B[kj])", "グズミ"},
  });
}

TEST(TextbookTerms, ShapeMoves) {
  expectNames({
      {"knight's move", "(;SZ[19]AB[jj];B[kl])", "ケイマ"},
      {"one-space jump towards the centre", "(;SZ[19]AB[cj];B[ej])", "トビ"},
      {"two-space jump", "(;SZ[19]AB[jj];B[jm])", "二間トビ"},
      {"large knight's move", "(;SZ[19]AB[jj];B[km])", "大ゲイマ"},
      {"diagonal step", "(;SZ[19]AB[jj];B[kk])", "コスミ"},
  });
}

TEST(TextbookTerms, CornerAndSideMoves) {
  expectNames({
      {"small knight's enclosure of a 3-4 point", "(;SZ[19]AB[dc];B[ce])", "小ゲイマジマリ"},
      {"large knight's enclosure of a 3-4 point", "(;SZ[19]AB[dc];B[cf])", "大ゲイマジマリ"},
      {"one-space enclosure played high, on the fourth line", "(;SZ[19]AB[cd];B[ed])", "一間高ジマリ"},
      {"the same enclosure played low, on the 3-4 point", "(;SZ[19]AB[ed];B[cd])", "一間ジマリ"},
      {"two-space enclosure is no extension", "(;SZ[19]AB[qd];B[nd])", "二間高ジマリ"},
      {"small knight's approach to a 4-4 point", "(;SZ[19]AB[pd];W[nc])", "小ゲイマガカリ"},
      {"one-space high approach to a 3-4 point", "(;SZ[19]AB[qd];W[od])", "一間高ガカリ"},
      {"two-space extension on the third line", "(;SZ[19]AB[cj];B[cm])", "二間ビラキ"},
      {"the same on the fourth line", "(;SZ[19]AB[dj];B[dm])", "二間高ビラキ"},
      {"two-space low pincer", "(;SZ[19]AB[qd]AW[oc];B[lc])", "二間バサミ"},
      {"one-space high pincer, one line up and two along", "(;SZ[19]AB[qd]AW[oc];B[md])", "一間高バサミ"},
      {"enclosure that answers an approach", "(;SZ[19];B[pd];W[nc];B[qf])", "受け"},
      {"shoulder hit", "(;SZ[19]AB[cj];W[dk])", "カタツキ"},
      {"3-3 invasion under a 4-4 stone", "(;SZ[19]AB[dd];W[cc])", "三々入り"},
      {"splitting a wide side", "(;SZ[19]AB[cd][cp];W[cj])", "ワリ打ち"},
  });
}

TEST(EarlyOutcomes, CapturesAreCountedOrKo) {
  expectNames({
      {"one stone", "(;SZ[19]AB[jj]AW[ij][kj][ji];W[jk])", "１目トリ"},
      {"seven stones", "(;SZ[19]AB[ba][ca][da][ea][fa][ga][ha]AW[aa][ab][bb][cb][db][eb][fb][gb][hb];W[ia])",
       "７目トリ"},
      {"twelve stones in full-width digits",
       "(;SZ[19]AB[ba][ca][da][ea][fa][ga][ha][ia][ja][ka][la][ma]"
       "AW[aa][ab][bb][cb][db][eb][fb][gb][hb][ib][jb][kb][lb][mb];W[na])",
       "１２目トリ"},
      {"taking a ko", "(;SZ[19]AB[ba][ab][cb]AW[ca][bb][db][cc];W[aa])", "コウトリ"},
      {"two stones, the taker left in atari", "(;SZ[19]AB[aa][ba][cb][da]AW[ab][bb];W[ca])", "２目トリ"},
      {"taking the ko back", "(;SZ[19]AB[ba][ab][cb]AW[ca][bb][db][cc];W[aa];B[ba])", "コウトリ"},
  });
}

TEST(EarlyOutcomes, SuicideAndPassAreIllegalNodesWithoutAMoveAreUnnamed) {
  NamedGame game;
  game.play("(;SZ[19]AB[ab][ba];W[aa];B[];W[tt];C[comment];B[jj])");
  EXPECT_EQ(game.name(1), "着手禁止点");
  EXPECT_EQ(game.name(2), "着手禁止点");
  EXPECT_EQ(game.name(3), "着手禁止点");
  EXPECT_EQ(game.name(4), "");
  EXPECT_EQ(game.name(5), "天元");
  for (int m : {1, 2, 3, 4}) {
    EXPECT_EQ(game.classifier.moveFigure(m), 0) << m;
    EXPECT_TRUE(game.stones(m).empty()) << m;
  }
}

TEST(Choice, TheHigherFigureWinsWhateverTheOrderOfTheTests) {
  // Extends an own stone (ノビ, found by the squares) and touches an enemy
  // diagonally (ナナメ相手, found first): the higher number wins.
  NamedGame game;
  game.play("(;SZ[19]AB[dd][ec]AW[ed];W[fd])");
  EXPECT_EQ(game.lastName(), "ノビ");
  EXPECT_EQ(game.classifier.moveFigure(1), naming::kNobi);
  EXPECT_EQ(game.stones(1), (std::vector<std::string>{"ec", "ed"}));
}

TEST(Choice, JumpsNeedAFreeStoneAndAnOpenWay) {
  // The stone jumped from is in atari: no jump. The same shape with a
  // second liberty is one.
  EXPECT_EQ(lastName("(;SZ[19]AB[jj]AW[ij][ji][kj];B[jl])"), "対ケイマ");
  EXPECT_EQ(lastName("(;SZ[19]AB[jj];B[jl])"), "トビ");
  // An enemy stone between the two own stones cuts the jump.
  EXPECT_EQ(lastName("(;SZ[19]AB[jj]AW[jk];B[jm])"), "対一間");
  EXPECT_EQ(lastName("(;SZ[19]AB[jj];B[jm])"), "二間トビ");
}

TEST(Choice, ParenthesisedPartsAreNotShown) {
  NamedGame game;
  // Attached with an enemy stone diagonally on the far side: ツケ（筋場）.
  game.play("(;SZ[19]AW[jj][ji];B[kj])");
  EXPECT_EQ(game.classifier.moveFigure(1), naming::kTsukeSujiba);
  EXPECT_EQ(game.lastName(), "ツケ");
  // Filling the cutting point of a diagonal with the enemy in the other corner: ツギ(マガリ).
  game.play("(;SZ[19]AB[ij][jk]AW[ik];B[jj])");
  EXPECT_EQ(game.classifier.moveFigure(1), naming::kTsugiMagari);
  EXPECT_EQ(game.lastName(), "ツギ");
}

}  // namespace
}  // namespace mokuza::test
