#pragma once
// The position on the board with its chains, the capture rule, and the
// snapshots of every position of the current line.

#include <array>
#include <cstdint>
#include <vector>

#include "core/rules/grid_geometry.h"
#include "core/rules/point_set.h"

namespace mokuza {

constexpr int kStoneEmpty = 0;
constexpr int kStoneBlack = 1;
constexpr int kStoneWhite = -1;
constexpr int kStoneFrame = 3;
// Positions 0 .. 998 are kept; moves beyond are in the record but not shown.
constexpr int kMaxPositions = 999;

// The master copy of a position, by record point.
struct BoardGrid {
  RecordArray<std::int8_t> stones{};
  // The move (or setup position) that last placed a stone on the point; -1 for none.
  RecordArray<std::int16_t> placedBy{};

  void clear();  // stones 0, placedBy -1
};

// Stones by bordered point; the frame holds kStoneFrame.
using PlayGrid = BorderedArray<std::int8_t>;

struct Chain {
  std::int8_t colour = 0;
  // liberties.size(), kept by the board as the liberties change: the naming
  // asks for it of many chains at every move. Beside the colour it takes
  // room the sets' alignment leaves free, so a chain is copied no larger.
  std::int16_t countedLiberties = 0;
  PointSet liberties;
  PointSet stones;
  int libertyCount() const { return countedLiberties; }
};

// The stones of each colour as bits: bit x of a word per bordered row y,
// and bit y of a word per bordered column x. The naming reads a strip of a
// line in a few shifts where the grid costs a load and a test per point.
// PlaceStone and RemoveChain keep it in step with the play grid;
// deriveStoneBits makes it anew from the grid.
class StoneBits {
 public:
  static constexpr int kLines = 21;  // bordered rows of the largest board

  // Bits of the row or column `line` of the colour's stones; none off the grid.
  std::uint32_t row(int colour, int line) const { return at(rows_, colour, line); }
  std::uint32_t column(int colour, int line) const { return at(columns_, colour, line); }
  void set(const PointInfo& point, int colour) {
    rows_[index(colour)][point.y] |= std::uint32_t{1} << point.x;
    columns_[index(colour)][point.x] |= std::uint32_t{1} << point.y;
  }
  void erase(const PointInfo& point, int colour) {
    rows_[index(colour)][point.y] &= ~(std::uint32_t{1} << point.x);
    columns_[index(colour)][point.x] &= ~(std::uint32_t{1} << point.y);
  }
  bool operator==(const StoneBits&) const = default;

 private:
  using Words = std::array<std::array<std::uint32_t, kLines>, 2>;
  static std::size_t index(int colour) { return colour == kStoneWhite; }
  static std::uint32_t at(const Words& words, int colour, int line) {
    return line >= 0 && line < kLines ? words[index(colour)][static_cast<std::size_t>(line)] : 0;
  }
  Words rows_{};
  Words columns_{};
};

struct BoardPosition {
  BoardGrid boardGrid;
  PlayGrid playGrid{};
  StoneBits stoneBits;
  std::vector<Chain> chains;
};

using ChainIdRow = BorderedArray<std::int16_t>;

// What is kept of one position besides its grids.
struct PositionSlot {
  // The grid and the ids determine the chain list: chainsAt rebuilds it.
  ChainIdRow chainIds{};
  int chainCount = 0;
  std::vector<BorderedPoint> capturedByMove;  // emptied by the move
  std::vector<BorderedPoint> capturedBlack;   // every black stone taken so far
  std::vector<BorderedPoint> capturedWhite;
};

struct PositionHistory {
  std::vector<BoardGrid> boardGrids;
  std::vector<PlayGrid> playGrids;
  std::vector<PositionSlot> slots;  // grows up to kMaxPositions as positions are computed

  int computed() const { return static_cast<int>(boardGrids.size()); }
};

// The rules' whole state for the loaded game.
struct Board {
  GridGeometry geometry = makeGridGeometry(19);
  BoardPosition position;
  PositionHistory history;
  BorderedArray<std::int16_t> lastPlayedAt{};
  int setupStoneBalance = 0;
  std::int8_t colourToPlay = kStoneBlack;
  int currentPosition = 0;  // the slot PlaceStone and RemoveChain write to
  PointSet capturedScratch;
  std::int8_t lastRemovedColour = 0;

  Board();  // a 19×19 board with the empty position 0
  // Inline: the replay asks for the slot several times a move.
  PositionSlot& slot(int m) {
    if (static_cast<int>(history.slots.size()) <= m) history.slots.resize(static_cast<std::size_t>(m) + 1);
    return history.slots[static_cast<std::size_t>(m)];
  }
  const PositionSlot& slot(int m) const;
};

// Rebuilds the geometry for N and resets the history to one empty position 0.
void SetBoardSize(Board& board, int n);
// Places a stone of colour c on b, merges chains and removes the enemy
// chains left without liberties, then its own chain if it has none.
void PlaceStone(Board& board, BorderedPoint b, int c);
// Takes chain g off the board.
void RemoveChain(Board& board, int g);
// Plays the colour to play at u; a pass changes nothing. The chain list is
// snapshotted by the caller once the whole position (setup stones and move)
// is complete.
void PlayMove(Board& board, RecordPoint u);
// Copies the board grid's stones into the play grid, inside its frame, and
// makes the stone bits anew.
void derivePlayGrid(Board& board);
// The stone bits of a play grid.
StoneBits stoneBitsOf(const GridGeometry& geo, const PlayGrid& grid);
// Makes position m current (copies its grids, rebuilds its chains).
void restorePosition(Board& board, int m);
// The chain list of position m, in the order the replay left it; empty
// beyond the history.
std::vector<Chain> chainsAt(const Board& board, int m);
// Liberties of the chain holding b in position m; 0 when b holds no stone
// there or m is beyond the history.
int chainLibertiesAt(const Board& board, int m, BorderedPoint b);

}  // namespace mokuza
