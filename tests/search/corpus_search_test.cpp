#include <gtest/gtest.h>

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

// The search's own replay must leave the same stones as the board logic at
// every position, setup stones, captures and odd records included (checked in
// every tenth professional game), and every long enough game must find its own
// position at move thirty.
TEST(CorpusSearchTest, StoneReplayAgreesWithTheBoardLogicAndEveryGameFindsItself) {
  int searched = 0;
  std::size_t games = 0, replayStride = 1;
  const auto check = [&](const fs::path& file, const std::u16string& text) {
    ReplayedRecord game(text);
    const int n = game.record.boardSize;
    const search::MainLine line = search::mainLineOf(game.record);
    ASSERT_EQ(line.lastPosition() + 1, game.board.history.computed()) << file;
    search::StoneBoard stones(n);
    std::uint32_t next = 0;
    const int positions = games++ % replayStride == 0 ? game.board.history.computed() : 0;
    for (int m = 0; m < positions; ++m) {
      for (; next < line.positionEnd[static_cast<std::size_t>(m)]; ++next)
        stones.place(line.stones[next].point, line.stones[next].colour);
      const BoardGrid& grid = game.board.history.boardGrids[static_cast<std::size_t>(m)];
      for (int u = 0; u < n * n; ++u)
        ASSERT_EQ(stones.stoneAt(u), grid.stones[RecordPoint{u}]) << file << " move " << m << " point " << u;
    }
    if (game.board.history.computed() <= 30) return;
    const auto pattern = search::makePattern(game.board, 30, std::nullopt);
    const auto match = search::scanGame(line, pattern, search::makeVariantMasks(pattern), {});
    EXPECT_EQ(std::pair(match.ownMatch, match.bestCount), std::pair(30, pattern.patternStones)) << file;
    ++searched;
  };
  const int variety = forEachCorpusGame("variety", 1, check);
  searched = 0;
  replayStride = 10;
  if (variety + forEachCorpusGame("pro", kStride, check) == 0) GTEST_SKIP() << "no corpus";
  EXPECT_GE(searched * kStride, 4900u);
}

}  // namespace
}  // namespace mokuza::test
