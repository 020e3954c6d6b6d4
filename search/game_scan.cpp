#include "search/game_scan.h"

#include <algorithm>
#include <cstdint>

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

}  // namespace

GameMatch scanGame(const MainLine& line, const SearchPattern& pattern,
                   const std::array<VariantMasks, kVariantCount>& masks, const ScanSettings& settings) {
  GameMatch match;
  if (line.boardSize != pattern.boardSize || line.positionEnd.empty()) return match;
  const int last = line.lastPosition();
  const int first = pattern.rangeStones > 0 ? 1 : 0;
  std::uint32_t open = settings.bwFixed ? 0x00ffu : 0xffffu;

  StoneBoard board(line.boardSize);
  std::uint32_t next = 0;
  for (int m = 0; m <= last && open != 0; ++m) {
    for (; next < line.positionEnd[static_cast<std::size_t>(m)]; ++next) {
      const LineStone stone = line.stones[next];
      board.place(stone.point, stone.colour);
    }
    if (m < first) continue;
    const PointBits& black = board.black();
    const PointBits& white = board.white();
    const PointBits occupied = black | white;
    for (int v = 0; v < kVariantCount; ++v) {
      const std::uint32_t bit = 1u << v;
      if ((open & bit) == 0) continue;
      const VariantMasks& mask = masks[static_cast<std::size_t>(v)];
      if ((occupied & mask.empty).any()) {
        open &= ~bit;  // a point that must stay empty was played on
        continue;
      }
      const int matched = static_cast<int>((black & mask.black).count() + (white & mask.white).count());
      if (matched > match.bestCount || match.bestPosition < 0) {
        match.bestCount = matched;
        match.bestPosition = m;
        match.bestVariant = v;
      }
      if (matched != pattern.patternStones || (occupied & mask.captured).any()) continue;
      open &= ~bit;
      const bool exchanged = v >= kOwnColourVariants;
      int& position = exchanged ? match.exchangedMatch : match.ownMatch;
      if (position >= 0) continue;  // a symmetric pattern matches in several variants at once
      const bool firstMatch = !match.found();
      position = m;
      (exchanged ? match.exchangedVariant : match.ownVariant) = v;
      if (firstMatch) {
        match.firstMatchExchanged = exchanged;
        findFollowUp(match, line, m, v, pattern, mask, settings);
      }
    }
  }
  return match;
}

}  // namespace mokuza::search
