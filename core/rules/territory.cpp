#include "core/rules/territory.h"

#include <algorithm>
#include <array>

namespace mokuza {
namespace {

bool isStone(int v) { return v == kStoneBlack || v == kStoneWhite; }

const ChainIdRow& currentIds(const Board& board) { return board.slot(board.currentPosition).chainIds; }

// The chain index at bordered point b, or -1.
int chainIndexAt(const Board& board, BorderedPoint b) {
  const int id = currentIds(board)[b];
  return id >= 0 && id < static_cast<int>(board.position.chains.size()) ? id : -1;
}

bool isLiveStone(const CountingState& state, const Board& board, BorderedPoint b) {
  return isStone(board.position.playGrid[b]) && !state.deadStones.contains(b);
}

void addToBoundary(Region& region, std::int16_t chain) {
  auto it = std::lower_bound(region.boundary.begin(), region.boundary.end(), chain);
  if (it == region.boundary.end() || *it != chain) region.boundary.insert(it, chain);
}

// The owner of two regions joined into one.
int joinedOwner(int a, int b) {
  if (a == kRegionUndecided) return b;
  if (b == kRegionUndecided) return a;
  return a == b ? a : kRegionNeutral;
}

bool counted(const CountingState& state, RecordPoint u) { return !state.rangeMode || state.selection.contains(u); }

// A click on a stone marked dead by mistake: its chain and the stones of its
// colour marked dead in the same region come alive again, which undoes the
// click that marked them.
void reviveGroup(CountingState& state, const Board& board, BorderedPoint b) {
  const int colour = board.position.playGrid[b];
  if (const int chain = chainIndexAt(board, b); chain >= 0)
    state.deadStones.subtract(board.position.chains[static_cast<std::size_t>(chain)].stones);
  state.deadStones.erase(b);
  for (const Region& region : state.regions) {
    if (!region.points.contains(b)) continue;
    region.points.forEach([&](BorderedPoint p) {
      if (board.position.playGrid[p] == colour) state.deadStones.erase(p);
    });
  }
}

}  // namespace

bool ToggleCountingMode(CountingState& state, const Board& board) {
  if (state.countingMode) {
    state.countingMode = false;
    return false;
  }
  state.countingMode = true;
  state.regions.clear();
  state.deadStones.clear();
  CountTerritory(state, board);
  return true;
}

void CountTerritory(CountingState& state, const Board& board) {
  if (!state.countingMode) return;
  const GridGeometry& geo = board.geometry;
  const PlayGrid& grid = board.position.playGrid;

  state.deadBlackCount = state.deadWhiteCount = 0;
  state.deadStones.forEach([&](BorderedPoint b) {
    if (!geo.isBoardPoint(b) || !counted(state, geo.unbordered(b))) return;
    if (grid[b] == kStoneBlack) ++state.deadBlackCount;
    else if (grid[b] == kStoneWhite) ++state.deadWhiteCount;
  });

  // Row by row, each point joins the regions of its neighbours scanned
  // before it; a point that links two regions merges them.
  std::vector<Region> regions;
  std::vector<bool> merged;
  BorderedArray<int> regionOf;
  regionOf.fill(-1);
  for (RecordPoint u{0}; u.index < geo.pointCount; ++u.index) {
    const BorderedPoint b = geo.bordered(u);
    if (!counted(state, u) || isLiveStone(state, board, b)) continue;
    int mine = -1;
    for (int offset : geo.neighbours) {
      const int theirs = regionOf[b + offset];
      if (theirs < 0 || theirs == mine) continue;
      if (mine < 0) {
        mine = theirs;
        continue;
      }
      Region& into = regions[static_cast<std::size_t>(mine)];
      Region& from = regions[static_cast<std::size_t>(theirs)];
      into.owner = joinedOwner(into.owner, from.owner);
      into.points |= from.points;
      for (std::int16_t chain : from.boundary) addToBoundary(into, chain);
      from.points.forEach([&](BorderedPoint p) { regionOf[p] = mine; });
      from = Region{};
      merged[static_cast<std::size_t>(theirs)] = true;
    }
    if (mine < 0) {
      mine = static_cast<int>(regions.size());
      regions.emplace_back();
      merged.push_back(false);
    }
    Region& region = regions[static_cast<std::size_t>(mine)];
    region.points.insert(b);
    regionOf[b] = mine;
    for (int offset : geo.neighbours) {
      const BorderedPoint n = b + offset;
      if (!isLiveStone(state, board, n)) continue;
      const int chain = chainIndexAt(board, n);
      if (chain >= 0) addToBoundary(region, static_cast<std::int16_t>(chain));
      region.owner = joinedOwner(region.owner, grid[n]);
    }
  }

  state.regions.clear();
  for (std::size_t i = 0; i < regions.size(); ++i)
    if (!merged[i]) state.regions.push_back(std::move(regions[i]));
}

void MarkDead(CountingState& state, const Board& board, RecordPoint point) {
  const GridGeometry& geo = board.geometry;
  if (!state.countingMode || !geo.isOnBoard(point)) return;
  const BorderedPoint b = geo.bordered(point);
  const int colour = board.position.playGrid[b];
  if (!isStone(colour)) return;
  const auto& chains = board.position.chains;
  const int clicked = chainIndexAt(board, b);
  if (state.deadStones.contains(b)) {
    reviveGroup(state, board, b);
  } else if (clicked < 0) {
    state.deadStones.insert(b);
  } else {
    state.deadStones |= chains[static_cast<std::size_t>(clicked)].stones;
    for (const Region& region : state.regions) {
      if (!std::binary_search(region.boundary.begin(), region.boundary.end(), static_cast<std::int16_t>(clicked)))
        continue;
      for (std::int16_t id : region.boundary) {
        if (id < 0 || id >= static_cast<int>(chains.size())) continue;
        const Chain& chain = chains[static_cast<std::size_t>(id)];
        if (chain.colour == colour) state.deadStones |= chain.stones;
      }
    }
  }
  CountTerritory(state, board);
}

void CountRange(CountingState& state, const Board& board) {
  const GridGeometry& geo = board.geometry;
  RangeCounts counts;
  state.selection.forEach([&](RecordPoint u) {
    if (!geo.isOnBoard(u)) return;
    ++counts.points;
    const int stone = board.position.boardGrid.stones[u];
    if (stone == kStoneBlack) ++counts.black;
    else if (stone == kStoneWhite) ++counts.white;
    else ++counts.empty;
  });
  state.range = counts;
}

int territoryOf(const CountingState& state, int colour) {
  int total = 0;
  for (const Region& region : state.regions)
    if (region.owner == colour) total += region.points.size();
  return total;
}

Score computeScore(const CountingState& state, const Board& board, int komiTenths) {
  const GridGeometry& geo = board.geometry;
  const PositionSlot& slot = board.slot(board.currentPosition);
  auto prisoners = [&](const std::vector<BorderedPoint>& taken) {
    if (!state.rangeMode) return static_cast<int>(taken.size());
    return static_cast<int>(std::count_if(taken.begin(), taken.end(), [&](BorderedPoint b) {
      return geo.isBoardPoint(b) && state.selection.contains(geo.unbordered(b));
    }));
  };
  Score score;
  score.range = state.rangeMode;
  score.komiTenths = state.rangeMode ? 0 : komiTenths;
  score.deadBlack = state.deadBlackCount;
  score.deadWhite = state.deadWhiteCount;
  score.blackTerritory = territoryOf(state, kStoneBlack);
  score.whiteTerritory = territoryOf(state, kStoneWhite);
  score.blackPrisoners = prisoners(slot.capturedWhite);
  score.whitePrisoners = prisoners(slot.capturedBlack);
  score.blackTotal = score.blackTerritory + score.blackPrisoners + score.deadWhite;
  score.whiteTotal = score.whiteTerritory + score.whitePrisoners + score.deadBlack;
  const int points = score.blackTotal - score.whiteTotal;
  score.difference = state.rangeMode ? points : points * 10 - score.komiTenths;
  return score;
}

int parseKomiTenths(std::u16string_view text) {
  const auto digitAt = [&](std::size_t i) {
    if (i >= text.size()) return -1;
    if (text[i] >= u'0' && text[i] <= u'9') return text[i] - u'0';
    if (text[i] >= u'０' && text[i] <= u'９') return text[i] - u'０';
    return -1;
  };
  std::size_t i = 0;
  while (i < text.size() &&
         (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n' || text[i] == u'\r' || text[i] == u'　'))
    ++i;
  int sign = 1;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) sign = text[i++] == u'-' ? -1 : 1;
  int whole = 0, tenths = 0;
  bool number = false;
  for (; digitAt(i) >= 0; ++i, number = true) {
    whole = whole * 10 + digitAt(i);
    if (whole > 100000) return 0;  // no komi is that large: the text is not one
  }
  if (i < text.size() && (text[i] == u'.' || text[i] == u'．')) {
    if (digitAt(i + 1) >= 0) {
      tenths = digitAt(i + 1);
      number = true;
    }
  } else {
    // "6目半", "半目": 半 is a half point.
    if (number && i < text.size() && text[i] == u'目') ++i;
    if (i < text.size() && text[i] == u'半') {
      tenths = 5;
      number = true;
    }
  }
  return number ? sign * (whole * 10 + tenths) : 0;
}

}  // namespace mokuza
