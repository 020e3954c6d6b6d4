#include "playlist/list_order.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

#include "core/record/decimal.h"
#include "playlist/list_cells.h"
#include "playlist/list_texts.h"

namespace mokuza {
namespace {

std::u16string placeText(int place) { return decimalText(place + 1) + kPlaylistUnit + u"目"; }

}  // namespace

ListOutcome deleteGames(PlaylistContext& context) {
  Playlist& playlist = context.playlist;
  const std::vector<int> places = selectedPlaces(playlist);
  if (places.empty()) return ListOutcome::Nothing;
  if (static_cast<int>(places.size()) >= playlist.gameCount()) {
    context.services.messageBox({u"全削除はできません", u"失敗", platform::Buttons::Ok, platform::Icon::Error});
    return ListOutcome::Refused;
  }
  storeShownDesign(context);
  const std::u16string description = u"リストから削除 " + selectionText(playlist);
  std::set<int> removed;
  for (int place : places) removed.insert(playlist.displayOrder[static_cast<std::size_t>(place)]);
  const bool shownRemoved = removed.contains(std::abs(playlist.currentGameIndex) - 1);
  const int smallest = removeGames(playlist, removed);
  renumber(playlist, numbersFixed(context));
  playlist.list.savedOrder.reset();
  playlist.list.selected.clear();
  playlist.list.anchor = -1;

  if (shownRemoved) {
    // The shown game went: the game now at its place takes over.
    const int place = std::min(smallest, playlist.gameCount() - 1);
    const int record = playlist.displayOrder[static_cast<std::size_t>(place)];
    playlist.currentGameIndex = playlist.currentGameIndex > 0 ? record + 1 : -(record + 1);
    showEntryDesign(context);
  }
  return commitListChange(context, description);
}

std::vector<int> orderAfterMove(const std::vector<int>& order, const std::vector<int>& selectedPlaces, int step) {
  const int n = static_cast<int>(order.size());
  std::vector<int> target(selectedPlaces.size());
  if (step > 0) {
    int bound = n;
    for (std::size_t k = selectedPlaces.size(); k-- > 0;) {
      target[k] = std::min(selectedPlaces[k] + step, bound - 1);
      bound = target[k];
    }
  } else {
    int bound = -1;
    for (std::size_t k = 0; k < selectedPlaces.size(); ++k) {
      target[k] = std::max(selectedPlaces[k] + step, bound + 1);
      bound = target[k];
    }
  }
  std::vector<int> moved(order.size(), -1);
  std::vector<bool> isSelected(order.size(), false);
  for (std::size_t k = 0; k < selectedPlaces.size(); ++k) {
    moved[static_cast<std::size_t>(target[k])] = order[static_cast<std::size_t>(selectedPlaces[k])];
    isSelected[static_cast<std::size_t>(selectedPlaces[k])] = true;
  }
  std::size_t free = 0;
  for (std::size_t place = 0; place < order.size(); ++place) {
    if (isSelected[place]) continue;
    while (moved[free] != -1) ++free;
    moved[free] = order[place];
  }
  return moved;
}

ListOutcome moveSelectedRows(PlaylistContext& context, int step) {
  Playlist& playlist = context.playlist;
  const std::vector<int> places = selectedPlaces(playlist);
  if (places.empty() || step == 0) return ListOutcome::Nothing;
  std::vector<int> order = orderAfterMove(playlist.displayOrder, places, step);
  if (order == playlist.displayOrder) return ListOutcome::Nothing;
  playlist.displayOrder = std::move(order);
  renumber(playlist, numbersFixed(context));

  const std::vector<int> now = selectedPlaces(playlist);
  std::u16string description = std::u16string(kPlaylistListName) + u"並べ替え [";
  if (places.size() == 1) description += placeText(places.front()) + u"→" + placeText(now.front());
  else
    description += placeText(places.front()) + u"～" + placeText(places.back()) + u"→" + placeText(now.front()) +
                   u"～" + placeText(now.back());
  return commitListChange(context, description + u"]");
}

ListOutcome sortByColumn(PlaylistContext& context, std::u16string_view label) {
  Playlist& playlist = context.playlist;
  if (autoPlayRunning(context.doc) || playlist.currentGameIndex <= 0) return ListOutcome::Refused;
  const bool descending = sortDirection(playlist, label) == SortDirection::Ascending;
  std::stable_sort(playlist.displayOrder.begin(), playlist.displayOrder.end(), [&](int a, int b) {
    const PlaylistEntry& first = playlist.entries[static_cast<std::size_t>(a)];
    const PlaylistEntry& second = playlist.entries[static_cast<std::size_t>(b)];
    return descending ? cellLess(second, first, label) : cellLess(first, second, label);
  });
  ListState& list = playlist.list;
  list.sortedBy = std::u16string(label);
  list.sortedDescending = descending;
  list.sortedOrder = playlist.displayOrder;
  renumber(playlist, numbersFixed(context));
  return commitListChange(context, u"並べ替え〈" + std::u16string(label) + u"〉 " + selectionText(playlist));
}

SortDirection sortDirection(const Playlist& playlist, std::u16string_view label) {
  const ListState& list = playlist.list;
  if (list.sortedBy != label || list.sortedOrder != playlist.displayOrder) return SortDirection::None;
  return list.sortedDescending ? SortDirection::Descending : SortDirection::Ascending;
}

void saveOrder(Playlist& playlist) { playlist.list.savedOrder = playlist.displayOrder; }

bool canRestoreOrder(const Playlist& playlist) {
  const auto& saved = playlist.list.savedOrder;
  if (!saved || saved->size() != playlist.displayOrder.size()) return false;
  // The same games, only in another order.
  const std::unordered_set<int> listed(playlist.displayOrder.begin(), playlist.displayOrder.end());
  return std::all_of(saved->begin(), saved->end(), [&](int record) { return listed.contains(record); }) &&
         std::unordered_set<int>(saved->begin(), saved->end()).size() == saved->size();
}

ListOutcome restoreOrder(PlaylistContext& context) {
  Playlist& playlist = context.playlist;
  if (!canRestoreOrder(playlist)) return ListOutcome::Refused;
  storeShownDesign(context);
  playlist.displayOrder = *playlist.list.savedOrder;
  renumber(playlist, numbersFixed(context));
  showEntryDesign(context);
  return commitListChange(context, u"保存された並び順に戻す");
}

}  // namespace mokuza
