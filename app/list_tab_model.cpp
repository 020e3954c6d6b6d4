#include "app/list_tab_model.h"

#include <array>

#include "app/event_list.h"
#include "app/figure_list.h"
#include "app/list_window.h"
#include "app/view_refresh.h"

namespace mokuza::app {
namespace {

// What each tab does with the user's acts; null where the tab does nothing.
struct TabFunctions {
  ListTab tab;
  ListTabModel (*model)(const Application&);
  void (*clickRow)(Application&, int place, Modifiers);
  ListOutcome (*clickHeader)(Application&, std::string_view key);
  ListOutcome (*moveColumn)(Application&, std::string_view key, int place);
  ListOutcome (*resizeColumn)(Application&, std::string_view key, int width);
  void (*setNumberFixed)(Application&, bool);  // null: the tab has no box "No. 固定"
  bool (*editCell)(Application&, int number, std::string_view key, std::u16string_view text);
  bool playlistControls;
};

// A figure row is chosen for nothing, and only the playlist sorts by a header.
constexpr std::array<TabFunctions, 3> kTabs{{
    {ListTab::Playlist, playlistTabModel, clickPlaylistRow, sortPlaylistByColumn, movePlaylistColumn,
     resizePlaylistColumn, setPlaylistNumberFixed, nullptr, true},
    {ListTab::EventList, eventListModel, clickEventRow, nullptr, moveEventColumn, resizeEventColumn,
     setEventNumberFixed, editEventCell, false},
    {ListTab::FigureList, figureListModel, nullptr, nullptr, moveFigureColumn, resizeFigureColumn, nullptr,
     editFigureCell, false},
}};

constexpr bool tableFollowsTabs() {
  for (std::size_t i = 0; i < kTabs.size(); ++i)
    if (static_cast<std::size_t>(kTabs[i].tab) != i) return false;
  return true;
}
static_assert(tableFollowsTabs());

const TabFunctions& functionsOf(ListTab tab) { return kTabs.at(static_cast<std::size_t>(tab)); }

}  // namespace

ListTabModel listTabModel(const Application& app, ListTab tab) {
  const TabFunctions& functions = functionsOf(tab);
  ListTabModel model = functions.model(app);
  model.tab = tab;
  model.hasNumberFixed = functions.setNumberFixed != nullptr;
  model.playlistControls = functions.playlistControls;
  return model;
}

void clickListRow(Application& app, ListTab tab, int place, Modifiers modifiers) {
  const EventScope scope(app);
  if (const auto click = functionsOf(tab).clickRow) click(app, place, modifiers);
}

ListOutcome clickListHeader(Application& app, ListTab tab, std::string_view key) {
  const EventScope scope(app);
  const auto click = functionsOf(tab).clickHeader;
  return click ? click(app, key) : ListOutcome::Nothing;
}

ListOutcome moveListColumn(Application& app, ListTab tab, std::string_view key, int place) {
  const EventScope scope(app);
  return functionsOf(tab).moveColumn(app, key, place);
}

ListOutcome resizeListColumn(Application& app, ListTab tab, std::string_view key, int width) {
  const EventScope scope(app);
  return functionsOf(tab).resizeColumn(app, key, width);
}

void setListNumberFixed(Application& app, ListTab tab, bool fixed) {
  const EventScope scope(app);
  if (const auto set = functionsOf(tab).setNumberFixed) set(app, fixed);
}

bool editListCell(Application& app, ListTab tab, int number, std::string_view key, std::u16string_view text) {
  const EventScope scope(app);
  const auto edit = functionsOf(tab).editCell;
  return edit && edit(app, number, key, text);
}

}  // namespace mokuza::app
