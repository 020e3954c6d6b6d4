#include "app/view_refresh.h"

#include <algorithm>
#include <utility>

#include "app/event_list.h"
#include "app/figure_list.h"
#include "app/game_info_session.h"
#include "app/list_menu.h"
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
  const bool samePlaylist = playlist == other.playlist || (playlist && other.playlist && *playlist == *other.playlist);
  return samePlaylist && tab == other.tab && title == other.title && menu == other.menu && table == other.table &&
         selection == other.selection;
}

ListWindowView buildListWindowView(const Application& app, const ListWindowView* unchanged) {
  ListWindowView view;
  view.tab = app.lists.tab;
  view.title = listWindowTitle(app);
  view.menu = buildListMenu(app);
  switch (app.lists.tab) {
    case ListTab::Playlist:
      view.playlist = unchanged && unchanged->playlist ? unchanged->playlist
                                                       : std::make_shared<const PlaylistTabView>(playlistTabView(app));
      break;
    case ListTab::EventList: view.table = eventListModel(app); break;
    case ListTab::FigureList: view.table = figureListModel(app); break;
  }
  view.selection = selectionText(app.playlist);
  return view;
}

void refreshViews(Application& app) {
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
