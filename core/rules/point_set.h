#pragma once
// A set of bordered points as a fixed bitset: chains and liberties are
// merged, counted and copied on every move, so they must not allocate.

#include <array>
#include <bit>
#include <cstdint>

#include "core/rules/grid_geometry.h"

namespace mokuza {

class PointSet {
 public:
  static constexpr int kWords = (kGridCells + 63) / 64;

  void insert(int b) { words_[index(b)] |= bit(b); }
  void erase(int b) { words_[index(b)] &= ~bit(b); }
  bool contains(int b) const { return (words_[index(b)] & bit(b)) != 0; }
  void clear() { words_.fill(0); }
  bool empty() const {
    for (std::uint64_t w : words_)
      if (w) return false;
    return true;
  }
  int size() const {
    int count = 0;
    for (std::uint64_t w : words_) count += std::popcount(w);
    return count;
  }
  PointSet& operator|=(const PointSet& other) {
    for (int i = 0; i < kWords; ++i) words_[static_cast<std::size_t>(i)] |= other.words_[static_cast<std::size_t>(i)];
    return *this;
  }
  bool operator==(const PointSet&) const = default;

  // Calls f(b) for every point, in increasing order.
  template <typename F>
  void forEach(F&& f) const {
    for (int i = 0; i < kWords; ++i) {
      std::uint64_t w = words_[static_cast<std::size_t>(i)];
      while (w) {
        f(i * 64 + std::countr_zero(w));
        w &= w - 1;
      }
    }
  }

 private:
  static std::size_t index(int b) { return static_cast<std::size_t>(b) >> 6; }
  static std::uint64_t bit(int b) { return std::uint64_t{1} << (b & 63); }
  std::array<std::uint64_t, kWords> words_{};
};

}  // namespace mokuza
