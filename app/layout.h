#pragma once
// The window's parts: board geometry from the client size, the side panel by
// the text size, the bars, full screen, the title and the cursor.

#include "app/application.h"

namespace mokuza::app {

// The text-size scale s = "textsize" + 1 (2..5).
int textScale(const Application& app);
// The side panel at a text-size scale, in logical pixels.
Size panelSize(int textScale);
// The width the side panel takes from the client now, in device pixels; 0 while hidden.
int panelDeviceWidth(const Application& app);

void layoutWindow(Application& app);
void applyTextSize(Application& app);
void setStatusBarVisible(Application& app);
void setMenuBarVisible(Application& app);
void toggleFullScreen(Application& app);
void togglePanelHidden(Application& app);
void updateCursor(Application& app);

// The board point under a client position, -1 off the board (the right and
// bottom edge of the board's extent are off it).
int boardPointAt(const Application& app, MousePos position);

}  // namespace mokuza::app
