#pragma once
// Helpers shared by the rules tests: boards printed as text, points named by
// their SGF letters, records replayed from SGF text, and a checker of the
// chain bookkeeping of one position.

#include <string>
#include <string_view>
#include <vector>

#include "core/record/game_record.h"
#include "core/rules/board.h"
#include "core/rules/replay.h"

namespace mokuza::test {

// Rows of "X O ." (X black, O white), top row first, each row and the whole
// preceded by a line feed, to compare against raw literals.
std::string boardText(const GridGeometry& geometry, const PlayGrid& grid);
std::string positionText(const Board& board, int m);  // snapshot m

// The bordered point of SGF letters such as "cd" (column c, row d).
BorderedPoint borderedAt(const GridGeometry& geometry, std::string_view sgfPoint);
// SGF letters of a bordered point ("pass" for the pass).
std::string name(const GridGeometry& geometry, BorderedPoint b);
// Sorted SGF names of a list or set of bordered points.
std::vector<std::string> names(const GridGeometry& geometry, const std::vector<BorderedPoint>& points);
std::vector<std::string> names(const GridGeometry& geometry, const PointSet& points);

// Every fault in the chain bookkeeping of snapshot m, one line each: each
// stone held by the chain its id names, and the chains exactly the groups of
// the grid (disjoint, connected, maximal) with their colour and liberties.
std::vector<std::string> chainFaults(const Board& board, int m);

// Checks every move of a replay it observes: the chain list kept up to date
// and the chain count kept for the position before agree with the lists
// rebuilt from the history, which chainFaults holds to the grid (their
// liberties counted as they changed included), and the stone bits kept agree
// with the grid.
class ChainCheck final : public ReplayObserver {
 public:
  void afterMove(Board& board, std::vector<MoveRecord>& line, int move) override;
  void afterReplay(Board& board, std::vector<MoveRecord>& line) override;
  std::vector<std::string> faults;

 private:
  std::vector<Chain> seen_;
  int seenAt_ = -1;
};

// A reproducible record of `moves` moves on an n x n board: mostly
// alternating colours, some passes, a few stones on occupied points, and for
// odd seeds a black and a white setup stone in the root.
std::string randomSgf(unsigned seed, int n, int moves);

// A record read from SGF text and replayed from position 0.
struct ReplayedGame {
  GameRecord record;
  Board board;
  std::vector<MoveRecord> line;
  ChainCheck check;

  // Reads the text, sizes the board for it, copies the main line and replays
  // it under the check.
  void play(std::u16string_view sgf);
  // The first faults found by the check and in positions 0 .. last of the
  // history: those of chainFaults, and captures that are not what vanished since the position
  // before, in capturedByMove and appended to the list of their colour.
  std::vector<std::string> allFaults() const;
};

}  // namespace mokuza::test
