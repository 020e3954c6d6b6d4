#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/generator/colour.h"
#include "assets/generator/noise.h"
#include "assets/generator/painters.h"

namespace mokuza::assets {
namespace {

// Proportions of the picture, as fractions of its height or width.
struct Scene {
  int width;
  int height;
  double lakeTop;     // pixel row of the far shore
  double peakTop;     // pixel row of the summit
  double peakCentre;  // pixel column of the summit
  double summitHalf;  // half width of the flat crater rim
};

Rgb skyAt(const Scene& s, double x, double y) {
  const double t = y / s.lakeTop;
  Rgb c = t < 0.55 ? mixRgb({62, 100, 162}, {138, 168, 210}, t / 0.55)
                   : mixRgb({138, 168, 210}, {236, 212, 196}, smoothStep(0.55, 1.0, t));
  const double cloud = smoothStep(0.56, 0.78, fractalNoise(71, x * 0.0035, y * 0.011, 5));
  const double fade = 1 - smoothStep(0.25, 0.7, t);
  const double lower = smoothStep(0.45, 0.75, fractalNoise(72, x * 0.0035, (y + 14) * 0.011, 5));
  const Rgb cloudColour = mixRgb({250, 246, 244}, {196, 190, 206}, 0.6 * lower);
  return mixRgb(c, cloudColour, 0.85 * cloud * fade);
}

// Row of the mountain's outline at column x.
double mountainRidge(const Scene& s, double x) {
  const double d = std::max(std::abs(x - s.peakCentre) - s.summitHalf, 0.0);
  const double slope = std::pow(d / (0.55 * s.width), 0.68);
  const double rim = (fractalNoise(61, x * 0.02, 0.5, 3) - 0.5) * s.height * 0.008;
  return s.peakTop + (s.lakeTop - s.peakTop + s.height * 0.04) * slope + rim;
}

Rgb mountainAt(const Scene& s, double x, double y) {
  const double dx = (x - s.peakCentre) / s.width;
  const double side = smoothStep(-0.04, 0.04, dx);  // 0 on the lit left flank, 1 in shade
  const double depth = (y - s.peakTop) / (s.lakeTop - s.peakTop);
  // Gullies run straight down the flanks, fanning out from the summit.
  const double fan = (x - s.peakCentre) / (y - s.peakTop + s.height * 0.05);
  const double gully = fractalNoise(62, fan * 9, depth * 1.5, 4);
  Rgb rock = mixRgb({78, 92, 132}, {146, 160, 188}, smoothStep(0.2, 1.0, depth));
  rock = scaleRgb(rock, mix(1.06, 0.82, side) * (0.95 + 0.09 * gully));
  // Snow reaches further down in narrow tongues along the gullies.
  const double tongue = std::pow(valueNoise(63, fan * 14, 0.5), 3);
  const double snowLine = 0.3 + 0.05 * fractalNoise(64, fan * 4, 0.5, 2) + 0.28 * tongue;
  const double snow = 1 - smoothStep(snowLine - 0.015, snowLine + 0.015, depth + 0.05 * (gully - 0.5));
  const Rgb snowColour = mixRgb({244, 245, 250}, {186, 198, 224}, side * 0.9 + 0.1 * gully);
  return mixRgb(rock, snowColour, snow);
}

// Two ranges of wooded hills in front of the mountain, higher at the sides.
double hillsRow(const Scene& s, double x, int range) {
  const double u = x / s.width;
  const double edge = std::pow(std::abs(u - 0.5) * 2, 2.2);
  const double rough = fractalNoise(65 + static_cast<std::uint32_t>(range), x * 0.006, 0.5, 5);
  if (range == 0) return s.lakeTop - s.height * (0.02 + 0.07 * edge + 0.035 * rough);
  return s.lakeTop - s.height * (0.005 + 0.13 * edge * edge + 0.02 * rough) + s.height * 0.01;
}

Rgb landAbove(const Scene& s, double x, double y) {
  if (y >= hillsRow(s, x, 1)) {
    return mixRgb({44, 64, 62}, {58, 80, 76}, fractalNoise(66, x * 0.05, y * 0.05, 3));
  }
  if (y >= hillsRow(s, x, 0)) {
    return mixRgb({88, 108, 126}, {104, 124, 140}, fractalNoise(67, x * 0.04, y * 0.04, 3));
  }
  if (y >= mountainRidge(s, x)) return mountainAt(s, x, y);
  return skyAt(s, x, y);
}

// The lake mirrors the land, broken by ripples that widen towards the viewer.
Rgb lakeAt(const Scene& s, const std::vector<Rgb>& upper, double x, double y) {
  const double nearness = (y - s.lakeTop) / (s.height - s.lakeTop);
  const double ripple = (valueNoise(81, x * 0.008, y * 0.3) - 0.5) * (2 + 9 * nearness);
  const int sx = std::clamp(static_cast<int>(x + ripple), 0, s.width - 1);
  const int sy = std::clamp(static_cast<int>(2 * s.lakeTop - y - 1), 0, static_cast<int>(s.lakeTop) - 1);
  const Rgb mirrored =
      upper[static_cast<std::size_t>(sy) * static_cast<std::size_t>(s.width) + static_cast<std::size_t>(sx)];
  Rgb c = mixRgb(mirrored, {36, 66, 96}, 0.3 + 0.35 * nearness);
  const double glint = smoothStep(0.8, 0.95, valueNoise(82, x * 0.01, y * 0.6)) * (1 - nearness);
  return mixRgb(c, {220, 226, 236}, 0.25 * glint);
}

// Dark trees on the near shore at both lower corners: rounded crowns of
// uneven size, rising higher towards the picture's edges.
bool nearTree(const Scene& s, double x, double y) {
  const double u = x / s.width;
  const double reach = std::max({0.0, 1 - u / 0.3, 0.8 * (1 - (1 - u) / 0.22)});
  if (reach <= 0) return false;
  constexpr double kCrownSpacing = 34;
  const double slope = s.height * (0.02 + 0.2 * std::pow(reach, 1.5));
  double top = slope;
  const auto cell = static_cast<std::int32_t>(std::floor(x / kCrownSpacing));
  for (std::int32_t k = cell - 1; k <= cell + 1; ++k) {
    const double centre = (k + latticeValue(91, k, 0)) * kCrownSpacing;
    const double radius = kCrownSpacing * (0.7 + 0.6 * latticeValue(92, k, 0));
    const double d = (x - centre) / radius;
    if (std::abs(d) >= 1) continue;
    const double lift = radius * (0.4 + 0.9 * latticeValue(93, k, 0)) * std::min(1.0, reach * 3);
    top = std::max(top, slope + lift * std::sqrt(1 - d * d));
  }
  return y > s.height - top;
}

}  // namespace

QImage paintLandscape(int width, int height) {
  const Scene s{width, height, std::floor(height * 0.72), height * 0.2, width * 0.5, width * 0.035};
  const int lakeRow = static_cast<int>(s.lakeTop);
  std::vector<Rgb> upper(static_cast<std::size_t>(width) * static_cast<std::size_t>(lakeRow));
  for (int y = 0; y < lakeRow; ++y) {
    for (int x = 0; x < width; ++x) {
      upper[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
          landAbove(s, x + 0.5, y + 0.5);
    }
  }
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < width; ++x) {
      Rgb c = y < lakeRow
                  ? upper[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]
                  : lakeAt(s, upper, x + 0.5, y + 0.5);
      if (nearTree(s, x + 0.5, y + 0.5))
        c = mixRgb({18, 32, 26}, {30, 46, 36}, fractalNoise(92, x * 0.08, y * 0.08, 2));
      line[x] = toPixel(c);
    }
  }
  return image;
}

}  // namespace mokuza::assets
