#include "search/search_pattern.h"

#include <algorithm>

#include "core/record/board_transform.h"
#include "search/stone_replay.h"

namespace mokuza::search {
namespace {

std::size_t at(int u) { return static_cast<std::size_t>(u); }

bool inRange(int u, int n, const std::array<int, 4>& r) {
  const int x = u % n, y = u / n;
  return x >= r[0] && x <= r[2] && y >= r[1] && y <= r[3];
}

// Fills the points and values from the pattern's stones and captured points;
// `order` is the move that placed each stone.
void fillPoints(SearchPattern& pattern, const std::vector<int>& order) {
  const int n = pattern.boardSize;
  pattern.patternPoints.clear();
  pattern.patternValue.fill(kMustBeEmpty);
  pattern.patternStones = 0;
  pattern.lastColour = 0;
  pattern.rangeStones = 0;
  int latest = -1;
  for (int u = 0; u < n * n; ++u) {
    if (pattern.range && !inRange(u, n, *pattern.range)) continue;
    pattern.patternPoints.push_back(u);
    const int stone = pattern.stones[at(u)];
    pattern.patternValue[at(u)] = static_cast<std::int8_t>(stone);
    if (stone == 0) continue;
    ++pattern.patternStones;
    if (order[at(u)] > latest) {
      latest = order[at(u)];
      pattern.lastColour = stone;
    }
  }
  for (int u : pattern.patternPoints)
    if (pattern.stones[at(u)] == 0 && pattern.captured.test(at(u))) pattern.patternValue[at(u)] = kWasCaptured;
  if (pattern.range) pattern.rangeStones = pattern.patternStones;
}

// Variant v (0..7) of point p: 0..3 turn it by 0, 90, 180, 270 degrees
// clockwise, 4..7 mirror it left to right first. v 8..15 place it as v - 8.
int variantPoint(int p, int v, int n) {
  v %= kOwnColourVariants;
  int q = v >= 4 ? mirrorPoint(p, n) : p;
  for (int turn = 0; turn < v % 4; ++turn) q = rotatePoint(q, n);
  return q;
}

}  // namespace

int patternPointOf(int q, int v, int n) {
  v %= kOwnColourVariants;
  // Three more quarter turns undo the turns; the mirror is its own inverse.
  int p = q;
  for (int turn = 0; turn < (4 - v % 4) % 4; ++turn) p = rotatePoint(p, n);
  return v >= 4 ? mirrorPoint(p, n) : p;
}

SearchPattern makePattern(const Board& board, int position, std::optional<std::array<int, 4>> range) {
  SearchPattern pattern;
  const GridGeometry& geo = board.geometry;
  pattern.boardSize = geo.n;
  pattern.moveNumber = position;
  if (range) {
    auto& r = *range;
    r = {std::max(r[0], 0), std::max(r[1], 0), std::min(r[2], geo.n - 1), std::min(r[3], geo.n - 1)};
    pattern.range = r;
  }
  if (position < 0 || position >= board.history.computed()) return pattern;
  const BoardGrid& grid = board.history.boardGrids[at(position)];
  std::vector<int> order(kMaxBoardPoints, -1);
  for (RecordPoint u{0}; u.index < geo.pointCount; ++u.index) {
    const int stone = grid.stones[u];
    pattern.stones[at(u.index)] = static_cast<std::int8_t>(stone == kStoneBlack || stone == kStoneWhite ? stone : 0);
    order[at(u.index)] = grid.placedBy[u];
  }
  if (position < static_cast<int>(board.history.slots.size())) {
    const PositionSlot& slot = board.slot(position);
    for (const auto* taken : {&slot.capturedBlack, &slot.capturedWhite})
      for (BorderedPoint b : *taken)
        if (geo.isBoardPoint(b)) pattern.captured.set(at(geo.unbordered(b).index));
  }
  fillPoints(pattern, order);
  return pattern;
}

std::optional<SearchPattern> patternWithMove(const SearchPattern& pattern, int point) {
  const int n = pattern.boardSize;
  if (point < 0 || point >= n * n || pattern.stones[at(point)] != 0) return std::nullopt;
  StoneBoard board(n);
  for (int u = 0; u < n * n; ++u)
    if (pattern.stones[at(u)] != 0) board.place(u, pattern.stones[at(u)]);
  const int colour = nextColour(pattern);
  board.place(point, colour);
  SearchPattern next = pattern;
  next.moveNumber = pattern.moveNumber + 1;
  for (int u = 0; u < n * n; ++u) next.stones[at(u)] = static_cast<std::int8_t>(board.stoneAt(u));
  for (int u : board.lastCaptures()) next.captured.set(at(u));
  fillPoints(next, std::vector<int>(kMaxBoardPoints, 0));
  next.lastColour = colour;  // the added stone is the last one, wherever it stands
  next.addedMoves.push_back({colour, next.moveNumber, point});
  return next;
}

std::array<VariantMasks, kVariantCount> makeVariantMasks(const SearchPattern& pattern) {
  std::array<VariantMasks, kVariantCount> masks;
  const int n = pattern.boardSize;
  for (int v = 0; v < kVariantCount; ++v) {
    VariantMasks& mask = masks[at(v)];
    const int swap = v >= kOwnColourVariants ? -1 : 1;
    for (int p : pattern.patternPoints) {
      const auto q = at(variantPoint(p, v, n));
      const int value = pattern.patternValue[at(p)];
      mask.area.set(q);
      if (value == kWasCaptured) mask.captured.set(q);
      else if (value * swap == kStoneBlack) mask.black.set(q);
      else if (value * swap == kStoneWhite) mask.white.set(q);
      else mask.empty.set(q);
    }
  }
  return masks;
}

}  // namespace mokuza::search
