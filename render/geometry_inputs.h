#pragma once
// The geometry inputs of a window: the design's size and position values,
// the board size and the side panel by the text size.

#include "core/document/playlist_entry.h"
#include "render/board_geometry.h"

namespace mokuza::render {

// Width of the side panel at text-size scale s (2..5).
int panelWidth(int textScale);

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
