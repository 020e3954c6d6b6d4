#include "playback/pair_go.h"

#include <algorithm>
#include <cstdlib>

#include "core/document/undo.h"
#include "playback/design_values.h"
#include "playlist/list_texts.h"

namespace mokuza::playback {
namespace {

void store(Design& design, const PairGoColours& colours) {
  setDesignValue(design, DesignField::PairMode, colours.mode ? 1 : 0);
  setDesignValue(design, DesignField::PairChange, std::clamp(colours.change, 0, 99));
  setDesignValue(design, DesignField::PairColour, pairColourValue(colours.moves));
  setDesignValue(design, DesignField::PairLastColour, pairColourValue(colours.lastMoves));
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
  colours.mode = designValue(doc.state.design, DesignField::PairMode) == 1;
  colours.change = designValue(doc.state.design, DesignField::PairChange);
  colours.moves = pairColourDigits(designValue(doc.state.design, DesignField::PairColour));
  colours.lastMoves = pairColourDigits(designValue(doc.state.design, DesignField::PairLastColour));
  return colours;
}

std::u16string pairGoHistoryText(const Playlist& playlist) {
  if (playlist.currentGameIndex <= 0) return u" [リスト外]";
  return selectionText(playlist);
}

void applyPairGoColours(Playback& pb, const PairGoColours& colours) {
  store(pb.doc.state.design, colours);
  if (PlaylistEntry* entry = shownEntry(pb.playlist)) store(*entry, colours);
  pb.changes.repaint = true;
  recordUndo(pb.doc, u"ペア碁カラー設定 " + pairGoHistoryText(pb.playlist));
}

}  // namespace mokuza::playback
