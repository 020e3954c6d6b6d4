#include "search/game_scan.h"

#include <bit>
#include <cstdint>
#include <utility>

#include "search/stone_replay.h"

namespace mokuza::search {
namespace {

// The follow-up of a complete match of variant v at position m.
void findFollowUp(GameMatch& match, const MainLine& line, int m, int v, const SearchPattern& pattern,
                  const VariantMasks& mask, const ScanSettings& settings) {
  const int n = pattern.boardSize;
  const int expected = v >= kOwnColourVariants ? -nextColour(pattern) : nextColour(pattern);
  const bool withinRange = settings.nextWithin && pattern.rangeStones > 0;
  for (int k = m + 1; k <= line.lastPosition(); ++k) {
    const LineStone move = line.moves[static_cast<std::size_t>(k)];
    const bool onBoard = move.point >= 0 && move.point < n * n;
    if (withinRange && (!onBoard || !mask.area.test(static_cast<std::size_t>(move.point)))) continue;  // passed over
    if (onBoard && move.colour == expected) {
      match.followUpMove = k;
      match.followUpPoint = patternPointOf(move.point, v, n);
      match.followUpColour = move.colour;
    }
    return;
  }
}

// The stones each open variant sees, kept up to date point by point as the
// replay changes the board, so that a position costs no sweep over the board.
class VariantTally {
 public:
  // Point p went from colour `from` to `to` (+1, -1 or 0).
  void change(int p, int from, int to, std::uint32_t open, const std::array<VariantMasks, kVariantCount>& masks) {
    const auto q = static_cast<std::size_t>(p);
    for (std::uint32_t rest = open; rest != 0; rest &= rest - 1) {
      const int v = std::countr_zero(rest);
      const VariantMasks& mask = masks[static_cast<std::size_t>(v)];
      if (!mask.area[q]) continue;
      touched_ |= 1u << v;
      Counts& counts = counts_[static_cast<std::size_t>(v)];
      if (mask.black[q]) counts.matched += (to == kStoneBlack) - (from == kStoneBlack);
      else if (mask.white[q]) counts.matched += (to == kStoneWhite) - (from == kStoneWhite);
      else if (mask.empty[q]) counts.onEmpty += (to != 0) - (from != 0);
      else counts.onCaptured += (to != 0) - (from != 0);
    }
  }

  // The variants whose counts changed since the last call (all of them
  // before the first): a variant whose counts stand still cannot match, end
  // or better the best count again.
  std::uint32_t takeTouched() { return std::exchange(touched_, 0); }

  int matched(int v) const { return counts_[static_cast<std::size_t>(v)].matched; }
  // A stone stands where the variant wants an empty point.
  bool onEmpty(int v) const { return counts_[static_cast<std::size_t>(v)].onEmpty > 0; }
  // A stone stands where the pattern's position had one captured.
  bool onCaptured(int v) const { return counts_[static_cast<std::size_t>(v)].onCaptured > 0; }

 private:
  struct Counts {
    int matched = 0;
    int onEmpty = 0;
    int onCaptured = 0;
  };
  std::array<Counts, kVariantCount> counts_{};
  std::uint32_t touched_ = ~0u;
};

}  // namespace

GameMatch scanGame(const MainLine& line, const SearchPattern& pattern,
                   const std::array<VariantMasks, kVariantCount>& masks, const ScanSettings& settings) {
  GameMatch match;
  if (line.boardSize != pattern.boardSize || line.positionEnd.empty()) return match;
  const int last = line.lastPosition();
  const int first = pattern.rangeStones > 0 ? 1 : 0;
  std::uint32_t open = settings.bwFixed ? 0x00ffu : 0xffffu;

  StoneBoard board(line.boardSize);
  VariantTally tally;
  // The colour of every point as the tally last saw it.
  std::array<std::int8_t, kMaxBoardPoints> seen{};
  const int points = board.size() * board.size();
  const auto update = [&](int p) {
    if (p < 0 || p >= points) return;
    const int now = board.stoneAt(p);
    std::int8_t& before = seen[static_cast<std::size_t>(p)];
    if (now == before) return;
    tally.change(p, before, now, open, masks);
    before = static_cast<std::int8_t>(now);
  };
  std::uint32_t next = 0;
  for (int m = 0; m <= last && open != 0; ++m) {
    for (; next < line.positionEnd[static_cast<std::size_t>(m)]; ++next) {
      const LineStone stone = line.stones[next];
      board.place(stone.point, stone.colour);
      update(stone.point);
      for (int p : board.lastCaptures()) update(p);
    }
    if (m < first) continue;
    for (std::uint32_t due = open & tally.takeTouched(); due != 0; due &= due - 1) {
      const int v = std::countr_zero(due);
      const std::uint32_t bit = 1u << v;
      if (tally.onEmpty(v)) {
        open &= ~bit;  // a point that must stay empty was played on
        continue;
      }
      const int matched = tally.matched(v);
      if (matched > match.bestCount || match.bestPosition < 0) {
        match.bestCount = matched;
        match.bestPosition = m;
        match.bestVariant = v;
      }
      if (matched != pattern.patternStones || tally.onCaptured(v)) continue;
      open &= ~bit;
      const bool exchanged = v >= kOwnColourVariants;
      int& position = exchanged ? match.exchangedMatch : match.ownMatch;
      if (position >= 0) continue;  // a symmetric pattern matches in several variants at once
      const bool firstMatch = !match.found();
      position = m;
      (exchanged ? match.exchangedVariant : match.ownVariant) = v;
      if (firstMatch) {
        match.firstMatchExchanged = exchanged;
        findFollowUp(match, line, m, v, pattern, masks[static_cast<std::size_t>(v)], settings);
      }
    }
  }
  return match;
}

}  // namespace mokuza::search
