#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/record/sgf_point.h"
#include "core/record/text.h"
#include "core/rules/board.h"
#include "core/rules/replay.h"
#include "tests/rules/rules_test_support.h"

namespace mokuza::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// What position m keeps besides its chains: the grid, who placed each stone
// and the captures. The chains are held to the grid by chainFaults.
std::string positionDump(const Board& board, int m) {
  const PositionSlot& slot = board.slot(m);
  std::string text = positionText(board, m);
  for (const auto* list : {&slot.capturedByMove, &slot.capturedBlack, &slot.capturedWhite}) {
    for (BorderedPoint b : *list) text += name(board.geometry, b) + " ";
    text += "\n";
  }
  for (int placedBy : board.history.boardGrids.at(static_cast<std::size_t>(m)).placedBy)
    text += std::to_string(placedBy) + " ";
  return text;
}

// Stops at the first position that differs, so one fault gives one message.
void expectSameAsFreshReplay(const Board& replayed, int n, std::vector<MoveRecord>& line) {
  Board fresh;
  SetBoardSize(fresh, n);
  ReplayFrom(fresh, line, 0);
  ASSERT_EQ(replayed.history.computed(), fresh.history.computed());
  for (int m = 0; m < fresh.history.computed(); ++m) {
    ASSERT_EQ(positionDump(replayed, m), positionDump(fresh, m)) << "position " << m;
    ASSERT_THAT(chainFaults(replayed, m), IsEmpty());
  }
}

class PositionHistoryTest : public ::testing::Test {
 protected:
  ReplayedGame game;
};

TEST_F(PositionHistoryTest, RestorePositionShowsThatMove) {
  game.play(u"(;SZ[5];B[ba];W[aa];B[ab];W[cc])");
  Board& board = game.board;
  EXPECT_EQ(board.currentPosition, 0) << "the replay leaves the shown position alone";
  restorePosition(board, 2);
  EXPECT_EQ(boardText(board.geometry, board.position.playGrid),
            "\nO X . . .\n. . . . .\n. . . . .\n. . . . .\n. . . . .\n");
  ReplayFrom(board, game.line, 0);
  EXPECT_EQ(board.currentPosition, 2) << "a replay keeps the shown move";
  restorePosition(board, 99);  // beyond the history: nothing changes
  EXPECT_EQ(board.currentPosition, 2);
}

TEST_F(PositionHistoryTest, ReplayFromAnEditMatchesAFullReplay) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    game.play(asciiToUtf16(randomSgf(seed, 9, 120)));
    auto& line = game.line;
    restorePosition(game.board, 120);  // the edit is made where it is seen

    // Change a move in the middle.
    line[60].point = static_cast<std::uint16_t>((line[60].point + 1) % 81);
    line[60].colour = static_cast<std::int8_t>(-line[60].colour);
    ReplayFrom(game.board, line, 60, {&game.check});
    EXPECT_EQ(game.board.currentPosition, 120);
    EXPECT_THAT(game.check.faults, IsEmpty()) << "the position before the first move replayed comes from the history";
    expectSameAsFreshReplay(game.board, 9, line);

    // Cut the line short.
    line.resize(100);
    ReplayFrom(game.board, line, 100);
    EXPECT_EQ(game.board.currentPosition, 99);
    expectSameAsFreshReplay(game.board, 9, line);
  }
}

class RecordingObserver : public ReplayObserver {
 public:
  void afterMove(Board&, std::vector<MoveRecord>&, int move) override { moves.push_back(move); }
  std::vector<int> moves;
};

TEST_F(PositionHistoryTest, LongRecordKeepsPositionsUpTo998) {
  // 1100 moves stepping around a 19 x 19 board, with captures and refills.
  std::string sgf = "(;SZ[19]";
  for (int m = 1; m <= 1100; ++m)
    sgf += (m % 2 ? ";B[" : ";W[") + sgfLetters<char>(RecordPoint{(m * 37) % 361}, 19) + "]";
  sgf += ")";
  game.play(asciiToUtf16(sgf));
  EXPECT_EQ(game.board.history.computed(), kMaxPositions);

  RecordingObserver observer;
  ReplayFrom(game.board, game.line, 990, {&observer});
  EXPECT_THAT(observer.moves, ElementsAre(990, 991, 992, 993, 994, 995, 996, 997, 998));
  restorePosition(game.board, 998);
  EXPECT_EQ(game.board.currentPosition, 998);
  EXPECT_THAT(game.allFaults(), IsEmpty());
}

}  // namespace
}  // namespace mokuza::test
