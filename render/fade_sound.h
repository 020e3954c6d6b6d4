#pragma once
// The music of the fade layers on the live MIDI output of music mode.

#include "core/document/document.h"
#include "playback/live_notes.h"
#include "render/fade_queue.h"

namespace mokuza::render {

// A layer's note starts on its first frame (only move layers sound), its
// expression follows every frame and it ends when the layer goes. The note
// is that of the move that placed the stone of the layer's point.
FadeLayerSound liveFadeSound(playback::LiveNotes& live, platform::Services& services, const Document& doc);

}  // namespace mokuza::render
