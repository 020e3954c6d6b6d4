#include "render/soft_disc.h"

#include <cmath>
#include <cstdlib>

namespace mokuza::render {

void MakeSoftDisc(std::uint32_t* pixels, int size, double edge) {
  if (pixels == nullptr || size <= 0) return;
  const int c = size / 2, odd = size % 2;
  for (int y = 0; y < size; ++y) {
    const int dy = std::abs(y - c) + (y < c ? odd : 0);
    for (int x = 0; x < size; ++x) {
      const int dx = std::abs(x - c) + (x < c ? odd : 0);
      const double r = 2.0 * std::sqrt(static_cast<double>(dx * dx + dy * dy));
      double k = (size * 0.97 - r + edge) * 50.0;
      if (k < 1) k = 1;
      if (k > 255) continue;
      std::uint32_t& pixel =
          pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(size) + static_cast<std::size_t>(x)];
      const auto alpha = static_cast<std::uint32_t>(static_cast<double>(pixel >> 24) * k / 255.0);
      pixel = (pixel & 0x00ffffffu) | alpha << 24;
    }
  }
}

}  // namespace mokuza::render
