#pragma once
// One game against the pattern: its main line is replayed once, and every
// position is compared with every variant that is still open for the game.

#include <array>
#include <vector>

#include "search/main_line.h"
#include "search/search_pattern.h"

namespace mokuza::search {

struct ScanSettings {
  bool bwFixed = false;     // only variants 0..7
  bool nextWithin = false;  // the follow-up move is the next one inside a range
};

// What one game gave. Positions are move numbers of the game's main line;
// points are unbordered; -1 means none.
struct GameMatch {
  int bestCount = 0;      // most matched stones of any variant at any position
  int bestPosition = -1;  // the first position that reached it
  int bestVariant = -1;
  int ownMatch = -1;  // first complete match with the pattern's colours
  int ownVariant = -1;
  int exchangedMatch = -1;  // first complete match with the colours exchanged
  int exchangedVariant = -1;
  // The earliest complete match decides the follow-up move and which colour
  // the pattern's Black side had in the game.
  bool firstMatchExchanged = false;
  int followUpMove = -1;
  int followUpPoint = -1;  // in the pattern's orientation
  int followUpColour = 0;  // the colour that played it in the game

  bool found() const { return ownMatch >= 0 || exchangedMatch >= 0; }
  bool operator==(const GameMatch&) const = default;
};

// Scans positions from the first (1 when a range holds stones, else 0) to
// the last, until every variant has matched or
// has been ruled out. A game of another board size matches nothing.
GameMatch scanGame(const MainLine& line, const SearchPattern& pattern,
                   const std::array<VariantMasks, kVariantCount>& masks, const ScanSettings& settings);

}  // namespace mokuza::search
