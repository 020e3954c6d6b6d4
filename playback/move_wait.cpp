#include "playback/move_wait.h"

#include "playback/design_values.h"
#include "playback/midi_file.h"

namespace mokuza::playback {

int MoveWaitTicks(std::int64_t milliseconds, std::int64_t divisor, int updateTime) {
  if (divisor < 1 || updateTime < 1) return 1;
  const std::int64_t ticks = milliseconds * 50 / divisor / updateTime;
  return ticks > 1 ? static_cast<int>(std::min<std::int64_t>(ticks, INT32_MAX)) : 1;
}

int moveWaitFor(const Document& doc, int m) {
  const int period = updateTime(doc);
  const auto& line = doc.record().lineCopy;
  if (musicModeOn(doc.state.options) && m >= 0 && static_cast<std::size_t>(m) < line.size()) {
    const NoteBlock& block = line[static_cast<std::size_t>(m)].notes[1];
    return MoveWaitTicks(std::int64_t{block[kLength]} * 10, block[kTempo], period);
  }
  return MoveWaitTicks(designValue(doc.state.design, DesignField::AutoSpeed), 50, period);
}

}  // namespace mokuza::playback
