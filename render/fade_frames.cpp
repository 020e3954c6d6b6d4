#include "render/fade_frames.h"

#include <QPainter>
#include <algorithm>

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

}  // namespace

bool FadeFrame(FadeQueues& queues, QImage& window, const QImage& cleanBoard, PointPainter& points, const BoardGeometry& g,
               const FadeLayerSound* sound) {
  const bool sounding = sound != nullptr && sound->advanced;
  const int p = g.pitch, n = g.boardSize;
  QPainter windowPainter(&window);
  for (auto& [point, layers] : queues.queues()) {
    if (point < 0 || point >= n * n) {
      // Off the board: nothing to draw, the layers end now.
      for (FadeLayer& layer : layers) layer.remaining = 0;
      continue;
    }
    const QRect target(g.boardLeft + (point % n) * p, g.boardTop + (point / n) * p, p, p);
    QImage cell = window.copy(target).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
      QPainter painter(&cell);
      for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
        if (!it->rendered) renderLayer(*it, point, cleanBoard, points, g);
        it->remaining = std::max(it->remaining - 1, 0);
        if (sounding) sound->advanced(point, *it);
        painter.setOpacity(FadeLayerAlpha(*it) / 255.0);
        painter.drawImage(0, 0, wrapCell(it->cell, p));
      }
    }
    windowPainter.drawImage(target.topLeft(), cell);
  }
  queues.dropFinished(sound);
  return !queues.empty();
}

int CrossFadeAlpha(int counter) { return ((256 - counter) % 256 + 256) % 256; }

int CrossFadeStep(QImage& window, const QImage& picture, int counter) {
  QPainter painter(&window);
  if (counter <= 0) {
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture);
    return 0;
  }
  painter.setOpacity(CrossFadeAlpha(counter) / 255.0);
  painter.drawImage(0, 0, picture);
  return std::max(counter - 5, 0);
}

}  // namespace mokuza::render
