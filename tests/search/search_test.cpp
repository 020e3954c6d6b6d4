#include <gtest/gtest.h>

#include "search/game_scan.h"
#include "search/player_stats.h"
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
  EXPECT_FALSE(scan(pattern, game(moves(spoiled))).found());
  EXPECT_EQ(scan(pattern, game(moves(clean))).ownMatch, 23);
  // A point emptied by a capture before the pattern's position spoils only the positions while it is occupied.
  const auto captured = patternOf(game(";B[ba];W[aa];B[ab]"), 3, std::array<int, 4>{0, 0, 2, 2});
  EXPECT_EQ(captured.patternValue[point(0, 0)], search::kWasCaptured);
  EXPECT_EQ(scan(captured, game(";B[ba];W[aa];B[ab]")).ownMatch, 3);
}

TEST(SearchScanTest, TheRangeHoldsItsLastRowAndColumnAndTheFollowUpInsideItSkipsMovesElsewhere) {
  const auto pattern = patternOf(game(moves({"dd", "fc"})), 2, std::array<int, 4>{0, 0, 6, 6});
  const std::string target = game(moves({"dd", "fc", "jp", "qq", "ce"}));
  EXPECT_EQ(text(scan(pattern, target)), "own 2/0 exchanged -1 next 3 B@9-15");
  EXPECT_EQ(text(scan(pattern, target, {.nextWithin = true})), "own 2/0 exchanged -1 next 5 B@2-4");
  // A white stone on the range's last row, then on its last column: without it the game matches only half.
  for (const char* edge : {"ce", "ec"}) {
    const auto edged = patternOf(game(moves({"dd", edge})), 2, std::array<int, 4>{0, 0, 4, 4});
    EXPECT_EQ(scan(edged, game(moves({"dd", edge}))).ownMatch, 2) << edge;
    EXPECT_FALSE(scan(edged, game(moves({"dd", "pp"}))).found()) << edge;
  }
}

TEST(GameOutcomeTest, ResultsAndRates) {
  using enum search::GameOutcome;
  const std::pair<std::u16string_view, search::GameOutcome> results[] = {
      {u"黑胜", BlackWin}, {u"白3目半勝", WhiteWin}, {u"b+0.5", BlackWin}, {u"黒番", Undecided}, {u"Void", Undecided}};
  for (const auto& [text, outcome] : results) EXPECT_EQ(search::readOutcome(text), outcome) << utf16ToUtf8(text);
  // Half a thousandth rounds up, and only all wins show 1.000.
  const std::tuple<int, int, std::u16string_view> rates[] = {
      {7, 5, u".583 "}, {1, 1999, u".001 "}, {1999, 1, u".999 "}};
  for (const auto& [wins, losses, text] : rates) EXPECT_EQ(search::winRateText(wins, losses), text) << wins;
}

class PlaylistSearchTest : public SearchFolderTest {
 protected:
  // One black stone on a 4-4 point.
  search::SearchPattern pattern = patternOf(game(moves({"dd"})), 1);
  naming::MoveClassifier classifier;
  std::shared_ptr<search::MainLineCache> lines = std::make_shared<search::MainLineCache>();
  search::SynchronousExecutor executor;
  search::SearchContext context{classifier, lines, executor};
};

// The results as the window shows them: each game's cell ("-" when not
// listed), the follow-up candidates on the board, then the caption, the result
// line and the follow-up line.
std::string report(const SearchResults& results) {
  std::u16string out;
  for (const auto& g : results.games) out += g.text + (g.listed ? u"|" : u"-|");
  out += u"\n";
  for (const auto& c : results.summary.candidates)
    out += c.letter + utf8ToUtf16(std::to_string(c.point % 19) + "-" + std::to_string(c.point / 19) + " ");
  return utf16ToUtf8(out + u"\n" + results.texts.caption + u"\n" + results.texts.resultLine + u"\n" +
                     results.texts.followUpLine);
}

TEST_F(PlaylistSearchTest, ResultsSummaryFollowUpsAndReSearch) {
  addGame(game(moves({"dd", "pp"}), "黒中押し勝ち"));  // own colours, White answers on pp
  addGame(game(moves({"pp", "dd"}, false), "W+R"));    // exchanged colours, answered on the same point
  addGame(game(moves({"cc"}), "ジゴ"));                // no match
  addGame(game(moves({"dd", "dp"}), "ジゴ"));
  const auto results = search::searchPlaylist(playlist, pattern, {}, context);
  ASSERT_TRUE(results);
  EXPECT_EQ(report(*results), R"(1|-1|-|1|
Ａ15-15 Ｂ3-15 
部分図検索［games.gpl］(3例)
 検索結果 (1手目)：4局中3局 ○：2勝0敗 1.000   □：0勝2敗 .000   白：2局 0勝1敗 .000   黒：1局 0勝1敗 .000  
□次手　Ａ：2局 0勝2敗 .000 　Ｂ：1局 0勝0敗 ---　)");

  // Fixed colours: the exchanged game is no match and the summary takes the short form.
  const auto fixed = search::searchPlaylist(playlist, pattern, {.bwFixed = true, .threshold = 0}, context);
  ASSERT_TRUE(fixed);
  EXPECT_EQ(report(*fixed), R"(1| 0％| 0％|1|
Ａ3-15 Ｂ15-15 
部分図検索［games.gpl］(2例)
 検索結果 (1手目)：4局中2局 黒：1勝0敗 1.000  白：0勝1敗 .000   
□次手　Ａ：1局 0勝0敗 ---　Ｂ：1局 0勝1敗 .000 　)");

  EXPECT_FALSE(search::searchWithAddedMove(playlist, *results, point(3, 3), context)) << "an occupied point";
  // The two stones are their own colour-exchanged half turn, and game 2 reaches them in another order.
  const auto again = search::searchWithAddedMove(playlist, *results, point(15, 15), context);
  ASSERT_TRUE(again);
  EXPECT_EQ(report(*again), R"( 2・2| 2・2|-|-|

再検索〔白2手目16-16追加〕［games.gpl］(2例)
 検索結果 (2手目)：4局中2局 ○：1勝1敗 .500    □：1勝1敗 .500   黒：2局 1勝1敗 .500   白：0局 0勝0敗 --- 
○次手　)");
}

