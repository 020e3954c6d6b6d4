#pragma once
// The music of a game as a Standard MIDI File: tracks of timed events kept in
// tick order, the notes of the moves, and the bytes of the file.

#include <array>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/record/game_record.h"
#include "core/rules/board.h"

namespace mokuza::playback {

constexpr int kTicksPerQuarter = 120;
// Delta times are four-byte variable-length quantities at most.
constexpr std::int64_t kLargestDelta = 0x0FFFFFFF;

// Positions of the values in a NoteBlock.
enum NoteValue : std::size_t {
  kProgram = 0,
  kLength = 1,
  kVelocity = 2,
  kNote = 3,
  kTempo = 4,
  kStartTick = 5,
  kPan = 6,
  kFadeIn = 7,
  kFadeOut = 8,
};

struct MidiEvent {
  std::int64_t tick = 0;  // absolute
  std::uint8_t size = 0;
  std::array<std::uint8_t, 6> bytes{};
};

using MidiTrack = std::vector<MidiEvent>;

// Tracks whose events stay sorted by tick (equal ticks keep their order of
// addition), so that a written file never has a negative delta.
class MidiFile {
 public:
  MidiFile() { clear(); }
  // Back to one empty track.
  void clear();
  void addTrack();
  void add(std::size_t track, std::int64_t tick, std::initializer_list<std::uint8_t> bytes);
  const std::vector<MidiTrack>& tracks() const { return tracks_; }

 private:
  std::vector<MidiTrack> tracks_;
};

// A 7-bit data byte of a MIDI message; values outside 0..127 are held at the ends.
std::uint8_t dataByte(std::int64_t value);

// The note of `noteMove`, timed by the start and length of `timeMove`, on
// `track` (created, with the note's instrument, when missing). When a move's
// own note has another tempo than the move before, track 0 gets the change.
void AddNote(MidiFile& file, const std::vector<MoveRecord>& line, std::size_t track, int noteMove, int timeMove);

// The whole game: a first instrument, every move's note on track 0 and the
// notes of the stones of its figure on tracks 1, 2, ...; `board` holds the
// positions of the line, which tell what move placed each stone.
void buildMidiFile(MidiFile& file, const std::vector<MoveRecord>& line, const Board& board);

// The bytes of the file. A delta too large for four bytes is reported on
// `err` and written as the largest one.
std::string midiFileBytes(const MidiFile& file, std::ostream& err);

// Writes the file whole or not at all (platform::writeUserFile); a failure is
// reported on `err` ("Error: could not write: PATH (why)") and leaves any
// older file in place.
bool WriteMidiFile(const MidiFile& file, const std::filesystem::path& path, std::ostream& err);

}  // namespace mokuza::playback
