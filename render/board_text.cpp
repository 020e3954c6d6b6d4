#include "render/board_text.h"

#include <QFontDatabase>
#include <QPen>
#include <algorithm>

namespace mokuza::render {

QString boardFontFamily(const std::u16string& typeface) {
  const QString face = QString::fromStdU16String(typeface);
  if (!face.isEmpty() && QFontDatabase::families().contains(face, Qt::CaseInsensitive)) return face;
  return QString::fromLatin1(kFallbackFace);
}

QFont boardFont(const QString& family, int pixelHeight, bool bold) {
  QFont font(family);
  font.setPixelSize(std::max(pixelHeight, 1));
  font.setBold(bold);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QPainterPath centredTextPath(const QString& text, const QFont& font, int cell) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF box = path.boundingRect();
  path.translate(cell / 2.0 - box.center().x(), cell / 2.0 - box.center().y());
  return path;
}

void drawTextPlate(QPainter& painter, const QRect& area) {
  painter.fillRect(area.adjusted(-2, 0, 2, 0), QColor(255, 255, 255, 190));
}

void drawHaloText(QPainter& painter, const QPainterPath& path, const QColor& halo, int pitch, const QBrush& body) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const double width = std::max(pitch / 32, 1) + std::max(pitch / 48, 1);
  painter.setPen(QPen(halo, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(path);
  painter.fillPath(path, body);
  painter.restore();
}

}  // namespace mokuza::render
