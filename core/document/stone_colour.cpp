#include "core/document/stone_colour.h"

#include <algorithm>

#include "core/document/navigation.h"
#include "core/document/undo.h"

namespace mokuza {
namespace {

MarkEntry* setupStoneAt(MoveRecord& record, RecordPoint point) {
  for (MarkEntry& entry : record.marks)
    if (entry.point == point.index && entry.stone != 0) return &entry;
  return nullptr;
}

}  // namespace

bool reversePlacedStone(Document& doc, RecordPoint point) {
  GameRecord& rec = doc.record();
  if (doc.autoPlayRunning || !isOnBoard(point.index, rec.boardSize)) return false;
  const BoardGrid& shown = doc.shownPosition.boardGrid;
  const int m = shown.stones[point] == 0 ? -1 : shown.placedBy[point];
  if (m < 0 || static_cast<std::size_t>(m) >= rec.lineRecords.size()) return false;

  // A setup stone of record m wins over its move: the setup list is placed first.
  MoveRecord& placing = *rec.lineRecords[static_cast<std::size_t>(m)];
  if (MarkEntry* setup = setupStoneAt(placing, point)) {
    setup->stone = static_cast<std::int8_t>(-setup->stone);
  } else if (placing.hasMove() && placing.point == point.index) {
    placing.colour = static_cast<std::int8_t>(-placing.colour);
  } else {
    return false;
  }
  markModified(doc);
  rebuildCurrentLine(rec);
  recomputePositions(doc, std::max(m - 1, 0));
  recordUndo(doc, u"石の色反転");
  return true;
}

}  // namespace mokuza
