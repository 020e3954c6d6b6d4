#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "core/rules/board.h"
#include "core/rules/replay.h"
#include "tests/rules/rules_test_support.h"

namespace mokuza::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class CaptureTest : public ::testing::Test {
 protected:
  const GridGeometry& geometry() const { return game.board.geometry; }
  int p(std::string_view sgfPoint) const { return at(geometry(), sgfPoint); }
  const PositionSlot& slot(int m) const { return game.board.slot(m); }
  std::vector<std::string> capturedByMove(int m) const { return names(geometry(), slot(m).capturedByMove); }
  std::vector<std::string> capturedBlack(int m) const { return names(geometry(), slot(m).capturedBlack); }
  std::vector<std::string> capturedWhite(int m) const { return names(geometry(), slot(m).capturedWhite); }
  std::vector<std::string> libertiesAt(int m, std::string_view sgfPoint) {
    RestorePosition(game.board, m);
    const Chain* chain = chainAt(game.board, p(sgfPoint));
    if (!chain) return {"no chain"};
    return names(geometry(), chain->liberties);
  }

  ReplayedGame game;
};

TEST_F(CaptureTest, StoneInAtariIsTakenFromTheCorner) {
  game.play(u"(;SZ[5];B[ba];W[aa];B[ab];W[])");
  EXPECT_EQ(positionText(game.board, 3), R"(
. X . . .
X . . . .
. . . . .
. . . . .
. . . . .
)");
  EXPECT_THAT(capturedByMove(3), ElementsAre("aa"));
  EXPECT_THAT(capturedWhite(3), ElementsAre("aa"));
  EXPECT_THAT(capturedBlack(3), IsEmpty());
  EXPECT_THAT(capturedWhite(2), IsEmpty());
  EXPECT_THAT(libertiesAt(3, "ba"), ElementsAre("aa", "bb", "ca"));
  EXPECT_THAT(libertiesAt(3, "ab"), ElementsAre("aa", "ac", "bb"));
  // The prisoners stay counted after the move that took them.
  EXPECT_THAT(capturedByMove(4), IsEmpty());
  EXPECT_THAT(capturedWhite(4), ElementsAre("aa"));
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST_F(CaptureTest, MoveJoiningThreeChainsLeavesOneChain) {
  // White chains before, between and after the black ones shuffle the list.
  game.play(u"(;SZ[5];B[bc];W[aa];B[cb];W[ee];B[dc];W[ae];B[cc])");
  EXPECT_EQ(positionText(game.board, 7), R"(
O . . . .
. . X . .
. X X X .
. . . . .
O . . . O
)");
  RestorePosition(game.board, 7);
  const Chain* joined = chainAt(game.board, p("cc"));
  ASSERT_NE(joined, nullptr);
  EXPECT_THAT(names(geometry(), joined->stones), ElementsAre("bc", "cb", "cc", "dc"));
  EXPECT_THAT(names(geometry(), joined->liberties), ElementsAre("ac", "bb", "bd", "ca", "cd", "db", "dd", "ec"));
  // The untouched chains keep their order; the joined chain comes last.
  const ChainIdRow& ids = slot(7).chainIds;
  EXPECT_EQ(game.board.position.chains.size(), 4u);
  EXPECT_EQ(ids[static_cast<std::size_t>(p("aa"))], 0);
  EXPECT_EQ(ids[static_cast<std::size_t>(p("ee"))], 1);
  EXPECT_EQ(ids[static_cast<std::size_t>(p("ae"))], 2);
  EXPECT_EQ(ids[static_cast<std::size_t>(p("bc"))], 3);
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST_F(CaptureTest, MoveTouchingOneChainTwiceMergesItOnce) {
  game.play(u"(;SZ[5];B[bb];W[aa];B[cb];W[ee];B[bc];B[cc])");
  RestorePosition(game.board, 6);
  EXPECT_EQ(game.board.position.chains.size(), 3u);
  const Chain* joined = chainAt(game.board, p("cc"));
  ASSERT_NE(joined, nullptr);
  EXPECT_THAT(names(geometry(), joined->stones), ElementsAre("bb", "bc", "cb", "cc"));
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST_F(CaptureTest, SingleStoneSuicideIsPlayedOut) {
  game.play(u"(;SZ[5];B[ee];W[ba];B[ed];W[ab];B[aa])");
  EXPECT_EQ(positionText(game.board, 5), R"(
. O . . .
O . . . .
. . . . .
. . . . X
. . . . X
)");
  EXPECT_THAT(capturedByMove(5), ElementsAre("aa"));
  EXPECT_THAT(capturedBlack(5), ElementsAre("aa"));
  EXPECT_THAT(capturedWhite(5), IsEmpty());
  EXPECT_THAT(libertiesAt(5, "ba"), ElementsAre("aa", "bb", "ca"));
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST_F(CaptureTest, JoiningTwoChainsIntoSuicideRemovesAll) {
  game.play(u"(;SZ[5]AB[aa][ac]AW[ba][bb][bc][ad];B[ab])");
  EXPECT_EQ(positionText(game.board, 1), R"(
. O . . .
. O . . .
. O . . .
O . . . .
. . . . .
)");
  EXPECT_THAT(capturedByMove(1), ElementsAre("aa", "ab", "ac"));
  EXPECT_THAT(capturedBlack(1), ElementsAre("aa", "ab", "ac"));
  EXPECT_THAT(capturedWhite(1), IsEmpty());
  EXPECT_THAT(libertiesAt(1, "bb"), ElementsAre("aa", "ab", "ac", "bd", "ca", "cb", "cc"));
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST_F(CaptureTest, CaptureSavesAStoneWithoutLiberties) {
  game.play(u"(;SZ[5]AW[ba][ab]AB[ca][bb][ac];B[aa])");
  EXPECT_EQ(positionText(game.board, 1), R"(
X . X . .
. X . . .
X . . . .
. . . . .
. . . . .
)");
  EXPECT_THAT(capturedByMove(1), ElementsAre("ab", "ba"));
  EXPECT_THAT(capturedWhite(1), ElementsAre("ab", "ba"));
  EXPECT_THAT(capturedBlack(1), IsEmpty());
  EXPECT_THAT(libertiesAt(1, "aa"), ElementsAre("ab", "ba"));
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST_F(CaptureTest, KoRecaptureIsPlayedAndCaptures) {
  game.play(u"(;SZ[5]AB[ba][ab][bc]AW[ca][db][cc][bb];B[cb];W[bb];B[cb])");
  const char* beforeKo = R"(
. X O . .
X O . O .
. X O . .
. . . . .
. . . . .
)";
  const char* afterKo = R"(
. X O . .
X . X O .
. X O . .
. . . . .
. . . . .
)";
  EXPECT_EQ(positionText(game.board, 0), beforeKo);
  EXPECT_EQ(positionText(game.board, 1), afterKo);
  EXPECT_EQ(positionText(game.board, 2), beforeKo);
  EXPECT_EQ(positionText(game.board, 3), afterKo);
  EXPECT_THAT(capturedByMove(2), ElementsAre("cb"));
  EXPECT_THAT(capturedBlack(2), ElementsAre("cb"));
  EXPECT_THAT(capturedWhite(2), ElementsAre("bb"));
  // A point taken twice is counted twice.
  EXPECT_THAT(capturedWhite(3), ElementsAre("bb", "bb"));
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST_F(CaptureTest, PassesKeepThePosition) {
  // W[] and B[tt] are both read as passes.
  game.play(u"(;SZ[19];B[dd];W[];B[tt];W[pp])");
  ASSERT_EQ(game.line.size(), 5u);
  EXPECT_EQ(game.line[2].point, kPassPoint);
  EXPECT_EQ(game.line[3].point, kPassPoint);
  const auto& history = game.board.history;
  for (int m : {2, 3}) {
    const auto i = static_cast<std::size_t>(m);
    EXPECT_EQ(history.playGrids[i], history.playGrids[1]) << m;
    EXPECT_EQ(history.boardGrids[i].stones, history.boardGrids[1].stones) << m;
    EXPECT_EQ(history.boardGrids[i].layers, history.boardGrids[1].layers) << m;
    EXPECT_EQ(slot(m).chainIds, slot(1).chainIds) << m;
    ASSERT_EQ(slot(m).chains.size(), 1u) << m;
    EXPECT_EQ(slot(m).chains[0].stones, slot(1).chains[0].stones) << m;
    EXPECT_EQ(slot(m).chains[0].liberties, slot(1).chains[0].liberties) << m;
    EXPECT_THAT(capturedByMove(m), IsEmpty()) << m;
  }
  EXPECT_EQ(history.playGrids[4][static_cast<std::size_t>(p("pp"))], kStoneWhite);
  EXPECT_EQ(history.boardGrids[4].layers[0][static_cast<std::size_t>(geometry().unbordered(p("pp")))], 4);
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST_F(CaptureTest, RootSetupCapturesBeforeTheFirstMove) {
  // Setup stones go down in point order: aa, ba, then ab takes aa.
  game.play(u"(;SZ[5]AW[aa]AB[ba][ab];B[ee])");
  EXPECT_EQ(positionText(game.board, 0), R"(
. X . . .
X . . . .
. . . . .
. . . . .
. . . . .
)");
  EXPECT_THAT(capturedWhite(0), ElementsAre("aa"));
  EXPECT_THAT(capturedWhite(1), ElementsAre("aa"));
  EXPECT_THAT(capturedByMove(1), IsEmpty());
  // Setup stones carry position 0 in both number layers; a move only in the first.
  const BoardGrid& grid = game.board.history.boardGrids[1];
  const auto u = [&](std::string_view sgfPoint) {
    return static_cast<std::size_t>(geometry().unbordered(p(sgfPoint)));
  };
  EXPECT_EQ(grid.layers[0][u("ab")], 0);
  EXPECT_EQ(grid.layers[1][u("ab")], 0);
  EXPECT_EQ(grid.layers[0][u("ee")], 1);
  EXPECT_EQ(grid.layers[1][u("ee")], -1);
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST(SetupStoneBalanceTest, CountsOneColourAndFlagsBoth) {
  const std::pair<const char16_t*, int> cases[] = {
      {u"(;SZ[9]AB[cc][gg];W[ee])", 2},
      {u"(;SZ[9]AW[cc][gg];B[ee])", -2},
      {u"(;SZ[9]AB[cc]AW[gg];W[ee])", kMixedSetup},
      {u"(;SZ[9]AW[aa]AB[gg][cc];W[ee])", kMixedSetup},
      {u"(;SZ[9];B[ee]AB[cc])", 0},  // only the root's stones count
  };
  for (const auto& [sgf, balance] : cases) {
    ReplayedGame game;
    game.play(sgf);
    EXPECT_EQ(game.board.setupStoneBalance, balance) << utf16ToUtf8(sgf);
    // A replay from a later move leaves the balance alone.
    ReplayFrom(game.board, game.line, 1);
    EXPECT_EQ(game.board.setupStoneBalance, balance) << utf16ToUtf8(sgf);
  }
}

// Damaged records may put a stone on an occupied point; the bookkeeping must
// stay sound whatever lands where.
TEST_F(CaptureTest, StoneOnAnOccupiedPointKeepsTheChainsSound) {
  game.play(u"(;SZ[5];B[bb];W[ee];B[cb];W[ed];B[db];W[cb];B[cb];B[bb];W[ab])");
  EXPECT_EQ(positionText(game.board, 6), R"(
. . . . .
. X O X .
. . . . .
. . . . O
. . . . O
)");
  EXPECT_EQ(positionText(game.board, 9), R"(
. . . . .
O X X X .
. . . . .
. . . . O
. . . . O
)");
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST_F(CaptureTest, OverwrittenStoneCanLeaveItsChainCaptured) {
  // White lands on the black stone ba; what is left of the black chain, aa,
  // has no liberty and is taken like any chain next to the new stone.
  game.play(u"(;SZ[5]AW[ab][ca]AB[aa][ba];W[ba])");
  EXPECT_EQ(positionText(game.board, 1), R"(
. O O . .
O . . . .
. . . . .
. . . . .
. . . . .
)");
  EXPECT_THAT(capturedBlack(1), ElementsAre("aa"));
  EXPECT_THAT(game.allFaults(), IsEmpty());
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
