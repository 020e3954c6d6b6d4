#include "assets/generator/cursor_images.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "assets/generator/noise.h"
#include "assets/generator/painters.h"

namespace mokuza::assets {

QImage paintPickedStoneCursor(int size) {
  // Painted larger and scaled down, so the rim is smooth at cursor size.
  const QImage stone = paintStone(StoneStyle::BlackMarble, size * 4)
                           .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_ARGB32);
  QImage cursor(size, size, QImage::Format_ARGB32);
  for (int y = 0; y < size; ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(stone.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(cursor.scanLine(y));
    for (int x = 0; x < size; ++x) {
      const double r = std::hypot(x + 0.5 - size / 2.0, y + 0.5 - size / 2.0);
      const double coverage = clamp01(size / 2.0 - 1 - r + 0.5);
      to[x] = qRgba(qRed(from[x]), qGreen(from[x]), qBlue(from[x]), static_cast<int>(std::lround(coverage * 255)));
    }
  }
  return cursor;
}

QImage paintStepCursor(int size) {
  QImage cursor(size, size, QImage::Format_ARGB32);
  cursor.fill(Qt::transparent);
  QPainter painter(&cursor);
  painter.setRenderHint(QPainter::Antialiasing);
  const double unit = size / 32.0;
  QPainterPath mark;
  mark.moveTo(8 * unit, 7 * unit);
  mark.lineTo(21 * unit, 16 * unit);
  mark.lineTo(8 * unit, 25 * unit);
  mark.closeSubpath();
  mark.addRect(QRectF(22 * unit, 7 * unit, 3 * unit, 18 * unit));
  painter.setPen(QPen(QColor(250, 250, 245), 2.5 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(QColor(24, 24, 30));
  painter.drawPath(mark);
  return cursor;
}

}  // namespace mokuza::assets
