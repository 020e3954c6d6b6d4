#pragma once
// The fade layers of what auto-play shows, and their notes in music mode.

#include "app/application.h"
#include "render/fade_queue.h"

namespace mokuza::app {

// The fade times of the shown design and the timer period.
render::FadeTimes designFadeTimes(const Document& doc);
// The live notes of the fade layers; the painter sounds them in music mode only.
render::FadeLayerSound fadeSound(Application& app);
// Fills the fade queues for a move shown by auto-play, from the position the
// window's picture shows to the position of `move`.
void addMoveFades(Application& app, int move);
// The stones placed by moves firstMove..lastMove fade in (a figure about to play).
void addFigureFades(Application& app, int firstMove, int lastMove);
// Every layer goes; in music mode their notes end.
void endFades(Application& app);

}  // namespace mokuza::app
