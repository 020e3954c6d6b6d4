#pragma once
// Waits of auto-play counted in timer ticks.

#include <cstdint>

#include "core/document/document.h"

namespace mokuza::playback {

// milliseconds × 50 / divisor in periods of `updateTime` milliseconds, at
// least one tick. A divisor or period below 1 gives one tick.
int MoveWaitTicks(std::int64_t milliseconds, std::int64_t divisor, int updateTime);

// The wait after showing move m in auto-play: the design's display time per
// move, or in music mode the move's note length at its tempo.
int moveWaitFor(const Document& doc, int m);

}  // namespace mokuza::playback
