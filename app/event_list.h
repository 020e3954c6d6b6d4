#pragma once
// The event list tab of the list window: one row per move of the current
// line with its name, comment, times, notes and resonance. Editing a cell
// changes the move's record as every edit of the game does.

#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "app/list_tabs.h"

namespace mokuza::app {

// Every column the tab knows, in the order a first start shows them.
std::span<const TabColumnInfo> eventListColumns();

// Rows for moves 1 .. moveCount.
ListTabModel eventListModel(const Application& app);
// The text of one cell; empty for a move off the line or a key the list does
// not know.
std::u16string eventCellText(const Application& app, int move, std::string_view key);

// The moves chosen by clicks on the rows (the row at place p is move p + 1);
// the board shows the move clicked.
void clickEventRow(Application& app, int place, Modifiers modifiers);
// The moves chosen in the shown game; none once another game was loaded.
const std::set<int>& chosenEventMoves(const Application& app);

// A value typed into a cell: the comment, a time in seconds, or a note value
// (the one asked for; the music mode makes the one played from it). False
// when nothing changed; a value that is not taken is said in a message box.
bool editEventCell(Application& app, int move, std::string_view key, std::u16string_view text);

ListOutcome resizeEventColumn(Application& app, std::string_view key, int width);
ListOutcome moveEventColumn(Application& app, std::string_view key, int place);
// The check box "No. 固定" ("ev_number_fixed").
void setEventNumberFixed(Application& app, bool fixed);

}  // namespace mokuza::app
