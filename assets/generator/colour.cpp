#include "assets/generator/colour.h"

#include <algorithm>
#include <cmath>

#include "assets/generator/noise.h"

namespace mokuza::assets {
namespace {

int toChannel(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); }

}  // namespace

Rgb mixRgb(Rgb a, Rgb b, double t) { return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)}; }

Rgb scaleRgb(Rgb c, double factor) { return {c.r * factor, c.g * factor, c.b * factor}; }

Rgb addRgb(Rgb a, Rgb b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }

QRgb toPixel(Rgb c) { return qRgb(toChannel(c.r), toChannel(c.g), toChannel(c.b)); }

QColor toColor(Rgb c) { return QColor(toChannel(c.r), toChannel(c.g), toChannel(c.b)); }

}  // namespace mokuza::assets
