#include "render/overlays.h"

#include <algorithm>

#include "core/document/design_fields.h"
#include "render/board_text.h"

namespace mokuza::render {
namespace {

// "黒12 ツケ": colour, number and name of move m.
QString moveEntryText(const Document& doc, const MoveRecord& move, int m) {
  return QString::fromStdU16String(move.colour > 0 ? u"黒" : u"白") + QString::number(m) + ' ' +
         QString::fromStdU16String(std::u16string(doc.classifier.moveName(m)));
}

// Black's moves in purple, White's in blue; brighter for the highlighted move
// of replay mode.
QColor moveEntryColour(const RenderState& s, const QString& text, bool current) {
  const bool black = text.startsWith(QChar(u'黒'));
  const bool highlighted =
      replayModeOn(s.doc->state.options) && switchOn(s.doc->globalOptions, GlobalOption::MoveInfo) && current;
  return highlighted ? (black ? QColor(210, 60, 160) : QColor(80, 200, 255))
                     : (black ? QColor(150, 0, 100) : QColor(0, 80, 255));
}

}  // namespace

void PaintMoveList(QPainter& painter, const RenderState& s, const BoardGeometry& g, const QString& family) {
  const Document& doc = *s.doc;
  const int h = g.infoWidth / 42;
  // The column labels stand in the top of the info area; the list goes under them.
  const int labels = designValue(*s.design, DesignField::GobanCoordinate) != 0 ? g.halfPitch + 6 : 0;
  const int top = g.infoTop + labels, height = g.infoHeight - labels;
  if (h <= 0 || height < h) return;
  const int columnWidth = g.extent / 3;
  const int current = doc.currentMove();
  const int rows = height / h;
  int first = replayModeOn(s.doc->state.options) ? std::max(s.figureStart + 1, 1) : 1;
  // The list moves on by one row of three until the current move fits.
  while ((current - first) / 3 + 1 > rows) first += 3;
  const auto& line = doc.record().lineCopy;
  QFont font(family);
  font.setPixelSize(h);
  painter.save();
  int x = g.infoLeft, y = top;
  for (int m = first; m <= current && static_cast<std::size_t>(m) < line.size(); ++m) {
    const MoveRecord& move = line[static_cast<std::size_t>(m)];
    const QString text = moveEntryText(doc, move, m);
    font.setBold(m == current);
    painter.setFont(font);
    const QRect cell(x, y, columnWidth, h);
    drawTextPlate(painter, painter.boundingRect(cell, Qt::AlignLeft | Qt::AlignVCenter, text));
    painter.setPen(moveEntryColour(s, text, m == current));
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, text);
    x += columnWidth;
    if (x + columnWidth > g.infoLeft + (g.boardSize + 1) * g.pitch) {
      x = g.infoLeft;
      y += h;
    }
  }
  painter.restore();
}

QRect moveTextBand(const BoardGeometry& g) {
  return QRect(g.infoLeft, g.infoTop, std::min(3 * g.pitch + 4, g.infoWidth), g.infoHeight);
}

void paintMoveText(QPainter& painter, const RenderState& s, const QString& family, const QRect& band) {
  const Document& doc = *s.doc;
  const int m = doc.currentMove();
  const auto& line = doc.record().lineCopy;
  if (m < 1 || static_cast<std::size_t>(m) >= line.size() || band.isEmpty()) return;
  const QString text = moveEntryText(doc, line[static_cast<std::size_t>(m)], m);
  painter.save();
  painter.setClipRect(band);
  painter.setFont(boardFont(family, kMoveTextHeight, true));
  drawTextPlate(painter, painter.boundingRect(band, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text));
  painter.setPen(moveEntryColour(s, text, true));
  painter.drawText(band, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
  painter.restore();
}

}  // namespace mokuza::render
