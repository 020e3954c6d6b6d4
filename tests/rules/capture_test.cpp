#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/record/sgf_point.h"
#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "core/rules/board.h"
#include "core/rules/replay.h"
#include "tests/rules/rules_test_support.h"

namespace mokuza::test {
namespace {

using ::testing::IsEmpty;

static_assert(countBits(0) == 0 && countBits(~0ull) == 64 && countBits(0x8000000000000001ull) == 2 &&
              countBits(0x00f0f00000000300ull) == 10);

// The position after a move; allFaults holds the chains, their liberties and
// the capture lists of every position to what the grids show.
TEST(CaptureTest, CapturesAndSuicidesLeaveTheRightStones) {
  const struct {
    const char16_t* sgf;
    int m;
    const char* position;
  } cases[] = {
      {u"(;SZ[5];B[ba];W[aa];B[ab];W[])", 3, "\n. X . . .\nX . . . .\n. . . . .\n. . . . .\n. . . . .\n"},
      // A single stone without liberties takes itself off.
      {u"(;SZ[5];B[ee];W[ba];B[ed];W[ab];B[aa])", 5, "\n. O . . .\nO . . . .\n. . . . .\n. . . . X\n. . . . X\n"},
      // Joining two chains into suicide removes both.
      {u"(;SZ[5]AB[aa][ac]AW[ba][bb][bc][ad];B[ab])", 1, "\n. O . . .\n. O . . .\n. O . . .\nO . . . .\n. . . . .\n"},
      // Capturing first saves a stone that has no liberty of its own.
      {u"(;SZ[5]AW[ba][ab]AB[ca][bb][ac];B[aa])", 1, "\nX . X . .\n. X . . .\nX . . . .\n. . . . .\n. . . . .\n"},
      // White lands on the black stone ba; what is left of its chain, aa, has
      // no liberty and is taken like any chain next to the new stone.
      {u"(;SZ[5]AW[ab][ca]AB[aa][ba];W[ba])", 1, "\n. O O . .\nO . . . .\n. . . . .\n. . . . .\n. . . . .\n"},
      // The ko is taken back at once: both captures are counted.
      {u"(;SZ[5]AB[ba][ab][bc]AW[ca][db][cc][bb];B[cb];W[bb];B[cb])", 3,
       "\n. X O . .\nX . X O .\n. X O . .\n. . . . .\n. . . . .\n"},
      // Damaged records may put a stone on an occupied point.
      {u"(;SZ[5];B[bb];W[ee];B[cb];W[ed];B[db];W[cb];B[cb];B[bb];W[ab])", 9,
       "\n. . . . .\nO X X X .\n. . . . .\n. . . . O\n. . . . O\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(utf16ToUtf8(c.sgf));
    ReplayedGame game;
    game.play(c.sgf);
    EXPECT_EQ(positionText(game.board, c.m), c.position);
    EXPECT_THAT(game.allFaults(), IsEmpty());
  }
}

TEST(CaptureTest, PassesKeepThePosition) {
  ReplayedGame game;
  game.play(u"(;SZ[19];B[dd];W[];B[tt];W[pp])");
  for (int m : {2, 3}) EXPECT_EQ(positionText(game.board, m), positionText(game.board, 1)) << m;
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST(CaptureTest, RootSetupCapturesBeforeTheFirstMove) {
  // Setup stones go down in point order: aa, ba, then ab takes aa.
  ReplayedGame game;
  game.play(u"(;SZ[5]AW[aa]AB[ba][ab];B[ee])");
  EXPECT_EQ(positionText(game.board, 0), "\n. X . . .\nX . . . .\n. . . . .\n. . . . .\n. . . . .\n");
  EXPECT_THAT(names(game.board.geometry, game.board.slot(1).capturedWhite), ::testing::ElementsAre("aa"));
  EXPECT_EQ(game.board.history.boardGrids[1].placedBy[decodeSgfPoint(std::string_view("ab"), 5)], 0);
}

TEST(SetupStoneBalanceTest, CountsOneColourAndFlagsBoth) {
  const std::pair<const char16_t*, int> cases[] = {
      {u"(;SZ[9]AW[aa]AB[gg][cc];W[ee])", kMixedSetup}, {u"(;SZ[9];B[ee]AB[cc])", 0},  // only the root's stones count
  };
  for (const auto& [sgf, balance] : cases) {
    ReplayedGame game;
    game.play(sgf);
    EXPECT_EQ(game.board.setupStoneBalance, balance) << utf16ToUtf8(sgf);
    ReplayFrom(game.board, game.line, 1);
    EXPECT_EQ(game.board.setupStoneBalance, balance) << "a replay from move 1 keeps it: " << utf16ToUtf8(sgf);
  }
}

// Random records on a small board: captures, suicides, passes, repeated
// colours and stones on occupied points, all mixed.
TEST(RandomRecordReplayTest, BookkeepingHoldsAfterEveryMove) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    const std::string sgf = randomSgf(seed, 4 + static_cast<int>(seed % 3), 150);
    ReplayedGame game;
    game.play(asciiToUtf16(sgf));
    ASSERT_EQ(game.board.history.computed(), 151) << sgf;
    EXPECT_THAT(game.allFaults(), IsEmpty()) << sgf;
  }
}

}  // namespace
}  // namespace mokuza::test
