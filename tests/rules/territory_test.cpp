#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "core/record/text.h"
#include "core/rules/info_text.h"
#include "core/rules/territory.h"
#include "tests/rules/rules_test_support.h"

namespace mokuza::test {
namespace {

// A record counted at its last position.
class TerritoryTest : public ::testing::Test {
 protected:
  void count(std::u16string_view sgf) {
    game.play(sgf);
    restorePosition(game.board, game.board.history.computed() - 1);
    counting = CountingState{};
    ASSERT_TRUE(ToggleCountingMode(counting, game.board));
  }
  const GridGeometry& geometry() const { return game.board.geometry; }
  void click(std::string_view p) { MarkDead(counting, game.board, geometry().unbordered(borderedAt(geometry(), p))); }

  // The board as the count sees it: X O live stones, x o dead ones, and each
  // empty point by its region: + Black's, - White's, . neutral, ? undecided,
  // and , where nothing was counted. The score line and the short result follow.
  std::string report() const {
    BorderedArray<int> owner;
    owner.fill(1000);
    for (const Region& region : counting.regions)
      region.points.forEach([&](BorderedPoint b) { owner[b] = region.owner; });
    std::string text = "\n";
    for (int y = 0; y < geometry().n; ++y) {
      for (int x = 0; x < geometry().n; ++x) {
        const BorderedPoint b = geometry().bordered(x, y);
        const int stone = game.board.position.playGrid[b];
        const bool dead = counting.deadStones.contains(b);
        const int o = owner[b];
        char c = ',';
        if (stone == kStoneBlack) c = dead ? 'x' : 'X';
        else if (stone == kStoneWhite) c = dead ? 'o' : 'O';
        else if (o == kStoneBlack) c = '+';
        else if (o == kStoneWhite) c = '-';
        else if (o == kRegionNeutral) c = '.';
        else if (o == kRegionUndecided) c = '?';
        text += c;
        text += x + 1 < geometry().n ? ' ' : '\n';
      }
    }
    return text + scoreLine() + "\n";
  }
  // The score text and the short result, as "text(result)".
  std::string scoreLine() const {
    const Score score = computeScore(counting, game.board, parseKomiTenths(game.record.header(u"コミ")));
    return utf16ToUtf8(ScoreText(score)) + "(" + utf16ToUtf8(ShortResult(score)) + ")";
  }

