#include "render/stone_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>

#include "render/soft_disc.h"

namespace mokuza::render {
namespace {

constexpr QRgb kClearWhite = 0x00ffffff;

QImage StoneDisc(const QImage& source, const BoardGeometry& g) {
  const int p = g.pitch;
  QImage disc(p, p, QImage::Format_ARGB32);
  disc.fill(kClearWhite);
  {
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addEllipse(QRectF(g.lineWidth, g.lineWidth, p - 2 * g.lineWidth, p - 2 * g.lineWidth));
    painter.setClipPath(clip);
    painter.drawImage(QRect(0, 0, p, p), source);
  }
  MakeSoftDisc(reinterpret_cast<std::uint32_t*>(disc.bits()), p, 3.5);
  return disc;
}

QImage FrameRing(const QImage& otherStone, int p, int d) {
  QImage ring(p, p, QImage::Format_ARGB32);
  ring.fill(Qt::transparent);
  QPainter painter(&ring);
  QPainterPath outside;
  outside.addRect(0, 0, p, p);
  QPainterPath inner;
  inner.addEllipse(QRectF(d, d, p - 2 * d, p - 2 * d));
  painter.setClipPath(outside.subtracted(inner));
  painter.drawImage(QRect(0, 0, p, p), otherStone);
  return ring;
}

// The mean of B + G + R over a 10 x 10 sampling of the image, / 3.
double MeasureBrightness(const QImage& image) {
  if (image.isNull()) return 0;
  const int stepX = std::max(image.width() / 10, 1), stepY = std::max(image.height() / 10, 1);
  double sum = 0;
  long samples = 0;
  for (int y = 0; y < image.height(); y += stepY)
    for (int x = 0; x < image.width(); x += stepX) {
      const QRgb c = image.pixel(x, y);
      sum += qRed(c) + qGreen(c) + qBlue(c);
      ++samples;
    }
  return samples == 0 ? 0 : sum / (3.0 * static_cast<double>(samples));
}

// A substitute for a missing stone file: a shaded disc of that colour.
QImage DrawnStone(int colour, int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  const bool black = colour > 0;
  QRadialGradient shade(size * 0.38, size * 0.34, size * 0.75);
  shade.setColorAt(0, black ? QColor(95, 95, 100) : QColor(255, 255, 255));
  shade.setColorAt(0.55, black ? QColor(30, 30, 34) : QColor(232, 232, 226));
  shade.setColorAt(1, black ? QColor(8, 8, 10) : QColor(190, 190, 182));
  image.fill(black ? QColor(20, 20, 22) : QColor(228, 228, 222));
  QPainter painter(&image);
  painter.fillRect(image.rect(), shade);
  return image;
}

}  // namespace

QImage tintedImage(const QImage& image, const ColourMatrix& m) {
  QImage copy = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < copy.height(); ++y)
    applyColourMatrix(m, reinterpret_cast<std::uint32_t*>(copy.scanLine(y)), static_cast<std::size_t>(copy.width()));
  return copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

StoneImages LoadStoneImages(const QImage& blackSource, const QImage& whiteSource, const BoardGeometry& g) {
  StoneImages images;
  const std::array<QImage, 2> sources{blackSource.isNull() ? DrawnStone(1, 64) : blackSource,
                                      whiteSource.isNull() ? DrawnStone(-1, 64) : whiteSource};
  for (std::size_t c = 0; c < 2; ++c) {
    images.stone[c] = StoneDisc(sources[c], g);
    images.brightness[c] = MeasureBrightness(sources[c]);
  }
  const int p = g.pitch;
  for (std::size_t c = 0; c < 2; ++c) {
    const QImage& other = images.stone[1 - c];
    images.ringThin[c] = FrameRing(other, p, std::max(p / 20, 1));
    images.ringThick[c] = FrameRing(other, p, std::max(p / 14, 1));
  }
  return images;
}

}  // namespace mokuza::render
