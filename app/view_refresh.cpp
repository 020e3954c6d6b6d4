#include "app/view_refresh.h"

#include "app/game_info_session.h"
#include "app/list_menu.h"
#include "app/list_window.h"
#include "app/menu_table.h"
#include "app/status_texts.h"
#include "playlist/list_texts.h"

namespace mokuza::app {
namespace {

template <typename View, typename Tell>
void tellIfChanged(View& shown, View&& fresh, Tell tell) {
  if (fresh == shown) return;
  shown = std::move(fresh);
  tell();
}

// The dialog follows the game shown; what the user typed stays while the
// game it was typed for is shown, and goes with it, so OK never writes one
// game's information into another.
void refreshGameInfoDialog(Application& app) {
  if (!app.gameInfo) return;
  GameInfoSession& open = *app.gameInfo;
  const bool single = open.form.mode == kGameInfoSingle;
  const bool sameGame = !single || open.game.lock() == app.doc.record().pool;
  if (open.edited && sameGame) return;
  GameInfoSession fresh = beginGameInfo(app, open.form.mode);
  if (sameGame && fresh.form == open.form) return;
  open = std::move(fresh);
  app.window.gameInfoChanged();
}

}  // namespace

std::u16string windowTitle(const Application& app) {
  const std::u16string& name = app.doc.state.fileTitle;
  if (name.empty()) return u"Mokuza";
  return name + (app.doc.state.modified ? u"（更新） - Mokuza" : u" - Mokuza");
}

ListWindowView buildListWindowView(const Application& app) {
  ListWindowView view;
  view.title = listWindowTitle(app);
  view.menu = buildListMenu(app);
  view.table = listTabModel(app, app.lists.tab);
  view.selection = selectionText(app.playlist);
  return view;
}

void refreshViews(Application& app) {
  ShownViews& shown = *app.shownViews;
  WindowPort& window = app.window;
  tellIfChanged(shown.title, windowTitle(app), [&] { window.setTitle(shown.title); });
  // A move being faded in brings its status line with its first frame.
  if (!app.paintState.statusDue)
    tellIfChanged(shown.status, statusText(app), [&] { window.setStatusText(shown.status); });
  tellIfChanged(app.menus, buildMenuModel(app), [&] { window.menusChanged(); });
  tellIfChanged(shown.panel, buildPanel(app), [&] { window.panelChanged(); });
  // A list window shown again is told everything.
  if (!app.lists.shown) shown.list = {};
  else tellIfChanged(shown.list, buildListWindowView(app), [&] { window.listWindowChanged(); });
  refreshGameInfoDialog(app);
}

EventScope::EventScope(Application& app) : app_(app) { ++app_.eventDepth; }

EventScope::~EventScope() {
  // After 終了 closed the window there is nothing left to refresh.
  if (--app_.eventDepth == 0 && !app_.closed) refreshViews(app_);
}

}  // namespace mokuza::app
