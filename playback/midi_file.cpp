#include "playback/midi_file.h"

#include <algorithm>
#include <ostream>

#include "core/record/text.h"
#include "core/rules/replay.h"
#include "platform/user_files.h"
#include "playback/resonance.h"

namespace mokuza::playback {
namespace {

constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kControlChange = 0xB0;
constexpr std::uint8_t kProgramChange = 0xC0;
constexpr std::uint8_t kPanController = 10;
constexpr std::uint8_t kExpressionController = 11;
constexpr std::uint8_t kFirstProgram = 49;

std::int32_t value(const std::vector<MoveRecord>& line, int move, NoteValue which) {
  if (move < 0 || static_cast<std::size_t>(move) >= line.size()) return which == kStartTick ? -1 : 0;
  return line[static_cast<std::size_t>(move)].notes[1][which];
}

void appendVariableLength(std::string& out, std::int64_t delta, std::ostream& err) {
  if (delta > kLargestDelta) {
    err << "Error: number too large to convert to VLV\n";
    delta = kLargestDelta;
  }
  const auto v = static_cast<std::uint32_t>(std::max<std::int64_t>(delta, 0));
  std::array<char, 4> groups{};
  int count = 0;
  std::uint32_t rest = v;
  do {
    groups[static_cast<std::size_t>(count++)] = static_cast<char>(rest & 0x7F);
    rest >>= 7;
  } while (rest != 0);
  for (int i = count - 1; i >= 0; --i)
    out.push_back(static_cast<char>(groups[static_cast<std::size_t>(i)] | (i > 0 ? 0x80 : 0)));
}

void appendBigEndian(std::string& out, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool endsWithEndOfTrack(const MidiTrack& track) {
  if (track.empty()) return false;
  const MidiEvent& last = track.back();
  return last.size == 3 && last.bytes[0] == 0xFF && last.bytes[1] == 0x2F && last.bytes[2] == 0x00;
}

void appendTrack(std::string& out, const MidiTrack& track, std::ostream& err) {
  std::string body;
  body.reserve(track.size() * 5 + 4);
  std::int64_t previous = 0;
  for (const MidiEvent& event : track) {
    const std::int64_t delta = event.tick - previous;
    if (delta < 0) {
      // Tracks are kept sorted; this reports a broken invariant rather than user data.
      err << "Error: negative delta tick value: " << delta << "\nTimestamps must be sorted first\n"
          << "(use MidiFile::sortTracks() before writing).\n";
    }
    appendVariableLength(body, delta, err);
    body.append(reinterpret_cast<const char*>(event.bytes.data()), event.size);
    previous = std::max(previous, event.tick);
  }
  if (!endsWithEndOfTrack(track)) body.append("\x00\xFF\x2F\x00", 4);
  out += "MTrk";
  appendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
  out += body;
}

}  // namespace

// The first track keeps its storage: the file is rebuilt on every replay.
void MidiFile::clear() {
  tracks_.resize(1);
  tracks_[0].clear();
}

void MidiFile::addTrack() {
  tracks_.emplace_back();
  tracks_.back().reserve(1000);
}

void MidiFile::add(std::size_t track, std::int64_t tick, std::initializer_list<std::uint8_t> bytes) {
  if (track >= tracks_.size() || bytes.size() > MidiEvent{}.bytes.size()) return;
  MidiEvent event;
  event.tick = tick;
  event.size = static_cast<std::uint8_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), event.bytes.begin());
  MidiTrack& events = tracks_[track];
  if (events.empty() || events.back().tick <= tick) {
    events.push_back(event);
    return;
  }
  auto at = std::upper_bound(events.begin(), events.end(), tick,
                             [](std::int64_t t, const MidiEvent& e) { return t < e.tick; });
  events.insert(at, event);
}

std::uint8_t dataByte(std::int64_t value) { return static_cast<std::uint8_t>(std::clamp<std::int64_t>(value, 0, 127)); }

namespace {

// Microseconds per quarter note at `tempo` beats per minute, rounded and kept
// within the three bytes of the tempo event.
std::uint32_t microsecondsPerQuarter(std::int32_t tempo) {
  if (tempo <= 0) return 0xFFFFFF;
  const std::int64_t micros = (60'000'000LL + tempo / 2) / tempo;
  return static_cast<std::uint32_t>(std::min<std::int64_t>(micros, 0xFFFFFF));
}

}  // namespace

