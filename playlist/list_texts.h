#pragma once
// The texts of the playlist window: the selection as history entries name it,
// the window title and the step buttons.

#include <string>
#include <vector>

#include "playlist/playlist.h"

namespace mokuza {

// The places (0-based, ascending) of the selected games in the list.
std::vector<int> selectedPlaces(const Playlist& playlist);

// " [No.%d]" for one game, " [No.%d～No.%d]" for several (first and last in
// the list); without a selection the shown game, or " [リスト外]" when the shown
// game is not from the playlist.
std::u16string selectionText(const Playlist& playlist);

// "プレイリスト　〈name〉 - No.%d　全%d局", or without the number when no
// playlist game is shown; followed by "（ほか%d局は読み込めませんでした）" when
// the file holds games the reader left out.
std::u16string playlistWindowTitle(const Playlist& playlist);
// "プレイリスト　〈name〉 - 追加処理中（%d局）" while games are added.
std::u16string addingWindowTitle(const Playlist& playlist, int added);

// "▲５０"... : up for negative steps, a one-digit size in full-width digits.
std::u16string stepButtonLabel(int step);

}  // namespace mokuza
