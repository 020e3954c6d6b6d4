#include "render/board_surfaces.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <cstring>

#include "core/document/design_fields.h"
#include "render/soft_disc.h"

namespace mokuza::render {
namespace {

double opacityOf(const Design& design, DesignField field) { return designValue(design, field) / 255.0; }

// The grid pattern's image: the star image, or a plain dark blue for a missing one.
QImage patternImage(const QImage& star) {
  if (!star.isNull()) return star;
  QImage plain(8, 8, QImage::Format_ARGB32);
  plain.fill(QColor(40, 70, 150));
  return plain;
}

// The side of the square the grid pattern (the star image) is drawn into:
// 1 larger than the board, 2 the board, 3 each cell; 0 for no pattern.
int patternSide(int pattern, const BoardGeometry& g) {
  switch (pattern) {
    case 1: return 4 * g.extent / 3;
    case 2: return g.extent;
    case 3: return g.pitch;
    default: return 0;
  }
}

}  // namespace

DesignImageSizes designImageSizes(const Design& design, const BoardGeometry& g, QSize surface) {
  const int star = std::max({g.starSize, patternSide(designValue(design, DesignField::LinePattern), g), 1});
  return {surface, QSize(g.extent + 2, g.extent + 2), QSize(star, star), QSize(g.pitch, g.pitch)};
}

void copyInto(QImage& target, const QImage& source) {
  if (target.size() != source.size() || target.format() != source.format() || !target.isDetached()) {
    target = source.copy();
    return;
  }
  std::memcpy(target.bits(), source.constBits(), static_cast<std::size_t>(source.sizeInBytes()));
}

QImage paintBackground(QSize client, const Design& design, const QImage& image) {
  QImage surface(client, QImage::Format_ARGB32_Premultiplied);
  surface.fill(kClientBackground);
  const int mode = designValue(design, DesignField::BackgroundExistence);
  if (mode < 1 || image.isNull()) return surface;
  QPainter painter(&surface);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const long long iw = image.width(), ih = image.height(), wc = client.width(), hc = client.height();
  if (mode == 1) {
    if (hc * iw / ih <= wc) {
      const long long h = wc * ih / iw;
      painter.drawImage(QRect(0, static_cast<int>((hc - h) / 2), static_cast<int>(wc), static_cast<int>(h)), image);
    } else {
      const long long w = hc * iw / ih;
      painter.drawImage(QRect(static_cast<int>((wc - w) / 2), 0, static_cast<int>(w), static_cast<int>(hc)), image);
    }
  } else {
    const long long w = hc * iw / ih;
    const int bx = designValue(design, DesignField::BackX), by = designValue(design, DesignField::BackY);
    const long long x = bx < 0 ? std::max(wc - w, 0LL) / 2 : bx;
    const int y = by < 0 ? 0 : by;
    painter.drawImage(QRect(static_cast<int>(x), y, static_cast<int>(w), static_cast<int>(hc)), image);
  }
  return surface;
}

QImage prepareStarImage(const QImage& star, const BoardGeometry& g) {
  const int s = std::max(g.starSize, 1);
  QImage prepared(s, s, QImage::Format_ARGB32);
  if (star.isNull()) {
    prepared.fill(QColor(25, 25, 25));
  } else {
    prepared.fill(0x00ffffff);
    QPainter painter(&prepared);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, s, s), star);
  }
  MakeSoftDisc(reinterpret_cast<std::uint32_t*>(prepared.bits()), s, 1.5);
  return prepared.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage paintCleanBoard(const QImage& background, const BoardGeometry& g, const Design& design,
                       const DesignImages& images, const QImage& preparedStar) {
  const int e = g.extent;
  QImage board = background.copy(g.boardLeft, g.boardTop, e, e);
  QPainter painter(&board);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);

  const double boardOpacity = opacityOf(design, DesignField::GobanTransparency);
  if (boardOpacity > 0) {
    painter.setOpacity(boardOpacity);
    if (images.board.isNull()) painter.fillRect(0, 0, e + 2, e + 2, kPlainBoardColour);
    else painter.drawImage(QRect(0, 0, e + 2, e + 2), images.board);
    painter.setOpacity(1);
  }

  const GridBars bars = computeGridBars(g);
  QRegion grid;
  for (int i = 0; i < g.boardSize; ++i) {
    grid += QRect(bars.offset, i * g.pitch + bars.offset, bars.length, bars.thickness);
    grid += QRect(i * g.pitch + bars.offset, bars.offset, bars.thickness, bars.length);
  }
  const int lineAlpha = designValue(design, DesignField::LineTransparency);
  painter.setClipRegion(grid);
  const int pattern = designValue(design, DesignField::LinePattern);
  if (const int side = patternSide(pattern, g); side > 0) {
    const QImage image = patternImage(images.star);
    painter.setOpacity(lineAlpha / 255.0);
    if (pattern == 1) painter.drawImage(QRect(-e / 6, -e / 6, side, side), image);
    else if (pattern == 2) painter.drawImage(QRect(0, 0, side, side), image);
    else
      for (int row = 0; row < g.boardSize; ++row)
        for (int column = 0; column < g.boardSize; ++column)
          painter.drawImage(QRect(column * g.pitch, row * g.pitch, g.pitch, g.pitch), image);
    painter.setOpacity(1);
  } else {
    painter.fillRect(0, 0, e, e, QColor(0, 0, 0, lineAlpha));
  }
  painter.setClipping(false);

  const double starOpacity = opacityOf(design, DesignField::StarTransparency);
  if (starOpacity > 0) {
    painter.setOpacity(starOpacity);
    for (const auto& [x, y] : StarPointCorners(g)) painter.drawImage(QRect(x, y, g.starSize, g.starSize), preparedStar);
  }
  return board;
}

}  // namespace mokuza::render
