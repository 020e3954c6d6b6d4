#include "app/list_window.h"

#include <algorithm>

#include "app/commands.h"
#include "app/row_selection.h"
#include "app/search_session.h"
#include "app/view_refresh.h"
#include "core/record/text.h"
#include "playlist/design_fields.h"
#include "playlist/list_cells.h"
#include "playlist/list_columns.h"
#include "playlist/list_order.h"
#include "playlist/list_texts.h"

namespace mokuza::app {
namespace {

constexpr std::string_view kSearchColumnKey = "search";

std::u16string columnLabel(std::string_view key) {
  const std::u16string_view label = labelForKey(key);
  return label.empty() ? asciiToUtf16(key) : std::u16string(label);
}

// Per entry, the search result of its game; -1 where the result has none.
std::vector<int> searchResultOfEntry(const Application& app, const search::SearchResults* results) {
  std::vector<int> index(app.playlist.entries.size(), -1);
  if (!results) return index;
  const auto& games = results->games;
  for (std::size_t i = 0; i < games.size(); ++i)
    if (games[i].entry >= 0 && static_cast<std::size_t>(games[i].entry) < index.size())
      index[static_cast<std::size_t>(games[i].entry)] = static_cast<int>(i);
  return index;
}

// The window names only the columns it shows.
bool visibleKey(const Application& app, std::string_view key) {
  const std::vector<std::string> keys = visibleColumnKeys(app.playlist.columns);
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

template <typename Change>
ListOutcome changeList(Application& app, Change change) {
  PlaylistContext context = app.playlistContext();
  const ListOutcome outcome = change(context);
  return outcome;
}

}  // namespace

std::u16string listWindowTitle(const Application& app) {
  if (app.listModel.adding >= 0) return addingWindowTitle(app.playlist, app.listModel.adding);
  if (auto searching = searchListTitle(app)) return *searching;
  return playlistWindowTitle(app.playlist);
}

std::array<StepButtonView, kRowSteps.size()> stepButtonViews() {
  std::array<StepButtonView, kRowSteps.size()> buttons;
  for (std::size_t i = 0; i < kRowSteps.size(); ++i)
    buttons[i] = {kStepButtonFirst + static_cast<int>(i), kRowSteps[i], stepButtonLabel(kRowSteps[i])};
  return buttons;
}

ListTabModel playlistTabModel(const Application& app) {
  const Playlist& playlist = app.playlist;
  ListTabModel model;
  model.numberFixed = switchOn(app.doc.globalOptions, GlobalOption::PlaylistNumberFixed);
  for (const std::string& key : visibleColumnKeys(playlist.columns)) {
    const auto column = std::find_if(playlist.columns.columns.begin(), playlist.columns.columns.end(),
                                     [&](const ListColumn& c) { return c.key == key; });
    const std::u16string label = columnLabel(key);
    model.columns.push_back({key, label, column == playlist.columns.columns.end() ? 0 : column->width, false,
                             sortDirection(playlist, label)});
  }

  const search::SearchResults* results = currentSearchResults(app);
  const std::vector<int> resultOf = searchResultOfEntry(app, results);
  model.rows.reserve(playlist.displayOrder.size());
  for (int record : playlist.displayOrder) {
    if (record < 0 || static_cast<std::size_t>(record) >= playlist.entries.size()) continue;
    const PlaylistEntry& entry = playlist.entries[static_cast<std::size_t>(record)];
    const int result = resultOf[static_cast<std::size_t>(record)];
    const search::GameSearchResult* found = result < 0 ? nullptr : &results->games[static_cast<std::size_t>(result)];
    ListTabRow row;
    row.number = record;
    row.selected = playlist.list.selected.contains(record);
    row.shown = playlist.currentGameIndex == record + 1;
    row.hit = found && found->listed;
    for (const ListTabColumn& column : model.columns)
      row.cells.push_back(column.key == kSearchColumnKey ? (found ? found->text : std::u16string())
                                                         : cellText(entry, column.label));
    model.rows.push_back(std::move(row));
  }
  return model;
}

int focusedRecord(const Application& app) {
  const ListState& list = app.playlist.list;
  if (list.selected.contains(list.anchor) && placeOf(app.playlist, list.anchor) >= 0) return list.anchor;
  for (int record : app.playlist.displayOrder)
    if (list.selected.contains(record)) return record;
  return -1;
}

void clickPlaylistRow(Application& app, int place, Modifiers modifiers) {
  const EventScope scope(app);
  Playlist& playlist = app.playlist;
  if (place < 0 || place >= playlist.gameCount()) return;
  ListState& list = playlist.list;
  clickRowSelection(list.selected, list.anchor, place, placeOf(playlist, list.anchor), modifiers,
                    [&](int p) { return playlist.displayOrder[static_cast<std::size_t>(p)]; });
}

void selectAllRows(Application& app) {
  const EventScope scope(app);
  ListState& list = app.playlist.list;
  list.selected = std::set<int>(app.playlist.displayOrder.begin(), app.playlist.displayOrder.end());
}

ListOutcome sortPlaylistByColumn(Application& app, std::string_view key) {
  const EventScope scope(app);
  if (!visibleKey(app, key)) return ListOutcome::Nothing;
  return changeList(app, [&](PlaylistContext& context) { return sortByColumn(context, columnLabel(key)); });
}

ListOutcome movePlaylistColumn(Application& app, std::string_view key, int place) {
  const EventScope scope(app);
  if (!visibleKey(app, key)) return ListOutcome::Nothing;
  return changeList(app, [&](PlaylistContext& context) { return moveColumn(context, key, place); });
}

ListOutcome resizePlaylistColumn(Application& app, std::string_view key, int width) {
  const EventScope scope(app);
  if (!visibleKey(app, key)) return ListOutcome::Nothing;
  return changeList(app, [&](PlaylistContext& context) { return setColumnWidth(context, key, width); });
}

ListOutcome toggleListColumn(Application& app, std::string_view key) {
  const EventScope scope(app);
  return changeList(app, [&](PlaylistContext& context) { return toggleColumn(context, key); });
}

void setPlaylistNumberFixed(Application& app, bool fixed) {
  const EventScope scope(app);
  app.doc.globalOptions[GlobalOption::PlaylistNumberFixed] = fixed ? 1 : 0;
}

bool pressStepButton(Application& app, int id) {
  const EventScope scope(app);
  const int index = id - kStepButtonFirst;
  if (index < 0 || static_cast<std::size_t>(index) >= kRowSteps.size()) return false;
  changeList(app, [&](PlaylistContext& context) {
    return moveSelectedRows(context, kRowSteps[static_cast<std::size_t>(index)]);
  });
  return true;
}

}  // namespace mokuza::app
