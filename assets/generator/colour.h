#pragma once
// Colours as three channels in 0..255 held as doubles, so shading can mix and
// scale them before the one rounding step into a pixel.

#include <QColor>

namespace mokuza::assets {

struct Rgb {
  double r = 0;
  double g = 0;
  double b = 0;
};

Rgb mixRgb(Rgb a, Rgb b, double t);
Rgb scaleRgb(Rgb c, double factor);
Rgb addRgb(Rgb a, Rgb b);
QRgb toPixel(Rgb c);
QColor toColor(Rgb c);

}  // namespace mokuza::assets
