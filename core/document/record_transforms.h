#pragma once
// The panel's transforms of the whole record: mirrors, a quarter turn, the
// colour swap and the four shifts that wrap around the board's edge.

#include <set>
#include <string_view>

#include "core/document/document.h"

namespace mokuza {

enum class RecordTransform {
  MirrorLeftRight,  // x' = N-1-x
  MirrorTopBottom,  // y' = N-1-y
  Rotate90,         // (x', y') = (N-1-y, x)
  SwapColours,      // points stay, colours change
  ShiftDown,
  ShiftLeft,
  ShiftRight,
  ShiftUp,
};

// A board point after a transform; points off the board (the pass) stay.
int transformedPoint(RecordTransform transform, int point, int n);

// What a transform touches: everything, or only the moves and entries inside
// a region (moves outside its move range stay too), or only the records of
// the current line with these move numbers.
struct TransformScope {
  const RangeSelection* region = nullptr;
  const std::set<int>* moves = nullptr;  // null or empty: no limit
};

// Applies the transform to every move and every setup stone and mark of every
// record in the tree, the root record included, within the scope. Each
// entry keeps its stone and text at its new point. False when nothing
// changed or auto-play runs.
bool transformRecord(Document& doc, RecordTransform transform, const TransformScope& scope,
                     std::u16string_view description);

}  // namespace mokuza
