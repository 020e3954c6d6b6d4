#include "assets/generator/command_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "assets/generator/colour.h"

namespace mokuza::assets {
namespace {

// Backward-pointing glyphs are drawn once and mirrored for their forward twin.
enum class Glyph { ToStart, BackTen, BackOne, PreviousStop, PreviousFigure, Variation, MainLine, Save, Undo };

struct IconShape {
  Glyph glyph;
  bool mirrored;
  Rgb colour;  // ink of the glyph when the command can act
};

constexpr Rgb kMoveInk{38, 84, 156};
constexpr Rgb kStopInk{18, 122, 120};
constexpr Rgb kFigureInk{204, 92, 24};
constexpr Rgb kBranchInk{38, 128, 60};
constexpr Rgb kSaveInk{52, 64, 90};
constexpr Rgb kHistoryInk{116, 64, 156};

constexpr std::array<IconShape, 15> kShapes = {{
    {Glyph::ToStart, false, kMoveInk},
    {Glyph::BackTen, false, kMoveInk},
    {Glyph::BackOne, false, kMoveInk},
    {Glyph::BackOne, true, kMoveInk},
    {Glyph::BackTen, true, kMoveInk},
    {Glyph::ToStart, true, kMoveInk},
    {Glyph::PreviousStop, false, kStopInk},
    {Glyph::PreviousStop, true, kStopInk},
    {Glyph::PreviousFigure, false, kFigureInk},
    {Glyph::PreviousFigure, true, kFigureInk},
    {Glyph::Variation, false, kBranchInk},
    {Glyph::MainLine, false, kBranchInk},
    {Glyph::Save, false, kSaveInk},
    {Glyph::Undo, false, kHistoryInk},
    {Glyph::Undo, true, kHistoryInk},
}};

// The window's own background colour, so the rounded corners melt into it.
constexpr Rgb kSurround{200, 222, 244};

struct TileLook {
  Rgb top;
  Rgb bottom;
  Rgb border;
  Rgb ink;     // glyph colour
  Rgb cutout;  // light parts inside a glyph
};

TileLook lookFor(IconState state, bool pressed, Rgb activeInk) {
  TileLook look;
  switch (state) {
    case IconState::Available:
      look = {{252, 253, 255}, {218, 227, 240}, {132, 152, 180}, activeInk, {246, 248, 252}};
      break;
    case IconState::ReplayUnavailable:
      look = {{248, 242, 230}, {230, 219, 198}, {188, 172, 144}, {184, 164, 130}, {248, 242, 230}};
      break;
    case IconState::Unavailable:
      look = {{240, 240, 240}, {222, 222, 222}, {184, 184, 184}, {172, 172, 172}, {240, 240, 240}};
      break;
  }
  if (pressed) {
    look = {scaleRgb(look.bottom, 0.86), scaleRgb(look.top, 0.9), scaleRgb(look.border, 0.75), scaleRgb(look.ink, 0.8),
            scaleRgb(look.cutout, 0.92)};
  }
  return look;
}

QPolygonF leftTriangle(double tipX, double baseX, double halfHeight) {
  return QPolygonF({QPointF(tipX, 0.5), QPointF(baseX, 0.5 - halfHeight), QPointF(baseX, 0.5 + halfHeight)});
}

void fillShape(QPainter& p, const QPolygonF& shape, const QColor& ink) {
  p.setPen(QPen(ink, 0.02, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(ink);
  p.drawPolygon(shape);
}

// A triangle whose base is centred on `end`, pointing along `direction`.
QPolygonF arrowHead(QPointF end, QPointF direction) {
  const double length = std::hypot(direction.x(), direction.y());
  const QPointF along = direction / length;
  const QPointF across(-along.y(), along.x());
  return QPolygonF({end + along * 0.2, end + across * 0.14, end - across * 0.14});
}

void drawBranches(QPainter& p, const TileLook& look, bool variationStrong) {
  const QColor strong = toColor(look.ink);
  const QColor faint = toColor(mixRgb(look.ink, look.bottom, 0.62));
  QPainterPath main;
  main.moveTo(0.38, 0.58);
  main.lineTo(0.38, 0.26);
  QPainterPath branch;
  branch.moveTo(0.38, 0.58);
  branch.cubicTo(0.38, 0.42, 0.6, 0.44, 0.68, 0.3);
  const auto stroke = [&](const QPainterPath& path, const QColor& colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 0.085, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
  };
  stroke(variationStrong ? main : branch, faint);
  stroke(variationStrong ? branch : main, strong);
  QPainterPath trunk(QPointF(0.38, 0.58));
  trunk.lineTo(0.38, 0.86);
  stroke(trunk, strong);
  if (variationStrong) {
    fillShape(p, arrowHead(QPointF(0.68, 0.3), QPointF(0.08, -0.14)), strong);
  } else {
    fillShape(p, arrowHead(QPointF(0.38, 0.3), QPointF(0, -1)), strong);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(strong);
  p.drawEllipse(QPointF(0.38, 0.58), 0.075, 0.075);
}

void drawGlyph(QPainter& p, Glyph glyph, const TileLook& look) {
  const QColor ink = toColor(look.ink);
  switch (glyph) {
    case Glyph::ToStart:
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawRoundedRect(QRectF(0.22, 0.29, 0.09, 0.42), 0.015, 0.015);
      fillShape(p, leftTriangle(0.34, 0.74, 0.21), ink);
      break;
    case Glyph::BackTen:
      fillShape(p, leftTriangle(0.2, 0.5, 0.21), ink);
      fillShape(p, leftTriangle(0.5, 0.8, 0.21), ink);
      break;
    case Glyph::BackOne: fillShape(p, leftTriangle(0.32, 0.66, 0.21), ink); break;
    case Glyph::PreviousStop: {
      fillShape(p, leftTriangle(0.14, 0.38, 0.17), ink);
      const QRectF board(0.46, 0.3, 0.38, 0.4);
      p.setBrush(toColor(look.cutout));
      p.setPen(QPen(ink, 0.045, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
      p.drawRect(board);
      p.setPen(QPen(ink, 0.025));
      for (int i = 1; i <= 2; ++i) {
        const double x = board.left() + board.width() * i / 3;
        const double y = board.top() + board.height() * i / 3;
        p.drawLine(QPointF(x, board.top()), QPointF(x, board.bottom()));
        p.drawLine(QPointF(board.left(), y), QPointF(board.right(), y));
      }
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawEllipse(QPointF(board.left() + board.width() / 3, board.top() + board.height() / 3), 0.06, 0.06);
      break;
    }
    case Glyph::PreviousFigure:
      fillShape(p,
                QPolygonF({QPointF(0.15, 0.5), QPointF(0.47, 0.18), QPointF(0.47, 0.37), QPointF(0.85, 0.37),
                           QPointF(0.85, 0.63), QPointF(0.47, 0.63), QPointF(0.47, 0.82)}),
                ink);
      break;
    case Glyph::Variation: drawBranches(p, look, true); break;
    case Glyph::MainLine: drawBranches(p, look, false); break;
    case Glyph::Save: {
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawRoundedRect(QRectF(0.2, 0.2, 0.6, 0.6), 0.07, 0.07);
      p.setBrush(toColor(look.cutout));
      p.drawRect(QRectF(0.32, 0.2, 0.34, 0.19));
      p.drawRoundedRect(QRectF(0.29, 0.51, 0.42, 0.29), 0.03, 0.03);
      p.setBrush(ink);
      p.drawRect(QRectF(0.54, 0.235, 0.07, 0.12));
      break;
    }
    case Glyph::Undo: {
      QPainterPath arc;
      const QRectF circle(0.27, 0.3, 0.48, 0.48);
      arc.arcMoveTo(circle, -40);
      arc.arcTo(circle, -40, 220);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(ink, 0.1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
      p.drawPath(arc);
      fillShape(p, QPolygonF({QPointF(0.13, 0.5), QPointF(0.41, 0.5), QPointF(0.27, 0.72)}), ink);
      break;
    }
  }
}

}  // namespace

std::string commandIconFileName(std::size_t index, IconState state, bool pressed) {
  const char prefix = state == IconState::Available ? 'M' : state == IconState::ReplayUnavailable ? 'F' : 'H';
  return std::string(1, prefix) + std::string(kCommandIconNames.at(index)) + (pressed ? "_N" : "") + ".jpg";
}

QImage paintCommandIcon(std::size_t index, IconState state, bool pressed, int size) {
  const IconShape& shape = kShapes.at(index);
  const TileLook look = lookFor(state, pressed, shape.colour);
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(toColor(kSurround));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size, size);

  QLinearGradient shade(0, 0.04, 0, 0.96);
  shade.setColorAt(0, toColor(look.top));
  shade.setColorAt(1, toColor(look.bottom));
  p.setBrush(shade);
  p.setPen(QPen(toColor(look.border), 0.03));
  p.drawRoundedRect(QRectF(0.04, 0.04, 0.92, 0.92), 0.16, 0.16);

  if (pressed) p.translate(0.025, 0.025);
  if (shape.mirrored) {
    p.translate(1, 0);
    p.scale(-1, 1);
  }
  drawGlyph(p, shape.glyph, look);
  return image;
}

}  // namespace mokuza::assets
