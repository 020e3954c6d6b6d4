#pragma once
// The column commands of the list window: widths, order and which columns
// show. The layout is saved with the playlist, so each is a change of it.

#include <string_view>

#include "playlist/list_changes.h"

namespace mokuza {

// A column's new width: "リスト幅変更〈label〉".
ListOutcome setColumnWidth(PlaylistContext& context, std::string_view key, int width);
// A visible column dragged to another visible place: "リスト並び変更〈label〉".
ListOutcome moveColumn(PlaylistContext& context, std::string_view key, int visiblePlace);
// "リスト項目": hides a visible column or shows a hidden (or new) one at the
// end: "プレイリスト項目削除 [label]" or "プレイリスト項目追加 [label]".
ListOutcome toggleColumn(PlaylistContext& context, std::string_view key);

}  // namespace mokuza
