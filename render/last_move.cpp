#include "render/last_move.h"

namespace mokuza::render {

bool lastMoveTest(int option, int placingMove, const LastMoveContext& context) {
  int m = 0;
  switch (option) {
    case kLastMoveAllStones: return true;
    case kLastMoveFinalPosition: m = context.gameLastMove; break;
    case kLastMoveEachFigure: m = context.replayMode ? context.figureLastMove : context.gameLastMove; break;
    case kLastMoveCurrent: m = context.currentMove; break;
    default: return false;
  }
  // The stone standing there was put by move m, and only if m has been played
  // in the position shown (a later stone on the same point replaces it).
  return m > 0 && placingMove == m && m <= context.currentMove;
}

}  // namespace mokuza::render
