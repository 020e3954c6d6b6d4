#pragma once
// Button holds and steps along the line with the stone sound.

#include "app/application.h"

namespace mokuza::app {

// A timer tick while auto-play is off: the hold counting; the timer stops
// when nothing counts any more.
void holdTimerTick(Application& app);
// The previous (-1) or next (+1) move, with the stone sound going forward.
void stepMove(Application& app, int direction);

}  // namespace mokuza::app
