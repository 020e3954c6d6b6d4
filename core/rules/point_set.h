#pragma once
// A set of points of one numbering as a fixed bitset: chains and liberties
// are merged, counted and copied on every move, so they must not allocate.

#include <array>
#include <cassert>
#include <cstdint>

#include "core/record/bits.h"
#include "core/rules/grid_geometry.h"

namespace mokuza {

template <typename Point>
class BasicPointSet {
 public:
  static constexpr int kWords = (kGridCells + 63) / 64;

  void insert(Point p) { word(p) |= bit(p); }
  // insert(p) when `when` holds, without a branch on it.
  void insertIf(Point p, bool when) { word(p) |= bitIf(when, p.index & 63); }
  void erase(Point p) { word(p) &= ~bit(p); }
  bool contains(Point p) const { return (word(p) & bit(p)) != 0; }
  void clear() { words_.fill(0); }
  bool empty() const {
    std::uint64_t any = 0;
    for (std::uint64_t w : words_) any |= w;
    return any == 0;
  }
  int size() const {
    int count = 0;
    for (std::uint64_t w : words_) count += countBits(w);
    return count;
  }
  BasicPointSet& operator|=(const BasicPointSet& other) {
    for (std::size_t i = 0; i < words_.size(); ++i) words_[i] |= other.words_[i];
    return *this;
  }
  // Removes every point of `other`.
  void subtract(const BasicPointSet& other) {
    for (std::size_t i = 0; i < words_.size(); ++i) words_[i] &= ~other.words_[i];
  }
  bool operator==(const BasicPointSet&) const = default;

  // Calls f(p) for every point, in increasing order.
  template <typename F>
  void forEach(F&& f) const {
    for (std::size_t i = 0; i < words_.size(); ++i)
      forEachBit(words_[i], [&](int n) { f(Point{static_cast<int>(i * 64) + n}); });
  }

 private:
  std::uint64_t& word(Point p) { return words_[slot(p)]; }
  std::uint64_t word(Point p) const { return words_[slot(p)]; }
  static std::size_t slot(Point p) {
    assert(p.index >= 0 && p.index < kGridCells);
    return static_cast<std::size_t>(p.index) >> 6;
  }
  static std::uint64_t bit(Point p) { return std::uint64_t{1} << (p.index & 63); }
  std::array<std::uint64_t, kWords> words_{};
};

// Chains, liberties, dead stones: bordered points.
using PointSet = BasicPointSet<BorderedPoint>;
// A selected range of the board: record points.
using RecordPointSet = BasicPointSet<RecordPoint>;

}  // namespace mokuza
