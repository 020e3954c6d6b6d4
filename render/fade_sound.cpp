#include "render/fade_sound.h"

#include "playback/design_values.h"
#include "playback/resonance.h"

namespace mokuza::render {
namespace {

// The note block of the move that placed the stone on `point` in the shown
// position; null for an empty point or a setup stone.
const NoteBlock* placingBlock(const Document& doc, int point) {
  const playback::PlacedByRow* row = playback::placedByRow(doc.board, doc.currentMove());
  if (row == nullptr || point < 0 || point >= static_cast<int>(row->size())) return nullptr;
  const int move = (*row)[RecordPoint{point}];
  const auto& line = doc.record().lineCopy;
  if (move < 1 || static_cast<std::size_t>(move) >= line.size()) return nullptr;
  return &line[static_cast<std::size_t>(move)].notes[1];
}

}  // namespace

FadeLayerSound liveFadeSound(playback::LiveNotes& live, platform::Services& services, const Document& doc) {
  FadeLayerSound sound;
  sound.advanced = [&live, &services, &doc](int point, FadeLayer& layer) {
    const NoteBlock* block = placingBlock(doc, point);
    if (block == nullptr) return;
    const int step = layer.total - layer.remaining;
    if (step == 1) layer.note = playback::StartStoneNote(live, services, *block, layer.kind, playback::updateTime(doc));
    playback::FadeStep(live, services, layer.note, *block, step);
  };
  sound.removed = [&live, &services](FadeLayer& layer) { playback::StopStoneNote(live, services, layer.note); };
  return sound;
}

}  // namespace mokuza::render
