#pragma once
// Opening the games of the playlist: by number, and the next or previous one
// in the order of the list.

#include <string_view>

#include "core/document/game_files.h"
#include "playback/auto_play.h"

namespace mokuza::playback {

inline constexpr std::u16string_view kOpenHistoryText = u"開";

// Whether the entry's game file is there to open.
bool gameFileExists(const PlaylistEntry& entry);

// Opens the 1-based entry `number` with its design; while the shown game is
// from outside the list (a negative currentGameIndex) the list is first read
// again from its file and the entry at `number`'s place opens. `historyText`:
// empty records nothing, "開" stamps the access date and records the standard
// open line, any other text is recorded as it is. `direction` is +1 when the
// next-game command opened it (figure replay may then play the first figure).
// Failed when the entry or its file is missing (the shown game stays).
OpenOutcome OpenPlaylistGame(Playback& pb, int number, std::u16string_view historyText, int direction = 0);

// "次の対局を開く" (+1) and "前の対局を開く" (-1): the neighbour in the list,
// wrapping at both ends; a wrap turns the board once more when the rotation
// setting rotates at each playlist loop.
OpenOutcome stepPlaylistGame(Playback& pb, int direction);

// The rotation setting after a playlist loop in `direction`: its choice 0..9
// steps through the transforms 0..7; other values stay.
std::int32_t rotationAfterLoop(std::int32_t gobanroll, int direction);

}  // namespace mokuza::playback
