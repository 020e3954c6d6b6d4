#pragma once
// Moving the view along the current line and keeping every position ready.

#include <vector>

#include "core/document/document.h"

namespace mokuza {

// Empties the game (new game, start of a load): record reset, board geometry
// for the record's size, move 0.
void resetDocument(Document& doc);

// Shows the position after move n (clamped to the moves that have positions).
void showMove(Document& doc, int n);

// Replays the line from move `from` and shows again the move that was current.
void recomputePositions(Document& doc, int from);

// The highest move the view may show: all of them, or in replay mode the
// figure's last move.
int computeViewLimit(const Document& doc);

// The node that holds move n along the branch path, with the path to it and
// the move number of its last record.
struct NodeLocation {
  BranchPath path;
  int endMove = 0;
};
NodeLocation locateMove(const GameRecord& record, int n);

// The first records of the ways the line may go on after move n: one inside
// a run, one per branch where a run ends (a branch without records passes on
// to its own branches), none after the last move.
std::vector<const MoveRecord*> continuationsAfter(const GameRecord& record, int n);

// The highest move that has a computed position.
int lastShowableMove(const Document& doc);

}  // namespace mokuza
