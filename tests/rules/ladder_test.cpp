#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/record/text.h"
#include "core/rules/ladder.h"
#include "tests/rules/rules_test_support.h"

namespace mokuza::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// White's stone at dd is in atari; Black's stones drive it towards the
// lower right corner.
constexpr char16_t kLadder[] = u"(;SZ[9]AB[cd][dc][ed][ce]AW[dd])";

class LadderTest : public ::testing::Test {
 protected:
  // The moves read from the stone at `from` in position m, as "W de".
  std::vector<std::string> read(std::u16string_view sgf, std::string_view from, int defender, int m = -1,
                                int maxMoves = kMaxPositions) {
    game.play(sgf);
    if (m < 0) m = game.board.history.computed() - 1;
    const GridGeometry& g = game.board.geometry;
    const std::vector<RecordPoint> points =
        readLadderMoves(game.board, m, g.unbordered(borderedAt(g, from)), defender, maxMoves);
    std::vector<std::string> moves;
    int colour = defender;
    for (RecordPoint u : points) {
      moves.push_back((colour == kStoneBlack ? "B " : "W ") + name(g, g.bordered(u)));
      colour = -colour;
    }
    return moves;
  }
  ReplayedGame game;
};

TEST_F(LadderTest, LadderRunsToTheEdgeOrToAStoneOnItsPath) {
  // On the second line either atari would do, so the reading stops there.
  EXPECT_THAT(read(kLadder, "dd", kStoneWhite), ElementsAre("W de", "B df", "W ee", "B fe", "W ef", "B eg", "W ff",
                                                            "B gf", "W fg", "B fh", "W gg", "B hg", "W gh"));
  const std::u16string withBreaker = u"(;SZ[9]AB[cd][dc][ed][ce]AW[dd][gg])";
  // The extension to ff would reach gg either way: neither atari holds.
  EXPECT_THAT(read(withBreaker, "dd", kStoneWhite),
              ElementsAre("W de", "B df", "W ee", "B fe", "W ef", "B eg", "W ff"));
}

TEST_F(LadderTest, ReadsThePositionAsked) {
  // White's breaker comes only with move 2; position 1 still has the full ladder.
  const std::u16string record = u"(;SZ[9]AB[cd][dc][ce]AW[dd];B[ed];W[gg])";
  EXPECT_EQ(read(record, "dd", kStoneWhite, 1).size(), 13u);
  EXPECT_EQ(read(record, "dd", kStoneWhite, 2).size(), 7u);
  // Before Black's move the stone is not in atari.
  EXPECT_THAT(read(record, "dd", kStoneWhite, 0), IsEmpty());
  // The reading stops at the moves allowed.
  EXPECT_THAT(read(kLadder, "dd", kStoneWhite, -1, 4), ElementsAre("W de", "B df", "W ee", "B fe"));
}

TEST_F(LadderTest, NothingIsReadWithoutAForcedSequence) {
  // The first extension already has three liberties.
  EXPECT_THAT(read(u"(;SZ[9]AB[cd][dc][ed]AW[dd])", "dd", kStoneWhite), IsEmpty());
  // The first extension is left in atari.
  EXPECT_THAT(read(u"(;SZ[9]AB[ba][bb]AW[aa])", "aa", kStoneWhite), IsEmpty());
  // Points and positions outside the board and the history.
  EXPECT_THAT(readLadderMoves(game.board, 0, RecordPoint{81}, kStoneWhite, 10), IsEmpty());
  EXPECT_THAT(readLadderMoves(game.board, 1, RecordPoint{30}, kStoneWhite, 10), IsEmpty());
}

}  // namespace
}  // namespace mokuza::test
