// What the classifier keeps per move and when it keeps nothing: the layer of
// figure numbers, the figure's stones, the longest name, the switches that
// stop it, and tables that lack the names it looks up.

#include <gtest/gtest.h>

#include "core/record/text.h"
#include "core/rules/replay.h"
#include "tests/naming/naming_test_support.h"

namespace mokuza::test {
namespace {

using naming::FigureTable;

TEST(ClassifierRecords, FigureStonesAndLayerFollowTheChosenFigure) {
  NamedGame game;
  game.play("(;SZ[19]AB[dd]AW[ed];B[ec];W[jj])");
  EXPECT_EQ(game.stones(1), (std::vector<std::string>{"dd", "ed"}));
  const BorderedPoint dd = bordered19("dd"), ed = bordered19("ed"), ec = bordered19("ec");
  EXPECT_EQ(game.classifier.figureLayer(1)[dd], naming::kHane);
  EXPECT_EQ(game.classifier.figureLayer(1)[ed], naming::kHane);
  EXPECT_EQ(game.classifier.figureLayer(1)[ec], naming::kNoFigure);
  // The next move starts from this row; an opening point is made by the played stone itself.
  EXPECT_EQ(game.classifier.figureLayer(2)[dd], naming::kHane);
  EXPECT_EQ(game.classifier.figureLayer(2)[bordered19("jj")], naming::kTengen);
  EXPECT_EQ(game.stones(2), (std::vector<std::string>{"jj"}));
}

TEST(ClassifierRecords, LongestNameStartsAgainWithAFullReplay) {
  NamedGame game;
  game.play("(;SZ[19];B[dc];W[pd];B[ce])");
  EXPECT_EQ(game.lastName(), "小ゲイマジマリ");
  EXPECT_EQ(game.classifier.longestName(), 7);
  ReplayFrom(game.board, game.line, 2, {&game.classifier});
  EXPECT_EQ(game.classifier.longestName(), 7) << "a replay from a later move keeps the longest name";
  game.play("(;SZ[19];B[pd];W[dd])");
  EXPECT_EQ(game.classifier.longestName(), 1);
}

TEST(ClassifierSwitches, SearchAndHiddenNamesMakeNoNames) {
  NamedGame game;
  game.play("(;SZ[19];B[pd];W[dp])");
  game.classifier.searchActive = true;
  game.play("(;SZ[19];B[jj])");
  EXPECT_EQ(game.name(2), "星") << "a search replaying another game leaves the names alone";

  game.classifier.searchActive = false;
  game.classifier.moveinfo = 0;
  game.classifier.kifunarabe = 0;
  game.play("(;SZ[19];B[jj])");
  EXPECT_EQ(game.name(1), "");
  EXPECT_EQ(game.name(2), "") << "no name of an earlier game stays";
  game.classifier.kifunarabe = 1;  // either switch names the moves
  game.play("(;SZ[19];B[jj])");
  EXPECT_EQ(game.name(1), "天元");
}

// No row carries a name the classifier looks up: the attachment has no
// figure, and a capture without the capture row still gets its count.
TEST(ClassifierTables, NamesMissingFromTheTableTakeFigureZero) {
  const std::string golden = R"(
(;SZ[19]AB[jj];W[jk]) → 名無し
(;SZ[19]AB[jj]AW[ij][kj][ji];W[jk]) → １目トリ / 名無し
)";
  EXPECT_EQ(renamed(golden, FigureTable({{u"名無し", {}, {}}, {u"その他", {}, {}}})), golden);
}

}  // namespace
}  // namespace mokuza::test
