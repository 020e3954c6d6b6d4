#pragma once
// A shift-click on a stone in atari: the ladder that follows is read and its
// moves are added to the record after the shown move, ready to be played out.

#include <functional>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "platform/services.h"

namespace mokuza {

enum class LadderStatus {
  Added,        // the moves are in the record
  NoStone,      // the point is empty or off the board
  NotToPlay,    // the stone is of the colour that is not to play
  NotInAtari,   // the stone's chain has more than one liberty
  NothingRead,  // the first extension already escapes or dies
  Cancelled,    // the insertion question was cancelled
  Busy,         // auto-play is running
};

struct LadderRun {
  int startMove = 0;                // the move shown when the ladder was read; the run starts here
  int lastMove = 0;                 // the ladder's last move
  int defender = 0;                 // colour of the first move
  std::vector<RecordPoint> points;  // the moves, colours alternating
};

struct LadderOutcome {
  LadderStatus status = LadderStatus::NoStone;
  LadderRun run;
};

// Hands the added run to auto-play, which plays it out from run.startMove.
using StartLadderRun = std::function<void(const LadderRun& run)>;

// Reads the ladder of the stone at unbordered `point` in the shown position
// and adds its moves after the shown move: appended at the end of the line,
// or inside it the way a click adds a move there (a move the line already
// has is followed, not added again). Then the positions are replayed, the
// start of the run is shown and `startRun` is called.
LadderOutcome ReadLadder(Document& doc, platform::Services& services, RecordPoint point,
                         const StartLadderRun& startRun);

// What the operation history records when the run has been played out.
std::u16string ladderRunDescription(int firstMove, int lastMove);

}  // namespace mokuza
