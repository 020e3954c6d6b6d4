#pragma once
// The stones that resonate with a move: those of its figure, each with the
// move that placed it.

#include <array>
#include <cstdint>

#include "core/record/game_record.h"
#include "core/rules/board.h"

namespace mokuza::playback {

using PlacedByRow = RecordArray<std::int16_t>;

// Calls visit(placedBy, point) for each stone of the record's figure
// other than the move's own, in the figure's order; placedBy comes from
// `placedBy` (the layer of a position that names the move, or setup
// position, that put each stone there).
template <typename Visit>
void forEachResonance(const GridGeometry& geo, const MoveRecord& record, const PlacedByRow& placedBy, Visit&& visit) {
  const BorderedPoint own = geo.bordered(geo.recordPoint(record.point));
  for (std::int16_t stone : record.figureStones()) {
    const BorderedPoint b{stone};
    if (b == own || !geo.isBoardPoint(b)) continue;
    visit(static_cast<int>(placedBy[geo.unbordered(b)]), b);
  }
}

// The layer of computed position m that tells which move placed each stone;
// null when the position is not computed.
inline const PlacedByRow* placedByRow(const Board& board, int m) {
  if (m < 0 || m >= board.history.computed()) return nullptr;
  return &board.history.boardGrids[static_cast<std::size_t>(m)].placedBy;
}

}  // namespace mokuza::playback
