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
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

using Names = std::vector<std::string>;

class CaptureTest : public ::testing::Test {
 protected:
  const GridGeometry& geometry() const { return game.board.geometry; }
  BorderedPoint p(std::string_view sgfPoint) const { return borderedAt(geometry(), sgfPoint); }
  const PositionSlot& slot(int m) const { return game.board.slot(m); }
  Names capturedByMove(int m) const { return names(geometry(), slot(m).capturedByMove); }
  Names capturedBlack(int m) const { return names(geometry(), slot(m).capturedBlack); }
  Names capturedWhite(int m) const { return names(geometry(), slot(m).capturedWhite); }
  Names libertiesAt(int m, std::string_view sgfPoint) {
    restorePosition(game.board, m);
    const Chain* chain = chainAt(game.board, p(sgfPoint));
    return chain ? names(geometry(), chain->liberties) : Names{"no chain"};
  }

  ReplayedGame game;
};

TEST_F(CaptureTest, CapturesAndSuicidesAreRecordedByColour) {
  struct Case {
    const char16_t* sgf;
    int m;
    const char* position;
    Names byMove, black, white;
    const char* chain;  // a chain beside the taken stones and its liberties after
    Names liberties;
  };
  const Case cases[] = {
      {u"(;SZ[5];B[ba];W[aa];B[ab];W[])",
       3,
       "\n. X . . .\nX . . . .\n. . . . .\n. . . . .\n. . . . .\n",
       {"aa"},
       {},
       {"aa"},
       "ab",
       {"aa", "ac", "bb"}},
      // A single stone without liberties takes itself off.
      {u"(;SZ[5];B[ee];W[ba];B[ed];W[ab];B[aa])",
       5,
       "\n. O . . .\nO . . . .\n. . . . .\n. . . . X\n. . . . X\n",
       {"aa"},
       {"aa"},
       {},
       "ba",
       {"aa", "bb", "ca"}},
      // Joining two chains into suicide removes both.
      {u"(;SZ[5]AB[aa][ac]AW[ba][bb][bc][ad];B[ab])",
       1,
       "\n. O . . .\n. O . . .\n. O . . .\nO . . . .\n. . . . .\n",
       {"aa", "ab", "ac"},
       {"aa", "ab", "ac"},
       {},
       "bb",
       {"aa", "ab", "ac", "bd", "ca", "cb", "cc"}},
      // Capturing first saves a stone that has no liberty of its own.
      {u"(;SZ[5]AW[ba][ab]AB[ca][bb][ac];B[aa])",
       1,
       "\nX . X . .\n. X . . .\nX . . . .\n. . . . .\n. . . . .\n",
       {"ab", "ba"},
       {},
       {"ab", "ba"},
       "aa",
       {"ab", "ba"}},
      // White lands on the black stone ba; what is left of its chain, aa, has
      // no liberty and is taken like any chain next to the new stone.
      {u"(;SZ[5]AW[ab][ca]AB[aa][ba];W[ba])",
       1,
       "\n. O O . .\nO . . . .\n. . . . .\n. . . . .\n. . . . .\n",
       {"aa"},
       {"aa"},
       {},
       "ba",
       {"aa", "bb", "cb", "da"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(utf16ToUtf8(c.sgf));
    game.play(c.sgf);
    EXPECT_EQ(positionText(game.board, c.m), c.position);
    EXPECT_THAT(capturedByMove(c.m), ElementsAreArray(c.byMove));
    EXPECT_THAT(capturedBlack(c.m), ElementsAreArray(c.black));
    EXPECT_THAT(capturedWhite(c.m), ElementsAreArray(c.white));
    EXPECT_THAT(libertiesAt(c.m, c.chain), ElementsAreArray(c.liberties));
    EXPECT_THAT(game.allFaults(), IsEmpty());
  }
  // The prisoners stay counted after the move that took them.
  game.play(cases[0].sgf);
  EXPECT_THAT(capturedByMove(4), IsEmpty());
  EXPECT_THAT(capturedWhite(4), ElementsAre("aa"));
}

TEST_F(CaptureTest, MergedChainComesLastAndOthersKeepTheirOrder) {
  // White chains before, between and after the black ones shuffle the list.
  game.play(u"(;SZ[5];B[bc];W[aa];B[cb];W[ee];B[dc];W[ae];B[cc])");
  restorePosition(game.board, 7);
  const Chain* joined = chainAt(game.board, p("cc"));
  ASSERT_NE(joined, nullptr);
  EXPECT_THAT(names(geometry(), joined->stones), ElementsAre("bc", "cb", "cc", "dc"));
  EXPECT_THAT(names(geometry(), joined->liberties), ElementsAre("ac", "bb", "bd", "ca", "cd", "db", "dd", "ec"));
  const ChainIdRow& ids = slot(7).chainIds;
  EXPECT_EQ(game.board.position.chains.size(), 4u);
  EXPECT_THAT((std::vector<int>{ids[p("aa")], ids[p("ee")], ids[p("ae")], ids[p("bc")]}), ElementsAre(0, 1, 2, 3));
  // A move touching one chain twice merges it once.
  game.play(u"(;SZ[5];B[bb];W[aa];B[cb];W[ee];B[bc];B[cc])");
  restorePosition(game.board, 6);
  EXPECT_EQ(game.board.position.chains.size(), 3u);
  EXPECT_THAT(names(geometry(), chainAt(game.board, p("cc"))->stones), ElementsAre("bb", "bc", "cb", "cc"));
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST_F(CaptureTest, KoRecaptureIsPlayedAndCountedTwice) {
  game.play(u"(;SZ[5]AB[ba][ab][bc]AW[ca][db][cc][bb];B[cb];W[bb];B[cb])");
  const char* beforeKo = "\n. X O . .\nX O . O .\n. X O . .\n. . . . .\n. . . . .\n";
  const char* afterKo = "\n. X O . .\nX . X O .\n. X O . .\n. . . . .\n. . . . .\n";
  for (int m = 0; m <= 3; ++m) EXPECT_EQ(positionText(game.board, m), m % 2 ? afterKo : beforeKo) << m;
  EXPECT_THAT(capturedByMove(2), ElementsAre("cb"));
  EXPECT_THAT(capturedBlack(2), ElementsAre("cb"));
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
  for (std::size_t m : {2u, 3u}) {
    EXPECT_EQ(history.playGrids[m], history.playGrids[1]) << m;
    EXPECT_EQ(history.boardGrids[m].stones, history.boardGrids[1].stones) << m;
    EXPECT_EQ(history.boardGrids[m].placedBy, history.boardGrids[1].placedBy) << m;
    EXPECT_EQ(slot(static_cast<int>(m)).chainIds, slot(1).chainIds) << m;
    EXPECT_EQ(slot(static_cast<int>(m)).chains[0].liberties, slot(1).chains[0].liberties) << m;
    EXPECT_THAT(capturedByMove(static_cast<int>(m)), IsEmpty()) << m;
  }
  EXPECT_EQ(history.boardGrids[4].placedBy[geometry().unbordered(p("pp"))], 4);
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

TEST_F(CaptureTest, RootSetupCapturesBeforeTheFirstMove) {
  // Setup stones go down in point order: aa, ba, then ab takes aa.
  game.play(u"(;SZ[5]AW[aa]AB[ba][ab];B[ee])");
  EXPECT_EQ(positionText(game.board, 0), "\n. X . . .\nX . . . .\n. . . . .\n. . . . .\n. . . . .\n");
  EXPECT_THAT(capturedWhite(1), ElementsAre("aa"));
  EXPECT_THAT(capturedByMove(1), IsEmpty());
  const BoardGrid& grid = game.board.history.boardGrids[1];
  EXPECT_EQ(grid.placedBy[geometry().unbordered(p("ab"))], 0);
  EXPECT_EQ(grid.placedBy[geometry().unbordered(p("ee"))], 1);
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
  EXPECT_EQ(positionText(game.board, 6), "\n. . . . .\n. X O X .\n. . . . .\n. . . . O\n. . . . O\n");
  EXPECT_EQ(positionText(game.board, 9), "\n. . . . .\nO X X X .\n. . . . .\n. . . . O\n. . . . O\n");
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
