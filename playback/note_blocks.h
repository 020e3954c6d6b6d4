#pragma once
// Music mode during the replay: every named move gets its effective note
// block, and at the end of the replay the game is written as a MIDI file.

#include <filesystem>
#include <iosfwd>

#include "core/document/document.h"
#include "playback/midi_file.h"
#include "playback/resonance.h"

namespace mokuza::playback {

// What the note of a move is made from besides its own record.
struct NoteInputs {
  const naming::FigureTable* figures = nullptr;
  int figure = 0;                    // the figure that names the move
  std::int32_t autoSpeed = 1400;     // "１手ごとの表示時間" of the shown design
  std::int32_t moveFadeTime = 1000;  // "着手フェード"
  std::int32_t lightOffTime = 200;   // "変化フェード"
  int panCentre = -1;
};

// Fills the effective block of move m (m >= 1) of `line` from its requested
// block, the figure and the point's geometry; `placedBy` is the layer of the
// position after move m that tells which move placed each stone.
void fillNoteBlock(std::vector<MoveRecord>& line, int m, const GridGeometry& geo, const PlacedByRow& placedBy,
                   const NoteInputs& inputs);

// The replay observer of music mode; registered after the move classifier,
// whose names it reads. With an empty `midiPath` no file is written.
class NoteBlockObserver final : public ReplayObserver {
 public:
  NoteBlockObserver(Document& doc, std::filesystem::path midiPath, std::ostream& err)
      : doc_(doc), midiPath_(std::move(midiPath)), err_(err) {}

  int panCentre = -1;

  void afterMove(Board& board, std::vector<MoveRecord>& line, int move) override;
  void afterReplay(Board& board, std::vector<MoveRecord>& line) override;
  const MidiFile& midiFile() const { return file_; }

 private:
  Document& doc_;
  std::filesystem::path midiPath_;
  std::ostream& err_;
  MidiFile file_;
};

}  // namespace mokuza::playback
