#include "core/rules/replay.h"

#include <algorithm>

#include "core/record/bits.h"
#include "core/record/sgf_reader.h"

namespace mokuza {
namespace {

// Keeps the grids of position m and how many chains it holds.
MOKUZA_CPU_CLONES void snapshot(Board& board, int m) {
  auto& history = board.history;
  history.boardGrids.push_back(board.position.boardGrid);
  history.playGrids.push_back(board.position.playGrid);
  board.slot(m).chainCount = static_cast<int>(board.position.chains.size());
}

void placeSetupStones(Board& board, const MoveRecord& record, int m, bool countBalance) {
  const GridGeometry& geo = board.geometry;
  BoardGrid& grid = board.position.boardGrid;
  for (const MarkEntry& entry : record.marks) {
    const RecordPoint u{entry.point};
    if (!geo.isOnBoard(u)) continue;
    if (entry.stone == kStoneBlack || entry.stone == kStoneWhite) {
      board.colourToPlay = entry.stone;
      PlayMove(board, u);
      grid.placedBy[u] = static_cast<std::int16_t>(m);
      if (countBalance && board.setupStoneBalance != kMixedSetup) {
        if (board.setupStoneBalance != 0 && (board.setupStoneBalance > 0) != (entry.stone > 0))
          board.setupStoneBalance = kMixedSetup;
        else board.setupStoneBalance += entry.stone;
      }
    }
  }
}

}  // namespace

int lastReplayablePosition(std::size_t lineLength) {
  if (lineLength == 0) return 0;
  return static_cast<int>(std::min<std::size_t>(lineLength - 1, kMaxPositions - 1));
}

MOKUZA_CPU_CLONES void ReplayFrom(Board& board, std::vector<MoveRecord>& line, int k,
                                  const std::vector<ReplayObserver*>& observers) {
  const int last = lastReplayablePosition(line.size());
  const int previous = board.currentPosition;
  k = std::clamp(k, 0, std::min(board.history.computed(), last + 1));
  auto& history = board.history;

  if (k > 0) {
    restorePosition(board, k - 1);
  } else {
    board.position.boardGrid.clear();
    derivePlayGrid(board);  // an empty board in its frame
    board.position.chains.clear();
    board.lastPlayedAt.fill(-1);
    board.setupStoneBalance = 0;
  }
  // Every slot from k on is overwritten below; slots that stay keep their
  // vectors' capacity, so a replay over a reused board seldom allocates.
  history.boardGrids.resize(static_cast<std::size_t>(k));
  history.playGrids.resize(static_cast<std::size_t>(k));
  history.boardGrids.reserve(static_cast<std::size_t>(last) + 1);
  history.playGrids.reserve(static_cast<std::size_t>(last) + 1);
  history.slots.resize(static_cast<std::size_t>(last) + 1);

  for (ReplayObserver* observer : observers) observer->beforeReplay(board, k);
  const GridGeometry& geo = board.geometry;
  for (int m = k; m <= last; ++m) {
    board.currentPosition = m;
    PositionSlot& slot = board.slot(m);
    if (m > 0) {
      const PositionSlot& before = board.slot(m - 1);
      slot.chainIds = before.chainIds;
      slot.capturedBlack = before.capturedBlack;
      slot.capturedWhite = before.capturedWhite;
    } else {
      slot.chainIds.fill(-1);
      slot.capturedBlack.clear();
      slot.capturedWhite.clear();
    }
    slot.capturedByMove.clear();

    MoveRecord& record = line[static_cast<std::size_t>(m)];
    placeSetupStones(board, record, m, k == 0 && m == 0);
    if (m >= 1) {
      if (record.hasMove()) {
        const RecordPoint u = geo.recordPoint(record.point);
        board.colourToPlay = record.colour;
        PlayMove(board, u);
        if (!u.isPass()) board.position.boardGrid.placedBy[u] = static_cast<std::int16_t>(m);
        board.colourToPlay = static_cast<std::int8_t>(-record.colour);
      } else {
        PlayMove(board, RecordPoint{});  // a node without a move changes nothing
      }
      for (ReplayObserver* observer : observers) observer->afterMove(board, line, m);
    }
    snapshot(board, m);
  }
  for (ReplayObserver* observer : observers) observer->afterReplay(board, line);

  restorePosition(board, std::clamp(previous, 0, last));
}

}  // namespace mokuza
