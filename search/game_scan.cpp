#include "search/game_scan.h"

#include <algorithm>
#include <cstdint>

#include "core/rules/replay.h"
#include "search/stone_replay.h"

namespace mokuza::search {
namespace {

// The follow-up of a complete match of variant v at position m.
void findFollowUp(GameMatch& match, const std::vector<MoveRecord>& line, int last, int m, int v,
                  const SearchPattern& pattern, const VariantMasks& mask, const ScanSettings& settings) {
  const int n = pattern.boardSize;
  const int expected = v >= kOwnColourVariants ? -nextColour(pattern) : nextColour(pattern);
  const bool withinRange = settings.nextWithin && pattern.rangeStones > 0;
  for (int k = m + 1; k <= last; ++k) {
    const MoveRecord& record = line[static_cast<std::size_t>(k)];
    const bool onBoard = record.hasMove() && isOnBoard(record.point, n);
    if (withinRange && (!onBoard || !mask.area.test(record.point))) continue;  // outside the range: passed over
    if (onBoard && record.colour == expected) {
      match.followUpMove = k;
      match.followUpPoint = patternPointOf(record.point, v, n);
      match.followUpColour = record.colour;
    }
    return;
  }
}

}  // namespace

GameMatch scanGame(const std::vector<MoveRecord>& line, int boardSize, const SearchPattern& pattern,
                   const std::array<VariantMasks, kVariantCount>& masks, const ScanSettings& settings) {
  GameMatch match;
  if (boardSize != pattern.boardSize || line.empty()) return match;
  const int last = lastReplayablePosition(line.size());
  const int first = pattern.rangeStones > 0 ? 1 : 0;
  std::uint32_t open = settings.bwFixed ? 0x00ffu : 0xffffu;

  StoneBoard board(boardSize);
  for (int m = 0; m <= last && open != 0; ++m) {
    board.playRecord(line[static_cast<std::size_t>(m)], m);
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
        findFollowUp(match, line, last, m, v, pattern, mask, settings);
      }
    }
  }
  return match;
}

}  // namespace mokuza::search
