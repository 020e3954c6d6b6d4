#pragma once
// Auto-play as the window sees it: the engine's actions, the fades of each
// shown move, and the paint of the picture.

#include "app/application.h"

namespace mokuza::app {

void connectPlayback(Application& app);

}  // namespace mokuza::app
