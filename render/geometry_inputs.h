#pragma once
// The geometry inputs of a window: the design's size and position values,
// the board size and the side panel by the text size.

#include "core/document/playlist_entry.h"
#include "render/board_geometry.h"

namespace mokuza::render {

// Width of the side panel at text-size scale s (2..5), in the window's logical pixels.
int panelWidth(int textScale);
// The window's own parts (the panel, the icons, their text) keep their size
// to the eye: on a screen of a higher device pixel ratio they take more pixels.
int devicePixels(int logicalPixels, double pixelRatio);

struct WindowLayout {
  int clientWidth = 0;
  int clientHeight = 0;
  int panelWidth = 0;  // 0 when hidden
  int statusBarHeight = 0;
  int layoutNo = 1;
  int iconStripHeight = 0;  // 0 when the panel and its icons are hidden
};

GeometryInputs designGeometryInputs(const Design& design, int boardSize, const WindowLayout& window);

}  // namespace mokuza::render
