#pragma once
// The bit idioms of the hot paths, each named once. Replaying, naming and the
// search keep points and figures as bits of machine words, because whether a
// point holds a stone is as good as random: a branch on it is mispredicted
// half the time, a bit operation never.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

// The hottest functions are built twice: for any x86-64, and for x86-64-v3
// (AVX2, BMI, POPCNT), whose single instructions test and count bits. The
// loader picks the build the processor runs, so the program runs everywhere
// without a -march flag. Only GCC builds the clones.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define MOKUZA_CPU_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define MOKUZA_CPU_CLONES
#endif

namespace mokuza {

// Set bits of a word, inline: std::popcount becomes a library call on the
// x86-64 baseline (no POPCNT instruction), which cost more than the sets.
constexpr int countBits(std::uint64_t w) {
  w -= (w >> 1) & 0x5555555555555555ull;
  w = (w & 0x3333333333333333ull) + ((w >> 2) & 0x3333333333333333ull);
  w = (w + (w >> 4)) & 0x0f0f0f0f0f0f0f0full;
  return static_cast<int>((w * 0x0101010101010101ull) >> 56);
}

// Bit n when `when` holds, else no bit: or-ed in, it sets a bit without a
// branch on a condition the board makes unpredictable.
template <typename Word = std::uint64_t>
constexpr Word bitIf(bool when, int n) {
  return static_cast<Word>(when) << n;
}

// The lowest set bit of w and every bit below it; every bit when w is 0.
// Of stones along a line as bits, nearest first: the line up to the first.
constexpr std::uint64_t upToLowestBit(std::uint64_t w) { return w ^ (w - 1); }

// Calls f(n) for every set bit n of w, lowest first: one step per set bit,
// however wide the word.
template <typename F>
constexpr void forEachBit(std::uint64_t w, F&& f) {
  for (; w; w &= w - 1) f(std::countr_zero(w));
}

// Up to three padded points kept in ten bits each, with their count in the
// top two bits: nearly every figure has so few stones, and a record holds them
// in room it has anyway.
class PackedPoints {
 public:
  static constexpr std::size_t kCapacity = 3;
  static bool fits(std::span<const std::int16_t> points) {
    return points.size() <= kCapacity &&
           std::all_of(points.begin(), points.end(), [](std::int16_t p) { return p >= 0 && p < 1024; });
  }
  // Only points that fit are kept; others leave the set empty.
  void assign(std::span<const std::int16_t> points) {
    bits_ = 0;
    if (!fits(points)) return;
    for (std::size_t i = 0; i < points.size(); ++i) bits_ |= static_cast<std::uint32_t>(points[i]) << (10 * i);
    bits_ |= static_cast<std::uint32_t>(points.size()) << 30;
  }
  std::size_t size() const { return bits_ >> 30; }
  std::int16_t operator[](std::size_t i) const { return static_cast<std::int16_t>((bits_ >> (10 * i)) & 1023u); }

 private:
  std::uint32_t bits_ = 0;
};

}  // namespace mokuza
