#include "tests/rules/rules_test_support.h"

#include <algorithm>
#include <array>
#include <random>

#include "core/record/sgf_reader.h"

namespace mokuza::test {
namespace {

std::size_t cell(int b) { return static_cast<std::size_t>(b); }

bool isStone(int v) { return v == kStoneBlack || v == kStoneWhite; }

}  // namespace

std::string boardText(const GridGeometry& geometry, const PlayGrid& grid) {
  std::string text = "\n";
  for (int y = 1; y <= geometry.n; ++y) {
    for (int x = 1; x <= geometry.n; ++x) {
      const int v = grid[cell(y * geometry.width + x)];
      text += v == kStoneBlack ? 'X' : v == kStoneWhite ? 'O' : v == kStoneEmpty ? '.' : '?';
      text += x < geometry.n ? ' ' : '\n';
    }
  }
  return text;
}

std::string positionText(const Board& board, int m) {
  return boardText(board.geometry, board.history.playGrids.at(static_cast<std::size_t>(m)));
}

std::string currentText(const Board& board) { return boardText(board.geometry, board.position.playGrid); }

int at(const GridGeometry& geometry, std::string_view sgfPoint) {
  return (sgfPoint[1] - 'a' + 1) * geometry.width + sgfPoint[0] - 'a' + 1;
}

std::string name(const GridGeometry& geometry, int b) {
  if (b == kPaddedPass) return "pass";
  const PointInfo& p = geometry.info[cell(b)];
  return {static_cast<char>('a' + p.x - 1), static_cast<char>('a' + p.y - 1)};
}

std::vector<std::string> names(const GridGeometry& geometry, const std::vector<std::int16_t>& points) {
  std::vector<std::string> result;
  for (int b : points) result.push_back(name(geometry, b));
  std::sort(result.begin(), result.end());
  return result;
}

std::vector<std::string> names(const GridGeometry& geometry, const PointSet& points) {
  std::vector<std::string> result;
  points.forEach([&](int b) { result.push_back(name(geometry, b)); });
  std::sort(result.begin(), result.end());
  return result;
}

const Chain* chainAt(const Board& board, int b) {
  const int id = board.slot(board.currentPosition).chainIds[cell(b)];
  const auto& chains = board.position.chains;
  if (id < 0 || id >= static_cast<int>(chains.size())) return nullptr;
  return &chains[static_cast<std::size_t>(id)];
}

std::vector<std::string> chainFaults(const GridGeometry& geometry, const PlayGrid& grid,
                                     const std::vector<Chain>& chains, const ChainIdRow& ids) {
  std::vector<std::string> faults;
  auto fault = [&](const std::string& what, int b) { faults.push_back(what + " at " + name(geometry, b)); };
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
  std::array<int, kGridCells> groupOf;
  groupOf.fill(-1);
  std::vector<int> pending;
  for (int y = 1; y <= geometry.n; ++y) {
    for (int x = 1; x <= geometry.n; ++x) {
      const int b = y * geometry.width + x;
      const int v = grid[cell(b)];
      if (!isStone(v) || groupOf[cell(b)] >= 0) continue;
      Group group{v, {}, {}};
      const int index = static_cast<int>(groups.size());
      groupOf[cell(b)] = index;
      pending.push_back(b);
      while (!pending.empty()) {
        const int s = pending.back();
        pending.pop_back();
        group.stones.insert(s);
        for (int offset : geometry.neighbours) {
          const int q = s + offset;
          if (grid[cell(q)] == kStoneEmpty) {
            group.liberties.insert(q);
          } else if (grid[cell(q)] == v && groupOf[cell(q)] < 0) {
            groupOf[cell(q)] = index;
            pending.push_back(q);
          }
        }
      }
      groups.push_back(group);
    }
  }

  for (int y = 1; y <= geometry.n; ++y) {
    for (int x = 1; x <= geometry.n; ++x) {
      const int b = y * geometry.width + x;
      const int v = grid[cell(b)];
      const int id = ids[cell(b)];
      const bool inRange = id >= 0 && id < chainCount;
      if (isStone(v)) {
        if (!inRange) fault("stone with chain id " + std::to_string(id) + " of " + std::to_string(chainCount), b);
        else if (!chains[cell(id)].stones.contains(b)) fault("chain " + std::to_string(id) + " lacks its stone", b);
      } else if (v != kStoneEmpty) {
        fault("cell value " + std::to_string(v), b);
      } else if (inRange && chains[cell(id)].stones.contains(b)) {
        fault("empty point held by chain " + std::to_string(id), b);
      }
    }
  }

  // Each chain must be exactly one of those groups (so connected and
  // maximal), with the same colour and liberties, and no group twice.
  for (int i = 0; i < chainCount; ++i) {
    const Chain& chain = chains[cell(i)];
    auto label = [i] { return "chain " + std::to_string(i); };
    int first = -1;
    chain.stones.forEach([&](int s) { first = first < 0 ? s : first; });
    const int g = first >= 0 && first < kGridCells ? groupOf[cell(first)] : -1;
    if (g < 0) {
      faults.push_back(label() + " " + list(chain.stones) + " is not a group of stones on the grid");
      continue;
    }
    Group& group = groups[cell(g)];
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
  for (int u = 0; u < board.geometry.pointCount; ++u) {
    const int b = board.geometry.bordered(u);
    if (master.stones[cell(u)] != board.history.playGrids[i][cell(b)])
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
  const int played = move.hasMove() && move.point < g.pointCount ? g.bordered(move.point) : -1;
  std::vector<std::int16_t> vanished, black, white;  // in increasing order
  for (int b = 0; b < g.borderedCount; ++b) {
    if (!g.isBoardPoint(b) || after[cell(b)] != kStoneEmpty) continue;
    const int colour = b == played ? move.colour : before[cell(b)];
    if (!isStone(colour)) continue;
    vanished.push_back(static_cast<std::int16_t>(b));
    (colour == kStoneBlack ? black : white).push_back(static_cast<std::int16_t>(b));
  }
  std::vector<std::string> faults;
  const std::string where = "position " + std::to_string(m) + ": ";
  const PositionSlot& was = board.slot(m - 1);
  const PositionSlot& now = board.slot(m);
  auto sorted = [](std::vector<std::int16_t> points) {
    std::sort(points.begin(), points.end());
    return points;
  };
  if (sorted(now.capturedByMove) != vanished) faults.push_back(where + "capturedByMove is not what vanished");
  auto checkList = [&](const std::vector<std::int16_t>& old, const std::vector<std::int16_t>& list,
                       const std::vector<std::int16_t>& added, const char* colour) {
    const bool extended = list.size() == old.size() + added.size() && std::equal(old.begin(), old.end(), list.begin());
    if (!extended ||
        sorted(std::vector<std::int16_t>(list.begin() + static_cast<std::ptrdiff_t>(old.size()), list.end())) != added)
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
    const int u = static_cast<int>(random() % static_cast<unsigned>(n * n));
    return std::string{static_cast<char>('a' + u % n), static_cast<char>('a' + u / n), ']'};
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
