#include "app/list_window.h"

#include <algorithm>

#include "app/commands.h"
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

std::optional<std::string> visibleKeyAt(const Application& app, int visiblePlace) {
  const std::vector<std::string> keys = visibleColumnKeys(app.playlist.columns);
  if (visiblePlace < 0 || static_cast<std::size_t>(visiblePlace) >= keys.size()) return std::nullopt;
  return keys[static_cast<std::size_t>(visiblePlace)];
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

PlaylistTabView playlistTabView(const Application& app) {
  const Playlist& playlist = app.playlist;
  PlaylistTabView view;
  view.title = listWindowTitle(app);
  view.numberFixed = switchOn(app.doc.globalOptions, GlobalOption::PlaylistNumberFixed);
  for (std::size_t i = 0; i < kRowSteps.size(); ++i)
    view.stepButtons[i] = {kFirstStepButton + static_cast<int>(i), kRowSteps[i], stepButtonLabel(kRowSteps[i])};

  const std::vector<std::string> keys = visibleColumnKeys(playlist.columns);
  for (const std::string& key : keys) {
    const auto column = std::find_if(playlist.columns.columns.begin(), playlist.columns.columns.end(),
                                     [&](const ListColumn& c) { return c.key == key; });
    const std::u16string label = columnLabel(key);
    view.columns.push_back({key, label, column == playlist.columns.columns.end() ? 0 : column->width,
                            sortDirection(playlist, label)});
  }

  const search::SearchResults* results = currentSearchResults(app);
  const std::vector<int> resultOf = searchResultOfEntry(app, results);
  view.rows.reserve(playlist.displayOrder.size());
  for (int record : playlist.displayOrder) {
    if (record < 0 || static_cast<std::size_t>(record) >= playlist.entries.size()) continue;
    const PlaylistEntry& entry = playlist.entries[static_cast<std::size_t>(record)];
    const int result = resultOf[static_cast<std::size_t>(record)];
    const search::GameSearchResult* found = result < 0 ? nullptr : &results->games[static_cast<std::size_t>(result)];
    ListRowView row;
    row.record = record;
    row.selected = playlist.list.selected.contains(record);
    row.shown = playlist.currentGameIndex == record + 1;
    row.hit = found && found->listed;
    for (const ListColumnView& column : view.columns)
      row.cells.push_back(column.key == kSearchColumnKey ? (found ? found->text : std::u16string())
                                                         : cellText(entry, column.label));
    view.rows.push_back(std::move(row));
  }
  return view;
}

int focusedRecord(const Application& app) {
  const ListState& list = app.playlist.list;
  if (list.selected.contains(list.anchor) && placeOf(app.playlist, list.anchor) >= 0) return list.anchor;
  for (int record : app.playlist.displayOrder)
    if (list.selected.contains(record)) return record;
  return -1;
}

void clickRow(Application& app, int place, Modifiers modifiers) {
  const EventScope scope(app);
  Playlist& playlist = app.playlist;
  if (place < 0 || place >= playlist.gameCount()) return;
  ListState& list = playlist.list;
  const int record = playlist.displayOrder[static_cast<std::size_t>(place)];
  const int anchorPlace = placeOf(playlist, list.anchor);
  if (modifiers.shift && anchorPlace >= 0) {
    if (!modifiers.ctrl) list.selected.clear();
    for (int p = std::min(place, anchorPlace); p <= std::max(place, anchorPlace); ++p)
      list.selected.insert(playlist.displayOrder[static_cast<std::size_t>(p)]);
  } else if (modifiers.ctrl) {
    if (!list.selected.erase(record)) list.selected.insert(record);
    list.anchor = record;
  } else {
    list.selected = {record};
    list.anchor = record;
  }
}

void selectAllRows(Application& app) {
  const EventScope scope(app);
  ListState& list = app.playlist.list;
  list.selected = std::set<int>(app.playlist.displayOrder.begin(), app.playlist.displayOrder.end());
}

ListOutcome clickColumnHeader(Application& app, int visiblePlace) {
  const EventScope scope(app);
  const std::optional<std::string> key = visibleKeyAt(app, visiblePlace);
  if (!key) return ListOutcome::Nothing;
  return changeList(app, [&](PlaylistContext& context) { return sortByColumn(context, columnLabel(*key)); });
}

ListOutcome dragColumn(Application& app, int fromVisiblePlace, int toVisiblePlace) {
  const EventScope scope(app);
  const std::optional<std::string> key = visibleKeyAt(app, fromVisiblePlace);
  if (!key) return ListOutcome::Nothing;
  return changeList(app, [&](PlaylistContext& context) { return moveColumn(context, *key, toVisiblePlace); });
}

ListOutcome resizeColumn(Application& app, int visiblePlace, int width) {
  const EventScope scope(app);
  const std::optional<std::string> key = visibleKeyAt(app, visiblePlace);
  if (!key) return ListOutcome::Nothing;
  return changeList(app, [&](PlaylistContext& context) { return setColumnWidth(context, *key, width); });
}

ListOutcome toggleListColumn(Application& app, std::string_view key) {
  const EventScope scope(app);
  return changeList(app, [&](PlaylistContext& context) { return toggleColumn(context, key); });
}

void setNumberFixed(Application& app, bool fixed) {
  const EventScope scope(app);
  app.doc.globalOptions[GlobalOption::PlaylistNumberFixed] = fixed ? 1 : 0;
}

bool pressStepButton(Application& app, int id) {
  const EventScope scope(app);
  const int index = id - kFirstStepButton;
  if (index < 0 || static_cast<std::size_t>(index) >= kRowSteps.size()) return false;
  changeList(app, [&](PlaylistContext& context) {
    return moveSelectedRows(context, kRowSteps[static_cast<std::size_t>(index)]);
  });
  return true;
}


}  // namespace mokuza::app
