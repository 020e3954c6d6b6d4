#include "playback/note_blocks.h"

#include <algorithm>
#include <cstdlib>

#include "playback/design_values.h"

namespace mokuza::playback {
namespace {

// Semitones added to a figure stone's note by its distance from the move.
int intervalFor(int distance) {
  switch (distance) {
    case 1: return 2;
    case 2: return 4;
    case 3: return 5;
    case 4: return 7;
    default: return 0;
  }
}

std::int32_t clampToInt32(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

void fillNoteBlock(std::vector<MoveRecord>& line, int m, const GridGeometry& geo, const PlacedByRow& placedBy,
                   const NoteInputs& inputs) {
  if (m < 1 || static_cast<std::size_t>(m) >= line.size()) return;
  MoveRecord& record = line[static_cast<std::size_t>(m)];
  const NoteBlock& requested = record.notes[0];
  NoteBlock& block = record.notes[1];
  block = requested;

  naming::FigureMusic figure = naming::kDefaultFigureMusic;
  if (inputs.figures && inputs.figure >= 0 && inputs.figure < inputs.figures->count())
    figure = inputs.figures->rows()[static_cast<std::size_t>(inputs.figure)].music;

  const BorderedPoint p = geo.bordered(record.hasMove() ? geo.recordPoint(record.point) : RecordPoint{});
  const PointInfo& at = geo.info[p];
  if (requested[kNote] == 0) block[kNote] = at.height * 8 + 20 + at.depth;
  forEachResonance(geo, record, placedBy, [&](int n, BorderedPoint b) {
    if (n < 0 || n >= m) return;
    const PointInfo& stone = geo.info[b];
    const int distance = std::max(std::abs(at.x - stone.x), std::abs(at.y - stone.y));
    block[kNote] = line[static_cast<std::size_t>(n)].notes[1][kNote] + intervalFor(distance);
  });

  if (requested[kLength] == 0) block[kLength] = figure[kLength];
  if (requested[kPan] == -1) {
    const int c = inputs.panCentre;
    block[kPan] =
        c == -1 ? (at.x * 127 - 127) / std::max(1, geo.width - 3) : (at.x - c) * 63 / (c == 1 ? 1 : c - 1) + 64;
  }

  // One quarter note per displayed move.
  const std::int32_t tempo = inputs.autoSpeed > 0 && 60000 / inputs.autoSpeed > 1 ? 60000 / inputs.autoSpeed : 1;
  block[kTempo] = tempo;
  block[kProgram] = figure[kProgram];
  if (requested[kStartTick] == -1) {
    const NoteBlock& previous = line[static_cast<std::size_t>(m) - 1].notes[1];
    block[kStartTick] =
        m == 1 ? 480 : clampToInt32(std::int64_t{std::max(previous[kStartTick], 0)} + std::max(previous[kLength], 0));
  }
  if (requested[kFadeIn] == -1)
    block[kFadeIn] = clampToInt32(std::int64_t{figure[kFadeIn]} * inputs.moveFadeTime / 1000 * tempo / 50);
  if (requested[kFadeOut] == -1)
    block[kFadeOut] = clampToInt32(std::int64_t{figure[kFadeOut]} * inputs.lightOffTime / 1000 * tempo / 50);
  if (requested[kVelocity] == 0) block[kVelocity] = 100;
}

void NoteBlockObserver::afterMove(Board& board, std::vector<MoveRecord>& line, int move) {
  NoteInputs inputs;
  inputs.figures = &doc_.classifier.figureTable();
  inputs.figure = doc_.classifier.moveFigure(move);
  inputs.autoSpeed = designValue(doc_.state.design, DesignField::AutoSpeed);
  inputs.moveFadeTime = designValue(doc_.state.design, DesignField::MoveFadeTime);
  inputs.lightOffTime = designValue(doc_.state.design, DesignField::LightOffTime);
  inputs.panCentre = panCentre;
  fillNoteBlock(line, move, board.geometry, board.position.boardGrid.placedBy, inputs);

  // The tree keeps the block too, so that the line and the tree agree.
  GameRecord& record = doc_.record();
  if (&line == &record.lineCopy && static_cast<std::size_t>(move) < record.lineRecords.size())
    record.lineRecords[static_cast<std::size_t>(move)]->notes = line[static_cast<std::size_t>(move)].notes;
}

void NoteBlockObserver::afterReplay(Board& board, std::vector<MoveRecord>& line) {
  buildMidiFile(file_, line, board);
  if (!midiPath_.empty()) WriteMidiFile(file_, midiPath_, err_);
}

}  // namespace mokuza::playback
