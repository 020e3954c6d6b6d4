#pragma once
// Sounds of the board: the stone sounds of the design and, in music mode, the
// notes played live on the MIDI output.

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "core/document/document.h"
#include "platform/services.h"
#include "playback/fade_note.h"

namespace mokuza::playback {

constexpr int kMidiChannels = 16;

// The live side of music mode.
struct LiveNotes {
  bool outputOpen = false;
  std::array<bool, kMidiChannels> channelBusy{};  // taken by a stone fade
  // The notes of a manual step on channel 0, ended by the timer.
  std::vector<std::uint8_t> sounding;
  int ticksLeft = 0;
};

void openMusicOutput(LiveNotes& live, platform::Services& services);
// Reset and close, when open.
void closeMusicOutput(LiveNotes& live, platform::Services& services);

// The stone sound of the design for move m ("石音" on, a stone played, m the
// last move of the line; a relative file name is in the program folder); in
// music mode with auto-play off the move's notes follow.
void PlayStoneSound(LiveNotes& live, platform::Services& services, const Document& doc, int m, bool autoPlayOn,
                    const std::filesystem::path& programFolder);

// One timer tick for the notes of a manual step: true while some still sound.
bool endNotesOnTick(LiveNotes& live, platform::Services& services);

// Music mode only: reset the output and silence all sixteen channels.
void SilenceAll(LiveNotes& live, platform::Services& services, const Document& doc);

// A stone fade layer of `kind` starts for a move with `block`: kinds 0 and 4
// sound on a free channel and last the fade-in length at the move's tempo.
FadeNote StartStoneNote(LiveNotes& live, platform::Services& services, const NoteBlock& block, int kind,
                        int updateTime);
// Step `step` of the layer's fade: the expression follows it; at the end
// (or at silence) the channel is freed.
void FadeStep(LiveNotes& live, platform::Services& services, FadeNote& fade, const NoteBlock& block, int step);
// The layer is removed: its note ends and its channel is free again.
void StopStoneNote(LiveNotes& live, platform::Services& services, FadeNote& fade);

}  // namespace mokuza::playback
