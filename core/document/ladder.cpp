#include "core/document/ladder.h"

#include "core/document/editing.h"
#include "core/document/navigation.h"
#include "core/record/text.h"
#include "core/rules/ladder.h"

namespace mokuza {
namespace {

std::u16string number(int value) { return asciiToUtf16(std::to_string(value)); }

// Liberties of the chain on `point` in position m; 0 when empty.
int libertiesAt(const Board& board, int m, RecordPoint point) {
  const std::vector<Chain> chains = chainsAt(board, m);
  const int id = board.slot(m).chainIds[board.geometry.bordered(point)];
  if (id < 0 || id >= static_cast<int>(chains.size())) return 0;
  return chains[static_cast<std::size_t>(id)].libertyCount();
}

// Puts the moves after `start` one by one, as clicks would; true when the
// tree changed (moves the line already had are only followed).
bool addLadderMoves(GameRecord& rec, int start, const LadderRun& run, int mode) {
  bool changed = false;
  int current = start;
  int colour = run.defender;
  for (RecordPoint point : run.points) {
    const NodeLocation here = locateMove(rec, current);
    const bool inside = current < static_cast<int>(rec.moveCount);
    if (inside && isMoveOf(rec.lineCopy[static_cast<std::size_t>(current) + 1], point, colour)) {
      ++current;
    } else if (inside && enterChildAt(rec, here, current, point, colour)) {
      ++current;
    } else {
      MoveRecord fresh;
      fresh.point = static_cast<std::uint16_t>(point.index);
      fresh.colour = static_cast<std::int8_t>(colour);
      fresh.moveNumber = current + 1;
      addMoveAfter(rec, here, current, fresh, inside ? mode : kAppendAtEnd);
      rebuildCurrentLine(rec);
      changed = true;
      ++current;
    }
    colour = -colour;
  }
  return changed;
}

}  // namespace

LadderOutcome ReadLadder(Document& doc, platform::Services& services, RecordPoint point,
                         const StartLadderRun& startRun) {
  LadderOutcome outcome;
  if (autoPlayRunning(doc)) {
    outcome.status = LadderStatus::Busy;
    return outcome;
  }
  GameRecord& rec = doc.record();
  const int start = doc.currentMove();
  const Board& board = doc.board;
  if (!isOnBoard(point.index, rec.boardSize) || start >= board.history.computed()) return outcome;
  const int stone = board.history.boardGrids[static_cast<std::size_t>(start)].stones[point];
  if (stone != kStoneBlack && stone != kStoneWhite) return outcome;
  if (stone != doc.colourToPlay) {
    outcome.status = LadderStatus::NotToPlay;
    return outcome;
  }
  if (libertiesAt(board, start, point) != 1) {
    outcome.status = LadderStatus::NotInAtari;
    return outcome;
  }

  LadderRun& run = outcome.run;
  run.startMove = start;
  run.defender = stone;
  // The history keeps no position past kMaxPositions - 1: a longer run could not be shown.
  run.points = readLadderMoves(board, start, point, stone, kMaxPositions - 1 - start);
  if (run.points.empty()) {
    outcome.status = LadderStatus::NothingRead;
    return outcome;
  }
  run.lastMove = start + static_cast<int>(run.points.size());

  int mode = kAppendAtEnd;
  if (start < doc.moveCount()) {
    mode = insertionModeFor(doc, services, {});
    if (mode < 0) {
      outcome.status = LadderStatus::Cancelled;
      return outcome;
    }
  }
  if (addLadderMoves(rec, start, run, mode)) markModified(doc);
  rec.currentMove = start;
  recomputePositions(doc, start);
  outcome.status = LadderStatus::Added;
  if (startRun) startRun(run);
  return outcome;
}

std::u16string ladderRunDescription(int firstMove, int lastMove) {
  return u"〔" + number(firstMove) + u"手目～" + number(lastMove) + u"手目〕［シチョウ］";
}

}  // namespace mokuza
