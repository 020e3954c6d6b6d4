// What the classifier gives each move. The names: textbook positions for the
// common terms, the further shape tests, captures and ko, the rules of the
// choice, and tables that lack terms, one golden text per table of terms:
// "<sgf> → <name>", with " / <row>" where the figure chosen is a row of
// another name. Then what it keeps per move: the layer of figure numbers,
// the figure's stones, the longest name, and the switches that stop it.

#include <gtest/gtest.h>

#include "core/rules/replay.h"

#include "tests/naming/naming_test_support.h"

namespace mokuza::test {
namespace {

// Opening points, contact, shape, corner and side moves, captures and ko,
// suicide and passes (figure 0), a node without a move (no name). A jump
// needs a free stone and an open way: the two 対 lines after 二間トビ.
TEST(MoveNames, TextbookTerms) {
  const std::string golden = R"(
(;SZ[19];B[pd]) → 星
(;SZ[19];B[qd]) → 小目
(;SZ[19];B[qc]) → 三々
(;SZ[19];B[pe]) → 高目
(;SZ[19];B[qe]) → 目外し
(;SZ[19];B[oe]) → ５の五
(;SZ[19];B[jj]) → 天元
(;SZ[19];B[pf]) → ナナメ味方
(;SZ[19]AB[jj];W[jk]) → ツケ
(;SZ[19]AB[dd]AW[ed];B[ec]) → ハネ
(;SZ[19]AB[dd][ec]AW[ed];W[fd]) → ノビ
(;SZ[19]AB[ab][ba];W[aa]) → 着手禁止点 / ナナメ味方
(;SZ[19];B[]) → 着手禁止点 / ナナメ味方
(;SZ[19];B[dd];W[tt]) → 着手禁止点 / ナナメ味方
(;SZ[19];B[dd];C[x]) →  / ナナメ味方
(;SZ[19]AB[jj]AW[kj][jk];B[kk]) → キリ
(;SZ[19]AB[jj][kk]AW[kj];B[lj]) → アテ
(;SZ[19]AB[ba][bb][db]AW[ca];B[da]) → カカエ
(;SZ[19]AB[jj][lj]AW[kk];B[kj]) → ツギ
(;SZ[9]AB[aa][ac][ca][bc]AW[ba][bb];B[ab]) → ツギ
(;SZ[19]AB[jj][kk];B[kj]) → グズミ
(;SZ[19]AB[jj];B[kl]) → ケイマ
(;SZ[19]AB[cj];B[ej]) → トビ
(;SZ[19]AB[jj];B[jm]) → 二間トビ
(;SZ[19]AB[jj]AW[jk];B[jm]) → 対一間
(;SZ[19]AB[jj]AW[ij][ji][kj];B[jl]) → 対ケイマ
(;SZ[19]AB[jj];B[kk]) → コスミ
(;SZ[19]AB[dc];B[ce]) → 小ゲイマジマリ / シマリ
(;SZ[19]AB[cd];B[ed]) → 一間高ジマリ / シマリ
(;SZ[19]AB[ed];B[cd]) → 一間ジマリ / シマリ
(;SZ[19]AB[qd];B[nd]) → 二間高ジマリ / シマリ
(;SZ[19]AB[pd];W[nc]) → 小ゲイマガカリ / カカリ
(;SZ[19]AB[cj];B[cm]) → 二間ビラキ / ヒラキ
(;SZ[19];B[dd];W[pp];B[jd]) → 五間高ビラキ / ヒラキ
(;SZ[19]AB[qd]AW[oc];B[lc]) → 二間バサミ / ハサミ
(;SZ[19]AB[qd]AW[oc];B[md]) → 一間高バサミ / ハサミ
(;SZ[19];B[pd];W[nc];B[qf]) → 受け
(;SZ[19]AB[cj];W[dk]) → カタツキ
(;SZ[19]AB[dd];W[cc]) → 三々入り
(;SZ[19]AB[cd][cp];W[cj]) → ワリ打ち
(;SZ[19]AB[jj]AW[ij][kj][ji];W[jk]) → １目トリ / トリ
(;SZ[19]AB[ba][ca][da][ea][fa][ga][ha][ia][ja][ka][la][ma]AW[aa][ab][bb][cb][db][eb][fb][gb][hb][ib][jb][kb][lb][mb];W[na]) → １２目トリ / トリ
(;SZ[19]AB[ba][ab][cb]AW[ca][bb][db][cc];W[aa]) → コウトリ / トリ
(;SZ[19]AB[aa][ba][cb][da]AW[ab][bb];W[ca]) → ２目トリ / トリ
(;SZ[19]AW[jj][ji];B[kj]) → ツケ / ツケ（筋場）
(;SZ[19]AB[ij][jk]AW[ik];B[jj]) → ツギ / ツギ(マガリ)
(;SZ[19]AW[ij][jj][kj];B[jk]) → ツケ / ツケ（ダブル筋場）
)";
  EXPECT_EQ(renamed(golden), golden);
}

// Pushing and blocking along lines, framework moves, contact and fighting.
TEST(MoveNames, FurtherShapes) {
  const std::string golden = R"(
(;SZ[19]AB[ca]AW[cb][db];B[da]) → ハイ
(;SZ[19]AB[bn]AW[cn][co];B[bo]) → オサエ
(;SZ[19]AB[cd]AW[ce][de];B[dd]) → オシ
(;SZ[19]AB[cd]AW[de][ee];B[dd]) → ソイ
(;SZ[19]AB[jj]AW[kj];B[lj]) → ハサミツケ
(;SZ[19]AB[cg]AW[cp];B[cj]) → ツメ
(;SZ[19]AW[ac][ca][cc];B[bb]) → オキ
(;SZ[19]AB[dc];W[fd]) → カケ
(;SZ[19]AB[cb]AW[db];B[ca]) → サガリ
(;SZ[19]AB[dd]AW[ed];B[dc]) → ヒキ
(;SZ[19]AB[jj]AW[lj];B[kj]) → ツキアタリ
(;SZ[19]AB[jj]AW[ki][kk];B[kj]) → デ
(;SZ[19]AB[jj]AW[ki][lj][kk];B[kj]) → サシコミ
(;SZ[19]AW[ji][ij][kj];B[jj]) → ホウリコミ
(;SZ[19]AW[jj][jl];B[kk]) → ノゾキ
(;SZ[19]AB[cj];B[cl]) → 一間
(;SZ[19]AB[jj]AW[lk];B[kk]) → コスミツケ
(;SZ[19]AB[ii][ki]AW[jh];B[jj]) → ヘコミ
(;SZ[19]AB[jj][kk]AW[jk];B[lj]) → カケツギ
(;SZ[19]AB[jc]AW[jd];B[kd]) → ハネダシ
(;SZ[19]AB[ib][kb]AW[jb][jc];B[ja]) → ワタリ
(;SZ[19]AB[id][kd]AW[jd][je];B[jc]) → オサエ
(;SZ[19]AB[jj][jk];B[ki]) → フクラミ
(;SZ[19]AW[jj][kl];B[jk]) → ツケコシ
(;SZ[19]AB[jj][ji][lj][li]AW[ki];B[kj]) → アテ
(;SZ[19]AB[jj][lj][jl][kl]AW[ij][ji][jk][kk];B[kj]) → ツギ
)";
  EXPECT_EQ(renamed(golden), golden);
}

