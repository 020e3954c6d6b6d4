#pragma once
// A point as the two letters of a game file: column then row, 'a' for the
// first line. A pass is written as no letters; letters off the board (such
// as "tt") are read as a pass.

#include <string>
#include <string_view>

#include "core/record/record_point.h"

namespace mokuza {

// Column x and row y, counted from 0, as letters; no range check.
template <typename Char = char16_t>
std::basic_string<Char> sgfLetters(int x, int y) {
  return {static_cast<Char>('a' + x), static_cast<Char>('a' + y)};
}

// The letters of a point of an N x N board; empty for the pass.
template <typename Char = char16_t>
std::basic_string<Char> sgfLetters(RecordPoint p, int n) {
  if (p.index < 0 || p.index >= n * n) return {};
  return sgfLetters<Char>(p.index % n, p.index / n);
}

// The first two letters as a point of an N x N board; the pass when there
// are fewer or they lie off the board.
template <typename Char>
RecordPoint decodeSgfPoint(std::basic_string_view<Char> letters, int n) {
  if (letters.size() < 2) return {};
  const int x = letters[0] - Char('a'), y = letters[1] - Char('a');
  if (x < 0 || y < 0 || x >= n || y >= n) return {};
  return {x + y * n};
}

}  // namespace mokuza
