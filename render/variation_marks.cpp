#include <QPainter>

#include "core/document/navigation.h"
#include "render/board_text.h"
#include "render/overlays.h"

namespace mokuza::render {
namespace {

// Blue with a white halo: apart from the record's own marks and numbers,
// which are black or white.
const QColor kVariationColour(20, 90, 220);

}  // namespace

void paintVariationMarks(QPainter& painter, const RenderState& s, const BoardGeometry& g, const QString& family) {
  const GameRecord& record = s.doc->record();
  const int current = record.currentMove;
  const std::vector<const MoveRecord*> next = continuationsAfter(record, current);
  if (next.size() < 2) return;
  const int n = g.boardSize;
  const auto& marks = record.lineCopy[static_cast<std::size_t>(current)].marks;
  painter.setRenderHint(QPainter::Antialiasing);
  char16_t letter = u'a';
  for (const MoveRecord* move : next) {
    const char16_t shown = letter;
    if (letter < u'z') ++letter;
    if (!move->hasMove() || !isOnBoard(move->point, n) || n != record.boardSize) continue;
    if (const MarkEntry* mark = marks.find(static_cast<std::int16_t>(move->point)); mark && !mark->text.empty())
      continue;
    const QPainterPath path = centredTextPath(QString(QChar(shown)), boardFont(family, g.pitch / 2, true), g.pitch);
    painter.save();
    painter.translate((move->point % n) * g.pitch, (move->point / n) * g.pitch);
    drawHaloText(painter, path, Qt::white, g.pitch, QBrush(kVariationColour));
    painter.restore();
  }
}

}  // namespace mokuza::render
