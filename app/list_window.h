#pragma once
// The playlist tab of the list window: its columns, rows and the controls
// under the list, and what the user does with them. Every change of the list
// goes through the playlist's own commands, so it is written and recorded
// like the others.

#include <array>
#include <string>
#include <string_view>

#include "app/application.h"
#include "app/list_command_table.h"
#include "app/list_tab_model.h"
#include "playlist/list_changes.h"

namespace mokuza::app {

struct StepButtonView {
  int id = 0;
  int step = 0;
  std::u16string label;
};

// The buttons under the list that move the selected rows.
std::array<StepButtonView, kRowSteps.size()> stepButtonViews();

ListTabModel playlistTabModel(const Application& app);
// The reading or adding progress while games are added, else the playlist's name and count.
std::u16string listWindowTitle(const Application& app);

// The row the commands for one game act on: the anchor when it is selected,
// else the first selected row; -1 without a selection.
int focusedRecord(const Application& app);

void clickPlaylistRow(Application& app, int place, Modifiers modifiers);
void selectAllRows(Application& app);

// Not while auto-play runs or when no game of the list is shown.
ListOutcome sortPlaylistByColumn(Application& app, std::string_view key);
ListOutcome movePlaylistColumn(Application& app, std::string_view key, int place);
ListOutcome resizePlaylistColumn(Application& app, std::string_view key, int width);
// "リスト項目": hides or shows a column by its key.
ListOutcome toggleListColumn(Application& app, std::string_view key);

void setPlaylistNumberFixed(Application& app, bool fixed);
// The step buttons' ids; false for any other id.
bool pressStepButton(Application& app, int id);

}  // namespace mokuza::app
