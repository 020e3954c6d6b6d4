#pragma once
// The one refresh after every event: each entry point of the application
// ends here, and every open view (title, status line, menus, side panel, list
// window, game-information dialog) is brought up to date from the state. A
// view is told only when what it shows differs from what it was last given.

#include <memory>
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
  // The tab shown; the playlist's is shared with the last refresh while nothing it shows changed.
  std::shared_ptr<const ListTabModel> table;
  std::u16string selection;
  bool operator==(const ListWindowView& other) const;
};

// What an entry point may change. Most may change anything. Pointer events
// and steps change the game and what points at it, not the playlist; a paint
// and a tick of the show only the picture and the shown move. The narrower
// the reach, the less the refresh builds: a tick that changed nothing the
// views show costs a comparison of a few numbers.
enum class Reach { Picture, Game, Everything };

// The few facts a narrow event can change that the views show.
struct ShownFacts {
  const void* game = nullptr;  // the record's string pool: every load gives a new one
  int move = -1;
  int playlistGame = 0;
  bool modified = false;
  bool autoPlay = false;
  bool statusDue = false;
  bool operator==(const ShownFacts&) const = default;
};

struct ShownViews {
  std::u16string title;
  std::u16string status;
  MenuModel menus;
  PanelModel panel;
  ListWindowView list;
  ShownFacts facts;
  Reach pending = Reach::Everything;  // of the entry points under way, and of a start
};

std::u16string windowTitle(const Application& app);
// The list window's view; the playlist tab's rows come from `unchanged` when
// it is given and shows the same tab.
ListWindowView buildListWindowView(const Application& app, const ListWindowView* unchanged = nullptr);
// What the list window was last told to show, so that it builds nothing
// again; built now when it was told nothing for the tab it shows.
ListWindowView listWindowView(const Application& app);

void refreshViews(Application& app);

// Runs the refresh when the outermost entry point under way ends, so an
// event that passes through several entry points refreshes once, with the
// widest reach of them.
class EventScope {
 public:
  explicit EventScope(Application& app, Reach reach = Reach::Everything);
  ~EventScope();
  EventScope(const EventScope&) = delete;
  EventScope& operator=(const EventScope&) = delete;

 private:
  Application& app_;
};

}  // namespace mokuza::app
