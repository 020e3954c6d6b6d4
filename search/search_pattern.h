#pragma once
// The pattern a partial-board search looks for: the stones of a position on
// the whole board or on a selected range, and its sixteen variants (four
// turns, their mirror images, and all eight again with the colours exchanged)
// as bit masks over the board points.

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/record/game_record.h"
#include "core/rules/board.h"

namespace mokuza::search {

constexpr int kMaxBoardPoints = kMaxBoardSize * kMaxBoardSize;
using PointBits = std::bitset<kMaxBoardPoints>;  // by unbordered index

constexpr int kVariantCount = 16;
constexpr int kOwnColourVariants = 8;  // 8 .. 15 exchange the colours

// Values of a pattern point.
constexpr std::int8_t kMustBeEmpty = 0;
// Emptied by a capture on the way to the pattern position: the point was
// played on before, so a stone there only spoils a position, it does not rule
// the game out.
constexpr std::int8_t kWasCaptured = 2;

// A point added to the pattern by "この手を加えて再検索".
struct AddedMove {
  int colour = 0;      // +1 black, -1 white
  int moveNumber = 0;  // the pattern position after it
  int point = 0;       // unbordered
};

struct SearchPattern {
  int boardSize = kDefaultBoardSize;
  int moveNumber = 0;                                       // the position the pattern was taken from
  std::vector<int> patternPoints;                           // unbordered points searched, ascending
  std::array<std::int8_t, kMaxBoardPoints> patternValue{};  // +1, -1, kMustBeEmpty or kWasCaptured
  int patternStones = 0;                                    // black plus white stones among the points
  int lastColour = 0;                                       // colour of the stone placed last, 0 without stones
  // The range tool's rectangle when one limits the pattern (columns and rows
  // from 0, inclusive); rangeStones is its stone count, 0 without a range.
  std::optional<std::array<int, 4>> range;
  int rangeStones = 0;
  // The whole position the pattern came from, and every point a capture
  // emptied on the way to it, so that a move can be added.
  std::array<std::int8_t, kMaxBoardPoints> stones{};
  PointBits captured;
  std::vector<AddedMove> addedMoves;
};

// The stones of position `position` of the board's history, on every point or,
// with a range {left, top, right, bottom}, on the points inside it. Empty
// points whose stones were captured up to that position become kWasCaptured. An out-of-range position or an
// empty range gives a pattern without points.
SearchPattern makePattern(const Board& board, int position, std::optional<std::array<int, 4>> range);

// The pattern after the colour to play puts a stone on `point` of the
// pattern's position (captures included): the next position of a re-search.
// Nothing when the point is off the board or occupied.
std::optional<SearchPattern> patternWithMove(const SearchPattern& pattern, int point);

// The inverse: the pattern point that variant v puts on game point q.
int patternPointOf(int q, int v, int n);

// One variant as masks over the game's board, in the game's orientation.
struct VariantMasks {
  PointBits black;  // a black stone expected
  PointBits white;
  PointBits empty;     // kMustBeEmpty: a stone here ends the variant for the game
  PointBits captured;  // kWasCaptured: a stone here spoils the position only
  PointBits area;      // every point of the variant
};

std::array<VariantMasks, kVariantCount> makeVariantMasks(const SearchPattern& pattern);

// The colour the pattern expects next: the other of lastColour, black first.
inline int nextColour(const SearchPattern& pattern) { return pattern.lastColour == 0 ? 1 : -pattern.lastColour; }

}  // namespace mokuza::search
