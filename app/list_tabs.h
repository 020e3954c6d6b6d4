#pragma once
// What the event-list and figure-list tabs share: their columns from a layout
// kept as settings text, and the checks of a value typed into a cell.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "app/list_tab_model.h"

namespace mokuza::app {

// A column a tab can show.
struct TabColumnInfo {
  std::string_view key;
  std::u16string_view label;
  int width = 0;  // until the user sets one
  bool editable = false;
};

// Rows first .. last, each cell from cellText(number, key).
template <typename CellText>
void fillTabRows(ListTabModel& model, int first, int last, CellText&& cellText) {
  model.rows.reserve(static_cast<std::size_t>(std::max(last - first + 1, 0)));
  for (int number = first; number <= last; ++number) {
    ListTabRow& row = model.rows.emplace_back();
    row.number = number;
    row.cells.reserve(model.columns.size());
    for (const ListTabColumn& column : model.columns) row.cells.push_back(cellText(number, column.key));
  }
}

// The visible columns in their order. The stored layout gives the order, the
// widths and the hidden columns; keys the tab does not know are dropped and
// columns the layout lacks are shown at the end. A non-empty `leading` key
// stands first when it is visible.
std::vector<ListTabColumn> tabColumns(std::u16string_view stored, std::span<const TabColumnInfo> infos,
                                      std::string_view leading);

// The edge of a column dragged; false when nothing changed.
bool setTabColumnWidth(std::u16string& stored, std::span<const TabColumnInfo> infos, std::string_view key, int width);
// A visible column dragged to another visible place. The leading column
// neither moves nor is passed. False when nothing changed.
bool moveTabColumn(std::u16string& stored, std::span<const TabColumnInfo> infos, std::string_view key, int place,
                   std::string_view leading);

// The place of a music value's column key among the nine values of a figure
// row or a note block ("proglam_change" 0 ... "fdout" 8).
std::optional<std::size_t> musicValueIndex(std::string_view key);

// The longest time a cell takes, in MIDI ticks: what one delta of the file holds.
constexpr std::int32_t kCellTicksMax = 0x0FFFFFFF;

// The text without the blanks and line breaks around it.
std::u16string_view trimBlanks(std::u16string_view text);

// A whole decimal number (blanks around it allowed) from `low` to `high`;
// nothing for any other text.
std::optional<std::int32_t> parseCellInteger(std::u16string_view text, std::int32_t low, std::int32_t high);
// "%sは%d～%dの整数で入力してください"
std::u16string integerRangeMessage(std::u16string_view label, std::int32_t low, std::int32_t high);
// Tells the user why a typed value was not taken.
void refuseEdit(Application& app, std::u16string message);

}  // namespace mokuza::app
