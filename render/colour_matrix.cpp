#include "render/colour_matrix.h"

#include <algorithm>
#include <cmath>

namespace mokuza::render {

ColourMatrix tintMatrix(int value, double brightness) {
  struct Offsets {
    float r, g, b;
  };
  static constexpr std::array<Offsets, 6> kOffsets{{
      {0, 0, 0},
      {-0.13f, -0.13f, 0.18f},
      {-0.13f, 0.18f, -0.13f},
      {0.18f, -0.13f, -0.13f},
      {0.13f, 0.13f, -0.18f},
      {0.13f, -0.18f, 0.13f},
  }};
  const Offsets d = value >= 0 && value < 6 ? kOffsets[static_cast<std::size_t>(value)] : kOffsets[0];
  const float strength = static_cast<float>(192.0 / (std::clamp(brightness, 0.0, 255.0) + 64.0));
  ColourMatrix m = kIdentityMatrix;
  m[0][0] = d.r * strength + 1;
  m[1][1] = d.g * strength + 1;
  m[2][2] = d.b * strength + 1;
  return m;
}

double brightFactor(double brightness) { return 1.1 + 76.8 / (std::clamp(brightness, 0.0, 255.0) + 128.0); }

void scaleColour(ColourMatrix& m, float r, float g, float b) {
  m[0][0] *= r;
  m[1][1] *= g;
  m[2][2] *= b;
}

void scaleAlpha(ColourMatrix& m, float factor) { m[3][3] *= factor; }

std::uint32_t applyColourMatrix(const ColourMatrix& m, std::uint32_t argb) {
  const float in[4] = {static_cast<float>((argb >> 16) & 0xff) / 255.0f,
                       static_cast<float>((argb >> 8) & 0xff) / 255.0f, static_cast<float>(argb & 0xff) / 255.0f,
                       static_cast<float>(argb >> 24) / 255.0f};
  std::uint32_t out[4];
  for (std::size_t j = 0; j < 4; ++j) {
    float v = m[4][j];
    for (std::size_t i = 0; i < 4; ++i) v += in[i] * m[i][j];
    out[j] = static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
  }
  return out[3] << 24 | out[0] << 16 | out[1] << 8 | out[2];
}

void applyColourMatrix(const ColourMatrix& m, std::uint32_t* pixels, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) pixels[i] = applyColourMatrix(m, pixels[i]);
}

int pairGoPlayer(int colour, int move, int change) {
  change = std::max(change, 1);
  int k = std::max(move, 0) % (4 * change);
  if (k == 0) k = 4 * change;
  const int member = k > 2 * change ? 1 : 0;
  return member * 2 + (colour < 0 ? 1 : 0);
}

int pairGoDigit(int value, int player) {
  static constexpr std::array<int, 4> kPlace{1, 10, 100, 1000};
  return std::abs(value) / kPlace[static_cast<std::size_t>(std::clamp(player, 0, 3))] % 10;
}

}  // namespace mokuza::render
