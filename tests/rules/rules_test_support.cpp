#include "tests/rules/rules_test_support.h"

#include <algorithm>
#include <iterator>
#include <random>

#include "core/record/sgf_point.h"
#include "core/record/sgf_reader.h"

namespace mokuza::test {
namespace {

bool isStone(int v) { return v == kStoneBlack || v == kStoneWhite; }

// "X [stones] liberties [points]" for one chain or group.
std::string describe(const GridGeometry& geometry, int colour, const PointSet& stones, const PointSet& liberties) {
  auto list = [&](const PointSet& points) {
    std::string text;
    for (const auto& n : names(geometry, points)) text += (text.empty() ? "" : " ") + n;
    return "[" + text + "]";
  };
  const char* c = colour == kStoneBlack ? "X " : colour == kStoneWhite ? "O " : "? ";
  return c + list(stones) + " liberties " + list(liberties);
}

}  // namespace

std::string boardText(const GridGeometry& geometry, const PlayGrid& grid) {
  std::string text = "\n";
  for (int y = 1; y <= geometry.n; ++y) {
    for (int x = 1; x <= geometry.n; ++x) {
      const int v = grid[BorderedPoint{y * geometry.width + x}];
      text += v == kStoneBlack ? 'X' : v == kStoneWhite ? 'O' : v == kStoneEmpty ? '.' : '?';
      text += x < geometry.n ? ' ' : '\n';
    }
  }
  return text;
}

std::string positionText(const Board& board, int m) {
  return boardText(board.geometry, board.history.playGrids.at(static_cast<std::size_t>(m)));
}

BorderedPoint borderedAt(const GridGeometry& geometry, std::string_view sgfPoint) {
  return geometry.bordered(decodeSgfPoint(sgfPoint, geometry.n));
}

std::string name(const GridGeometry& geometry, BorderedPoint b) {
  return b.isPass() ? "pass" : sgfLetters<char>(geometry.unbordered(b), geometry.n);
}

std::vector<std::string> names(const GridGeometry& geometry, const std::vector<BorderedPoint>& points) {
  std::vector<std::string> result;
  for (BorderedPoint b : points) result.push_back(name(geometry, b));
  std::sort(result.begin(), result.end());
  return result;
}

std::vector<std::string> names(const GridGeometry& geometry, const PointSet& points) {
  std::vector<std::string> result;
  points.forEach([&](BorderedPoint b) { result.push_back(name(geometry, b)); });
  std::sort(result.begin(), result.end());
  return result;
}

namespace {

std::vector<std::string> chainFaults(const GridGeometry& geometry, const PlayGrid& grid,
                                     const std::vector<Chain>& chains, const ChainIdRow& ids) {
  std::vector<std::string> faults;
  // The chains the grid itself shows, found by flood fill: connected groups
  // of one colour and their empty neighbours.
  std::vector<std::string> groups;
  PointSet seen;
  for (int y = 0; y < geometry.n; ++y) {
    for (int x = 0; x < geometry.n; ++x) {
      const BorderedPoint b = geometry.bordered(x, y);
      const int v = grid[b];
      const int id = ids[b];
      const bool held =
          id >= 0 && id < static_cast<int>(chains.size()) && chains[static_cast<std::size_t>(id)].stones.contains(b);
      if (v != kStoneEmpty && !isStone(v))
        faults.push_back("cell value " + std::to_string(v) + " at " + name(geometry, b));
      if (isStone(v) != held)
        faults.push_back((held ? "empty point held by chain " : "stone not held by its chain ") + std::to_string(id) +
                         " at " + name(geometry, b));
      if (!isStone(v) || seen.contains(b)) continue;
      PointSet stones, liberties;
      std::vector<BorderedPoint> pending{b};
      seen.insert(b);
      while (!pending.empty()) {
        const BorderedPoint s = pending.back();
        pending.pop_back();
        stones.insert(s);
        for (int offset : geometry.neighbours) {
          const BorderedPoint q = s + offset;
          if (grid[q] == kStoneEmpty) {
            liberties.insert(q);
          } else if (grid[q] == v && !seen.contains(q)) {
            seen.insert(q);
            pending.push_back(q);
          }
        }
      }
      groups.push_back(describe(geometry, v, stones, liberties));
    }
  }
  // The chains must be exactly those groups, each once: so disjoint,
  // connected and maximal, with their colour and liberties.
  std::vector<std::string> listed;
  for (const Chain& chain : chains) listed.push_back(describe(geometry, chain.colour, chain.stones, chain.liberties));
  std::sort(groups.begin(), groups.end());
  std::sort(listed.begin(), listed.end());
  std::vector<std::string> extra, missing;
  std::set_difference(listed.begin(), listed.end(), groups.begin(), groups.end(), std::back_inserter(extra));
  std::set_difference(groups.begin(), groups.end(), listed.begin(), listed.end(), std::back_inserter(missing));
  for (const auto& e : extra) faults.push_back("chain " + e + " is no group of the grid");
  for (const auto& m : missing) faults.push_back("group " + m + " has no chain");
  return faults;
}

}  // namespace

std::vector<std::string> chainFaults(const Board& board, int m) {
  const auto i = static_cast<std::size_t>(m);
  std::vector<std::string> faults =
      chainFaults(board.geometry, board.history.playGrids.at(i), chainsAt(board, m), board.slot(m).chainIds);
  // The master grid is the same position by unbordered index.
  const BoardGrid& master = board.history.boardGrids.at(i);
  for (RecordPoint u{0}; u.index < board.geometry.pointCount; ++u.index) {
    const BorderedPoint b = board.geometry.bordered(u);
    if (master.stones[u] != board.history.playGrids[i][b])
      faults.push_back("board grid differs from play grid at " + name(board.geometry, b));
  }
  for (auto& f : faults) f = "position " + std::to_string(m) + ": " + f;
  return faults;
}

namespace {

// Captures against what vanished since m - 1, the move's own stone included
// when it is gone (suicide).
std::vector<std::string> captureFaults(const Board& board, int m, const MoveRecord& move) {
  const GridGeometry& g = board.geometry;
  const PlayGrid& before = board.history.playGrids.at(static_cast<std::size_t>(m - 1));
  const PlayGrid& after = board.history.playGrids.at(static_cast<std::size_t>(m));
  // The move's own point holds the move's stone, whatever was there before.
  const BorderedPoint played = move.hasMove() ? g.bordered(g.recordPoint(move.point)) : BorderedPoint{};
  std::vector<BorderedPoint> black, white;
  for (BorderedPoint b{0}; b.index < g.borderedCount; ++b.index) {
    if (!g.isBoardPoint(b) || after[b] != kStoneEmpty) continue;
    const int colour = b == played ? move.colour : before[b];
    if (colour == kStoneBlack) black.push_back(b);
    if (colour == kStoneWhite) white.push_back(b);
  }
  // The names a capture list gained over the position before.
  auto gained = [&](const std::vector<BorderedPoint>& old, const std::vector<BorderedPoint>& list) {
    if (list.size() < old.size() || !std::equal(old.begin(), old.end(), list.begin())) return names(g, list);
    return names(g, std::vector<BorderedPoint>(list.begin() + static_cast<std::ptrdiff_t>(old.size()), list.end()));
  };
  std::vector<BorderedPoint> vanished = black;
  vanished.insert(vanished.end(), white.begin(), white.end());
  std::vector<std::string> faults;
  const std::string where = "position " + std::to_string(m) + ": ";
  if (names(g, board.slot(m).capturedByMove) != names(g, vanished))
    faults.push_back(where + "capturedByMove is not what vanished");
  if (gained(board.slot(m - 1).capturedBlack, board.slot(m).capturedBlack) != names(g, black))
    faults.push_back(where + "black capture list not extended by the black stones taken");
  if (gained(board.slot(m - 1).capturedWhite, board.slot(m).capturedWhite) != names(g, white))
    faults.push_back(where + "white capture list not extended by the white stones taken");
  return faults;
}

}  // namespace

namespace {

bool sameChains(const std::vector<Chain>& a, const std::vector<Chain>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Chain& x, const Chain& y) {
    return x.colour == y.colour && x.stones == y.stones && x.liberties == y.liberties &&
           x.countedLiberties == y.countedLiberties;
  });
}

}  // namespace

