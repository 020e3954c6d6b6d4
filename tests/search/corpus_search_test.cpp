#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "search/game_scan.h"
#include "search/playlist_search.h"
#include "search/search_executor.h"
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

// The scan as plainly as it can be put, without its follow-up: every variant
// compared point by point with the board at every position, to hold the
// scan's running counts against.
search::GameMatch sweptMatch(const search::MainLine& line, const search::SearchPattern& pattern,
                             const std::array<search::VariantMasks, search::kVariantCount>& masks, bool bwFixed) {
  search::GameMatch match;
  if (line.boardSize != pattern.boardSize || line.positionEnd.empty()) return match;
  const int n = line.boardSize;
  std::vector<bool> open(search::kVariantCount, true);
  for (int v = search::kOwnColourVariants; bwFixed && v < search::kVariantCount; ++v)
    open[static_cast<std::size_t>(v)] = false;
  std::vector<std::vector<int>> areas(search::kVariantCount);
  for (int v = 0; v < search::kVariantCount; ++v)
    for (int q = 0; q < n * n; ++q)
      if (masks[static_cast<std::size_t>(v)].area.test(static_cast<std::size_t>(q)))
        areas[static_cast<std::size_t>(v)].push_back(q);
  search::StoneBoard board(n);
  std::uint32_t next = 0;
  for (int m = 0; m <= line.lastPosition(); ++m) {
    for (; next < line.positionEnd[static_cast<std::size_t>(m)]; ++next)
      board.place(line.stones[next].point, line.stones[next].colour);
    if (m < (pattern.rangeStones > 0 ? 1 : 0)) continue;
    for (int v = 0; v < search::kVariantCount; ++v) {
      if (!open[static_cast<std::size_t>(v)]) continue;
      const search::VariantMasks& mask = masks[static_cast<std::size_t>(v)];
      int matched = 0;
      bool onEmpty = false, onCaptured = false;
      for (int q : areas[static_cast<std::size_t>(v)]) {
        const int stone = board.stoneAt(q);
        const auto at = static_cast<std::size_t>(q);
        matched += (stone == 1 && mask.black.test(at)) || (stone == -1 && mask.white.test(at));
        onEmpty = onEmpty || (stone != 0 && mask.empty.test(at));
        onCaptured = onCaptured || (stone != 0 && mask.captured.test(at));
      }
      if (onEmpty) {
        open[static_cast<std::size_t>(v)] = false;
        continue;
      }
      if (matched > match.bestCount || match.bestPosition < 0) {
        match.bestCount = matched;
        match.bestPosition = m;
        match.bestVariant = v;
      }
      if (matched != pattern.patternStones || onCaptured) continue;
      open[static_cast<std::size_t>(v)] = false;
      int& position = v >= search::kOwnColourVariants ? match.exchangedMatch : match.ownMatch;
      if (position >= 0) continue;
      position = m;
      (v >= search::kOwnColourVariants ? match.exchangedVariant : match.ownVariant) = v;
    }
    if (std::none_of(open.begin(), open.end(), [](bool o) { return o; })) break;
  }
  return match;
}

std::string text(const search::GameMatch& m) {
  return std::to_string(m.bestCount) + "@" + std::to_string(m.bestPosition) + "/" + std::to_string(m.bestVariant) +
         " own " + std::to_string(m.ownMatch) + "/" + std::to_string(m.ownVariant) + " exchanged " +
         std::to_string(m.exchangedMatch) + "/" + std::to_string(m.exchangedVariant);
}

