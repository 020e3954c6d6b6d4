#pragma once
// The evidence sets of the classifier: points as bits, with the set
// difference the choice needs done a word at a time.

#include <array>
#include <bit>
#include <cstdint>

#include "core/rules/grid_geometry.h"
#include "core/rules/point_set.h"

namespace mokuza::naming {

class PointBits {
 public:
  void insert(int b) { words_[index(b)] |= bit(b); }
  void erase(int b) { words_[index(b)] &= ~bit(b); }
  bool contains(int b) const { return (words_[index(b)] & bit(b)) != 0; }
  void clear() { words_.fill(0); }
  bool empty() const {
    std::uint64_t any = 0;
    for (std::uint64_t w : words_) any |= w;
    return any == 0;
  }
  int size() const {
    int count = 0;
    forEach([&count](int) { ++count; });
    return count;
  }
  PointBits& operator|=(const PointSet& points) {
    points.forEach([this](int b) { insert(b); });
    return *this;
  }
  void subtract(const PointBits& other) {
    for (std::size_t i = 0; i < words_.size(); ++i) words_[i] &= ~other.words_[i];
  }

  // Calls f(b) for every point, in increasing order.
  template <typename F>
  void forEach(F&& f) const {
    for (std::size_t i = 0; i < words_.size(); ++i)
      for (std::uint64_t w = words_[i]; w; w &= w - 1) f(static_cast<int>(i * 64) + std::countr_zero(w));
  }

 private:
  static std::size_t index(int b) { return static_cast<std::size_t>(b) >> 6; }
  static std::uint64_t bit(int b) { return std::uint64_t{1} << (b & 63); }
  std::array<std::uint64_t, (kGridCells + 63) / 64> words_{};
};

}  // namespace mokuza::naming
