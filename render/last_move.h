#pragma once
// Which stones carry the last-move frame, square and brightening.

namespace mokuza::render {

// The option values of "最終手-○枠", "最終手-■印" and "最終手-明るく表示".
enum LastMoveOption : int {
  kLastMoveNone = 0,
  kLastMoveFinalPosition = 1,  // the game's last move
  kLastMoveEachFigure = 2,     // the figure's last move in replay mode, else the game's
  kLastMoveCurrent = 3,        // the move shown
  kLastMoveAllStones = 4,
};

struct LastMoveContext {
  int gameLastMove = 0;
  int figureLastMove = 0;
  int currentMove = 0;
  bool replayMode = false;
};

// Whether the stone on a point gets the mark. `placingMove` is the move that
// last put the stone standing there (negative when none stands there).
bool lastMoveTest(int option, int placingMove, const LastMoveContext& context);

}  // namespace mokuza::render
