// Every event leaves every open view showing what a fresh build of it shows,
// and the game-information dialog never carries one game's fields into another.

#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/game_info_session.h"
#include "app/list_menu.h"
#include "app/menu_table.h"
#include "app/panel_model.h"
#include "app/status_texts.h"
#include "core/record/text.h"
#include "playlist/list_games.h"
#include "render/render_state.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

// A playlist of two games with different players, game 1 shown, the list
// window, the panel and the game-information dialog open.
class ViewRefreshTest : public AppTest {
 protected:
  void SetUp() override {
    app->layout.geometry = {
        .boardSize = 19, .pitch = 21, .halfPitch = 10, .extent = 19 * 21, .boardLeft = 100, .boardTop = 50};
    games = {write("g1.sgf", "(;GM[1]SZ[19]PB[黒一]PW[白一];B[pd];W[dp])"),
             write("g2.sgf", "(;GM[1]SZ[19]PB[黒二]PW[白二];B[dd];W[pp];B[qq])")};
    PlaylistContext context = app->playlistContext();
    ASSERT_EQ(createPlaylistAt(context, pathToText(folder / "two.gpl")), ListOutcome::Done);
    app::onListDrop(*app, {pathToText(games[0]), pathToText(games[1])});
    ASSERT_EQ(app->playlist.gameCount(), 2);
    app::clickRow(*app, 0, {});
    app::listWindowCommand(*app, app::kOpenListGameCommand);
    openViews();
  }

  void openViews() {
    if (!app->lists.shown) app::runCommand(*app, app::Command::Playlist);
    if (!app->gameInfo) app::openGameInfo(*app, kGameInfoSingle);
  }

  static app::KeyEvent key(app::Key k, bool ctrl = false) {
    app::KeyEvent event;
    event.key = k;
    event.modifiers.ctrl = ctrl;
    return event;
  }
  void press(app::Key k, bool ctrl = false) {
    app->onKeyDown(key(k, ctrl));
    app->onKeyUp(key(k, ctrl));
  }

  // What the fake window holds against what the state builds now.
  void expectViewsFresh(const std::string& event) {
    SCOPED_TRACE(event);
    EXPECT_EQ(utf16ToUtf8(window.title), utf16ToUtf8(app::windowTitle(*app)));
    if (!app->paintState.statusDue) {
      EXPECT_EQ(utf16ToUtf8(window.status), utf16ToUtf8(app::statusText(*app)));
    }
    EXPECT_TRUE(window.menus == app::buildMenuModel(*app)) << "menus";
    EXPECT_TRUE(window.panel == app::buildPanel(*app)) << "panel";
    if (app->lists.shown) {
      EXPECT_TRUE(window.list == app::buildListWindowView(*app)) << "list window";
    }
    if (app->gameInfo && !app->gameInfo->edited) {
      const GameInfoForm fresh = app::beginGameInfo(*app, app->gameInfo->form.mode).form;
      EXPECT_EQ(window.gameInfo.values, fresh.values) << "game information";
      EXPECT_EQ(utf16ToUtf8(window.gameInfo.title), utf16ToUtf8(fresh.title));
    }
  }

  std::vector<fs::path> games;
};

