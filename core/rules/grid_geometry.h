#pragma once
// The bordered grid: sizes, index conversions, neighbour orders and the
// per-point facts (line numbers, star points, corner points) that the rules
// and the move classifier read.
//
// Two numberings of the points, shown on a 5 x 5 board (N = 5); the frame
// cells of the bordered grid are in brackets:
//
//   record: x + y * N       bordered: (y + 1) * (N + 2) + x + 1
//                           [ 0] [ 1] [ 2] [ 3] [ 4] [ 5] [ 6]
//    0  1  2  3  4          [ 7]   8    9   10   11   12  [13]
//    5  6  7  8  9          [14]  15   16   17   18   19  [20]
//   10 11 12 13 14          [21]  22   23   24   25   26  [27]
//   15 16 17 18 19          [28]  29   30   31   32   33  [34]
//   20 21 22 23 24          [35]  36   37   38   39   40  [41]
//                           [42] [43] [44] [45] [46] [47] [48]
//
// A RecordPoint is what the record stores and the user clicks; its pass is
// kPassPoint (422). A BorderedPoint is what the rules play on: the frame
// around the board lets a neighbour step (+-1, +-(N + 2)) need no edge test;
// its pass is kPaddedPass (442). Both passes lie past the largest board, so
// one array size (kGridCells) serves every N. Only GridGeometry converts.

#include <array>
#include <compare>
#include <cstdint>

#include "core/record/record_point.h"

namespace mokuza {

// Per-point arrays hold a 21 x 21 bordered grid plus two cells.
constexpr int kGridCells = 443;
// The pass in the bordered numbering.
constexpr int kPaddedPass = 442;

struct BorderedPoint {
  int index = kPaddedPass;
  constexpr bool isPass() const { return index == kPaddedPass; }
  // A neighbour step: one of GridGeometry's neighbour or diagonal offsets.
  constexpr BorderedPoint operator+(int offset) const { return {index + offset}; }
  friend constexpr auto operator<=>(BorderedPoint, BorderedPoint) = default;
};

template <typename T>
using BorderedArray = PointArray<BorderedPoint, T, kGridCells>;
template <typename T>
using RecordArray = PointArray<RecordPoint, T, kGridCells>;

struct PointInfo {
  std::uint8_t lineX = 0;   // line of the column from the nearer side edge; 1 = edge, 0 = frame
  std::uint8_t lineY = 0;   // the same for the row
  std::uint8_t height = 0;  // min(lineX, lineY): the line of the nearest edge
  std::uint8_t depth = 0;   // max(lineX, lineY)
  std::uint8_t x = 0;       // bordered column
  std::uint8_t y = 0;       // bordered row
  std::uint8_t cornerStar = 0;
  std::uint8_t sideStar = 0;
  std::uint8_t centre = 0;
  std::uint8_t komoku = 0;
  std::uint8_t mokuhazushi = 0;
  std::uint8_t takamoku = 0;
  std::uint8_t frame = 0;
};

struct GridGeometry {
  int n = 19;      // board size N
  int width = 21;  // N + 2, also the height
  int pointCount = 361;
  int borderedCount = 441;
  int centreLine = 10;              // N/2 + 1 for odd N, -1 for even N
  std::array<int, 4> neighbours{};  // up, left, right, down
  std::array<int, 4> diagonals{};   // up-left, down-left, up-right, down-right
  BorderedArray<PointInfo> info{};

  bool isOnBoard(RecordPoint u) const { return u.index >= 0 && u.index < pointCount; }
  bool isBoardPoint(BorderedPoint b) const { return b.index >= 0 && b.index < borderedCount && !info[b].frame; }
  // A stored record index; anything off the board is the pass.
  RecordPoint recordPoint(int stored) const { return isOnBoard({stored}) ? RecordPoint{stored} : RecordPoint{}; }
  // Points off the board map to the pass.
  BorderedPoint bordered(RecordPoint u) const {
    return isOnBoard(u) ? BorderedPoint{(u.index / n + 1) * width + u.index % n + 1} : BorderedPoint{};
  }
  BorderedPoint bordered(int x, int y) const { return {(y + 1) * width + x + 1}; }
  RecordPoint unbordered(BorderedPoint b) const {
    return b.isPass() ? RecordPoint{} : RecordPoint{(b.index / width - 1) * n + b.index % width - 1};
  }
};

// Geometry for an N x N board; sizes outside 2..19 are taken as 19.
GridGeometry makeGridGeometry(int n);

}  // namespace mokuza
