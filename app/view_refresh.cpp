#include "app/view_refresh.h"

#include <algorithm>
#include <utility>

#include "app/game_info_session.h"
#include "app/list_menu.h"
#include "app/list_window.h"
#include "app/menu_table.h"
#include "app/show.h"
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

ShownFacts shownFacts(const Application& app) {
  return {app.doc.record().pool.get(), app.doc.currentMove(), app.playlist.currentGameIndex,
          app.doc.state.modified,      autoPlayRunning(app),  app.paintState.statusDue};
}

}  // namespace

std::u16string windowTitle(const Application& app) {
  const std::u16string& name = app.doc.state.fileTitle;
  if (name.empty()) return u"Mokuza";
  return name + (app.doc.state.modified ? u"（更新） - Mokuza" : u" - Mokuza");
}

bool ListWindowView::operator==(const ListWindowView& other) const {
  const bool sameTable = table == other.table || (table && other.table && *table == *other.table);
  return sameTable && title == other.title && menu == other.menu && selection == other.selection;
}

ListWindowView buildListWindowView(const Application& app, const ListWindowView* unchanged) {
  ListWindowView view;
  view.title = listWindowTitle(app);
  view.menu = buildListMenu(app);
  // The other tabs show the game, which a narrow event changes.
  const bool keep =
      app.lists.tab == ListTab::Playlist && unchanged && unchanged->table && unchanged->table->tab == ListTab::Playlist;
  view.table = keep ? unchanged->table : std::make_shared<const ListTabModel>(listTabModel(app, app.lists.tab));
  view.selection = selectionText(app.playlist);
  return view;
}

ListWindowView listWindowView(const Application& app) {
  const ListWindowView& told = app.shownViews->list;
  if (app.lists.shown && told.table && told.table->tab == app.lists.tab) return told;
  return buildListWindowView(app);
}

void refreshViews(Application& app) {
  takeShowChanges(app);
  ShownViews& shown = *app.shownViews;
  WindowPort& window = app.window;
  const Reach reach = std::exchange(shown.pending, Reach::Picture);
  const ShownFacts facts = shownFacts(app);
  const ShownFacts before = std::exchange(shown.facts, facts);
  if (reach == Reach::Picture && facts == before) return;
  // The playlist's rows change with the list and with the game shown (its access date).
  const bool listRowsKept =
      reach != Reach::Everything && facts.game == before.game && facts.playlistGame == before.playlistGame;
  tellIfChanged(shown.title, windowTitle(app), [&] { window.setTitle(shown.title); });
  // A move being faded in brings its status line with its first frame.
  if (!app.paintState.statusDue)
    tellIfChanged(shown.status, statusText(app), [&] { window.setStatusText(shown.status); });
  tellIfChanged(app.menus, buildMenuModel(app), [&] { window.menusChanged(); });
  tellIfChanged(shown.panel, buildPanel(app), [&] { window.panelChanged(); });
  // A list window shown again is told everything.
  if (!app.lists.shown) shown.list = {};
  else
    tellIfChanged(shown.list, buildListWindowView(app, listRowsKept ? &shown.list : nullptr),
                  [&] { window.listWindowChanged(); });
  refreshGameInfoDialog(app);
}

EventScope::EventScope(Application& app, Reach reach) : app_(app) {
  ++app_.eventDepth;
  Reach& pending = app_.shownViews->pending;
  pending = std::max(pending, reach);
}

EventScope::~EventScope() {
  // After 終了 closed the window there is nothing left to refresh.
  if (--app_.eventDepth == 0 && !app_.closed) refreshViews(app_);
}

}  // namespace mokuza::app
