#pragma once
// Counting mode: the user marks dead stones, the empty areas grow into
// regions owned by the colour that alone surrounds them, and the score adds
// territory, prisoners and dead stones against komi. Also the counts of a
// selected board range.

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/rules/board.h"
#include "core/rules/point_set.h"

namespace mokuza {

constexpr int kRegionNeutral = 0;       // touched by both colours
constexpr int kRegionUndecided = -100;  // touched by no live stone

// One area of the count.
struct Region {
  int owner = kRegionUndecided;        // +1 black, -1 white, or the two values above
  PointSet points;                     // its empty points and dead stones
  std::vector<std::int16_t> boundary;  // chain indices of the live chains touching it, ascending
};

struct RangeCounts {
  int points = 0;
  int black = 0;
  int white = 0;
  int empty = 0;
};

// Everything counting keeps between clicks; the caller owns one per board.
struct CountingState {
  bool countingMode = false;
  PointSet deadStones;  // the stones marked dead
  int deadBlackCount = 0;
  int deadWhiteCount = 0;
  std::vector<Region> regions;  // in the order the scan found them
  // The range tool: while it is active only the selected points count, for
  // territory, dead stones and prisoners alike.
  bool rangeMode = false;
  RecordPointSet selection;  // the selected range
  RangeCounts range;
};

// Switches counting mode; returns the new state. Switching on forgets the
// dead stones and counts the board's current position. Resetting the input
// tool, restoring the shown position on the way out and repainting are the
// caller's.
bool ToggleCountingMode(CountingState& state, const Board& board);

// A click on `point` in counting mode: the clicked stone's
// chain, and every chain of its colour that borders a region it borders, are
// marked dead; a click on a stone already marked dead brings it back to life
// with the stones of its colour marked dead in its region. Then the board is
// counted again. An empty point, or a click outside counting mode, changes
// nothing.
void MarkDead(CountingState& state, const Board& board, RecordPoint point);

// Rebuilds the regions and the dead-stone counts for the board's current
// position; does nothing outside counting mode. Points are scanned row by
// row; each joins the regions of its neighbours, merging them.
void CountTerritory(CountingState& state, const Board& board);

// Counts the points, black stones, white stones and empty points of the selection.
void CountRange(CountingState& state, const Board& board);

// Points of the regions owned by `colour` (+1 or -1), dead stones included.
int territoryOf(const CountingState& state, int colour);

struct Score {
  int blackTerritory = 0;
  int blackPrisoners = 0;  // white stones Black has taken
  int blackTotal = 0;      // territory + prisoners + dead white stones
  int whiteTerritory = 0;
  int whitePrisoners = 0;
  int whiteTotal = 0;  // without komi
  int deadBlack = 0;
  int deadWhite = 0;
  int komiTenths = 0;  // 0 for a range count
  bool range = false;
  // Black minus White: in tenths of a point, komi included; in whole points
  // for a range count.
  int difference = 0;
};

// The score of the counted position. A range count takes only the prisoners
// taken from inside the selection and no komi.
Score computeScore(const CountingState& state, const Board& board, int komiTenths);

// The game-information komi as tenths of a point, truncated, read from its
// leading number whatever follows ("6.5" and "6.5目" are 65, "6目半" too,
// "-0.75" is -7); 0 when the text starts with no number.
int parseKomiTenths(std::u16string_view text);

}  // namespace mokuza
