#include "core/rules/board.h"
#include "core/record/bits.h"

#include <algorithm>

namespace mokuza {

void BoardGrid::clear() {
  stones.fill(0);
  placedBy.fill(-1);
}

Board::Board() { SetBoardSize(*this, 19); }

namespace {

// Renumbers the ids after chain g left the list. Branch-free, so the
// compiler turns the sweep over the row into vector code.
void closeIdGap(ChainIdRow& ids, int g) {
  const auto gap = static_cast<std::int16_t>(g);
  for (std::int16_t& id : ids) id = static_cast<std::int16_t>(id - (id > gap));
}

}  // namespace

const PositionSlot& Board::slot(int m) const { return history.slots.at(static_cast<std::size_t>(m)); }

void SetBoardSize(Board& board, int n) {
  board.geometry = makeGridGeometry(n);
  const GridGeometry& g = board.geometry;
  board.position.boardGrid.clear();
  board.position.playGrid.fill(0);
  for (BorderedPoint b{0}; b.index < g.borderedCount; ++b.index)
    if (g.info[b].frame) board.position.playGrid[b] = kStoneFrame;
  board.position.stoneBits = StoneBits();
  board.position.chains.clear();
  board.history.boardGrids.assign(1, board.position.boardGrid);
  board.history.playGrids.assign(1, board.position.playGrid);
  board.history.slots.assign(1, PositionSlot{});
  board.history.slots[0].chainIds.fill(-1);
  board.lastPlayedAt.fill(-1);
  board.setupStoneBalance = 0;
  board.colourToPlay = kStoneBlack;
  board.currentPosition = 0;
}

void RemoveChain(Board& board, int g) {
  auto& chains = board.position.chains;
  if (g < 0 || g >= static_cast<int>(chains.size())) return;
  ChainIdRow& ids = board.slot(board.currentPosition).chainIds;
  PlayGrid& grid = board.position.playGrid;
  const Chain removed = chains[static_cast<std::size_t>(g)];
  board.capturedScratch |= removed.stones;
  board.lastRemovedColour = removed.colour;
  removed.stones.forEach([&](BorderedPoint s) {
    grid[s] = kStoneEmpty;
    board.position.stoneBits.erase(board.geometry.info[s], removed.colour);
    ids[s] = -1;
    for (int offset : board.geometry.neighbours) {
      const BorderedPoint q = s + offset;
      const int stone = grid[q];
      if (stone != kStoneBlack && stone != kStoneWhite) continue;
      const int owner = ids[q];
      if (owner >= 0 && owner < static_cast<int>(chains.size())) {
        Chain& chain = chains[static_cast<std::size_t>(owner)];
        chain.countedLiberties += !chain.liberties.contains(s);
        chain.liberties.insert(s);
      }
    }
  });
  closeIdGap(ids, g);
  chains.erase(chains.begin() + g);
}

namespace {

// Drops chain g from the list without touching the grid, renumbering the ids.
void eraseChainEntry(std::vector<Chain>& chains, ChainIdRow& ids, int g) {
  for (std::int16_t& id : ids) id = static_cast<std::int16_t>(id == g ? -1 : id - (id > g));
  chains.erase(chains.begin() + g);
}

}  // namespace

MOKUZA_CPU_CLONES void PlaceStone(Board& board, BorderedPoint b, int c) {
  const GridGeometry& geo = board.geometry;
  if (!geo.isBoardPoint(b)) return;
  auto& chains = board.position.chains;
  PlayGrid& grid = board.position.playGrid;
  ChainIdRow& ids = board.slot(board.currentPosition).chainIds;
  board.capturedScratch.clear();

  // Records are trusted, so a stone may land on an occupied point: the old
  // stone's chain gives the point up first. Losing a stone can split a chain
  // and cost it liberties, so what is left is re-formed from the grid.
  const int previousOwner = ids[b];
  if (previousOwner >= 0 && previousOwner < static_cast<int>(chains.size())) {
    PointSet rest = chains[static_cast<std::size_t>(previousOwner)].stones;
    const std::int8_t oldColour = chains[static_cast<std::size_t>(previousOwner)].colour;
    rest.erase(b);
    eraseChainEntry(chains, ids, previousOwner);
    rest.forEach([&](BorderedPoint s) {
      if (ids[s] >= 0) return;  // in a piece already re-formed
      const auto pieceId = static_cast<std::int16_t>(chains.size());
      Chain piece;
      piece.colour = oldColour;
      piece.stones.insert(s);
      std::vector<BorderedPoint> pending{s};
      while (!pending.empty()) {
        const BorderedPoint t = pending.back();
        pending.pop_back();
        ids[t] = pieceId;
        for (int offset : geo.neighbours) {
          const BorderedPoint q = t + offset;
          if (rest.contains(q) && !piece.stones.contains(q)) {
            piece.stones.insert(q);
            pending.push_back(q);
          } else if (grid[q] == kStoneEmpty) {
            piece.liberties.insert(q);
          }
        }
      }
      piece.countedLiberties = static_cast<std::int16_t>(piece.liberties.size());
      chains.push_back(piece);
    });
  }

  std::array<BorderedPoint, 4> friends{}, enemies{};
  int friendCount = 0, enemyCount = 0;
  Chain placed;
  placed.colour = static_cast<std::int8_t>(c);
  placed.stones.insert(b);
  for (int offset : geo.neighbours) {
    const BorderedPoint q = b + offset;
    const int stone = grid[q];
    if (stone == kStoneFrame) continue;
    if (stone == kStoneEmpty) placed.liberties.insert(q);
    else if (stone == c) friends[static_cast<std::size_t>(friendCount++)] = q;
    else enemies[static_cast<std::size_t>(enemyCount++)] = q;
  }
  StoneBits& bits = board.position.stoneBits;
  if (grid[b] == kStoneBlack || grid[b] == kStoneWhite) bits.erase(geo.info[b], grid[b]);
  grid[b] = static_cast<std::int8_t>(c);
  bits.set(geo.info[b], c);

  // Merge the friendly chains into the new one; the others keep their order.
  std::array<int, 4> mergedIds{};
  int mergedCount = 0;
  for (int i = 0; i < friendCount; ++i) {
    const int id = ids[friends[static_cast<std::size_t>(i)]];
    if (id < 0 || id >= static_cast<int>(chains.size())) continue;
    if (std::find(mergedIds.begin(), mergedIds.begin() + mergedCount, id) != mergedIds.begin() + mergedCount) continue;
    mergedIds[static_cast<std::size_t>(mergedCount++)] = id;
    placed.stones |= chains[static_cast<std::size_t>(id)].stones;
    placed.liberties |= chains[static_cast<std::size_t>(id)].liberties;
  }
  placed.liberties.erase(b);
  placed.countedLiberties = static_cast<std::int16_t>(placed.liberties.size());

  // The merged chain takes the lowest merged chain's place; each other merged
  // chain's place, from the highest down, is taken by the last chain. Only
  // the moved chain's stones are renumbered: closing the gaps instead moved
  // every later chain and renumbered the whole row at every merge. Nothing
  // reads the chains in list order, only by id.
  std::int16_t newId = static_cast<std::int16_t>(chains.size());
  if (mergedCount > 0) {
    for (int i = 1; i < mergedCount; ++i)
      for (int j = i; j > 0 && mergedIds[static_cast<std::size_t>(j - 1)] > mergedIds[static_cast<std::size_t>(j)]; --j)
        std::swap(mergedIds[static_cast<std::size_t>(j - 1)], mergedIds[static_cast<std::size_t>(j)]);
    for (int i = mergedCount - 1; i >= 1; --i) {
      const auto gap = static_cast<std::size_t>(mergedIds[static_cast<std::size_t>(i)]);
      if (gap + 1 < chains.size()) {
        chains[gap] = chains.back();
        chains[gap].stones.forEach([&](BorderedPoint s) { ids[s] = static_cast<std::int16_t>(gap); });
      }
      chains.pop_back();
    }
    newId = static_cast<std::int16_t>(mergedIds[0]);
    chains[static_cast<std::size_t>(newId)] = placed;
  } else {
    chains.push_back(placed);
  }
  placed.stones.forEach([&](BorderedPoint s) { ids[s] = newId; });

  for (int i = 0; i < enemyCount; ++i) {
    const int id = ids[enemies[static_cast<std::size_t>(i)]];
    if (id < 0 || id >= static_cast<int>(chains.size())) continue;
    Chain& enemy = chains[static_cast<std::size_t>(id)];
    enemy.countedLiberties -= enemy.liberties.contains(b);
    enemy.liberties.erase(b);
    if (enemy.countedLiberties == 0) RemoveChain(board, id);
  }

  const int own = ids[b];
  if (own >= 0 && own < static_cast<int>(chains.size()) && chains[static_cast<std::size_t>(own)].countedLiberties == 0)
    RemoveChain(board, own);
}

namespace {

// Row by row: the bordered row y + 1 holds the board row y between frame cells.
std::ptrdiff_t boardRow(const GridGeometry& geo, int y) { return static_cast<std::ptrdiff_t>(y) * geo.n; }
std::ptrdiff_t gridRow(const GridGeometry& geo, int y) { return static_cast<std::ptrdiff_t>(y + 1) * geo.width + 1; }

}  // namespace

void derivePlayGrid(Board& board) {
  const GridGeometry& geo = board.geometry;
  const auto& stones = board.position.boardGrid.stones;
  auto& grid = board.position.playGrid;
  for (int y = 0; y < geo.n; ++y) std::copy_n(stones.begin() + boardRow(geo, y), geo.n, grid.begin() + gridRow(geo, y));
  board.position.stoneBits = stoneBitsOf(geo, grid);
}

StoneBits stoneBitsOf(const GridGeometry& geo, const PlayGrid& grid) {
  StoneBits bits;
  for (BorderedPoint b{0}; b.index < geo.borderedCount; ++b.index)
    if (grid[b] == kStoneBlack || grid[b] == kStoneWhite) bits.set(geo.info[b], grid[b]);
  return bits;
}

MOKUZA_CPU_CLONES void PlayMove(Board& board, RecordPoint u) {
  const GridGeometry& geo = board.geometry;
  PositionSlot& slot = board.slot(board.currentPosition);
  slot.capturedByMove.clear();
  if (!geo.isOnBoard(u)) return;
  const BorderedPoint b = geo.bordered(u);
  PlaceStone(board, b, board.colourToPlay);
  // The two grids agree before the move, so only the played point and the
  // captured ones are copied back.
  auto& stones = board.position.boardGrid.stones;
  stones[u] = board.position.playGrid[b];
  board.capturedScratch.forEach([&](BorderedPoint p) {
    slot.capturedByMove.push_back(p);
    stones[geo.unbordered(p)] = kStoneEmpty;
  });
  if (!slot.capturedByMove.empty()) {
    auto& list = board.lastRemovedColour == kStoneBlack ? slot.capturedBlack : slot.capturedWhite;
    list.insert(list.end(), slot.capturedByMove.begin(), slot.capturedByMove.end());
  }
  board.lastPlayedAt[b] = static_cast<std::int16_t>(board.currentPosition);
}

namespace {

// Each stone joins the chain its id names; the ids were given in chain order,
// so the list comes out as the replay built it.
void rebuildChains(const Board& board, int m, std::vector<Chain>& chains) {
  chains.clear();
  const auto index = static_cast<std::size_t>(m);
  if (m < 0 || m >= board.history.computed() || index >= board.history.slots.size()) return;
  const GridGeometry& geo = board.geometry;
  const PlayGrid& grid = board.history.playGrids[index];
  const ChainIdRow& ids = board.history.slots[index].chainIds;
  for (BorderedPoint b{0}; b.index < geo.borderedCount; ++b.index) {
    const int stone = grid[b];
    const int id = ids[b];
    if ((stone != kStoneBlack && stone != kStoneWhite) || id < 0 || id >= kGridCells) continue;
    if (id >= static_cast<int>(chains.size())) chains.resize(static_cast<std::size_t>(id) + 1);
    Chain& chain = chains[static_cast<std::size_t>(id)];
    chain.colour = static_cast<std::int8_t>(stone);
    chain.stones.insert(b);
    for (int offset : geo.neighbours)
      if (grid[b + offset] == kStoneEmpty) chain.liberties.insert(b + offset);
  }
  for (Chain& chain : chains) chain.countedLiberties = static_cast<std::int16_t>(chain.liberties.size());
}

}  // namespace

void restorePosition(Board& board, int m) {
  if (m < 0 || m >= board.history.computed()) return;
  const auto index = static_cast<std::size_t>(m);
  board.position.boardGrid = board.history.boardGrids[index];
  board.position.playGrid = board.history.playGrids[index];
  board.position.stoneBits = stoneBitsOf(board.geometry, board.position.playGrid);
  rebuildChains(board, m, board.position.chains);
  board.currentPosition = m;
}

std::vector<Chain> chainsAt(const Board& board, int m) {
  std::vector<Chain> chains;
  rebuildChains(board, m, chains);
  return chains;
}

// Only the one chain is gathered: rebuilding the whole list with chainsAt
// costs a naming pass about two percent.
int chainLibertiesAt(const Board& board, int m, BorderedPoint b) {
  const auto index = static_cast<std::size_t>(m);
  if (m < 0 || m >= board.history.computed() || index >= board.history.slots.size()) return 0;
  const GridGeometry& geo = board.geometry;
  if (b.index < 0 || b.index >= geo.borderedCount) return 0;
  const PlayGrid& grid = board.history.playGrids[index];
  const ChainIdRow& ids = board.history.slots[index].chainIds;
  const int stone = grid[b];
  const int id = ids[b];
  if ((stone != kStoneBlack && stone != kStoneWhite) || id < 0) return 0;
  PointSet liberties;
  for (BorderedPoint q{0}; q.index < geo.borderedCount; ++q.index) {
    if (ids[q] != id || grid[q] != stone) continue;
    for (int offset : geo.neighbours)
      if (grid[q + offset] == kStoneEmpty) liberties.insert(q + offset);
  }
  return liberties.size();
}

}  // namespace mokuza
