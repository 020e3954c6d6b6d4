#include "assets/generator/noise.h"

#include <algorithm>
#include <cmath>

namespace mokuza::assets {

double latticeValue(std::uint32_t seed, std::int32_t x, std::int32_t y) {
  std::uint32_t h = seed * 0x9E3779B1u;
  h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
  h = (h << 13) | (h >> 19);
  h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return static_cast<double>(h >> 8) / static_cast<double>(1u << 24);
}

double valueNoise(std::uint32_t seed, double x, double y) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const auto ix = static_cast<std::int32_t>(fx);
  const auto iy = static_cast<std::int32_t>(fy);
  const double tx = x - fx;
  const double ty = y - fy;
  const double sx = tx * tx * (3 - 2 * tx);
  const double sy = ty * ty * (3 - 2 * ty);
  const double top = mix(latticeValue(seed, ix, iy), latticeValue(seed, ix + 1, iy), sx);
  const double bottom = mix(latticeValue(seed, ix, iy + 1), latticeValue(seed, ix + 1, iy + 1), sx);
  return mix(top, bottom, sy);
}

double fractalNoise(std::uint32_t seed, double x, double y, int octaves) {
  double sum = 0;
  double weight = 1;
  double total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * valueNoise(seed + static_cast<std::uint32_t>(i) * 101u, x, y);
    total += weight;
    weight *= 0.5;
    x *= 2.03;
    y *= 2.03;
  }
  return total > 0 ? sum / total : 0;
}

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double smoothStep(double edge0, double edge1, double v) {
  const double t = clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3 - 2 * t);
}

double mix(double a, double b, double t) { return a + (b - a) * t; }

}  // namespace mokuza::assets
