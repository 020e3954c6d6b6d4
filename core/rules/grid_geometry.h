#pragma once
// The bordered grid: sizes, index conversions, neighbour orders and the
// per-point facts (line numbers, star points, corner points) that the rules
// and the move classifier read.

#include <array>
#include <cstdint>

namespace mokuza {

// Per-point arrays hold a 21 x 21 bordered grid plus two cells.
constexpr int kGridCells = 443;
// The pass in both numberings of the rules. Records store their passes as
// 422 (any point off the board); the replay maps those to this value.
constexpr int kPaddedPass = 442;

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
  std::uint8_t reserved13 = 0;  // cleared here; kept for the classifier's own use
  std::uint8_t reserved14 = 0;
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
  std::array<PointInfo, kGridCells> info{};

  int bordered(int u) const { return u == kPaddedPass ? kPaddedPass : (u / n + 1) * width + u % n + 1; }
  int unbordered(int b) const { return b == kPaddedPass ? kPaddedPass : (b / width - 1) * n + b % width - 1; }
  bool isBoardPoint(int b) const { return b >= 0 && b < borderedCount && !info[static_cast<std::size_t>(b)].frame; }
};

// Geometry for an N x N board; sizes outside 2..19 are taken as 19.
GridGeometry makeGridGeometry(int n);

}  // namespace mokuza
