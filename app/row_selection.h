#pragma once
// Choosing rows by clicks, as every list of the window does: a click alone
// chooses its row; with Ctrl it adds or removes the row; with Shift it
// chooses the rows from the anchor to it (with Ctrl too, adding them). A
// click without Shift makes its row the anchor.

#include <algorithm>
#include <set>

#include "app/input_events.h"

namespace mokuza::app {

// Rows are told by their places; `itemAt(place)` is the item a place shows,
// which the selection and the anchor hold. `anchorPlace` is -1 when the
// anchor is not among the rows.
template <typename ItemAt>
void clickRowSelection(std::set<int>& selected, int& anchor, int place, int anchorPlace, Modifiers modifiers,
                       ItemAt itemAt) {
  const int item = itemAt(place);
  if (modifiers.shift && anchorPlace >= 0) {
    if (!modifiers.ctrl) selected.clear();
    for (int p = std::min(place, anchorPlace); p <= std::max(place, anchorPlace); ++p) selected.insert(itemAt(p));
  } else if (modifiers.ctrl) {
    if (!selected.erase(item)) selected.insert(item);
    anchor = item;
  } else {
    selected = {item};
    anchor = item;
  }
}

}  // namespace mokuza::app
