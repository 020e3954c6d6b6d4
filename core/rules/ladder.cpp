#include "core/rules/ladder.h"

#include <array>

namespace mokuza {
namespace {

// Position m alone, on a board of its own, so that reading can play freely.
class LadderBoard {
 public:
  LadderBoard(const Board& source, int m) {
    const auto index = static_cast<std::size_t>(m);
    board_.geometry = source.geometry;
    board_.position.boardGrid = source.history.boardGrids[index];
    board_.position.playGrid = source.history.playGrids[index];
    board_.position.stoneBits = stoneBitsOf(board_.geometry, board_.position.playGrid);
    board_.position.chains = chainsAt(source, m);
    board_.history.slots.assign(1, PositionSlot{});
    board_.history.slots[0].chainIds = source.history.slots[index].chainIds;
    board_.currentPosition = 0;
  }

  void play(BorderedPoint b, int colour) {
    board_.colourToPlay = static_cast<std::int8_t>(colour);
    PlayMove(board_, board_.geometry.unbordered(b));
  }

  // The liberties of the chain holding b, in the chain's order; none when b is empty.
  std::vector<BorderedPoint> liberties(BorderedPoint b) const {
    std::vector<BorderedPoint> points;
    const int id = board_.history.slots[0].chainIds[b];
    if (id < 0 || id >= static_cast<int>(board_.position.chains.size())) return points;
    board_.position.chains[static_cast<std::size_t>(id)].liberties.forEach(
        [&](BorderedPoint p) { points.push_back(p); });
    return points;
  }
  int libertyCount(BorderedPoint b) const { return static_cast<int>(liberties(b).size()); }

  struct Saved {
    BoardPosition position;
    ChainIdRow ids;
  };
  Saved save() const { return {board_.position, board_.history.slots[0].chainIds}; }
  void restore(const Saved& saved) {
    board_.position = saved.position;
    board_.history.slots[0].chainIds = saved.ids;
  }

  RecordPoint unbordered(BorderedPoint b) const { return board_.geometry.unbordered(b); }

 private:
  Board board_;
};

}  // namespace

std::vector<RecordPoint> readLadderMoves(const Board& board, int m, RecordPoint point, int defender, int maxMoves) {
  std::vector<RecordPoint> moves;
  const GridGeometry& geo = board.geometry;
  const bool known = m >= 0 && m < board.history.computed() && static_cast<std::size_t>(m) < board.history.slots.size();
  if (!known || !geo.isOnBoard(point) || maxMoves <= 0) return moves;
  if (defender != kStoneBlack && defender != kStoneWhite) return moves;
  const BorderedPoint s = geo.bordered(point);  // the handle of the defender's chain
  if (board.history.playGrids[static_cast<std::size_t>(m)][s] != defender) return moves;

  LadderBoard scratch(board, m);
  if (scratch.libertyCount(s) != 1) return moves;
  const int attacker = -defender;
  const auto full = [&] { return static_cast<int>(moves.size()) >= maxMoves; };
  while (!full()) {
    const BorderedPoint escape = scratch.liberties(s).front();
    scratch.play(escape, defender);
    if (scratch.libertyCount(s) != 2) break;
    moves.push_back(scratch.unbordered(escape));
    if (full()) break;

    // Try the atari on each side; the chase goes on where the defender's
    // extension is left with exactly two liberties.
    const std::vector<BorderedPoint> ataris = scratch.liberties(s);
    const LadderBoard::Saved saved = scratch.save();
    std::array<int, 2> after{-1, -1};
    for (std::size_t k = 0; k < 2; ++k) {
      scratch.play(ataris[k], attacker);
      const std::vector<BorderedPoint> left = scratch.liberties(s);
      if (left.size() == 1) {
        scratch.play(left.front(), defender);
        after[k] = scratch.libertyCount(s);
      }
      scratch.restore(saved);
    }
    if ((after[0] == 2) == (after[1] == 2)) break;
    const BorderedPoint atari = ataris[after[0] == 2 ? 0 : 1];
    scratch.play(atari, attacker);
    moves.push_back(scratch.unbordered(atari));
    if (scratch.libertyCount(s) != 1) break;
  }
  return moves;
}

}  // namespace mokuza
