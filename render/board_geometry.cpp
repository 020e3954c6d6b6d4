#include "render/board_geometry.h"

#include <algorithm>

namespace mokuza::render {
namespace {

constexpr int kLargestExtent = 4096;
constexpr int kLargestMargin = 100000;

}  // namespace

namespace {

// The room the coordinate labels take left of the board and below it.
int labelRoomLeft(const GeometryInputs& in, int pitch) { return in.coordinateStyle > 0 ? 4 * (pitch / 9) + 8 : 0; }
int labelRoomBelow(const GeometryInputs& in, int pitch) { return in.coordinateStyle > 0 ? pitch / 2 + 10 : 0; }

// Places a board of one pitch; everything but the pitch follows from it.
BoardGeometry placeBoard(const GeometryInputs& in, int n, int w, int h, int p, int pitch) {
  BoardGeometry g;
  g.boardSize = n;
  g.pitch = pitch;
  g.halfPitch = g.pitch / 2;
  g.extent = n * g.pitch;
  g.lineWidth = std::max(g.pitch / 50, 1);
  g.stoneInset = (g.pitch + 100) * (5 - std::clamp(in.stoneSizeStep, 0, 5)) / 100;
  g.stoneSize = std::max(g.pitch - 2 * g.stoneInset, 1);
  g.markInset = 2 * g.pitch / 7;
  g.markSize = g.pitch - 2 * g.markInset;

  int p19 = std::min(std::min(h * 9 / 10 - 48, w * 9 / 10 - 360) / 19, 230);
  if (in.boardSizeStep == 0) p19 = p19 * 9 / 10;
  p19 = std::max(p19, 8);

  const bool panelAtLeft = in.layoutNo < 2;
  const int roomLeft = labelRoomLeft(in, g.pitch);
  if (in.marginX <= 0) {
    g.boardLeft = (panelAtLeft && p > 0 ? p + 16 : 0) + roomLeft;
    g.boardLeft = std::max(g.boardLeft, (w - g.extent) / 2);
  } else {
    g.boardLeft = std::min(in.marginX, kLargestMargin) - 16 + p19 + (panelAtLeft ? 312 : 0) - 2 * p19 / 3;
  }
  // The icon strip stands above the board, never on it.
  const int top = std::clamp(in.iconStripHeight, 0, kLargestMargin);
  if (in.marginY <= 0) {
    g.boardTop = std::max((h - g.extent - labelRoomBelow(in, g.pitch)) / 2, top);
    if (in.statusBarShown && g.boardTop - in.statusBarHeight / 2 >= top) g.boardTop -= in.statusBarHeight / 2;
  } else {
    g.boardTop = std::max(std::min(in.marginY, kLargestMargin) - 2 * p19 / 3 - 16 + p19, top);
  }

  int s = (std::clamp(in.starSizeStep, 0, 20) + 2) * g.pitch / 16;
  const bool middle = g.pitch > 80 && g.pitch <= 200;
  if (middle ? s % 2 == 0 : s % 2 != 0) ++s;
  const int k = g.pitch <= 80 ? s - 1 : (middle ? s - 2 : s - 3);
  g.starOffset = g.halfPitch - k / 2 - (g.pitch > 80 ? 2 : 1);
  g.starSize = s;

  g.infoLeft = g.boardLeft;
  g.infoTop = g.boardTop + g.extent + g.pitch / 4;
  g.infoWidth = g.extent;
  g.infoHeight = std::max(std::min(g.extent, h - g.infoTop), 0);
  return g;
}

// Whether the board with its labels stays clear of the side panel, the
// status bar and the client's edges.
bool fitsWindow(const GeometryInputs& in, const BoardGeometry& g, int w, int h, int p) {
  const int bottom = h - (in.statusBarShown ? in.statusBarHeight : 0);
  const bool panelAtLeft = in.layoutNo < 2 && p > 0;
  const int left = (panelAtLeft ? p : 0) + labelRoomLeft(in, g.pitch);
  return g.boardTop + g.extent + labelRoomBelow(in, g.pitch) <= bottom && g.boardLeft >= left &&
         g.boardLeft + g.extent <= w;
}

}  // namespace

BoardGeometry ComputeBoardGeometry(const GeometryInputs& in) {
  const int n = std::clamp(in.boardSize, 1, 19);
  const int w = std::clamp(in.clientWidth, 0, kLargestMargin), h = std::clamp(in.clientHeight, 0, kLargestMargin);
  const int p = std::clamp(in.panelWidth, 0, kLargestMargin);

  const int cell = std::min(h * 9 / 10, w * 9 / 10 - p) / n;
  int v = (std::clamp(in.boardSizeStep, -45, 1000) + 45) * std::min(cell, 230) / 50;
  v = std::max(v, 7);
  int pitch = v % 2 == 0 ? v + 1 : v;
  if (in.absolutePitch > 0) pitch = in.absolutePitch | 1;
  // Whatever a design asks for, the cell centre stays a whole pixel and the
  // board surfaces stay within 4096 pixels, so that they can be allocated.
  const int largest = (kLargestExtent / n - 1) | 1;
  pitch = std::clamp(pitch, 7, std::max(largest, 7));

  BoardGeometry g = placeBoard(in, n, w, h, p, pitch);
  // An automatic size gives up a cell at a time until the labels, the icons
  // and the status bar leave the board in view.
  while (in.absolutePitch <= 0 && g.pitch > 7 && !fitsWindow(in, g, w, h, p))
    g = placeBoard(in, n, w, h, p, g.pitch - 2);
  return g;
}

std::vector<std::array<int, 2>> StarPointCorners(const BoardGeometry& g) {
  const int n = g.boardSize;
  std::vector<std::array<int, 2>> corners;
  if (n < 9) return corners;
  const int d = n >= 13 ? 4 : 3;
  const int a = (d - 1) * g.pitch + g.starOffset;
  const int b = (n - d) * g.pitch + g.starOffset;
  const int c = (n / 2) * g.pitch + g.starOffset;
  corners = {{a, a}, {a, b}, {b, a}, {b, b}};
  if (n % 2 == 1) corners.push_back({c, c});
  if (n >= 19) {
    corners.push_back({a, c});
    corners.push_back({b, c});
    corners.push_back({c, a});
    corners.push_back({c, b});
  }
  return corners;
}

GridBars computeGridBars(const BoardGeometry& g) {
  GridBars bars;
  bars.thickness = std::min(g.pitch, 160) / 40 + 1;
  bars.offset = g.halfPitch - bars.thickness / 2;
  // From the first cell centre to the last, so the corners close.
  bars.length = (g.boardSize - 1) * g.pitch + bars.thickness;
  return bars;
}

}  // namespace mokuza::render
