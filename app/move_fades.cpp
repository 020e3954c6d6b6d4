#include "app/move_fades.h"

#include "core/document/design_fields.h"
#include "playback/design_values.h"
#include "playback/resonance.h"
#include "render/fade_sound.h"

namespace mokuza::app {
namespace {

const BoardGrid* gridAt(const Document& doc, int move) {
  const auto& grids = doc.board.history.boardGrids;
  if (move < 0 || move >= static_cast<int>(grids.size())) return nullptr;
  return &grids[static_cast<std::size_t>(move)];
}

// The layers of point p going from `was` (the position of move `before`) to
// `now` (that of `move`).
void addPointFades(render::FadeQueues& queues, int p, const BoardGrid& was, const BoardGrid& now, int move, int before,
                   const render::FadeTimes& times) {
  const RecordPoint r{p};
  const int from = was.stones[r], to = now.stones[r];
  const bool placedAgain = was.placedBy[r] != now.placedBy[r];
  if (to != 0 && (from != to || placedAgain || (move >= 1 && now.placedBy[r] == move))) {
    // A new stone, or the shown move's own stone with its last-move marks.
    queues.add(p, render::kFadeMoveIn, times);
  } else if (from != 0 && to == 0) {
    // The emptying layer on top, the captured stone brightening under it.
    queues.add(p, render::kFadeCaptureOut, times);
    queues.add(p, render::kFadeCaptureHalf, times);
  } else if (to != 0 && before >= 1 && now.placedBy[r] == before) {
    // The move shown before gives up its last-move marks.
    queues.add(p, render::kFadeChange, times);
  }
}

// Music mode: the stones of the move's figure sound again with it.
void addResonance(render::FadeQueues& queues, const Document& doc, const BoardGrid& now, int move,
                  const render::FadeTimes& times) {
  const auto& line = doc.record().lineCopy;
  if (move < 1 || static_cast<std::size_t>(move) >= line.size()) return;
  const GridGeometry& geo = doc.board.geometry;
  playback::forEachResonance(geo, line[static_cast<std::size_t>(move)], now.placedBy,
                             [&](int placedBy, BorderedPoint b) {
                               if (placedBy >= 1) queues.add(geo.unbordered(b).index, render::kFadeMoveIn, times);
                             });
}

}  // namespace

render::FadeTimes designFadeTimes(const Document& doc) {
  const Design& d = doc.state.design;
  return {designValue(d, DesignField::MoveFadeTime), designValue(d, DesignField::HamaFadeTime),
          designValue(d, DesignField::LightOffTime), playback::updateTime(doc)};
}

render::FadeLayerSound fadeSound(Application& app) {
  return render::liveFadeSound(app.playback.live, app.services, app.doc);
}

void addMoveFades(Application& app, int move) {
  const Document& doc = app.doc;
  const int painted = app.paintState.paintedMove;
  const int before = painted >= 0 && painted != move ? painted : move - 1;
  const BoardGrid* was = gridAt(doc, before);
  const BoardGrid* now = gridAt(doc, move);
  if (was == nullptr || now == nullptr) return;
  const render::FadeTimes times = designFadeTimes(doc);
  render::FadeQueues& queues = app.painter.fades();
  const int n = doc.board.geometry.n;
  for (int p = 0; p < n * n; ++p) addPointFades(queues, p, *was, *now, move, before, times);
  if (musicModeOn(doc.state.options)) addResonance(queues, doc, *now, move, times);
}

void addFigureFades(Application& app, int firstMove, int lastMove) {
  const BoardGrid* now = gridAt(app.doc, app.doc.currentMove());
  if (now == nullptr) return;
  const render::FadeTimes times = designFadeTimes(app.doc);
  const int n = app.doc.board.geometry.n;
  for (int p = 0; p < n * n; ++p) {
    const RecordPoint r{p};
    if (now->stones[r] != 0 && now->placedBy[r] >= firstMove && now->placedBy[r] <= lastMove)
      app.painter.fades().add(p, render::kFadeMoveIn, times);
  }
}

void endFades(Application& app) {
  const render::FadeLayerSound sound = fadeSound(app);
  app.painter.fades().clear(musicModeOn(app.doc.state.options) ? &sound : nullptr);
}

}  // namespace mokuza::app
