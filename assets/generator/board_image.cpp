#include <cmath>
#include <numbers>

#include "assets/generator/colour.h"
#include "assets/generator/noise.h"
#include "assets/generator/painters.h"

namespace mokuza::assets {
namespace {

constexpr Rgb kPaleWood{240, 200, 126};
constexpr Rgb kWarmWood{225, 176, 98};
constexpr Rgb kGrainLine{188, 132, 66};

// Growth-ring lines cut lengthwise: thin darker lines at uneven spacing, each
// with its own strength, bending slowly as they run down the board.
double grainLines(double u, double v) {
  const double wander = (fractalNoise(51, u * 2.5, v * 1.2, 4) - 0.5) * 0.05;
  const double across = (u + wander) * 110;
  const double spacing = (fractalNoise(52, across * 0.05, 0.5, 3) - 0.5) * 3.0;
  const double phase = across + spacing;
  const double ringIndex = std::floor(phase);
  const double strength = 0.25 + 0.75 * latticeValue(53, static_cast<std::int32_t>(ringIndex), 0);
  const double sharp = std::pow(0.5 + 0.5 * std::cos(2 * std::numbers::pi * phase), 14);
  const double soft = std::pow(0.5 + 0.5 * std::cos(2 * std::numbers::pi * phase), 3);
  return strength * (0.7 * sharp + 0.3 * soft);
}

}  // namespace

QImage paintKayaBoard(int size) {
  QImage image(size, size, QImage::Format_RGB32);
  for (int y = 0; y < size; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const double v = static_cast<double>(y) / size;
    for (int x = 0; x < size; ++x) {
      const double u = static_cast<double>(x) / size;
      const double tone = fractalNoise(54, u * 3, v * 1.4, 4);
      Rgb c = mixRgb(kWarmWood, kPaleWood, tone);
      // Fibres: fine streaks along the grain.
      const double fibre = fractalNoise(55, x * 0.7, y * 0.018, 2) - 0.5;
      c = scaleRgb(c, 1 + 0.06 * fibre);
      c = mixRgb(c, kGrainLine, 0.42 * grainLines(u, v));
      // A faint sheen from the upper left.
      c = scaleRgb(c, 1.03 - 0.05 * (u + v) / 2);
      line[x] = toPixel(c);
    }
  }
  return image;
}

}  // namespace mokuza::assets
