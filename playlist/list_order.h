#pragma once
// Commands that take games out of the list or change their order.

#include <string_view>

#include "playlist/list_changes.h"

namespace mokuza {

inline constexpr std::u16string_view kPlaylistListName = u"プレイリスト";
inline constexpr char16_t kPlaylistUnit = u'局';

// "リストから削除": the selected games leave the list (not every game).
ListOutcome deleteGames(PlaylistContext& context);

// The buttons under the list: every selected row moves `step` places
// (negative is up), runs keeping their order, stopping at the ends.
ListOutcome moveSelectedRows(PlaylistContext& context, int step);
// The new order for such a move, without changing anything.
std::vector<int> orderAfterMove(const std::vector<int>& order, const std::vector<int>& selectedPlaces, int step);

enum class SortDirection { None, Ascending, Descending };

// A click on a column header: a stable sort by that column, ascending, or
// descending when the list stands sorted ascending by it.
ListOutcome sortByColumn(PlaylistContext& context, std::u16string_view label);
// How the list stands sorted by the column `label`: None once another column
// or any other change of the order took over.
SortDirection sortDirection(const Playlist& playlist, std::u16string_view label);

// "現在の並び順を保存" and "保存された並び順に戻す".
void saveOrder(Playlist& playlist);
bool canRestoreOrder(const Playlist& playlist);
ListOutcome restoreOrder(PlaylistContext& context);

}  // namespace mokuza
