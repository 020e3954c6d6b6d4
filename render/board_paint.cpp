#include <QPainter>
#include <algorithm>
#include <climits>

#include "render/board_painter.h"
#include "render/board_surfaces.h"
#include "render/fade_frames.h"
#include "render/overlays.h"

namespace mokuza::render {
namespace {

// The move text is written while auto-play waits when the move list is on or
// in music mode.
bool moveTextShown(const RenderState& s) {
  return switchOn(s.doc->globalOptions, GlobalOption::MoveInfo) || musicModeOn(s.doc->state.options);
}

QRect infoArea(const BoardGeometry& g) { return QRect(g.infoLeft, g.infoTop, g.infoWidth, g.infoHeight); }

}  // namespace

PaintResult BoardPainter::Paint(QImage& window, const RenderState& state, const BoardGeometry& g, QSize client,
                                PaintFlags& flags, const AutoPlayWait& wait, const FadeLayerSound* sound) {
  const FadeLayerSound* music = musicModeOn(state.doc->state.options) ? sound : nullptr;
  if (flags.layoutChanged) flags.rebuildImages = true;
  AutoPlayWait running = wait;
  if (flags.rebuildImages) {
    running.moveWaitTicks = 0;
    rebuildImages();
    fades_.clear(music);
  }
  // Replay mode: a new layout (a new game) fades in from the plain background,
  // not from the picture of the old layout.
  const bool clearFirst = flags.layoutChanged && replayModeOn(state.doc->state.options) && state.autoPlayIdle;
  flags = PaintFlags{};
  // Fade frames draw over the picture the window holds; without one at this
  // layout the full repaint comes first.
  if (running.moveWaitTicks > 0 && cacheMatches(state, g, client) && window.size() == client)
    return paintFades(window, state, g, running, music);

  PaintResult result;
  result.moveWaitTicks = std::max(running.moveWaitTicks, 0);
  const bool fresh = window.size() != client;
  if (fresh) window = QImage(client, QImage::Format_ARGB32_Premultiplied);
  if (clearFirst || fresh) window.fill(kClientBackground);
  Repaint(state, g, client);
  if (!state.gameTransition) copyInto(window, picture_);
  return result;
}

std::vector<QRect> BoardPainter::fadeFrameRects(const BoardGeometry& g) const {
  std::vector<QRect> rects{infoArea(g)};
  if (!iconStrip_.isEmpty()) rects.push_back(iconStrip_);
  const int n = std::max(g.boardSize, 1), p = g.pitch;
  for (const auto& [point, fade] : fades_.queues())
    rects.emplace_back(g.boardLeft + (point % n) * p, g.boardTop + (point / n) * p, p, p);
  return rects;
}

PaintResult BoardPainter::paintFades(QImage& window, const RenderState& state, const BoardGeometry& g,
                                     const AutoPlayWait& wait, const FadeLayerSound* sound) {
  PaintResult result;
  result.fadeFrame = true;
  result.moveWaitTicks = std::max(wait.moveWaitTicks, 0);
  if (result.moveWaitTicks == 0 || !cacheValid_) return result;
  const int updateTime = std::max(wait.updateTime, 1);
  pointCaches_.useTypeface(state.typeface);

  const QRect info = infoArea(g).intersected(window.rect());
  const bool firstFrame = wait.moveWaitTicks == wait.moveWaitTotal;
  if (firstFrame && !iconStrip_.isEmpty()) {
    // Before the info area is taken from the window, should the two meet.
    QPainter painter(&window);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(iconStrip_.topLeft(), background_, iconStrip_);
    paintIconStrip(painter, state, window.width(), icons_);
  }
  if (firstFrame || info_.size() != info.size()) {
    info_ = window.copy(info);
    if (firstFrame && moveTextShown(state)) {
      const QRect band = moveTextBand(g).intersected(info);
      QPainter painter(&info_);
      painter.translate(-info.topLeft());
      painter.drawImage(band.topLeft(), background_, band);
      painter.setRenderHint(QPainter::TextAntialiasing);
      paintMoveText(painter, state, pointCaches_.family, band);
    }
  }

  --result.moveWaitTicks;
  {
    QPainter painter(&window);
    painter.setOpacity(fadeAlpha(wait.moveWaitTotal, result.moveWaitTicks) / 255.0);
    painter.drawImage(info.topLeft(), info_);
  }
  PointPainter points(state, g, stones_, pointCaches_);
  const bool layersLeft = fadeFrame(fades_, window, cleanBoard_, points, g, sound);
  result.framesDrawn = 1;
  if (!layersLeft) {
    // Nothing moves any more: the rest of the wait is one timer period.
    result.period =
        static_cast<int>(std::min<long long>(static_cast<long long>(result.moveWaitTicks) * updateTime, INT_MAX));
    result.moveWaitTicks = 0;
  } else if (result.moveWaitTicks > 0) {
    result.period = updateTime;
  }
  return result;
}

}  // namespace mokuza::render
