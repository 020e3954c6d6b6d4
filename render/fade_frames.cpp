#include "render/fade_frames.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace mokuza::render {
namespace {

QImage wrapCell(std::vector<std::uint32_t>& pixels, int pitch) {
  return QImage(reinterpret_cast<uchar*>(pixels.data()), pitch, pitch, pitch * 4, QImage::Format_ARGB32_Premultiplied);
}

void renderLayer(FadeLayer& layer, int point, const QImage& cleanBoard, PointPainter& points, const BoardGeometry& g) {
  const int p = g.pitch, n = g.boardSize;
  layer.cell.assign(static_cast<std::size_t>(p) * static_cast<std::size_t>(p), 0);
  QImage cell = wrapCell(layer.cell, p);
  QPainter painter(&cell);
  painter.drawImage(QPoint(0, 0), cleanBoard, QRect((point % n) * p, (point / n) * p, p, p));
  painter.setClipRect(0, 0, p, p);
  points.PaintPoint(painter, point, layer.kind);
  layer.rendered = true;
}

// The window's cell as the point's base.
void takeBase(std::vector<std::uint32_t>& base, const QImage& window, const QRect& target) {
  const int p = target.width();
  const QImage cell = window.copy(target).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  base.resize(static_cast<std::size_t>(p) * static_cast<std::size_t>(p));
  for (int y = 0; y < p; ++y)
    std::memcpy(base.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(p), cell.constScanLine(y),
                static_cast<std::size_t>(p) * 4);
}

// Layers that end this frame stay on screen once they are dropped: the base
// takes them, drawn opaque in their order.
void layFinishedLayers(FadePoint& fade, int pitch) {
  QImage base = wrapCell(fade.base, pitch);
  QPainter painter(&base);
  for (auto it = fade.layers.rbegin(); it != fade.layers.rend(); ++it)
    if (it->remaining == 0) painter.drawImage(0, 0, wrapCell(it->cell, pitch));
}

}  // namespace

bool fadeFrame(FadeQueues& queues, QImage& window, const QImage& cleanBoard, PointPainter& points,
               const BoardGeometry& g, const FadeLayerSound* sound) {
  const bool sounding = sound != nullptr && sound->advanced;
  const int p = g.pitch, n = g.boardSize;
  std::vector<std::uint32_t> composed;
  QPainter windowPainter(&window);
  windowPainter.setCompositionMode(QPainter::CompositionMode_Source);
  for (auto& [point, fade] : queues.queues()) {
    std::vector<FadeLayer>& layers = fade.layers;
    if (point < 0 || point >= n * n) {
      // Off the board: nothing to draw, the layers end now.
      for (FadeLayer& layer : layers) layer.remaining = 0;
      continue;
    }
    const QRect target(g.boardLeft + (point % n) * p, g.boardTop + (point / n) * p, p, p);
    if (fade.base.empty()) takeBase(fade.base, window, target);
    // Every frame blends from the cell before the fade, so a layer's opacity
    // is its own and the fade keeps an even pace.
    composed = fade.base;
    bool finishing = false;
    {
      QImage cell = wrapCell(composed, p);
      QPainter painter(&cell);
      for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
        if (!it->rendered) renderLayer(*it, point, cleanBoard, points, g);
        it->remaining = std::max(it->remaining - 1, 0);
        finishing = finishing || it->remaining == 0;
        if (sounding) sound->advanced(point, *it);
        painter.setOpacity(fadeLayerAlpha(*it) / 255.0);
        painter.drawImage(0, 0, wrapCell(it->cell, p));
      }
    }
    windowPainter.drawImage(target.topLeft(), wrapCell(composed, p));
    if (finishing) layFinishedLayers(fade, p);
  }
  queues.dropFinished(sound);
  return !queues.empty();
}

int crossFadeAlpha(int counter) { return ((256 - counter) % 256 + 256) % 256; }

int crossFadeStep(QImage& window, const QImage& picture, int counter) {
  QPainter painter(&window);
  if (counter <= 0) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture);
    return 0;
  }
  painter.setOpacity(crossFadeAlpha(counter) / 255.0);
  painter.drawImage(0, 0, picture);
  return std::max(counter - 5, 0);
}

}  // namespace mokuza::render
