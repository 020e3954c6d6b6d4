#include "core/rules/grid_geometry.h"

#include <algorithm>

#include "core/record/game_record.h"

namespace mokuza {
namespace {

bool isPair(int a, int b, int p, int q) { return (a == p && b == q) || (a == q && b == p); }

}  // namespace

GridGeometry makeGridGeometry(int n) {
  if (!isValidBoardSize(n)) n = kDefaultBoardSize;
  GridGeometry g;
  g.n = n;
  g.width = n + 2;
  g.pointCount = n * n;
  g.borderedCount = g.width * g.width;
  g.centreLine = n % 2 == 1 ? n / 2 + 1 : -1;
  const int w = g.width;
  g.neighbours = {-w, -1, 1, w};
  g.diagonals = {-w - 1, w - 1, -w + 1, w + 1};
  const int star = n < 13 ? 3 : 4;
  const int half = w / 2;
  for (int y = 0; y < w; ++y) {
    for (int x = 0; x < w; ++x) {
      PointInfo& p = g.info[BorderedPoint{y * w + x}];
      const int lx = std::min(x, w - 1 - x);
      const int ly = std::min(y, w - 1 - y);
      p.lineX = static_cast<std::uint8_t>(lx);
      p.lineY = static_cast<std::uint8_t>(ly);
      p.height = static_cast<std::uint8_t>(std::min(lx, ly));
      p.depth = static_cast<std::uint8_t>(std::max(lx, ly));
      p.x = static_cast<std::uint8_t>(x);
      p.y = static_cast<std::uint8_t>(y);
      p.frame = x == 0 || y == 0 || x == n + 1 || y == n + 1;
      if (n < 9) continue;
      p.cornerStar = lx == star && ly == star;
      p.sideStar = n % 2 == 1 && n >= 19 && isPair(lx, ly, half, star);
      p.centre = n % 2 == 1 && p.height == half;
      p.komoku = isPair(lx, ly, 3, 4);
      p.mokuhazushi = isPair(lx, ly, 3, 5);
      p.takamoku = isPair(lx, ly, 4, 5);
    }
  }
  return g;
}

}  // namespace mokuza
