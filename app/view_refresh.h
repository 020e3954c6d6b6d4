#pragma once
// The one refresh after every event: each entry point of the application
// ends here, and every open view (title, status line, menus, side panel, list
// window, game-information dialog) is brought up to date from the state. A
// view is told only when what it shows differs from what it was last given.

#include <string>

#include "app/application.h"
#include "app/list_tab_model.h"
#include "app/panel_model.h"

namespace mokuza::app {

// What the list window shows: its title, menus, the table of its shown tab
// and the selection line.
struct ListWindowView {
  std::u16string title;
  MenuModel menu;
  ListTabModel table;  // the tab shown
  std::u16string selection;
  bool operator==(const ListWindowView&) const = default;
};

struct ShownViews {
  std::u16string title;
  std::u16string status;
  MenuModel menus;
  PanelModel panel;
  ListWindowView list;
};

std::u16string windowTitle(const Application& app);
ListWindowView buildListWindowView(const Application& app);

void refreshViews(Application& app);

// Runs the refresh when the outermost entry point under way ends, so an
// event that passes through several entry points refreshes once.
class EventScope {
 public:
  explicit EventScope(Application& app);
  ~EventScope();
  EventScope(const EventScope&) = delete;
  EventScope& operator=(const EventScope&) = delete;

 private:
  Application& app_;
};

}  // namespace mokuza::app
