#pragma once
// Which part of the composed picture an image export writes.

#include <cstdint>
#include <vector>

#include "render/board_geometry.h"

namespace mokuza::render {

// The values of the setting "imgoutput": the command ids of its sub-menu.
enum ImageOutput : int {
  kOutputBoard = 33794,            // "盤面(&B)"
  kOutputLowerLeft = 33795,        // "左下(&L)"
  kOutputLowerLeftCoords = 33796,  // "左下＆座標(&H)"
  kOutputWhole = 33797,            // "全体(&Z)"
  kOutputStonesCurrent = 33798,    // "碁石 - 現在の大きさ (&G)"
  kOutputStonesSource = 33799,     // "碁石 - 元画像の大きさ (&O)"
  kOutputNone = 33800,             // "なし(&N)"
};

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const PixelRect&) const = default;
};

struct ExportCut {
  int choice = kOutputBoard;
  int clientWidth = 0, clientHeight = 0;
  // Stone colours by unbordered point, boardSize squared of them.
  std::vector<std::int8_t> stones;
  // The range tool's selection, when it is the tool in use outside counting
  // mode: corners as columns and rows.
  bool selection = false;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The rectangle of the composed picture the JPEG holds; empty for the stone
// choices and "なし". The lower-left cuts keep their own rule in the range
// tool too, for size and origin alike.
PixelRect exportRegion(const ExportCut& cut, const BoardGeometry& g);

}  // namespace mokuza::render
