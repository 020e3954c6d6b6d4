#include <gtest/gtest.h>

#include <algorithm>

#include "search/game_scan.h"
#include "search/stone_replay.h"
#include "tests/corpus_files.h"
#include "tests/search/search_test_support.h"

namespace mokuza::test {
namespace {

// Every game in an optimised build, every twentieth under the sanitizers.
#ifdef NDEBUG
constexpr std::size_t kStride = 1;
#else
constexpr std::size_t kStride = 20;
#endif

TEST(CorpusSearchTest, EveryGameFindsItsOwnPositionAtMoveThirty) {
  const auto files = corpusGames();
  if (files.empty()) GTEST_SKIP() << "no corpus";
  int searched = 0;
  for (std::size_t i = 0; i < files.size(); i += kStride) {
    const auto bytes = readFileBytes(files[i]);
    ASSERT_TRUE(bytes) << files[i];
    ReplayedRecord game(decodeBytes(*bytes, TextKind::GameRecord));
    if (game.board.history.computed() <= 30) continue;
    const auto pattern = search::makePattern(game.board, 30, std::nullopt);
    const auto match =
        search::scanGame(search::mainLineOf(game.record), pattern, search::makeVariantMasks(pattern), {});
    ASSERT_EQ(match.ownMatch, 30) << files[i];
    ASSERT_EQ(match.bestCount, pattern.patternStones) << files[i];
    ++searched;
  }
  EXPECT_GE(searched * kStride, 4900u);
}

// The search's own replay must leave the same stones as the board logic at
// every position, setup stones, captures and odd records included.
TEST(CorpusSearchTest, StoneReplayAgreesWithTheBoardLogic) {
  auto files = corpusGames("variety");
  const auto pro = corpusGames();
  for (std::size_t i = 0; i < pro.size(); i += 10 * kStride) files.push_back(pro[i]);
  if (files.empty()) GTEST_SKIP() << "no corpus";
  for (const fs::path& file : files) {
    const auto bytes = readFileBytes(file);
    ASSERT_TRUE(bytes) << file;
    ReplayedRecord game(decodeBytes(*bytes, TextKind::GameRecord));
    const int n = game.record.boardSize;
    const search::MainLine line = search::mainLineOf(game.record);
    ASSERT_EQ(line.lastPosition() + 1, game.board.history.computed()) << file;
    search::StoneBoard stones(n);
    std::uint32_t next = 0;
    for (int m = 0; m < game.board.history.computed(); ++m) {
      for (; next < line.positionEnd[static_cast<std::size_t>(m)]; ++next)
        stones.place(line.stones[next].point, line.stones[next].colour);
      const BoardGrid& grid = game.board.history.boardGrids[static_cast<std::size_t>(m)];
      for (int u = 0; u < n * n; ++u)
        ASSERT_EQ(stones.stoneAt(u), grid.stones[RecordPoint{u}]) << file << " move " << m << " point " << u;
    }
  }
}

}  // namespace
}  // namespace mokuza::test