// An enemy stone between the two stones of a jump cuts it only on the jump's
// side of the played stone's line: on that line, beside it from two points
// out, or on the side a knight's move turns to. A table of the two jumps
// alone shows whether the jump survived.
TEST(MoveNames, OnlyStonesOnTheJumpsSideCutIt) {
  const naming::FigureTable jumpsOnly({{u"その他", {}, {}}, {u"二間トビ", {}, {}}, {u"大ゲイマ", {}, {}}});
  const std::string golden = R"(
(;SZ[19]AB[jj]AW[il];B[jm]) → 二間トビ
(;SZ[19]AB[jj]AW[ik];B[jm]) → その他
(;SZ[19]AB[jj]AW[jl];B[jm]) → その他
(;SZ[19]AB[jd]AW[je];B[jg]) → その他
(;SZ[19]AB[dj]AW[fk];B[gj]) → 二間トビ
(;SZ[19]AB[kj]AW[ik];B[jm]) → 大ゲイマ
(;SZ[19]AB[kj]AW[kk];B[jm]) → その他
(;SZ[19]AB[kj]AW[jk];B[jm]) → その他
)";
  EXPECT_EQ(renamed(golden, jumpsOnly), golden);
}

TEST(ClassifierRecords, AShorterLineKeepsNoNameOfTheLongerOne) {
  NamedGame game;
  game.play("(;SZ[19];B[pd];W[dp];B[pp];W[dd])");
  EXPECT_EQ(game.name(4), "星");
  game.play("(;SZ[19];B[jj];W[dc])");
  ReplayFrom(game.board, game.line, 1, {&game.classifier});
  EXPECT_EQ(game.name(1), "天元");
  for (int move : {3, 4}) {
    EXPECT_EQ(game.name(move), "") << move;
    EXPECT_EQ(game.classifier.moveFigure(move), 0) << move;
  }
}

