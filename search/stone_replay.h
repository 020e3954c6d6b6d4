#pragma once
// The stones alone, played with the capture rule of the board logic, for the
// search: one flat grid, no chains kept, nothing allocated. Enemy chains left
// without liberties go first, then the stone's own chain if it has none; a
// stone may land on an occupied point.

#include <array>
#include <cstdint>
#include <span>

#include "core/rules/grid_geometry.h"
#include "search/search_pattern.h"

namespace mokuza::search {

class StoneBoard {
 public:
  explicit StoneBoard(int n);

  // Puts a stone of colour c (+1 or -1) on unbordered point u; points off
  // the board are passes.
  void place(int u, int c);

  int size() const { return n_; }
  int stoneAt(int u) const { return cells_[static_cast<std::size_t>(bordered(u))]; }
  // Points emptied by the last place().
  std::span<const std::int16_t> lastCaptures() const {
    return std::span(captures_).first(static_cast<std::size_t>(captureCount_));
  }

 private:
  int bordered(int u) const { return (u / n_ + 1) * width_ + u % n_ + 1; }
  int unbordered(int b) const { return (b / width_ - 1) * n_ + b % width_ - 1; }
  // True when the stone at b has an empty neighbour: most stones do, and
  // then their chain needs no walk.
  bool touchesEmpty(int b) const;
  // True when the chain at b touches an empty point; the walk stops at the
  // first one. Only when there is none does chain_ hold the whole chain.
  bool hasLiberty(int b);
  void removeGathered();

  int n_;
  int width_;
  std::array<int, 4> neighbours_{};
  std::array<std::int8_t, kGridCells> cells_{};
  std::array<std::uint16_t, kGridCells> seen_{};
  std::uint16_t stamp_ = 0;
  std::array<std::int16_t, kGridCells> chain_{};
  int chainLength_ = 0;
  std::array<std::int16_t, kMaxBoardPoints> captures_{};
  int captureCount_ = 0;
};

}  // namespace mokuza::search