TEST_F(PlaylistSearchTest, TheFlagIsClearedAfterSearchingUnreadableGamesMatchNothingAndChangedFilesAreReadAgain) {
  EXPECT_FALSE(search::searchPlaylist(playlist, pattern, {}, context)) << "an empty playlist";
  const int first = addGame(game(moves({"dd"})));
  EXPECT_FALSE(
      search::searchPlaylist(playlist, patternOf(game(moves({"dd"})), 1, std::array<int, 4>{5, 5, 4, 4}), {}, context))
      << "a range without points";
  const int missing = addGame(game(moves({"dd"})));
  fs::remove(textToPath(FilePath(playlist.entries[static_cast<std::size_t>(missing)], kSgfFileLabel)));
  const auto results = search::searchPlaylist(playlist, pattern, {}, context);
  ASSERT_TRUE(results);
  EXPECT_FALSE(classifier.searchActive);
  EXPECT_EQ(report(*results).substr(0, 5), "1|-|\n") << "the unreadable game matches nothing";
  EXPECT_FALSE(results->games[1].readable);

  std::ofstream(textToPath(FilePath(playlist.entries[static_cast<std::size_t>(first)], kSgfFileLabel)),
                std::ios::binary)
      << game(moves({"cc", "pp"}));
  EXPECT_FALSE(search::searchPlaylist(playlist, pattern, {}, context)->games[0].match.found());
  EXPECT_EQ(lines->size(), 1u);
}

// Players and their aliases over a playlist.
class PlayerStatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    add(u"Honinbo Shusaku", u"Ota Yuzo", u"B+2");
    add(u"Ota Yuzo", u"Shusaku", u"W+R");
    add(u"Kuwahara Shusaku", u"Gennan Inseki", u"黒中押し勝ち");
    add(u"Gennan Inseki", u"Honinbo Shusaku", u"ジゴ");
  }
  void add(std::u16string black, std::u16string white, std::u16string result) {
    PlaylistEntry entry;
    entry.textFields = {{u"黒対局者", std::move(black)}, {u"白対局者", std::move(white)}, {u"結果", std::move(result)}};
    playlist.entries.push_back(entry);
    playlist.displayOrder.push_back(static_cast<int>(playlist.entries.size()) - 1);
  }
  std::u16string record(int entry, int side) { return search::playerDetails(playlist, entry, side).recordLine; }

  Playlist playlist;
  const std::u16string main = u"Honinbo Shusaku";
};

TEST_F(PlayerStatsTest, AliasesJoinThePlayersGames) {
  EXPECT_EQ(search::playerDetails(playlist, 0, 1).nameLine, u"PlayerName：Honinbo Shusaku");
  EXPECT_EQ(record(0, 1), u"2対局1勝0敗");
  const auto outcome = search::addAliases(playlist, main, {u"Shusaku", u"Kuwahara Shusaku"}, 10);
  EXPECT_TRUE(outcome.changed);
  EXPECT_EQ(record(0, 1), u"4対局3勝0敗") << "a win as White under another name, a draw decides nothing";
  EXPECT_EQ(record(3, -1), record(1, -1)) << "every name of the player gives the same record";
  EXPECT_EQ(record(0, -1), u"2対局0勝2敗");
}

TEST_F(PlayerStatsTest, RefusalsChangeNothing) {
  playlist.aliasGroups.push_back({{u"Gennan Inseki", u"Inseki"}});
  const auto before = playlist.aliasGroups;
  EXPECT_EQ(search::addAliases(playlist, main, {u"Shusaku", u"Ota Yuzo"}, 10).message, u"対局相手は選べません");
  EXPECT_EQ(search::addAliases(playlist, main, {main}, 10).message, u"メインネームは選べません");
  EXPECT_EQ(search::addAliases(playlist, u"Ota Yuzo", {u"Gennan Inseki"}, 10).message,
            u"すでに別名を持つ対局者は選べません");
  EXPECT_EQ(search::addAliases(playlist, main, {u"Shusaku", u"Kuwahara Shusaku"}, 1).message, u"別名指定は1名までです");
  EXPECT_EQ(playlist.aliasGroups, before);
}

TEST_F(PlayerStatsTest, TheLimitKeepsEveryNameStorableAndAnAliasMovesToItsNewPlayer) {
  EXPECT_EQ(search::aliasLimit(10), 10);
  EXPECT_EQ(search::aliasLimit(-1), 13);
  EXPECT_EQ(search::aliasLimit(1000), 13) << "a playlist file stores 14 names per group";
  playlist.aliasGroups.push_back({{u"Gennan Inseki", u"Inseki"}});
  EXPECT_TRUE(search::addAliases(playlist, u"Ota Yuzo", {u"Inseki"}, 10).changed);
  ASSERT_EQ(playlist.aliasGroups.size(), 1u) << "a group left with one name is dropped";
  EXPECT_EQ(playlist.aliasGroups[0].names, (std::vector<std::u16string>{u"Ota Yuzo", u"Inseki"}));
}

}  // namespace
}  // namespace mokuza::test
