#pragma once
// Changing the moves of the game: playing in the middle of a game, switching
// variations, and the three deletions.

#include "core/document/document.h"
#include "core/document/navigation.h"
#include "platform/services.h"

namespace mokuza {

struct PlayOverrides {
  bool shiftClick = false;    // play as a new variation
  bool droppedStone = false;  // a stone picked up from the board: replace the next move
};

// The user places a stone of the colour to play at a point, or passes
// (kPassPoint). Returns false when nothing changed (cancelled, or neither a
// point of the board nor the pass).
bool playAt(Document& doc, platform::Services& services, RecordPoint point, PlayOverrides overrides = {});

// How every change of the moves ends: modified, line rebuilt, the positions
// replayed from move `replayFrom`, the lists refreshed and the change recorded.
void finishMoveEdit(Document& doc, int replayFrom, std::u16string_view description);

// The steps of playAt that other move-adding features share. They change
// the tree and the line, never the positions: the caller replays.
//
// The insertion mode a stone in the middle of the game uses, asking when the
// design says so; -1 when the question was cancelled.
int insertionModeFor(const Document& doc, platform::Services& services, PlayOverrides overrides);
// Whether the record is a move of that colour at that point.
bool isMoveOf(const MoveRecord& record, RecordPoint point, int colour);
// When move `current` ends its node (at) and a child starts with a move of
// `colour` at `point`: takes that child's line and moves `current` on by one.
// False otherwise.
bool enterChildAt(GameRecord& record, const NodeLocation& at, int current, RecordPoint point, int colour);
// Adds `fresh` after move `current` of the node at `at` by an insertion mode
// (kAppendAtEnd at the end of the line) and makes it the current move. The
// caller rebuilds the line.
void addMoveAfter(GameRecord& record, const NodeLocation& at, int current, const MoveRecord& fresh, int mode);

// The next variation at the branch point before the shown move, or back to the main line.
void switchVariation(Document& doc, bool toMainLine);

bool deleteMove(Document& doc);
bool deleteFromHere(Document& doc, platform::Services& services);
// Removes the moves and setup stones inside the active range selection.
bool deleteRange(Document& doc);

// After records were removed: empty nodes give their children to their
// parent, single children merge into their parent, and the branch path is
// extended down to a leaf.
void tidyTree(GameRecord& record);

}  // namespace mokuza
