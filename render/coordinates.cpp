#include "render/overlays.h"

namespace mokuza::render {
namespace {

QString label(int style, int index, bool rows, int n) {
  if (style == 3) return QString(QChar(u'a' + index));
  if (style == 1) return QString::number(index + 1);
  return rows ? QString::number(n - index) : QString(QChar(u'A' + index));
}

}  // namespace

void paintCoordinates(QPainter& painter, const BoardGeometry& g, int style, const QString& family, int labelHeight) {
  if (style < 1 || style > 3) return;
  QFont font(family);
  font.setPixelSize(std::max(g.halfPitch, 1));
  painter.save();
  painter.setFont(font);
  painter.setPen(Qt::black);
  const int p = g.pitch;
  for (int i = 0; i < g.boardSize; ++i) {
    const QString text = label(style, i, true, g.boardSize);
    const int left = g.boardLeft - 4 * (p / 9) - (text.size() > 1 ? 6 : 0);
    painter.drawText(QRect(left, g.boardTop + i * p + 2 * p / 10, p, p), Qt::AlignLeft | Qt::AlignTop, text);
  }
  for (int j = 0; j < g.boardSize; ++j) {
    const QString text = label(style, j, false, g.boardSize);
    const int left = g.boardLeft + g.halfPitch + j * p - (text.size() > 1 ? p / 4 : p / 8);
    painter.drawText(QRect(left, g.boardTop + g.extent + 6, 30 * g.halfPitch, labelHeight),
                     Qt::AlignLeft | Qt::AlignTop, text);
  }
  painter.restore();
}

}  // namespace mokuza::render
