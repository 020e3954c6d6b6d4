// The partial-board search as the window drives it: over a playlist of twenty
// corpus games, its result taken on a timer tick, browsed with keys and clicks.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/board_input.h"
#include "app/command_table.h"
#include "app/search_session.h"
#include "core/document/navigation.h"
#include "core/record/text.h"
#include "playback/playlist_games.h"
#include "playlist/list_games.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

class SearchTest : public AppTest {
 protected:
  void SetUp() override {
    if (!listCorpusCopies(*app, folder, 20)) GTEST_SKIP() << "the corpus is absent";
  }
  void show(int row, int move) {
    const int entry = app->playlist.displayOrder.at(static_cast<std::size_t>(row));
    ASSERT_EQ(playback::OpenPlaylistGame(app->playback, entry + 1, u""), OpenOutcome::Opened);
    showMove(app->doc, move);
  }
  // The quadrant of the board holding the first move, at move 1.
  void showCornerRange() {
    show(0, 1);
    const int p = app->doc.lastMovePoint.index, left = p % 19 < 9 ? 0 : 9, top = p / 19 < 9 ? 0 : 9;
    app->inputMode = render::kInputRange;
    app::selectRange(*app, left + top * 19, left + 9 + (top + 9) * 19);
  }
  // Ticks until the search ends, waiting a little between ticks for
  // workers on threads of their own; the list titles shown on the way.
  std::vector<std::u16string> run() {
    std::vector<std::u16string> titles;
    for (int i = 0; i < 10000 && app::searchRunning(*app); ++i) {
      titles.push_back(app::searchListTitle(*app).value_or(u""));
      app->onTimer();
      if (app::searchRunning(*app)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    EXPECT_FALSE(app::searchRunning(*app));
    return titles;
  }
  void key(app::Key k) {
    app->onKeyDown({k, {}, false});
    app->onKeyUp({k, {}, false});
  }
  const search::SearchResults& results() const { return *app::currentSearchResults(*app); }
  const render::SearchDisplay& display() const { return app->search.display; }
  // Which match the board shows.
  std::tuple<int, int, int, int> shownMatch() const {
    return {display().example, display().gameNumber, display().blackMove, display().whiteMove};
  }
};

TEST_F(SearchTest, TheWholeBoardOfAGameFindsThatGameWhileTheTitleCountsTheGames) {
  show(6, 50);
  app::runCommand(*app, app::Command::Playlist);
  const int listChanges = window.listChanges;
  app->ShortcutKeys({app::Key::F, {.ctrl = true}, false}, static_cast<int>(app::ListTab::Playlist), 0);
  const std::vector<std::u16string> titles = run();
  EXPECT_EQ(titles, std::vector<std::u16string>{u"部分図検索　〈list.gpl〉 - 20局中1局目を検索中"})
      << "the search ran on this thread, and the first tick took its result";
  EXPECT_EQ(window.listChanges - listChanges, 2) << "started and ended";
  EXPECT_EQ(results().games.at(6).text, u"50");
  EXPECT_EQ(results().summary.found, 1);
  // The caption and the result area carry the counts and the win and loss figures.
  EXPECT_EQ(app::searchListTitle(*app)->rfind(u"部分図検索［list.gpl］(1例) 検索結果 (50手目)：20局中1局 ○：", 0), 0u);
  const std::vector<std::u16string> area = app::searchResultArea(*app);
  ASSERT_EQ(area.size(), 2u);
  EXPECT_EQ(area[0].rfind(u" 検索結果 (50手目)：20局中1局 ○：", 0), 0u);
  EXPECT_NE(area[1].find(u"次手　Ａ：1局 "), std::u16string::npos);
  ASSERT_TRUE(display().shown);
  EXPECT_EQ(display().gameNumber, 7);
  for (int p = 0; p < 361; ++p)
    ASSERT_EQ(display().stones.at(static_cast<std::size_t>(p)), app->doc.shownPosition.boardGrid.stones[RecordPoint{p}])
        << p;

  // Another list: the result no longer fits it, and the main lines read are dropped.
  EXPECT_EQ(app->search.lines->size(), 20u);
  removeGames(app->playlist, {19});
  EXPECT_EQ(app::currentSearchResults(*app), nullptr);
  ASSERT_TRUE(app::startSearch(*app));
  EXPECT_EQ(app->search.lines->size(), 19u) << "read afresh";
}

TEST_F(SearchTest, ArrowsStepThroughTheMatchesAndEnterOpensTheShownOne) {
  showCornerRange();
  ASSERT_TRUE(app::startSearch(*app));
  run();
  ASSERT_TRUE(display().shown);
  EXPECT_EQ(display().range, results().pattern.range) << "the searched range is tinted";
  ASSERT_GE(display().total, 2);
  const auto first = shownMatch();
  key(app::Key::Right);
  EXPECT_EQ(std::get<0>(shownMatch()), 2);
  EXPECT_NE(shownMatch(), first);
  key(app::Key::Left);
  key(app::Key::Left);
  EXPECT_EQ(shownMatch(), first) << "held at the first match";

  ASSERT_GE(results().summary.candidates.size(), 2u);
  for (int i = display().followMoves; i > 1; --i) key(app::Key::Down);
  EXPECT_EQ(display().followMoves, 1);
  EXPECT_NE(display().candidates[0], -1);
  EXPECT_EQ(display().candidates[1], -1);
  EXPECT_EQ(results().texts.followUpLine.find(u"Ｂ"), std::u16string::npos);
  EXPECT_EQ(app::searchSettings(*app).followUpCount, 1) << "the panel follows";

  key(app::Key::Right);
  const int number = display().gameNumber;
  const search::GameMatch match = results().games.at(static_cast<std::size_t>(number - 1)).match;
  key(app::Key::Enter);
  EXPECT_FALSE(display().shown);
  EXPECT_EQ(app->playlist.currentGameIndex, number);
  EXPECT_TRUE(app->doc.currentMove() == match.ownMatch || app->doc.currentMove() == match.exchangedMatch);
}

TEST_F(SearchTest, AClickOnAFollowUpNarrowsTheResultAndAClickElsewhereLeavesIt) {
  showCornerRange();
  app::setSearchPanelValue(*app, app::SearchField::NextWithin, 1);
  ASSERT_TRUE(app::startSearch(*app));
  run();
  const int found = results().summary.found;
  const search::FollowUpCandidate a = results().summary.candidates.at(0);
  ASSERT_EQ(display().candidates[0], a.point);
  const auto& letters = display().candidates;
  int other = 0;
  while (std::find(letters.begin(), letters.end(), other) != letters.end()) ++other;
  EXPECT_FALSE(app::searchBoardClick(*app, other));
  EXPECT_FALSE(display().shown);

  app::refreshSearchDisplay(*app);
  EXPECT_TRUE(app::searchBoardClick(*app, a.point));
  run();
  EXPECT_LT(results().summary.found, found);
  EXPECT_GE(results().summary.found, a.record.games);
  EXPECT_EQ(results().texts.caption.rfind(u"再検索〔", 0), 0u);
}

// On threads of their own, as in the window: a second search replaces the
// first, Escape drops a running one, and neither another playlist nor the
// end of the program leaves a worker reading what is gone.
TEST_F(SearchTest, SearchesOnThreadsReplaceEachOtherAndEndWithTheListOrTheProgram) {
  app->search.executor = std::make_shared<search::ThreadExecutor>(2);
  PlaylistContext context = app->playlistContext();
  // Fifty games listed in turn under other names, so that a search lasts.
  std::vector<std::u16string> links;
  for (int copy = 1; copy < 50; ++copy)
    for (int i = 0; i < 20; ++i) {
      links.push_back(pathToText(folder / "games" / ("g" + std::to_string(i + 10) + "-" + std::to_string(copy) + ".sgf")));
      fs::create_symlink(folder / "games" / ("g" + std::to_string(i + 10) + ".sgf"), textToPath(links.back()));
    }
  ASSERT_EQ(addGames(context, links), ListOutcome::Done);
  show(6, 50);
  ASSERT_TRUE(app::startSearch(*app));
  show(3, 40);
  ASSERT_TRUE(app::startSearch(*app));
  run();
  EXPECT_EQ(results().pattern.moveNumber, 40);
  EXPECT_EQ(results().summary.found, 50);
  EXPECT_EQ(results().games.at(3).text, u"40");
  EXPECT_EQ(results().games.at(6).text, u"");

  const search::SearchResults before = results();
  show(6, 50);
  ASSERT_TRUE(app::startSearch(*app));
  key(app::Key::Escape);
  EXPECT_FALSE(app::searchRunning(*app));
  EXPECT_TRUE(results().games == before.games);

  ASSERT_TRUE(app::startSearch(*app));
  ASSERT_EQ(createPlaylistAt(context, pathToText(folder / "other.gpl")), ListOutcome::Done);
  app->onTimer();
  EXPECT_FALSE(app::searchRunning(*app)) << "the list searched is gone";

  ASSERT_EQ(openPlaylistFile(context, pathToText(folder / "list.gpl")), ListOutcome::Done);
  ASSERT_TRUE(app::startSearch(*app));
  app.reset();
}

}  // namespace
}  // namespace mokuza::test
