#pragma once
// Every tab of the list window (the playlist, the event list, the figure
// list) as one kind of data: columns by key, rows with their cells and
// colours, the "No. 固定" box. What the user does on a tab comes in through
// the entry points here, which pass it to the tab it was done on; the window
// draws the model and never asks which tab it shows.

#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "playlist/list_changes.h"
#include "playlist/list_order.h"

namespace mokuza::app {

struct ListTabColumn {
  std::string key;
  std::u16string label;
  int width = 0;
  bool editable = false;
  SortDirection sort = SortDirection::None;  // the header's arrow
  bool operator==(const ListTabColumn&) const = default;
};

struct ListTabRow {
  int number = 0;                     // the playlist record, the move or the figure
  std::vector<std::u16string> cells;  // in the order of the model's columns
  bool selected = false;              // a game chosen, or a move chosen: the board transforms keep to these
  bool shown = false;                 // the shown game, the shown move, or the figure that names it
  bool hit = false;                   // listed by the search whose result is shown
  bool operator==(const ListTabRow&) const = default;
};

struct ListTabModel {
  ListTab tab = ListTab::Playlist;
  std::vector<ListTabColumn> columns;
  std::vector<ListTabRow> rows;   // in display order
  bool hasNumberFixed = false;    // the tab has the box "No. 固定"
  bool numberFixed = false;       // and it is ticked: the number column stays first
  bool playlistControls = false;  // the step buttons, the search panel and its result under the list
  bool operator==(const ListTabModel&) const = default;
};

ListTabModel listTabModel(const Application& app, ListTab tab);

// A click on the row at a place of the tab: alone it chooses the row; with
// Ctrl it adds or removes it; with Shift it chooses the rows from the anchor,
// the row clicked last without Shift, to it.
void clickListRow(Application& app, ListTab tab, int place, Modifiers modifiers);
// A click on a column's header; the playlist sorts by that column.
ListOutcome clickListHeader(Application& app, ListTab tab, std::string_view key);
// A column dragged to another visible place, or its edge to another width.
ListOutcome moveListColumn(Application& app, ListTab tab, std::string_view key, int place);
ListOutcome resizeListColumn(Application& app, ListTab tab, std::string_view key, int width);
// The box "No. 固定".
void setListNumberFixed(Application& app, ListTab tab, bool fixed);
// A value typed into the cell of a row's number and a column's key. False
// when nothing changed; a value that is not taken is said in a message box.
bool editListCell(Application& app, ListTab tab, int number, std::string_view key, std::u16string_view text);

}  // namespace mokuza::app
