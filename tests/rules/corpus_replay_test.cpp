#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/corpus_files.h"
#include "tests/rules/rules_test_support.h"

namespace mokuza::test {
namespace {

// Every twentieth professional game, by sorted path, replayed and checked at
// every position (a sample that keeps the sanitizer build quick).
TEST(CorpusReplayTest, ChainsAndCapturesStaySoundInRealGames) {
  std::size_t captured = 0;
  bool broken = false;
  const int games = forEachCorpusGame("pro", 20, [&](const auto& path, const std::u16string& text) {
    if (broken) return;
    ReplayedGame game;
    game.play(text);
    // The first broken game ends the run: one game's faults say enough.
    EXPECT_THAT(game.allFaults(), ::testing::IsEmpty()) << path;
    broken = !game.allFaults().empty();
    const PositionSlot& last = game.board.slot(game.board.history.computed() - 1);
    captured += last.capturedBlack.size() + last.capturedWhite.size();
  });
  if (games == 0) GTEST_SKIP() << "no corpus";
  EXPECT_GE(games, 100);
  EXPECT_GT(captured, 1000u) << "real games take stones; none taken means nothing was checked";
}

}  // namespace
}  // namespace mokuza::test
