#include "core/document/stone_colour.h"

#include <algorithm>

#include "core/document/board_edits.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"

namespace mokuza {

bool reversePlacedStone(Document& doc, RecordPoint point) {
  GameRecord& rec = doc.record();
  if (autoPlayRunning(doc)) return false;
  const std::optional<PlacedStone> placed = placedStoneAt(doc, point);
  if (!placed) return false;
  const int m = placed->move;
  MoveRecord& placing = *rec.lineRecords[static_cast<std::size_t>(m)];
  if (placed->setup) {
    MarkEntry& setup = placing.marks.at(static_cast<std::int16_t>(point.index));
    setup.stone = static_cast<std::int8_t>(-setup.stone);
  } else {
    placing.colour = static_cast<std::int8_t>(-placing.colour);
  }
  markModified(doc);
  rebuildCurrentLine(rec);
  recomputePositions(doc, std::max(m - 1, 0));
  recordUndo(doc, u"石の色反転");
  return true;
}

}  // namespace mokuza
