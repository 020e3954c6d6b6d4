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

// A match as one line: the position found in its own colours (and in which
// turn of the board), in exchanged colours, and the follow-up move.
std::string text(const GameMatch& m) {
  std::string out = "own " + std::to_string(m.ownMatch) + "/" + std::to_string(m.ownVariant) + " exchanged " +
                    std::to_string(m.exchangedMatch);
  if (m.followUpMove < 0) return out;
  return out + " next " + std::to_string(m.followUpMove) + (m.followUpColour == 1 ? " B@" : " W@") +
         std::to_string(m.followUpPoint % 19) + "-" + std::to_string(m.followUpPoint / 19);
}

TEST(SearchScanTest, TurnedAndMirroredGamesAreFoundWithTheirFollowUpInThePatternsOrientation) {
  const auto pattern = patternOf(game(moves({"cd", "ec"})), 2);  // black (2,3), white (4,2): no symmetry
  EXPECT_EQ(text(scan(pattern, game(moves({"pc", "qe"})))), "own 2/1 exchanged -1") << "a quarter turn clockwise";
  // The follow-up is cp mirrored.
  EXPECT_EQ(text(scan(pattern, game(moves({"qd", "oc", "cp"})))), "own 2/4 exchanged -1 next 3 B@16-15");
  EXPECT_EQ(text(scan(pattern, game(moves({"oq", "qp"})))), "own -1/-1 exchanged 2") << "half a turn, colours swapped";
  // A symmetric pattern is found once per game.
  EXPECT_EQ(text(scan(patternOf(game(moves({"jj"})), 1), game(moves({"jj", "dd"})))),
            "own 1/0 exchanged -1 next 2 W@3-3");
}

TEST(SearchScanTest, AnOccupiedEmptyPointEndsTheGameEvenAfterTheStoneIsTaken) {
  const auto pattern = patternOf(game(moves({"ba", "pp", "ab"})), 3);
  std::vector<std::string> spoiled(19, ""), clean(20, "");
  spoiled.insert(spoiled.end(), {"aa", "ba", "pp", "ab"});  // W aa at position 20, taken by B ab at 23
  clean.insert(clean.end(), {"ba", "pp", "ab"});
  ReplayedRecord spoiledGame(game(moves(spoiled)));
  ASSERT_EQ(spoiledGame.board.history.boardGrids[23].stones[RecordPoint{point(0, 0)}], 0)
      << "the white stone is captured";
  EXPECT_FALSE(scan(pattern, game(moves(spoiled))).found());
  EXPECT_EQ(scan(pattern, game(moves(clean))).ownMatch, 23);
  // A point emptied by a capture before the pattern's position spoils only the positions while it is occupied.
  const auto captured = patternOf(game(";B[ba];W[aa];B[ab]"), 3, std::array<int, 4>{0, 0, 2, 2});
  EXPECT_EQ(captured.patternValue[point(0, 0)], search::kWasCaptured);
  EXPECT_EQ(scan(captured, game(";B[ba];W[aa];B[ab]")).ownMatch, 3);
}

TEST(SearchScanTest, TheRangeHoldsItsLastRowAndColumnAndTheFollowUpInsideItSkipsMovesElsewhere) {
  const auto pattern = patternOf(game(moves({"dd", "fc"})), 2, std::array<int, 4>{0, 0, 6, 6});
  ASSERT_EQ(pattern.rangeStones, 2);
  const std::string target = game(moves({"dd", "fc", "jp", "qq", "ce"}));
  EXPECT_EQ(text(scan(pattern, target)), "own 2/0 exchanged -1 next 3 B@9-15");
  EXPECT_EQ(text(scan(pattern, target, {.nextWithin = true})), "own 2/0 exchanged -1 next 5 B@2-4");
  // A white stone on the range's last row, then on its last column: without it the game matches only half.
  for (const char* edge : {"ce", "ec"}) {
    const auto edged = patternOf(game(moves({"dd", edge})), 2, std::array<int, 4>{0, 0, 4, 4});
    EXPECT_EQ(edged.rangeStones, 2) << edge;
    EXPECT_EQ(scan(edged, game(moves({"dd", edge}))).ownMatch, 2) << edge;
    EXPECT_FALSE(scan(edged, game(moves({"dd", "pp"}))).found()) << edge;
  }
}

TEST(GameOutcomeTest, ResultsAndRates) {
  using enum search::GameOutcome;
  const std::pair<std::u16string_view, search::GameOutcome> results[] = {
      {u"黒中押し勝ち", BlackWin}, {u"黑胜", BlackWin},  {u"白3目半勝", WhiteWin}, {u"W+R", WhiteWin},
      {u"b+0.5", BlackWin},        {u"ジゴ", Undecided}, {u"黒番", Undecided},     {u"Void", Undecided}};
  for (const auto& [text, outcome] : results) EXPECT_EQ(search::readOutcome(text), outcome) << utf16ToUtf8(text);
  // Half a thousandth rounds up, and only all wins show 1.000.
  const std::tuple<int, int, std::u16string_view> rates[] = {{7, 5, u".583 "}, {1, 1999, u".001 "}, {1999, 1, u".999 "},
                                                             {3, 0, u"1.000"}, {0, 2, u".000 "},    {0, 0, u"---"}};
  for (const auto& [wins, losses, text] : rates) EXPECT_EQ(search::winRateText(wins, losses), text) << wins;
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
  std::u16string listed;
  for (const auto& g : results->games) listed += g.text + (g.listed ? u"|" : u"-|");
  EXPECT_EQ(listed, u"1|-1|-|1|");

  const auto& summary = results->summary;
  EXPECT_EQ(summary.found, 3);
  ASSERT_EQ(summary.candidates.size(), 2u);
  EXPECT_EQ(summary.candidates[0].letter + u"/" + summary.candidates[1].letter, u"Ａ/Ｂ");
  EXPECT_EQ(std::pair(summary.candidates[0].point, summary.candidates[1].point),
            std::pair(point(15, 15), point(3, 15)));

  const std::u16string expectedSummary =
      u"4局中3局 ○：2勝0敗 1.000   □：0勝2敗 .000   白：2局 0勝1敗 .000   黒：1局 0勝1敗 .000 ";
  EXPECT_EQ(results->texts.summary, expectedSummary);
  EXPECT_EQ(results->texts.resultLine, u" 検索結果 (1手目)：" + expectedSummary + u" ");
  EXPECT_EQ(results->texts.followUpLine, u"□次手　Ａ：2局 0勝2敗 .000 　Ｂ：1局 0勝0敗 ---　");
  EXPECT_EQ(results->texts.caption, u"部分図検索［games.gpl］(3例)");
}

TEST_F(PlaylistSearchTest, FixedColoursUseTheShortFormAndThresholdListsPartialMatches) {
  addFourGames();
  const auto results = search::SearchPlaylist(playlist, pattern, {.bwFixed = true, .threshold = 0}, context);
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
