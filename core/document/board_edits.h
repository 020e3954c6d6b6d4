#pragma once
// What the board tools change in the record: setup stones, marks and labels,
// and stones dragged to another point or off the board. Each edit ends as
// every change of the moves ends (finishMoveEdit) and returns false when it
// changed nothing.

#include <optional>
#include <string>

#include "core/document/document.h"

namespace mokuza {

// Where the record put the stone shown at a point: the move number of the
// record that placed it, whether its setup list did (a setup stone wins over
// the record's own move, the setup list being placed first), and the colour.
struct PlacedStone {
  int move = 0;
  bool setup = false;
  int colour = 0;
};
std::optional<PlacedStone> placedStoneAt(const Document& doc, RecordPoint point);

// A setup stone of `colour` at a point of the shown move: set, or removed
// when one of that colour is there. A stone a move played without a setup
// stone under it is left alone.
bool toggleSetupStone(Document& doc, RecordPoint point, int colour);

// The mark tools, in the order of their radio buttons.
enum class MarkTool { Triangle, Square, Circle, Cross, Label };

// A mark of the shown move: a point with a mark text loses it, else it gets
// the tool's text (the label field's for MarkTool::Label). A single letter
// placed advances `labelField` to the next one; a single letter removed is
// given back to it.
bool toggleMark(Document& doc, RecordPoint point, MarkTool tool, std::u16string& labelField);

// A stone dragged to an empty point: a setup stone moves its entry, a played
// stone's record gets the new point and the line replays from that move.
bool moveStone(Document& doc, RecordPoint from, RecordPoint to);
// A stone dragged off the board: a setup stone is removed; a played stone's
// move is deleted and the view goes back one move from where it was.
bool removeStone(Document& doc, RecordPoint from);

}  // namespace mokuza
