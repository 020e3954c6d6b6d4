#pragma once
// Pair-go colours of a design ("ペア碁カラー設定"): which of four colours each
// of the four players' stones and last-move marks take.

#include <array>
#include <cstdint>
#include <string>

#include "playback/auto_play.h"

namespace mokuza::playback {

// Four digits 0..3, one per player; the value is d0 + 10·d1 + 100·d2 + 1000·d3.
using PairColourDigits = std::array<int, 4>;

PairColourDigits pairColourDigits(std::int32_t value);
std::int32_t pairColourValue(const PairColourDigits& digits);

struct PairGoColours {
  bool mode = false;             // "ペア碁モード"
  int change = 1;                // "ペア碁交代手数", two digits
  PairColourDigits moves{};      // "ペア碁着手"
  PairColourDigits lastMoves{};  // "ペア碁最終着手"
};

PairGoColours readPairGoColours(const Document& doc);

// " [No.%d]", " [No.%d～No.%d]" for the selected games, or " [リスト外]" when
// the shown game is not from the playlist.
std::u16string pairGoHistoryText(const Playlist& playlist);

// Writes the colours into the shown design and the shown game's entry,
// repaints and records "ペア碁カラー設定 %s".
void applyPairGoColours(Playback& pb, const PairGoColours& colours);

}  // namespace mokuza::playback