  ReplayedGame game;
  CountingState counting;
};

TEST_F(TerritoryTest, AreasGoToTheColourThatAloneSurroundsThem) {
  count(
      u"(;SZ[7]AB[ba][da][ab][bb][db][dc][ad][bd][cd][dd][fe][bg]"
      u"AW[ea][eb][ec][fc][gc][ed][ae][be][ce][de][ee][ge])");
  // The left area is found as two pieces that meet at cc; the single black
  // stone at fe keeps both white areas beside it neutral.
  const std::string before = report();
  EXPECT_EQ(before, R"(
+ X + X O - -
X X + X O - -
+ + + X O O O
X X X X O . .
O O O O O X O
. . . . . . .
. X . . . . .
黒：地6　アゲハマ0+0　計6目　　白：地4　アゲハマ0+0　コミ0.0　計4.0目　〈結果〉黒2.0目勝ち　　(B+2.0)
)");

  // Clicking one black stone marks every black chain that borders the same
  // areas: bg sits in the lower area next to fe.
  click("fe");
  const std::string marked = report();
  EXPECT_EQ(marked, R"(
+ X + X O - -
X X + X O - -
+ + + X O O O
X X X X O - -
O O O O O x O
- - - - - - -
- x - - - - -
黒：地6　アゲハマ0+0　計6目　　白：地21　アゲハマ0+2　コミ0.0　計23.0目　〈結果〉白17.0目勝ち　　(W+17.0)
)");

  // An empty point changes nothing; a click on a dead stone brings back
  // what its marking marked, and marking again gives the same count.
  click("aa");
  EXPECT_EQ(report(), marked);
  click("bg");
  EXPECT_EQ(report(), before);
  click("bg");
  EXPECT_EQ(report(), marked);
  // Leaving and entering counting mode forgets the marks.
  EXPECT_FALSE(ToggleCountingMode(counting, game.board));
  EXPECT_TRUE(ToggleCountingMode(counting, game.board));
  EXPECT_EQ(report(), before);
}

TEST_F(TerritoryTest, KomiSettlesTheCount) {
  // Black: 10 points of area, two of them dead white stones; White: 5 points.
  const std::u16string close = u"SZ[5]AB[ca][cb][cc][cd][ce]AW[aa][ae][da][db][dc][dd][de])";
  const std::pair<std::u16string, const char*> cases[] = {
      {u"(;KM[6.5]" + close,
       "黒：地10　アゲハマ0+2　計12目　　白：地5　アゲハマ0+0　コミ6.5　計11.5目　〈結果〉黒0.5目勝ち　　(B+0.5)"},
      {u"(;KM[7]" + close,
       "黒：地10　アゲハマ0+2　計12目　　白：地5　アゲハマ0+0　コミ7.0　計12.0目　〈結果〉ジゴ　　(0)"},
      // A reverse komi keeps its sign below one point.
      {u"(;SZ[3]KM[-0.5])",
       "黒：地0　アゲハマ0+0　計0目　　白：地0　アゲハマ0+0　コミ-0.5　計-0.5目　〈結果〉黒0.5目勝ち　　(B+0.5)"},
      // An empty board is one undecided area: komi alone decides.
      {u"(;SZ[5]KM[6.5])",
       "黒：地0　アゲハマ0+0　計0目　　白：地0　アゲハマ0+0　コミ6.5　計6.5目　〈結果〉白6.5目勝ち　　(W+6.5)"},
  };
  for (const auto& [sgf, score] : cases) {
    count(sgf);
    click("aa");
    EXPECT_EQ(scoreLine(), score);
  }
}

TEST(KomiTest, KomiIsReadAsTenthsOfAPoint) {
  for (const auto& [text, tenths] :
       {std::pair<const char16_t*, int>{u" 5.5 ", 55}, {u"0.75", 7}, {u"６目半", 65}, {u"半目", 5}, {u"7 points", 70}})
    EXPECT_EQ(parseKomiTenths(text), tenths) << utf16ToUtf8(text);
  for (const char16_t* bad : {u"abc", u"目半", u"99999999"}) EXPECT_EQ(parseKomiTenths(bad), 0) << utf16ToUtf8(bad);
}

TEST_F(TerritoryTest, RangeModeCountsOnlyTheSelection) {
  // Black takes the white stone at aa (inside the range), White the black
  // stone at ee (outside it).
  count(u"(;SZ[5]KM[6.5]AB[ba][ee][cc]AW[aa][de];B[ab];W[ed])");
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 2; ++x) counting.selection.insert({x + y * 5});
  counting.rangeMode = true;
  CountTerritory(counting, game.board);
  // A stone outside the range can be marked, but does not count in it.
  click("de");
  EXPECT_EQ(report(), R"(
+ X , , ,
X + , , ,
+ + X , ,
+ + , , O
+ + , o ,
黒：地8　アゲハマ1+0　計9目　　白：地0　アゲハマ0+0　計0目　〈結果〉黒+9目　　()
)");
}

// Finished professional games decided by counting: territory, prisoners and
// the opponent's dead stones against the game's komi give the recorded
// result, with the dead stones marked by the clicks a player would make.
TEST_F(TerritoryTest, FinishedProGamesScoreAsRecorded) {
  struct Game {
    const char* file;
    std::vector<const char*> clicks;
    std::vector<std::string> dead;
  };
  const std::vector<Game> games{
      // No dead stones at all: the board is counted as it stands.
      {"Nie_Weiping_Cup/03_9.sgf", {}, {}},
      // A three-stone white chain on the right and a black stone in White's corner.
      {"Yugen/02_69.sgf", {"pk", "ns"}, {"ns", "pk", "pl", "pm"}},
      // One click takes a whole dead group of nine stones.
      {"Go_Seigen_Cup/07_T01.sgf", {"fc"}, {"fc", "gf", "hf", "id", "ie", "if", "jf", "kf", "lf"}},
  };
  const std::filesystem::path folder = std::filesystem::path(MOKUZA_CORPUS_DIR) / "pro" / "aeb";
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
  for (const Game& g : games) {
    SCOPED_TRACE(g.file);
    const auto bytes = readFileBytes(folder / g.file);
    ASSERT_TRUE(bytes);
    count(decodeBytes(*bytes, TextKind::GameRecord));
    for (const char* p : g.clicks) click(p);
    EXPECT_EQ(names(geometry(), counting.deadStones), g.dead);
    EXPECT_THAT(scoreLine(), ::testing::EndsWith("(" + utf16ToUtf8(game.record.header(u"結果")) + ")"));
  }
}

}  // namespace
}  // namespace mokuza::test