// Patterns from a few games (corners early and late, with points emptied by
// captures, the whole board early and in the middle game, a full block at
// the end) against every
// twentieth professional game, in all sixteen variants and in fixed colours.
TEST(CorpusSearchTest, TheScanAgreesWithAPointByPointComparisonAtEveryPosition) {
  const std::vector<fs::path> paths = corpusGames("pro");
  if (paths.empty()) GTEST_SKIP() << "no corpus";
  std::vector<search::SearchPattern> patterns;
  for (std::size_t source = 0; source < paths.size() && patterns.size() < 30; source += 97) {
    ReplayedRecord game(decodeBytes(readFileBytes(paths[source]).value_or(""), TextKind::GameRecord));
    const int n = game.record.boardSize;
    for (const auto& [move, range] :
         {std::pair(10, std::optional(std::array<int, 4>{0, 0, 6, 6})),
          std::pair(80, std::optional(std::array<int, 4>{n - 9, n - 9, n - 1, n - 1})),
          std::pair(3, std::optional<std::array<int, 4>>()), std::pair(40, std::optional<std::array<int, 4>>())})
      if (move < game.board.history.computed()) patterns.push_back(search::makePattern(game.board, move, range));
    // A 2 x 2 block without an empty point: no stone can rule it out, so the
    // scan follows every game to its end, through all its captures.
    const search::SearchPattern late = search::makePattern(game.board, game.board.history.computed() - 1, std::nullopt);
    for (int u = 0; u + n + 1 < n * n; ++u) {
      const std::array<int, 4> block{u % n, u / n, u % n + 1, u / n + 1};
      if (u % n + 1 < n && late.stones[static_cast<std::size_t>(u)] != 0 &&
          late.stones[static_cast<std::size_t>(u + 1)] != 0 && late.stones[static_cast<std::size_t>(u + n)] != 0 &&
          late.stones[static_cast<std::size_t>(u + n + 1)] != 0) {
        patterns.push_back(search::makePattern(game.board, game.board.history.computed() - 1, block));
        break;
      }
    }
  }
  const bool anyCaptured = std::any_of(patterns.begin(), patterns.end(), [](const search::SearchPattern& p) {
    return std::any_of(p.patternPoints.begin(), p.patternPoints.end(),
                       [&](int u) { return p.patternValue[static_cast<std::size_t>(u)] == search::kWasCaptured; });
  });
  EXPECT_TRUE(anyCaptured) << "some pattern should hold a point emptied by a capture";
  int found = 0;
  for (std::size_t i = 0; i < paths.size(); i += 20 * kStride) {
    ReplayedRecord game(decodeBytes(readFileBytes(paths[i]).value_or(""), TextKind::GameRecord));
    const search::MainLine line = search::mainLineOf(game.record);
    for (const search::SearchPattern& pattern : patterns) {
      const auto masks = search::makeVariantMasks(pattern);
      for (const bool bwFixed : {false, true}) {
        const search::GameMatch fast = search::scanGame(line, pattern, masks, {bwFixed, false});
        const search::GameMatch swept = sweptMatch(line, pattern, masks, bwFixed);
        ASSERT_EQ(text(fast), text(swept)) << paths[i] << " move " << pattern.moveNumber;
        found += fast.found();
      }
    }
  }
  EXPECT_GT(found, 0);
}

// Several workers share the games in whatever order they finish; what the
// search gives must be exactly what one gives: every game in list order, the
// counts, the win and loss texts and the follow-up candidates. The corpus
// listed twice also has two workers read one file at once.
TEST(CorpusSearchTest, FourThreadsFindExactlyWhatOneFinds) {
  const std::vector<fs::path> paths = corpusGames("pro");
  if (paths.empty()) GTEST_SKIP() << "no corpus";
  Playlist playlist;
  playlist.path = u"corpus.gpl";
  for (int copy = 0; copy < 2; ++copy)
    for (std::size_t i = 0; i < paths.size(); i += 5 * kStride) {
      PlaylistEntry entry;
      entry.number = static_cast<int>(playlist.entries.size()) + 1;
      SetFilePath(entry, kSgfFileLabel, pathToText(paths[i]));
      playlist.displayOrder.push_back(static_cast<int>(playlist.entries.size()));
      playlist.entries.push_back(entry);
    }
  std::reverse(playlist.displayOrder.begin(), playlist.displayOrder.end());
  ReplayedRecord source(decodeBytes(readFileBytes(paths[0]).value_or(""), TextKind::GameRecord));
  naming::MoveClassifier classifier;
  const search::SynchronousExecutor one;
  const search::ThreadExecutor four(4);
  for (const auto& [move, range, settings] :
       {std::tuple(10, std::optional(std::array<int, 4>{0, 0, 9, 9}), search::SearchSettings{.nextWithin = true}),
        std::tuple(4, std::optional<std::array<int, 4>>(), search::SearchSettings{.threshold = 50})}) {
    const search::SearchPattern pattern = search::makePattern(source.board, move, range);
    search::SearchContext alone{classifier, std::make_shared<search::MainLineCache>(), one};
    search::SearchContext shared{classifier, std::make_shared<search::MainLineCache>(), four};
    const auto expected = search::searchPlaylist(playlist, pattern, settings, alone);
    const auto got = search::searchPlaylist(playlist, pattern, settings, shared);
    ASSERT_TRUE(expected && got);
    EXPECT_GT(expected->summary.found, 1);
    EXPECT_FALSE(expected->summary.candidates.empty());
    EXPECT_TRUE(got->games == expected->games) << "move " << move;
    EXPECT_TRUE(got->summary == expected->summary) << "move " << move;
    EXPECT_EQ(utf16ToUtf8(got->texts.resultLine), utf16ToUtf8(expected->texts.resultLine));
    EXPECT_EQ(utf16ToUtf8(got->texts.followUpLine), utf16ToUtf8(expected->texts.followUpLine));
  }
}

// A window's workers go after its own thread; a script's keep their priority.
TEST(ThreadExecutorTest, AWindowsWorkersYieldToIt) {
  const auto niceOfAWorker = [](search::WorkerPriority priority) {
    std::atomic<int> nice = 0;
    search::ThreadExecutor(1, priority).start(1, [&nice] {
      nice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    });
    return nice.load();
  };
  const int same = niceOfAWorker(search::WorkerPriority::Same);
  if (same >= 10) GTEST_SKIP() << "the tests run at nice " << same << " already";
  EXPECT_GT(niceOfAWorker(search::WorkerPriority::Lower), same);
}

}  // namespace
}  // namespace mokuza::test
