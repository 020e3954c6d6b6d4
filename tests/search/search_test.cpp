#include <gtest/gtest.h>

#include "search/game_scan.h"
#include "search/playlist_search.h"
#include "search/search_texts.h"
#include "tests/search/search_test_support.h"

namespace mokuza::test {
namespace {

using search::GameMatch;
using search::SearchResults;
using search::SearchSettings;

constexpr int point(int column, int row) { return row * 19 + column; }

GameMatch scan(const search::SearchPattern& pattern, const std::string& sgf, SearchSettings settings = {}) {
  ReplayedRecord target(sgf);
  return search::scanGame(search::mainLineOf(target.record), pattern, search::makeVariantMasks(pattern),
                          {settings.bwFixed, settings.nextWithin});
}

TEST(SearchScanTest, ColoursAreExchangedOnlyWhenNotFixed) {
  const auto pattern = patternOf(game(moves({"dd"})), 1);  // one black stone on a 4-4 point
  const std::string whiteFirst = game(";W[pp]");
  const GameMatch free = scan(pattern, whiteFirst);
  EXPECT_EQ(free.ownMatch, -1);
  EXPECT_EQ(free.exchangedMatch, 1);
  EXPECT_EQ(search::gameResultText(free, 0, false), u"-1");

  SearchSettings fixed;
  fixed.bwFixed = true;
  const GameMatch none = scan(pattern, whiteFirst, fixed);
  EXPECT_FALSE(none.found());
  EXPECT_EQ(search::gameResultText(none, 0, false), u"");
}

TEST(SearchScanTest, TurnedAndMirroredGamesAreFoundWithTheirFollowUpInThePatternsOrientation) {
  const auto pattern = patternOf(game(moves({"cd", "ec"})), 2);  // black (2,3), white (4,2): no symmetry
  EXPECT_EQ(scan(pattern, game(moves({"pc", "qe"}))).ownMatch, 2) << "a quarter turn clockwise";

  const GameMatch mirrored = scan(pattern, game(moves({"qd", "oc", "cp"})));
  EXPECT_EQ(mirrored.ownMatch, 2);
  EXPECT_EQ(mirrored.followUpMove, 3);
  EXPECT_EQ(mirrored.followUpPoint, point(16, 15)) << "the mirror image of cp";
  EXPECT_EQ(mirrored.followUpColour, 1);

  const GameMatch exchanged = scan(pattern, game(moves({"oq", "qp"})));  // half a turn, colours swapped
  EXPECT_EQ(exchanged.ownMatch, -1);
  EXPECT_EQ(exchanged.exchangedMatch, 2);
}

TEST(SearchScanTest, AnOccupiedEmptyPointEndsTheGameEvenAfterTheStoneIsTaken) {
  const auto pattern = patternOf(game(moves({"ba", "pp", "ab"})), 3);
  const std::vector<std::string> passes(19, "");
  std::vector<std::string> spoiled = passes;
  spoiled.insert(spoiled.end(), {"aa", "ba", "pp", "ab"});  // W aa at position 20, taken by B ab at 23
  std::vector<std::string> clean(20, "");
  clean.insert(clean.end(), {"ba", "pp", "ab"});

  ReplayedRecord spoiledGame(game(moves(spoiled)));
  ASSERT_EQ(spoiledGame.board.history.boardGrids[23].stones[RecordPoint{point(0, 0)}], 0)
      << "the white stone is captured";
  const GameMatch late = scan(pattern, game(moves(spoiled)));
  EXPECT_FALSE(late.found());
  EXPECT_EQ(scan(pattern, game(moves(clean))).ownMatch, 23);
}

TEST(SearchScanTest, APointEmptiedByACaptureOnlySpoilsPositionsWhileOccupied) {
  // Black takes the white stone on aa with ab: aa was played on before the pattern position.
  const auto pattern = patternOf(game(";B[ba];W[aa];B[ab]"), 3, std::array<int, 4>{0, 0, 2, 2});
  EXPECT_EQ(pattern.patternValue[point(0, 0)], search::kWasCaptured);
  // The game itself had a stone there one move before: that position fails, the game is still found.
  EXPECT_EQ(scan(pattern, game(";B[ba];W[aa];B[ab]")).ownMatch, 3);
}

TEST(SearchScanTest, TheFollowUpInsideTheRangeSkipsMovesElsewhere) {
  const std::array<int, 4> corner{0, 0, 6, 6};
  const auto pattern = patternOf(game(moves({"dd", "fc"})), 2, corner);
  ASSERT_EQ(pattern.rangeStones, 2);
  const std::string target = game(moves({"dd", "fc", "jp", "qq", "ce"}));
  const GameMatch next = scan(pattern, target);
  EXPECT_EQ(next.followUpMove, 3);
  EXPECT_EQ(next.followUpPoint, point(9, 15));

  SearchSettings within;
  within.nextWithin = true;
  const GameMatch inside = scan(pattern, target, within);
  EXPECT_EQ(inside.followUpMove, 5);
  EXPECT_EQ(inside.followUpPoint, point(2, 4));
}

TEST(SearchScanTest, TheLastRowAndColumnOfTheRangeBelongToThePattern) {
  // A white stone on the range's last row, then on its last column: without it
  // the game matches only half.
  for (const char* edge : {"ce", "ec"}) {
    const auto pattern = patternOf(game(moves({"dd", edge})), 2, std::array<int, 4>{0, 0, 4, 4});
    EXPECT_EQ(pattern.rangeStones, 2) << edge;
    EXPECT_EQ(scan(pattern, game(moves({"dd", edge}))).ownMatch, 2) << edge;
    EXPECT_FALSE(scan(pattern, game(moves({"dd", "pp"}))).found()) << edge;
  }
}

TEST(SearchScanTest, ASymmetricPatternIsFoundOncePerGame) {
  const auto pattern = patternOf(game(moves({"jj"})), 1);
  const GameMatch match = scan(pattern, game(moves({"jj", "dd"})));
  EXPECT_EQ(match.ownMatch, 1);
  EXPECT_EQ(match.ownVariant, 0);
  EXPECT_EQ(match.followUpPoint, point(3, 3));
}

TEST(GameOutcomeTest, ResultsAndRates) {
  using search::GameOutcome;
  EXPECT_EQ(search::readOutcome(u"黒中押し勝ち"), GameOutcome::BlackWin);
  EXPECT_EQ(search::readOutcome(u"黑胜"), GameOutcome::BlackWin);
  EXPECT_EQ(search::readOutcome(u"白3目半勝"), GameOutcome::WhiteWin);
  EXPECT_EQ(search::readOutcome(u"W+R"), GameOutcome::WhiteWin);
  EXPECT_EQ(search::readOutcome(u"b+0.5"), GameOutcome::BlackWin);
  EXPECT_EQ(search::readOutcome(u"ジゴ"), GameOutcome::Undecided);
  EXPECT_EQ(search::readOutcome(u"黒番"), GameOutcome::Undecided);
  EXPECT_EQ(search::readOutcome(u"Void"), GameOutcome::Undecided);

  EXPECT_EQ(search::winRateText(7, 5), u".583 ");
  EXPECT_EQ(search::winRateText(1, 1999), u".001 ") << "half a thousandth rounds up";
  EXPECT_EQ(search::winRateText(1999, 1), u".999 ") << "only all wins show 1.000";
  EXPECT_EQ(search::winRateText(3, 0), u"1.000");
  EXPECT_EQ(search::winRateText(0, 2), u".000 ");
  EXPECT_EQ(search::winRateText(0, 0), u"---");
}

class PlaylistSearchTest : public SearchFolderTest {
 protected:
  // One black stone on a 4-4 point, searched in four games.
  void addFourGames() {
    addGame(game(moves({"dd", "pp"}), "黒中押し勝ち"));  // own colours, White answers on pp
    addGame(game(moves({"pp", "dd"}, false), "W+R"));    // exchanged colours, answered on the same point
    addGame(game(moves({"cc"}), "ジゴ"));                // no match
    addGame(game(moves({"dd", "dp"}), "ジゴ"));
  }
  search::SearchPattern pattern = patternOf(game(moves({"dd"})), 1);
  naming::MoveClassifier classifier;
  search::MainLineCache lines;
  search::SearchContext context{classifier, lines, {}};
};

TEST_F(PlaylistSearchTest, ResultsSummaryAndFollowUps) {
  addFourGames();
  const auto results = search::SearchPlaylist(playlist, pattern, {}, context);
  ASSERT_TRUE(results);
  ASSERT_EQ(results->games.size(), 4u);
  EXPECT_EQ(results->games[0].text, u"1");
  EXPECT_EQ(results->games[1].text, u"-1");
  EXPECT_EQ(results->games[2].text, u"");
  EXPECT_FALSE(results->games[2].listed);
  EXPECT_EQ(results->games[3].text, u"1");

  const auto& summary = results->summary;
  EXPECT_EQ(summary.found, 3);
  ASSERT_EQ(summary.candidates.size(), 2u);
  EXPECT_EQ(summary.candidates[0].point, point(15, 15));
  EXPECT_EQ(summary.candidates[0].letter, u"Ａ");
  EXPECT_EQ(summary.candidates[1].point, point(3, 15));

  const std::u16string expectedSummary =
      u"4局中3局 ○：2勝0敗 1.000   □：0勝2敗 .000   白：2局 0勝1敗 .000   黒：1局 0勝1敗 .000 ";
  EXPECT_EQ(results->texts.summary, expectedSummary);
  EXPECT_EQ(results->texts.resultLine, u" 検索結果 (1手目)：" + expectedSummary + u" ");
  EXPECT_EQ(results->texts.followUpLine, u"□次手　Ａ：2局 0勝2敗 .000 　Ｂ：1局 0勝0敗 ---　");
  EXPECT_EQ(results->texts.caption, u"部分図検索［games.gpl］(3例)");
}

TEST_F(PlaylistSearchTest, FixedColoursUseTheShortFormAndThresholdListsPartialMatches) {
  addFourGames();
  SearchSettings settings;
  settings.bwFixed = true;
  settings.threshold = 0;
  const auto results = search::SearchPlaylist(playlist, pattern, settings, context);
  ASSERT_TRUE(results);
  EXPECT_EQ(results->games[1].text, u" 0％") << "the exchanged game is no match with fixed colours";
  EXPECT_EQ(results->games[2].text, u" 0％");
  EXPECT_EQ(results->summary.listed, 4);
  EXPECT_EQ(results->texts.summary, u"4局中2局 黒：1勝0敗 1.000  白：0勝1敗 .000  ");
}

TEST_F(PlaylistSearchTest, ReSearchAddsTheMoveToPatternAndCaption) {
  addFourGames();
  const auto first = search::SearchPlaylist(playlist, pattern, {}, context);
  ASSERT_TRUE(first);
  EXPECT_FALSE(search::SearchWithAddedMove(playlist, *first, point(3, 3), context)) << "an occupied point";
  const auto again = search::SearchWithAddedMove(playlist, *first, point(15, 15), context);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->pattern.patternStones, 2);
  EXPECT_EQ(again->games[0].text, u" 2・2") << "the two stones are their own colour-exchanged half turn";
  EXPECT_EQ(again->games[1].text, u" 2・2") << "the same stones reached in another order";
  EXPECT_EQ(again->summary.found, 2);
  EXPECT_EQ(again->texts.caption, u"再検索〔白2手目16-16追加〕［games.gpl］(2例)");
}

TEST_F(PlaylistSearchTest, TheFlagIsOnWhileSearchingAndUnreadableGamesMatchNothing) {
  EXPECT_FALSE(search::SearchPlaylist(playlist, pattern, {}, context)) << "an empty playlist";
  addGame(game(moves({"dd"})));
  EXPECT_FALSE(
      search::SearchPlaylist(playlist, patternOf(game(moves({"dd"})), 1, std::array<int, 4>{5, 5, 4, 4}), {}, context))
      << "a range without points";
  const int missing = addGame(game(moves({"dd"})));
  fs::remove(textToPath(FilePath(playlist.entries[static_cast<std::size_t>(missing)], kSgfFileLabel)));
  std::vector<std::u16string> captions;
  std::vector<bool> flags;
  context.progress = [&](const std::u16string& caption) {
    captions.push_back(caption);
    flags.push_back(classifier.searchActive);
  };
  const auto results = search::SearchPlaylist(playlist, pattern, {}, context);
  ASSERT_TRUE(results);
  EXPECT_EQ(flags, (std::vector<bool>{true, true}));
  EXPECT_FALSE(classifier.searchActive);
  EXPECT_EQ(captions.back(), u"部分図検索　〈games.gpl〉 - 2局中2局目を検索中");
  EXPECT_TRUE(results->games[0].match.found());
  EXPECT_FALSE(results->games[1].readable);
  EXPECT_FALSE(results->games[1].match.found());
}

TEST_F(PlaylistSearchTest, AGameFileChangedSinceTheLastSearchIsReadAgain) {
  const int index = addGame(game(moves({"cc"})));
  ASSERT_FALSE(search::SearchPlaylist(playlist, pattern, {}, context)->games[0].match.found());
  std::ofstream(textToPath(FilePath(playlist.entries[static_cast<std::size_t>(index)], kSgfFileLabel)),
                std::ios::binary)
      << game(moves({"dd", "pp"}));
  EXPECT_TRUE(search::SearchPlaylist(playlist, pattern, {}, context)->games[0].match.found());
  EXPECT_EQ(lines.size(), 1u);
}

}  // namespace
}  // namespace mokuza::test
