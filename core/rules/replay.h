#pragma once
// Plays the current line of a record into the position history.

#include <vector>

#include "core/record/game_record.h"
#include "core/rules/board.h"

namespace mokuza {

// Called after each move of a replay, once the move's position is complete
// and before it is snapshotted. Move naming and music mode hook in here.
class ReplayObserver {
 public:
  virtual ~ReplayObserver() = default;
  // A replay starts at position `from` (0 for a full replay).
  virtual void beforeReplay(Board& /*board*/, int /*from*/) {}
  virtual void afterMove(Board& board, std::vector<MoveRecord>& line, int move) = 0;
  // Every position of the line is computed; the board still holds the last one.
  virtual void afterReplay(Board& /*board*/, std::vector<MoveRecord>& /*line*/) {}
};

// Rebuilds the history from position k to the end of the line (at most
// position kMaxPositions - 1), placing each record's setup stones and move.
// The board's current position is restored afterwards.
void ReplayFrom(Board& board, std::vector<MoveRecord>& line, int k, const std::vector<ReplayObserver*>& observers = {});

// The last position the history can hold for a line of this many records.
int lastReplayablePosition(std::size_t lineLength);

}  // namespace mokuza
