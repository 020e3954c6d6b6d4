#pragma once
// The record's numbering of points and the array type every point numbering
// indexes. The bordered numbering of the rules and the conversions between
// the two are in core/rules/grid_geometry.h.

#include <array>
#include <cassert>
#include <compare>
#include <cstddef>

namespace mokuza {

// A move without a board point (a pass) in record coordinates.
constexpr int kPassPoint = 422;

// A point as records store it: x + y * N, column x and row y from the top
// left, counted from 0; kPassPoint for a pass.
struct RecordPoint {
  int index = kPassPoint;
  constexpr bool isPass() const { return index == kPassPoint; }
  friend constexpr auto operator<=>(RecordPoint, RecordPoint) = default;
};

// A fixed array indexed by one numbering only. The index is checked in
// debug and sanitizer builds; release builds index the bare array.
template <typename Point, typename T, std::size_t Size>
struct PointArray {
  std::array<T, Size> cells{};

  constexpr T& operator[](Point p) {
    assert(p.index >= 0 && static_cast<std::size_t>(p.index) < Size);
    return cells[static_cast<std::size_t>(p.index)];
  }
  constexpr const T& operator[](Point p) const {
    assert(p.index >= 0 && static_cast<std::size_t>(p.index) < Size);
    return cells[static_cast<std::size_t>(p.index)];
  }
  constexpr void fill(const T& value) { cells.fill(value); }
  constexpr auto begin() { return cells.begin(); }
  constexpr auto end() { return cells.end(); }
  constexpr auto begin() const { return cells.begin(); }
  constexpr auto end() const { return cells.end(); }
  static constexpr std::size_t size() { return Size; }
  bool operator==(const PointArray&) const = default;
};

}  // namespace mokuza