void ChainCheck::afterMove(Board& board, std::vector<MoveRecord>& /*line*/, int move) {
  if (faults.size() >= 10) return;
  const std::string where = "move " + std::to_string(move) + ": ";
  const std::vector<Chain> before = chainsAt(board, move - 1);
  if (board.slot(move - 1).chainCount != static_cast<int>(before.size()))
    faults.push_back(where + "the chain count kept for the position before is not that of its chains");
  if (seenAt_ == move - 1 && !sameChains(before, seen_))
    faults.push_back(where + "the chains kept up to date differ from those rebuilt for the position before");
  if (board.position.stoneBits != stoneBitsOf(board.geometry, board.position.playGrid))
    faults.push_back(where + "the stone bits kept differ from those of the grid");
  seen_ = board.position.chains;
  seenAt_ = move;
}

void ChainCheck::afterReplay(Board& board, std::vector<MoveRecord>& /*line*/) {
  if (seenAt_ >= 0 && !sameChains(seen_, chainsAt(board, seenAt_)))
    faults.push_back("move " + std::to_string(seenAt_) + ": the chains differ from those rebuilt for the position");
}

std::string randomSgf(unsigned seed, int n, int moves) {
  std::minstd_rand random(seed);
  std::string sgf = "(;SZ[" + std::to_string(n) + "]";
  auto point = [&] {
    const RecordPoint u{static_cast<int>(random() % static_cast<unsigned>(n * n))};
    return sgfLetters<char>(u, n) + ']';
  };
  if (seed % 2) sgf += "AB[" + point() + "AW[" + point();
  for (int move = 0; move < moves; ++move) {
    const bool black = random() % 5 < (move % 2 ? 1u : 4u);
    sgf += black ? ";B[" : ";W[";
    sgf += random() % 20 == 0 ? std::string("]") : point();
  }
  return sgf + ")";
}

void ReplayedGame::play(std::u16string_view sgf) {
  ReadOptions options;
  readSgf(record, sgf, options);
  rebuildCurrentLine(record);
  line = record.lineCopy;
  SetBoardSize(board, record.boardSize);
  check = ChainCheck();
  ReplayFrom(board, line, 0, {&check});
}

std::vector<std::string> ReplayedGame::allFaults() const {
  std::vector<std::string> faults = check.faults;
  for (int m = 0; m < board.history.computed(); ++m) {
    if (faults.size() >= 10) break;
    for (auto& f : chainFaults(board, m)) faults.push_back(f);
    // Setup stones in a later node may overwrite or capture as well, so only
    // plain moves are held to "what vanished was captured by the move".
    const bool setup =
        std::any_of(line[static_cast<std::size_t>(m)].marks.begin(), line[static_cast<std::size_t>(m)].marks.end(),
                    [](const MarkEntry& e) { return e.stone != 0; });
    if (m > 0 && !setup)
      for (auto& f : captureFaults(board, m, line[static_cast<std::size_t>(m)])) faults.push_back(f);
  }
  return faults;
}

}  // namespace mokuza::test
