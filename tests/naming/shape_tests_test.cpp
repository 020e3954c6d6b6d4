// One position for each of the further shape tests: pushing and blocking
// along lines, framework moves, contact and fighting moves. Terms that the
// built-in table lacks are checked against a table that has them, and
// against the built-in one, where they name nothing.

#include <gtest/gtest.h>

#include "tests/naming/naming_test_support.h"

namespace mokuza::test {
namespace {

class FurtherShapeTests : public ::testing::Test {
 protected:
  const naming::FigureTable extended = tableWith({u"スベリ", u"打ち込み", u"ボウシ", u"スソガカリ", u"カケ（大斜）"});
};

TEST_F(FurtherShapeTests, PushingAndBlockingAlongLines) {
  expectNames({
      {"a push on the first line under enemy stones is a crawl", "(;SZ[19]AB[ca]AW[cb][db];B[da])", "ハイ"},
      {"the same push on the second line blocks", "(;SZ[19]AB[bn]AW[cn][co];B[bo])", "オサエ"},
      {"the same push on the fourth line", "(;SZ[19]AB[cd]AW[ce][de];B[dd])", "オシ"},
      {"blocking a crawl head-on", "(;SZ[19]AB[dc][ec]AW[cb][db];B[eb])", "オサエ"},
      {"running alongside an enemy line", "(;SZ[19]AB[cd]AW[de][ee];B[dd])", "ソイ"},
  });
}

TEST_F(FurtherShapeTests, FrameworkMoves) {
  expectNames({
      {"attaching between two own stones", "(;SZ[19]AB[jj]AW[kj];B[lj])", "ハサミツケ"},
      {"pressing towards an enemy stone with own stones behind", "(;SZ[19]AB[cg]AW[cp];B[cj])", "ツメ"},
      {"no ツメ under an enemy stone two lines higher", "(;SZ[19]AB[cg]AW[cp][ej];B[cj])", "二間ビラキ"},
      {"placement among enemy stones", "(;SZ[19]AW[ac][ca][cc];B[bb])", "オキ"},
      {"answer to a low approach: the wide enclosure", "(;SZ[19];B[qd];W[qf];B[nc])", "受け"},
      {"the narrow enclosure keeps its name", "(;SZ[19];B[qd];W[qf];B[od])", "一間高ジマリ"},
      {"an approach from the short side presses instead", "(;SZ[19]AB[dc];W[fd])", "カケ"},
  });
}

TEST_F(FurtherShapeTests, FrameworkTermsOutsideTheBuiltInTable) {
  const std::initializer_list<NameCase> cases{
      {"slide under on the second line", "(;SZ[19]AB[dc]AW[gc];B[fb])", "スベリ"},
      {"invasion between two close enemy stones", "(;SZ[19]AB[cg][cm];W[cj])", "打ち込み"},
      {"cap above a third-line stone", "(;SZ[19]AB[cj];W[ej])", "ボウシ"},
      {"approach under a fourth-line side stone", "(;SZ[19]AB[dj];W[cl])", "スソガカリ"},
      {"large knight's press shows its plain part", "(;SZ[19]AB[cj];W[dm])", "カケ"},
  };
  expectNames(cases, extended);
  // Without rows of these names nothing is added to figure 0: the move gets
  // the best figure that is in the table.
  expectNames({
      {"slide", "(;SZ[19]AB[dc]AW[gc];B[fb])", "カド"},
      {"invasion", "(;SZ[19]AB[cg][cm];W[cj])", "対二間"},
      {"cap", "(;SZ[19]AB[cj];W[ej])", "対一間"},
      {"low approach", "(;SZ[19]AB[dj];W[cl])", "対ケイマ"},
      {"large knight's press", "(;SZ[19]AB[cj];W[dm])", "対大ゲイマ"},
  });
  // A knight's move next to the capped stone spoils the cap.
  EXPECT_EQ(lastName("(;SZ[19]AB[cj][ck];W[ej])", extended), "対一間");
}

TEST_F(FurtherShapeTests, ContactAndFightingMoves) {
  expectNames({
      {"descent to the first line", "(;SZ[19]AB[cb]AW[db];B[ca])", "サガリ"},
      {"drawing back from an attachment", "(;SZ[19]AB[dd]AW[ed];B[dc])", "ヒキ"},
      {"head-on into an enemy stone", "(;SZ[19]AB[jj]AW[lj];B[kj])", "ツキアタリ"},
      {"pushing out between two enemy stones", "(;SZ[19]AB[jj]AW[ki][kk];B[kj])", "デ"},
      {"pushing into an enemy hollow", "(;SZ[19]AB[jj]AW[ki][lj][kk];B[kj])", "サシコミ"},
      {"throw-in", "(;SZ[19]AW[ji][ij][kj];B[jj])", "ホウリコミ"},
      {"peep at a one-space jump", "(;SZ[19]AW[jj][jl];B[kk])", "ノゾキ"},
      {"knight's press on a third-line stone", "(;SZ[19]AB[cj];W[dl])", "カケ"},
      {"one-space jump along the third line", "(;SZ[19]AB[cj];B[cl])", "一間"},
      {"diagonal step that attaches", "(;SZ[19]AB[jj]AW[lk];B[kk])", "コスミツケ"},
      {"stepping back into the hollow", "(;SZ[19]AB[ii][ki]AW[jh];B[jj])", "ヘコミ"},
      {"hanging connection", "(;SZ[19]AB[jj][kk]AW[jk];B[lj])", "カケツギ"},
      {"hane out from under", "(;SZ[19]AB[jc]AW[jd];B[kd])", "ハネダシ"},
      {"linking under on the first line", "(;SZ[19]AB[ib][kb]AW[jb][jc];B[ja])", "ワタリ"},
      {"the same hane from both sides above the second line blocks", "(;SZ[19]AB[id][kd]AW[jd][je];B[jc])", "オサエ"},
      {"diagonal bulge of a group", "(;SZ[19]AB[jj][jk];B[ki])", "フクラミ"},
      {"attaching through a knight's move", "(;SZ[19]AW[jj][kl];B[jk])", "ツケコシ"},
      {"atari that also connects is the atari", "(;SZ[19]AB[jj][ji][lj][li]AW[ki];B[kj])", "アテ"},
      {"saving a chain in atari is the connection", "(;SZ[19]AB[jj][lj][jl][kl]AW[ij][ji][jk][kk];B[kj])", "ツギ"},
  });
}

TEST_F(FurtherShapeTests, ThreeAttachmentsOfShape) {
  NamedGame game;
  game.play("(;SZ[19]AW[ij][jj][kj];B[jk])");
  EXPECT_EQ(game.classifier.moveFigure(1), naming::kTsukeDoubleSujiba);
  EXPECT_EQ(game.lastName(), "ツケ");
}

}  // namespace
}  // namespace mokuza::test
