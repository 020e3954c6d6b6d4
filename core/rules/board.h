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

// The master copy of a position, by unbordered index.
struct BoardGrid {
  std::array<std::int8_t, kGridCells> stones{};
  // 0: the move (or setup position) that last placed a stone on the point;
  // 1: the position whose setup list placed it; 2, 3: for the painter.
  std::array<std::array<std::int16_t, kGridCells>, 4> layers{};
  std::array<std::uint8_t, kGridCells> textLayer{};  // 1 where the move's marks carry a text

  void clear();  // stones 0, layers -1, text 0
};

// Stones by bordered index; the frame holds kStoneFrame.
using PlayGrid = std::array<std::int8_t, kGridCells>;

struct Chain {
  std::int8_t colour = 0;
  PointSet liberties;
  PointSet stones;
  int libertyCount() const { return liberties.size(); }
};

struct BoardPosition {
  BoardGrid boardGrid;
  PlayGrid playGrid{};
  std::vector<Chain> chains;
};

using ChainIdRow = std::array<std::int16_t, kGridCells>;

// What is kept of one position besides its grids.
struct PositionSlot {
  std::vector<Chain> chains;
  ChainIdRow chainIds{};
  std::vector<std::int16_t> capturedByMove;  // bordered points emptied by the move
  std::vector<std::int16_t> capturedBlack;   // every black stone taken so far
  std::vector<std::int16_t> capturedWhite;
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
  std::array<std::int16_t, kGridCells> lastPlayedAt{};
  int setupStoneBalance = 0;
  std::int8_t colourToPlay = kStoneBlack;
  int currentPosition = 0;  // the slot PlaceStone and RemoveChain write to
  PointSet capturedScratch;
  std::int8_t lastRemovedColour = 0;

  Board();  // a 19×19 board with the empty position 0
  PositionSlot& slot(int m);
  const PositionSlot& slot(int m) const;
};

// Rebuilds the geometry for N and resets the history to one empty position 0.
void SetBoardSize(Board& board, int n);
// Places a stone of colour c on bordered point b, merges chains and removes
// the enemy chains left without liberties, then its own chain if it has none.
void PlaceStone(Board& board, int b, int c);
// Takes chain g off the board.
void RemoveChain(Board& board, int g);
// Plays the colour to play at unbordered point u; kPaddedPass passes, -1 only
// re-derives the play grid. The chain list is snapshotted by the caller once
// the whole position (setup stones and move) is complete.
void PlayMove(Board& board, int u);
// Makes position m current (copies its grids and chains).
void RestorePosition(Board& board, int m);

}  // namespace mokuza
