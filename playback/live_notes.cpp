#include "playback/live_notes.h"

#include <algorithm>

#include "core/record/text.h"
#include "playback/design_values.h"
#include "playback/midi_file.h"
#include "playback/move_wait.h"
#include "playback/resonance.h"

namespace mokuza::playback {
namespace {

std::uint32_t message(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
  return status | (std::uint32_t{data1} << 8) | (std::uint32_t{data2} << 16);
}

void send(LiveNotes& live, platform::Services& services, std::uint8_t status, std::uint8_t d1, std::uint8_t d2) {
  if (live.outputOpen) services.midiShortMessage(message(status, d1, d2));
}

std::uint8_t noteOf(const NoteBlock& block) { return static_cast<std::uint8_t>(block[kNote] & 127); }
std::uint8_t velocityOf(const NoteBlock& block) { return static_cast<std::uint8_t>(block[kVelocity] & 127); }

void endSounding(LiveNotes& live, platform::Services& services) {
  for (std::uint8_t note : live.sounding) send(live, services, 0x90, note, 0);
  live.sounding.clear();
  live.ticksLeft = 0;
}

void freeChannel(LiveNotes& live, FadeNote& fade) {
  if (fade.channel >= 0 && fade.channel < kMidiChannels)
    live.channelBusy[static_cast<std::size_t>(fade.channel)] = false;
  fade.channel = -1;
}

}  // namespace

void openMusicOutput(LiveNotes& live, platform::Services& services) {
  if (!live.outputOpen) live.outputOpen = services.midiOpen();
}

void closeMusicOutput(LiveNotes& live, platform::Services& services) {
  if (!live.outputOpen) return;
  services.midiReset();
  services.midiClose();
  live = LiveNotes();
}

namespace {

// The move's note and the notes of its figure's stones on channel 0; they
// end after the move's note length, counted down by endNotesOnTick, so the
// window never waits for them. Notes still sounding from the step before
// end first.
void PlayMoveNotes(LiveNotes& live, platform::Services& services, const Document& doc, int m) {
  const auto& line = doc.record().lineCopy;
  if (m < 1 || static_cast<std::size_t>(m) >= line.size()) return;
  endSounding(live, services);
  const MoveRecord& record = line[static_cast<std::size_t>(m)];
  if (const PlacedByRow* placedBy = placedByRow(doc.board, m)) {
    forEachResonance(doc.board.geometry, record, *placedBy, [&](int n, BorderedPoint /*point*/) {
      if (n < 0 || static_cast<std::size_t>(n) >= line.size()) return;
      const NoteBlock& block = line[static_cast<std::size_t>(n)].notes[1];
      send(live, services, 0x90, noteOf(block), velocityOf(block));
      live.sounding.push_back(noteOf(block));
    });
  }
  const NoteBlock& block = record.notes[1];
  send(live, services, 0x90, noteOf(block), velocityOf(block));
  live.sounding.push_back(noteOf(block));
  const int period = updateTime(doc);
  live.ticksLeft = std::max(1, (std::max(block[kLength], 0) + period - 1) / period);
}

}  // namespace

void PlayStoneSound(LiveNotes& live, platform::Services& services, const Document& doc, int m, bool autoPlayOn,
                    const std::filesystem::path& programFolder) {
  const auto& line = doc.record().lineCopy;
  if (m < 1 || static_cast<std::size_t>(m) >= line.size()) return;
  const MoveRecord& record = line[static_cast<std::size_t>(m)];
  if (!record.hasMove()) return;
  // A stone sounds where it is new: at the end of the line, where play and entry go on.
  if (designValue(doc.state.design, DesignField::StoneSound) == 1 && m == doc.moveCount()) {
    // As the images are: the initial file where the design names none, either separator.
    const std::filesystem::path file = designFilePath(
        doc.state.gameInfo, record.colour > 0 ? FileField::BlackSound : FileField::WhiteSound, programFolder);
    if (!file.empty()) services.playWave(file);
  }
  if (musicModeOn(doc.state.options) && !autoPlayOn) PlayMoveNotes(live, services, doc, m);
}

bool endNotesOnTick(LiveNotes& live, platform::Services& services) {
  if (live.sounding.empty()) return false;
  if (--live.ticksLeft > 0) return true;
  endSounding(live, services);
  return false;
}

void SilenceAll(LiveNotes& live, platform::Services& services, const Document& doc) {
  if (!musicModeOn(doc.state.options)) return;
  live.sounding.clear();
  live.ticksLeft = 0;
  if (!live.outputOpen) return;
  services.midiReset();
  for (int c = 0; c < kMidiChannels; ++c) send(live, services, static_cast<std::uint8_t>(0x90 | c), 0, 0);
}

FadeNote StartStoneNote(LiveNotes& live, platform::Services& services, const NoteBlock& block, int kind,
                        int updateTime) {
  FadeNote fade;
  fade.kind = kind;
  fade.note = noteOf(block);
  if (kind != 0 && kind != 4) return fade;
  fade.frames = MoveWaitTicks(std::int64_t{block[kFadeIn]} * 10, block[kTempo], updateTime);
  auto free = std::find(live.channelBusy.begin(), live.channelBusy.end(), false);
  if (free == live.channelBusy.end()) return fade;
  *free = true;
  fade.channel = static_cast<int>(free - live.channelBusy.begin());
  const auto c = static_cast<std::uint8_t>(fade.channel);
  send(live, services, static_cast<std::uint8_t>(0xC0 | c), dataByte(block[kProgram]), 0);
  send(live, services, static_cast<std::uint8_t>(0x90 | c), fade.note, velocityOf(block));
  return fade;
}

void FadeStep(LiveNotes& live, platform::Services& services, FadeNote& fade, const NoteBlock& block, int step) {
  if (fade.channel < 0) return;
  const auto c = static_cast<std::uint8_t>(fade.channel);
  const int total = std::max(1, fade.frames);
  const int volume = fade.kind == 2 ? step * 127 / total : (total - step) * 127 / total;
  if (step != 0 && volume > 0) {
    send(live, services, static_cast<std::uint8_t>(0xB0 | c), 10, dataByte(block[kPan]));
    send(live, services, static_cast<std::uint8_t>(0xB0 | c), 11, dataByte(volume));
    fade.volume = volume;
    return;
  }
  send(live, services, static_cast<std::uint8_t>(0x90 | c), fade.note, 0);
  freeChannel(live, fade);
}

void StopStoneNote(LiveNotes& live, platform::Services& services, FadeNote& fade) {
  if (fade.channel < 0) return;
  send(live, services, static_cast<std::uint8_t>(0x80 | fade.channel), fade.note, 0);
  freeChannel(live, fade);
}

}  // namespace mokuza::playback
