#pragma once
// Changing the moves of the game: playing in the middle of a game, switching
// variations, and the three deletions.

#include "core/document/document.h"
#include "platform/services.h"

namespace mokuza {

struct PlayOverrides {
  bool shiftClick = false;    // play as a new variation
  bool droppedStone = false;  // a stone picked up from the board: replace the next move
};

// The user places a stone of the colour to play at an unbordered point.
// Returns false when nothing changed (cancelled, or not a point on the board).
bool playAt(Document& doc, platform::Services& services, int point, PlayOverrides overrides = {});

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
