#pragma once
// Reading a ladder out of a position: the defender extends from atari, the
// attacker gives atari again from the one side that keeps the chase going,
// for as long as the sequence is forced.

#include <vector>

#include "core/rules/board.h"

namespace mokuza {

// The ladder of the chain holding `point` in position m, when that chain is
// of `defender`'s colour and in atari: the points of the moves, the defender's first, colours alternating. The reading
// stops when the defender escapes (three or more liberties after extending),
// is left with one, or when neither or both ataris keep the chase going; the
// moves read up to then are returned. Empty when nothing can be read. The
// reading plays on a copy of position m: the board is not touched.
std::vector<RecordPoint> readLadderMoves(const Board& board, int m, RecordPoint point, int defender, int maxMoves);

}  // namespace mokuza
