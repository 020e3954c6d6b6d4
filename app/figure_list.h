#pragma once
// The figure list tab with its term editor: the rows of the figure table,
// whose order is the naming priority (a higher number wins). An edit makes a
// new table, with which the moves of the game are named again; the table goes
// to "figure.gfg" when the program closes.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "app/list_tabs.h"

namespace mokuza::app {

// Every column the tab knows, in the order a first start shows them.
std::span<const TabColumnInfo> figureListColumns();

// Rows in figure order.
ListTabModel figureListModel(const Application& app);
// The text of one cell; empty for a figure or key the table does not have.
std::u16string figureCellText(const Application& app, int figure, std::string_view key);

// A value typed into a cell: a name, a number (the row takes that place in
// the priority) or a music value. False when nothing changed; a value that is
// not taken is said in a message box.
bool editFigureCell(Application& app, int figure, std::string_view key, std::u16string_view text);
// The row to another place in the priority, held to the table; the buttons
// that raise and lower a row move it by one.
bool moveFigureRow(Application& app, int figure, int place);

ListOutcome resizeFigureColumn(Application& app, std::string_view key, int width);
ListOutcome moveFigureColumn(Application& app, std::string_view key, int place);

}  // namespace mokuza::app
