#pragma once
// Reversing the colour of one stone in the record itself.

#include "core/document/document.h"

namespace mokuza {

// The stone at `point` of the shown position changes colour where the record
// placed it: the setup entry of the record that put it there, or else that
// record's move. The positions are replayed from the move before it and the
// change is recorded. False when the record placed no stone there (an empty
// point, a point off the board) or auto-play runs.
bool reversePlacedStone(Document& doc, RecordPoint point);

}  // namespace mokuza
