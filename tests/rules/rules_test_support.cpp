#include "tests/rules/rules_test_support.h"

#include <algorithm>
#include <array>
#include <optional>
#include <random>

#include "core/record/sgf_point.h"
#include "core/record/sgf_reader.h"

namespace mokuza::test {
namespace {

bool isStone(int v) { return v == kStoneBlack || v == kStoneWhite; }

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

std::vector<std::string> chainFaults(const GridGeometry& geometry, const PlayGrid& grid,
                                     const std::vector<Chain>& chains, const ChainIdRow& ids) {
  std::vector<std::string> faults;
  auto fault = [&](const std::string& what, BorderedPoint b) { faults.push_back(what + " at " + name(geometry, b)); };
  auto list = [&](const PointSet& points) {
    std::string text;
    for (const auto& n : names(geometry, points)) text += (text.empty() ? "" : " ") + n;
    return "[" + text + "]";
  };
  const int chainCount = static_cast<int>(chains.size());

  // The chains the grid itself shows: connected groups of one colour and
  // their empty neighbours, found by flood fill.
  struct Group {
    int colour;
    PointSet stones, liberties;
    int claimedBy = -1;
  };
  std::vector<Group> groups;
  groups.reserve(static_cast<std::size_t>(geometry.pointCount));
  BorderedArray<int> groupOf;
  groupOf.fill(-1);
  std::vector<BorderedPoint> pending;
  for (int y = 0; y < geometry.n; ++y) {
    for (int x = 0; x < geometry.n; ++x) {
      const BorderedPoint b = geometry.bordered(x, y);
      const int v = grid[b];
      if (!isStone(v) || groupOf[b] >= 0) continue;
      Group group{v, {}, {}};
      const int index = static_cast<int>(groups.size());
      groupOf[b] = index;
      pending.push_back(b);
      while (!pending.empty()) {
        const BorderedPoint s = pending.back();
        pending.pop_back();
        group.stones.insert(s);
        for (int offset : geometry.neighbours) {
          const BorderedPoint q = s + offset;
          if (grid[q] == kStoneEmpty) {
            group.liberties.insert(q);
          } else if (grid[q] == v && groupOf[q] < 0) {
            groupOf[q] = index;
            pending.push_back(q);
          }
        }
      }
      groups.push_back(group);
    }
  }

  for (int y = 0; y < geometry.n; ++y) {
    for (int x = 0; x < geometry.n; ++x) {
      const BorderedPoint b = geometry.bordered(x, y);
      const int v = grid[b];
      const int id = ids[b];
      const bool inRange = id >= 0 && id < chainCount;
      if (isStone(v)) {
        if (!inRange) fault("stone with chain id " + std::to_string(id) + " of " + std::to_string(chainCount), b);
        else if (!chains[static_cast<std::size_t>(id)].stones.contains(b))
          fault("chain " + std::to_string(id) + " lacks its stone", b);
      } else if (v != kStoneEmpty) {
        fault("cell value " + std::to_string(v), b);
      } else if (inRange && chains[static_cast<std::size_t>(id)].stones.contains(b)) {
        fault("empty point held by chain " + std::to_string(id), b);
      }
    }
  }

  // Each chain must be exactly one of those groups (so connected and
  // maximal), with the same colour and liberties, and no group twice.
  for (int i = 0; i < chainCount; ++i) {
    const Chain& chain = chains[static_cast<std::size_t>(i)];
    auto label = [i] { return "chain " + std::to_string(i); };
    std::optional<BorderedPoint> first;
    chain.stones.forEach([&](BorderedPoint s) { first = first ? first : s; });
    const int g = first ? groupOf[*first] : -1;
    if (g < 0) {
      faults.push_back(label() + " " + list(chain.stones) + " is not a group of stones on the grid");
      continue;
    }
    Group& group = groups[static_cast<std::size_t>(g)];
    if (!(chain.stones == group.stones))
      faults.push_back(label() + " holds " + list(chain.stones) + " instead of the group " + list(group.stones));
    if (chain.colour != group.colour)
      faults.push_back(label() + " has colour " + std::to_string(chain.colour) + " on stones of " +
                       std::to_string(group.colour));
    if (!(chain.liberties == group.liberties))
      faults.push_back(label() + " liberties " + list(chain.liberties) + " instead of " + list(group.liberties));
    if (group.claimedBy >= 0) faults.push_back(label() + " repeats chain " + std::to_string(group.claimedBy));
    group.claimedBy = i;
  }
  return faults;
}

std::vector<std::string> chainFaults(const Board& board, int m) {
  const auto i = static_cast<std::size_t>(m);
  std::vector<std::string> faults =
      chainFaults(board.geometry, board.history.playGrids.at(i), board.slot(m).chains, board.slot(m).chainIds);
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

std::vector<std::string> captureFaults(const Board& board, int m, const MoveRecord& move) {
  const GridGeometry& g = board.geometry;
  const PlayGrid& before = board.history.playGrids.at(static_cast<std::size_t>(m - 1));
  const PlayGrid& after = board.history.playGrids.at(static_cast<std::size_t>(m));
  // The move's own point holds the move's stone, whatever was there before.
  const BorderedPoint played = move.hasMove() ? g.bordered(g.recordPoint(move.point)) : BorderedPoint{};
  std::vector<BorderedPoint> vanished, black, white;  // in increasing order
  for (BorderedPoint b{0}; b.index < g.borderedCount; ++b.index) {
    if (!g.isBoardPoint(b) || after[b] != kStoneEmpty) continue;
    const int colour = b == played ? move.colour : before[b];
    if (!isStone(colour)) continue;
    vanished.push_back(b);
    (colour == kStoneBlack ? black : white).push_back(b);
  }
  std::vector<std::string> faults;
  const std::string where = "position " + std::to_string(m) + ": ";
  const PositionSlot& was = board.slot(m - 1);
  const PositionSlot& now = board.slot(m);
  auto sorted = [](std::vector<BorderedPoint> points) {
    std::sort(points.begin(), points.end());
    return points;
  };
  if (sorted(now.capturedByMove) != vanished) faults.push_back(where + "capturedByMove is not what vanished");
  auto checkList = [&](const std::vector<BorderedPoint>& old, const std::vector<BorderedPoint>& list,
                       const std::vector<BorderedPoint>& added, const char* colour) {
    const bool extended = list.size() == old.size() + added.size() && std::equal(old.begin(), old.end(), list.begin());
    if (!extended ||
        sorted(std::vector<BorderedPoint>(list.begin() + static_cast<std::ptrdiff_t>(old.size()), list.end())) != added)
      faults.push_back(where + colour + " capture list not extended by the " + colour + " stones taken");
  };
  checkList(was.capturedBlack, now.capturedBlack, black, "black");
  checkList(was.capturedWhite, now.capturedWhite, white, "white");
  return faults;
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
  ReplayFrom(board, line, 0);
}

std::vector<std::string> ReplayedGame::allFaults() const {
  std::vector<std::string> faults;
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