TEST(MoveNames, TablesWithAndWithoutTheTerms) {
  std::vector<naming::FigureRow> rows = naming::builtInFigureRows();
  for (const char16_t* name : {u"スベリ", u"打ち込み", u"ボウシ", u"スソガカリ", u"カケ（大斜）"})
    rows.push_back({name, {}, naming::kDefaultFigureMusic});
  // A knight's move next to the capped stone spoils the cap (the last line).
  const std::string golden = R"(
(;SZ[19]AB[dc]AW[gc];B[fb]) → スベリ
(;SZ[19]AB[cg][cm];W[cj]) → 打ち込み
(;SZ[19]AB[cj];W[ej]) → ボウシ
(;SZ[19]AB[dj];W[cl]) → スソガカリ
(;SZ[19]AB[cj];W[dm]) → カケ / カケ（大斜）
(;SZ[19]AB[cj][ck];W[ej]) → 対一間
)";
  EXPECT_EQ(renamed(golden, naming::FigureTable(rows)), golden);
  // Without such rows the move gets the best figure that is in the table.
  const std::string builtIn = R"(
(;SZ[19]AB[dc]AW[gc];B[fb]) → カド
(;SZ[19]AB[cj];W[ej]) → 対一間
)";
  EXPECT_EQ(renamed(builtIn), builtIn);
  // A table without any name the classifier looks up: the attachment takes
  // figure 0, and a capture still gets its count.
  const std::string bare = R"(
(;SZ[19]AB[jj];W[jk]) → 名無し
(;SZ[19]AB[jj]AW[ij][kj][ji];W[jk]) → １目トリ / 名無し
)";
  EXPECT_EQ(renamed(bare, naming::FigureTable({{u"名無し", {}, {}}, {u"その他", {}, {}}})), bare);
}

// The names shown are made once per table: a classifier given another table
// names the next replay by it, for figure 0 and for a term it finds there.
TEST(ClassifierRecords, AnotherTableNamesTheNextReplay) {
  NamedGame game;
  game.play("(;SZ[19]AB[jj];W[jk])");
  EXPECT_EQ(game.lastName(), "ツケ");
  game.classifier.setFigureTable(naming::FigureTable({{u"名無し（仮）", {}, {}}, {u"その他", {}, {}}}));
  game.play("(;SZ[19]AB[jj];W[jk])");
  EXPECT_EQ(game.lastName(), "名無し");
  game.classifier.setFigureTable(
      naming::FigureTable({{u"名無し", {}, {}}, {u"ツケ（新）", {}, {}}, {u"ツケ", {}, {}}}));
  game.play("(;SZ[19]AB[jj];W[jk])");
  EXPECT_EQ(game.lastName(), "ツケ");
}

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
}

TEST(ClassifierRecords, AReplayFromAnyMoveNamesAndLayersAsAFullReplay) {
  NamedGame game;
  game.play("(;SZ[19];B[pd];W[nc];B[qf];W[dp];B[dd];W[fc];B[cf];W[pp];B[nq];W[qn])");
  ASSERT_EQ(game.name(3), "受け");
  std::vector<std::string> names;
  std::vector<naming::FigureLayerRow> layers;
  for (int m = 1; m <= 10; ++m) {
    names.push_back(game.name(m));
    layers.push_back(game.classifier.figureLayer(m));
  }
  for (int from = 10; from >= 1; --from) {
    ReplayFrom(game.board, game.line, from, {&game.classifier});
    for (int m = 1; m <= 10; ++m) {
      EXPECT_EQ(game.name(m), names[static_cast<std::size_t>(m - 1)]) << "from " << from << ", move " << m;
      EXPECT_TRUE(game.classifier.figureLayer(m) == layers[static_cast<std::size_t>(m - 1)])
          << "from " << from << ", move " << m;
    }
  }
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

}  // namespace
}  // namespace mokuza::test