TEST_F(ViewRefreshTest, EveryCommandAndEntryPointLeavesEveryOpenViewFresh) {
  expectViewsFresh("opened");
  for (const app::CommandInfo& command : app::commandTable()) {
    // 終了 takes the window away.
    if (command.command == app::Command::Exit) continue;
    app->DispatchCommand(command.id);
    expectViewsFresh(utf16ToUtf8(command.label));
    openViews();
  }
  for (const app::SubMenuInfo& sub : app::subMenuTable())
    for (int id = sub.firstId; id < sub.firstId + static_cast<int>(sub.items.size()); ++id) {
      app->DispatchCommand(id);
      expectViewsFresh(std::to_string(id));
    }
  app->DispatchCommand(app::kRecentGamesFirstCommand);
  expectViewsFresh("recent game");
  openViews();

  using app::Key;
  for (const Key k : {Key::J, Key::H, Key::Right, Key::Left, Key::Up, Key::Down, Key::C, Key::C, Key::K, Key::K, Key::B,
                      Key::N, Key::S, Key::V, Key::M, Key::F1, Key::F1, Key::Delete}) {
    press(k);
    expectViewsFresh("key " + std::to_string(static_cast<int>(k)));
    openViews();
  }
  for (const Key k : {Key::Z, Key::Y, Key::S, Key::R}) {
    press(k, true);
    expectViewsFresh("ctrl key " + std::to_string(static_cast<int>(k)));
  }

  const app::MousePos board{100 + 3 * 21 + 10, 50 + 15 * 21 + 10};
  app->onMouseMove(board, {});
  app->onLeftDown(board, {});
  app->onLeftUp(board, {});
  expectViewsFresh("click on the board");
  app->onRightDown(board, {});
  for (int tick = 0; tick < 20; ++tick) app->onTimer();
  app->onRightUp(board, {});
  expectViewsFresh("right hold");
  app->onWheel(-2, {});
  expectViewsFresh("wheel");
  for (int id = app::kPassButton; id <= app::kPassButton + 12; ++id) {
    app->onPanelCommand(id);
    expectViewsFresh("panel " + std::to_string(id));
  }
  app->onPanelCommand(render::kInputPlay);
  app->onPanelTabChanged(app::kSettingsPage);
  expectViewsFresh("panel page");
  app->onDrop({pathToText(games[1])}, board);
  expectViewsFresh("drop");
  app::runCommand(*app, app::Command::AutoPlay);
  for (int tick = 0; tick < 200; ++tick) {
    app->onTimer();
    app->paint();
  }
  expectViewsFresh("show ticks");
  // Events that usually change only the picture change more here.
  app->onKeyDown(key(Key::Left));
  app->onWheel(-1, {});
  app->onTimer();
  app->paint();
  expectViewsFresh("display time during the show");
  if (app::autoPlayRunning(*app)) app::runCommand(*app, app::Command::AutoPlay);
  press(Key::R, true);
  const render::BoardGeometry& g = app->layout.geometry;
  const auto at = [&g](int x, int y) {
    return app::MousePos{g.boardLeft + x * g.pitch + g.halfPitch, g.boardTop + y * g.pitch + g.halfPitch};
  };
  app->onLeftDown(at(3, 3), {});
  app->onMouseMove(at(5, 4), {});
  ASSERT_TRUE(app->doc.state.selection.active);
  expectViewsFresh("range drag");
  app->onLeftUp(at(5, 4), {});
  press(Key::Escape);
  press(Key::F, true);
  expectViewsFresh("search started");
  app->onTimer();
  expectViewsFresh("search ended");
  ASSERT_TRUE(app->search.display.shown);
  for (const Key k : {Key::Right, Key::Up, Key::Left}) {
    press(k);
    expectViewsFresh("search result key " + std::to_string(static_cast<int>(k)));
  }
}

// The dialog opened on game 1, J, then OK and save: game 2 keeps its players,
// and what was typed for game 1 goes nowhere.
TEST_F(ViewRefreshTest, GameInformationFollowsTheShownGameAndOkWritesOnlyIntoIt) {
  app::editGameInfoField(*app, kBlackPlayerField, u"書き換え");
  press(app::Key::J);
  ASSERT_EQ(app->doc.record().header(u"黒対局者"), u"黒二");
  EXPECT_EQ(window.gameInfo.values[kBlackPlayerField], u"黒二") << "the dialog shows the game shown";
  ASSERT_EQ(app::applyGameInfoSession(*app), GameInfoOutcome::Applied);
  press(app::Key::S, true);
  const std::string saved = readFileBytes(games[1]).value_or("");
  EXPECT_NE(saved.find("PB[黒二]"), std::string::npos) << saved;
  EXPECT_NE(saved.find("PW[白二]"), std::string::npos) << saved;
  EXPECT_EQ(saved.find("書き換え"), std::string::npos);
  EXPECT_EQ(readFileBytes(games[0]).value_or("").find("書き換え"), std::string::npos);

  // Typing stays while its game is shown, whatever else changes.
  app::openGameInfo(*app, kGameInfoSingle);
  app::editGameInfoField(*app, kWhitePlayerField, u"入力中");
  press(app::Key::Right);
  EXPECT_EQ(app->gameInfo->form.values[kWhitePlayerField], u"入力中");
}

}  // namespace
}  // namespace mokuza::test
