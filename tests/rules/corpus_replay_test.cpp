#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/record/text.h"
#include "tests/corpus_files.h"
#include "tests/rules/rules_test_support.h"

namespace mokuza::test {
namespace {

namespace fs = std::filesystem;
using ::testing::IsEmpty;

// Every twentieth professional game, by sorted path, replayed and checked at
// every position (a sample that keeps the sanitizer build quick).
TEST(CorpusReplayTest, ChainsAndCapturesStaySoundInRealGames) {
  const fs::path folder = fs::path(MOKUZA_CORPUS_DIR) / "pro";
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
  const std::vector<fs::path> files = corpusGames();

  int games = 0;
  std::size_t captured = 0;
  for (std::size_t i = 0; i < files.size(); i += 20) {
    const auto bytes = readFileBytes(files[i]);
    ASSERT_TRUE(bytes) << files[i];
    ReplayedGame game;
    game.play(decodeBytes(*bytes, TextKind::GameRecord));
    // The first broken game ends the run: one game's faults say enough.
    ASSERT_THAT(game.allFaults(), IsEmpty()) << files[i];
    const PositionSlot& last = game.board.slot(game.board.history.computed() - 1);
    captured += last.capturedBlack.size() + last.capturedWhite.size();
    ++games;
  }
  EXPECT_GE(games, 100);
  EXPECT_GT(captured, 1000u) << "real games take stones; none taken means nothing was checked";
}

}  // namespace
}  // namespace mokuza::test
