#pragma once
// Music mode ("棋楽変換"): the note observer in the replay and the MIDI output.

#include "playback/auto_play.h"

namespace mokuza::playback {

inline constexpr char kMidiFileName[] = "output.mid";

// The note observer joins the replay (after the move classifier) and the
// output opens when music mode is on; both go when it is off.
void syncMusicMode(Playback& pb);

// The menu command: switches the mode, replays the game from move 0 (which
// writes "output.mid" when on), records "棋楽変換〈オン〉" or "棋楽変換〈オフ〉"
// and saves the settings.
void toggleMusicMode(Playback& pb);

}  // namespace mokuza::playback
