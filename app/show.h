#pragma once
// Auto-play as the window sees it: the engine's actions, the fades of each
// shown move, the paint of the picture and its export.

#include "app/application.h"

namespace mokuza::app {

void connectPlayback(Application& app);
// Applies what the show changed during the event now ending: layout, redraw, cursor.
void takeShowChanges(Application& app);

// "画像として保存": the picture as the image output setting cuts it, into a
// file the user names; PNG or JPEG by the name's extension.
void saveImageAs(Application& app);

}  // namespace mokuza::app
