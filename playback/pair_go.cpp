#include "playback/pair_go.h"

#include <algorithm>
#include <cstdlib>

#include "core/document/undo.h"
#include "playback/design_values.h"
#include "playlist/list_texts.h"

namespace mokuza::playback {
namespace {

inline constexpr std::u16string_view kPairMode = u"ペア碁モード";
inline constexpr std::u16string_view kPairChange = u"ペア碁交代手数";
inline constexpr std::u16string_view kPairColour = u"ペア碁着手";
inline constexpr std::u16string_view kPairLastColour = u"ペア碁最終着手";

void store(Design& design, const PairGoColours& colours) {
  design.intFields.insert_or_assign(std::u16string(kPairMode), colours.mode ? 1 : 0);
  design.intFields.insert_or_assign(std::u16string(kPairChange), std::clamp(colours.change, 0, 99));
  design.intFields.insert_or_assign(std::u16string(kPairColour), pairColourValue(colours.moves));
  design.intFields.insert_or_assign(std::u16string(kPairLastColour), pairColourValue(colours.lastMoves));
}

}  // namespace

PairColourDigits pairColourDigits(std::int32_t value) {
  PairColourDigits digits{};
  std::int64_t rest = std::abs(std::int64_t{value});
  for (int& d : digits) {
    // A digit no radio button offers shows as the last colour.
    d = std::min(static_cast<int>(rest % 10), 3);
    rest /= 10;
  }
  return digits;
}

std::int32_t pairColourValue(const PairColourDigits& digits) {
  std::int32_t value = 0;
  for (int k = 3; k >= 0; --k) value = value * 10 + std::clamp(digits[static_cast<std::size_t>(k)], 0, 3);
  return value;
}

PairGoColours readPairGoColours(const Document& doc) {
  PairGoColours colours;
  colours.mode = designValue(doc, kPairMode) == 1;
  colours.change = designValue(doc, kPairChange);
  colours.moves = pairColourDigits(designValue(doc, kPairColour));
  colours.lastMoves = pairColourDigits(designValue(doc, kPairLastColour));
  return colours;
}

std::u16string pairGoHistoryText(const Playlist& playlist) {
  if (playlist.currentGameIndex <= 0) return u" [リスト外]";
  return selectionText(playlist);
}

void ApplyPairGoColours(Playback& pb, const PairGoColours& colours) {
  store(pb.doc.state.design, colours);
  if (PlaylistEntry* entry = shownEntry(pb.playlist)) store(*entry, colours);
  if (pb.actions.repaint) pb.actions.repaint();
  recordUndo(pb.doc, u"ペア碁カラー設定 " + pairGoHistoryText(pb.playlist));
}

}  // namespace mokuza::playback
