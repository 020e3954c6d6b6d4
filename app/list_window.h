#pragma once
// The playlist tab of the list window as data: its columns, rows, title and
// the controls under the list, and what the user does with them. The widget
// draws this and forwards clicks; every change of the list goes through the
// playlist's own commands, so it is written and recorded like the others.

#include <array>
#include <string>
#include <vector>

#include "app/application.h"
#include "playlist/list_changes.h"
#include "playlist/list_order.h"

namespace mokuza::app {

struct ListColumnView {
  std::string key;
  std::u16string label;
  int width = 0;
  SortDirection sort = SortDirection::None;  // the header's arrow
  bool operator==(const ListColumnView&) const = default;
};

struct ListRowView {
  int record = -1;                    // index into Playlist::entries
  std::vector<std::u16string> cells;  // one per visible column
  bool selected = false;
  bool shown = false;  // the game the main window shows
  bool hit = false;    // listed by the search whose result is shown
  bool operator==(const ListRowView&) const = default;
};

struct StepButtonView {
  int id = 0;
  int step = 0;
  std::u16string label;
  bool operator==(const StepButtonView&) const = default;
};

inline constexpr int kFirstStepButton = 1300;
inline constexpr std::array<int, 6> kRowSteps{-50, -10, -1, 1, 10, 50};

struct PlaylistTabView {
  std::u16string title;
  std::vector<ListColumnView> columns;
  std::vector<ListRowView> rows;  // in display order
  bool numberFixed = false;       // the "No. 固定" check box
  std::array<StepButtonView, kRowSteps.size()> stepButtons;
  bool operator==(const PlaylistTabView&) const = default;
};

PlaylistTabView playlistTabView(const Application& app);
// The reading or adding progress while games are added, else the playlist's name and count.
std::u16string listWindowTitle(const Application& app);

// The row the commands for one game act on: the anchor when it is selected,
// else the first selected row; -1 without a selection.
int focusedRecord(const Application& app);

// A click on the row at a place: alone it selects the row; with Ctrl it adds
// or removes it; with Shift it selects the rows from the anchor to it.
void clickRow(Application& app, int place, Modifiers modifiers);
void selectAllRows(Application& app);

// A click on a column header sorts by that column (not while auto-play runs
// or when no game of the list is shown).
ListOutcome clickColumnHeader(Application& app, int visiblePlace);
ListOutcome dragColumn(Application& app, int fromVisiblePlace, int toVisiblePlace);
ListOutcome resizeColumn(Application& app, int visiblePlace, int width);
// "リスト項目": hides or shows a column by its key.
ListOutcome toggleListColumn(Application& app, std::string_view key);

void setNumberFixed(Application& app, bool fixed);
// Buttons 1300-1305; false for any other id.
bool pressStepButton(Application& app, int id);


}  // namespace mokuza::app