void AddNote(MidiFile& file, const std::vector<MoveRecord>& line, std::size_t track, int noteMove, int timeMove) {
  // A move without a note adds nothing, not even its track.
  const std::int64_t start = value(line, timeMove, kStartTick);
  if (start < 0) return;
  while (file.tracks().size() <= track) {
    const auto channel = static_cast<std::uint8_t>(file.tracks().size() & 15);
    file.addTrack();
    file.add(file.tracks().size() - 1, 0,
             {static_cast<std::uint8_t>(kProgramChange | channel), dataByte(value(line, noteMove, kProgram))});
  }
  const std::int64_t end = start + std::max(0, value(line, timeMove, kLength));

  // The tempo map follows the moves' own notes; a resonating stone's note
  // sounds at the tempo in force.
  const std::int32_t tempo = value(line, noteMove, kTempo);
  if (noteMove == timeMove && tempo != value(line, noteMove - 1, kTempo)) {
    const std::uint32_t micros = microsecondsPerQuarter(tempo);
    file.add(0, start,
             {0xFF, 0x51, 0x03, static_cast<std::uint8_t>(micros >> 16), static_cast<std::uint8_t>(micros >> 8),
              static_cast<std::uint8_t>(micros)});
  }

  const auto channel = static_cast<std::uint8_t>(track & 15);
  const auto note = static_cast<std::uint8_t>(value(line, noteMove, kNote) & 127);
  file.add(
      track, start,
      {static_cast<std::uint8_t>(kControlChange | channel), kPanController, dataByte(value(line, noteMove, kPan))});
  file.add(track, start,
           {static_cast<std::uint8_t>(kNoteOn | channel), note,
            static_cast<std::uint8_t>(value(line, noteMove, kVelocity) & 127)});

  // The expression ramp of the fade-in: one event per new level, so a long
  // fade costs at most 127 events.
  const std::int64_t fade = value(line, noteMove, kFadeIn);
  if (fade > 0) {
    const auto expression = static_cast<std::uint8_t>(kControlChange | channel);
    for (std::int64_t level = 0; level < 127; ++level) {
      const std::int64_t step = (level * fade + 126) / 127;  // the first step that reaches the level
      if (step >= fade) break;
      if (step * 127 / fade != level) continue;  // a short fade skips this level
      file.add(track, start + step, {expression, kExpressionController, static_cast<std::uint8_t>(level)});
    }
    file.add(track, start + fade, {expression, kExpressionController, 127});
  }
  file.add(track, end, {static_cast<std::uint8_t>(kNoteOn | channel), note, 0});
}

void buildMidiFile(MidiFile& file, const std::vector<MoveRecord>& line, const Board& board) {
  file.clear();
  file.add(0, 0, {kProgramChange, kFirstProgram});
  const int last = std::min(lastReplayablePosition(line.size()), board.history.computed() - 1);
  for (int m = 1; m <= last; ++m) {
    AddNote(file, line, 0, m, m);
    const PlacedByRow* placedBy = placedByRow(board, m);
    if (!placedBy) continue;
    std::size_t track = 0;
    forEachResonance(board.geometry, line[static_cast<std::size_t>(m)], *placedBy, [&](int n, BorderedPoint /*point*/) {
      ++track;
      if (n > 0 && n < m) AddNote(file, line, track, n, m);
    });
  }
}

std::string midiFileBytes(const MidiFile& file, std::ostream& err) {
  std::string out = "MThd";
  appendBigEndian(out, 6, 4);
  const std::size_t count = file.tracks().size();
  appendBigEndian(out, count == 1 ? 0 : 1, 2);
  appendBigEndian(out, static_cast<std::uint32_t>(std::min<std::size_t>(count, 0xFFFF)), 2);
  appendBigEndian(out, kTicksPerQuarter, 2);
  for (std::size_t t = 0; t < count && t < 0xFFFF; ++t) appendTrack(out, file.tracks()[t], err);
  return out;
}

bool WriteMidiFile(const MidiFile& file, const std::filesystem::path& path, std::ostream& err) {
  const platform::FileStatus written = platform::writeUserFile(path, midiFileBytes(file, err));
  if (!written) err << "Error: could not write: " << path.string() << " (" << written.error << ")\n";
  return written.ok();
}

}  // namespace mokuza::playback
