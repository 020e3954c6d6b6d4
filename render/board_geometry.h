#pragma once
// Where the board sits in the window and how big its parts are, in pixels.

#include <array>
#include <vector>

namespace mokuza::render {

// What the geometry depends on: the client area, the side panel and the
// design's size and position values.
struct GeometryInputs {
  int clientWidth = 0;
  int clientHeight = 0;
  int panelWidth = 0;  // 0 when the panel is hidden
  int statusBarHeight = 0;
  bool statusBarShown = false;
  int layoutNo = 1;       // below 2: panel at the left edge; 2: at the right edge
  int boardSize = 19;     // N
  int boardSizeStep = 4;  // "碁盤の大きさ"
  int absolutePitch = 0;  // "碁盤サイズ指定", 0 or less = automatic
  int stoneSizeStep = 4;  // "碁石の大きさ"
  int starSizeStep = 3;   // "星の大きさ"
  int marginX = -200;     // "碁盤Ｘ", 0 or less = automatic
  int marginY = 55;       // "碁盤Ｙ", 0 or less = automatic
  int coordinateStyle = 0;  // "碁盤座標": 0 none; else labels left of and below the board
  int iconStripHeight = 0;  // the command icons along the client's top edge, 0 when not shown
};

struct BoardGeometry {
  int boardSize = 19;
  int pitch = 7;  // one cell; always odd so the cell centre is a whole pixel
  int halfPitch = 3;
  int extent = 133;   // boardSize * pitch
  int lineWidth = 1;  // margin of the stone disc
  int boardLeft = 0;
  int boardTop = 0;
  int stoneInset = 0;
  int stoneSize = 7;
  int markInset = 0;
  int markSize = 7;
  int starSize = 2;
  int starOffset = 0;
  // The band under the board for the move text.
  int infoLeft = 0;
  int infoTop = 0;
  int infoWidth = 0;
  int infoHeight = 0;

  bool operator==(const BoardGeometry&) const = default;
};

BoardGeometry ComputeBoardGeometry(const GeometryInputs& in);

// Top-left corners of the star points inside the board surface, in drawing
// order: none below 9 lines, no centre on even boards, side points only from 19.
std::vector<std::array<int, 2>> StarPointCorners(const BoardGeometry& g);

// Grid bar i runs horizontally at y = i * pitch + offset and vertically at
// x = i * pitch + offset, from offset on, `thickness` wide and `length` long.
struct GridBars {
  int thickness = 1;
  int offset = 0;
  int length = 0;
};
GridBars computeGridBars(const BoardGeometry& g);

}  // namespace mokuza::render
