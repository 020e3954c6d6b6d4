#include <algorithm>
#include <cmath>

#include "assets/generator/colour.h"
#include "assets/generator/noise.h"
#include "assets/generator/painters.h"

namespace mokuza::assets {
namespace {

constexpr Rgb kBoardUnderStone{212, 168, 98};

struct Vec3 {
  double x, y, z;
};

Vec3 normalised(Vec3 v) {
  const double len = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return {v.x / len, v.y / len, v.z / len};
}

double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Light and view as they fall on a board seen from above.
struct Lighting {
  double diffuse;   // 0..1, facing the light
  double specular;  // Blinn term before the exponent
  double facing;    // 0 at the rim, 1 at the crown
};

Lighting lightAt(double nx, double ny) {
  const double r2 = std::min(nx * nx + ny * ny, 1.0);
  const double z = std::sqrt(1 - r2);
  // A go stone is a flattened lens: soften the slope near the crown.
  const Vec3 normal = normalised({nx * 0.85, ny * 0.85, z + 0.12});
  const Vec3 light = normalised({-0.5, -0.65, 0.9});
  const Vec3 half = normalised({light.x, light.y, light.z + 1});
  return {std::max(0.0, dot(normal, light)), std::max(0.0, dot(normal, half)), z};
}

// Thin bright veins winding through the stone.
double marbleVein(std::uint32_t seed, double nx, double ny, double frequency) {
  const double warp = 1.5 * fractalNoise(seed, nx * 1.5 + 5, ny * 1.5 + 5, 4);
  const double v = std::abs(std::sin((nx * 1.3 + ny * 0.7 + warp) * frequency));
  return 0.55 * std::pow(1 - v, 9) + 0.45 * std::pow(1 - v, 2.5);
}

Rgb blackMarble(double nx, double ny) {
  const double mottle = fractalNoise(11, nx * 6, ny * 6, 4);
  Rgb albedo = mixRgb({17, 17, 21}, {38, 38, 45}, mottle);
  albedo = mixRgb(albedo, {84, 84, 92}, 0.3 * marbleVein(12, nx, ny, 4.5));
  const Lighting l = lightAt(nx, ny);
  Rgb c = scaleRgb(albedo, 0.55 + 0.95 * l.diffuse);
  c = scaleRgb(c, 0.8 + 0.2 * l.facing);
  const double shine = 150 * std::pow(l.specular, 90) + 42 * std::pow(l.specular, 10);
  return addRgb(c, {shine, shine, shine * 1.03});
}

Rgb whiteMarble(double nx, double ny) {
  const double mottle = fractalNoise(21, nx * 5, ny * 5, 4);
  Rgb albedo = mixRgb({229, 226, 218}, {243, 241, 235}, mottle);
  albedo = mixRgb(albedo, {168, 172, 184}, 0.3 * marbleVein(22, nx, ny, 3.6));
  const Lighting l = lightAt(nx, ny);
  Rgb c = scaleRgb(albedo, 0.72 + 0.36 * l.diffuse);
  c = scaleRgb(c, 0.86 + 0.14 * l.facing);
  const double shine = 70 * std::pow(l.specular, 45) + 18 * std::pow(l.specular, 6);
  return addRgb(c, {shine, shine, shine});
}

// The star point: matte ink with a faint sheen, the same colour to the edges
// of the square, since the grid patterns stretch it over the lines too.
constexpr Rgb kStarInk{34, 30, 27};

Rgb starInk(double nx, double ny) {
  const Lighting l = lightAt(nx, ny);
  Rgb c = scaleRgb(kStarInk, 0.7 + 0.6 * l.diffuse);
  const double shine = 26 * std::pow(l.specular, 20);
  return addRgb(c, {shine, shine, shine});
}

Rgb stoneSurface(StoneStyle style, double nx, double ny) {
  switch (style) {
    case StoneStyle::BlackMarble: return blackMarble(nx, ny);
    case StoneStyle::WhiteMarble: return whiteMarble(nx, ny);
    case StoneStyle::StarInk: return starInk(nx, ny);
  }
  return {};
}

}  // namespace

QImage paintStone(StoneStyle style, int size) {
  QImage image(size, size, QImage::Format_RGB32);
  for (int y = 0; y < size; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < size; ++x) {
      const double nx = (x + 0.5) / size * 2 - 1;
      const double ny = (y + 0.5) / size * 2 - 1;
      const double r = std::hypot(nx, ny);
      const double coverage = clamp01((1 - r) * size / 2 + 0.5);
      const Rgb backdrop = style == StoneStyle::StarInk ? scaleRgb(kStarInk, 0.7) : kBoardUnderStone;
      const Rgb surface = coverage > 0 ? stoneSurface(style, nx / std::max(r, 1.0), ny / std::max(r, 1.0)) : backdrop;
      line[x] = toPixel(mixRgb(backdrop, surface, coverage));
    }
  }
  return image;
}

}  // namespace mokuza::assets
