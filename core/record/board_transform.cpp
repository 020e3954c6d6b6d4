#include "core/record/board_transform.h"

namespace mokuza {

int transformPoint(int p, int t, int n) {
  if (p < 0 || p >= n * n || t < 0 || t >= kNoTransform) return p;
  for (int step = 0; step < t; ++step) p = step == 3 ? mirrorPoint(p, n) : rotatePoint(p, n);
  return p;
}

int upperRightTransform(int p, int n) {
  if (p < 0 || p >= n * n) return kNoTransform;
  const int half = n / 2 - 1;
  int best = kNoTransform;
  int bestX = -1;
  int q = p;
  for (int k = 0; k < kNoTransform; ++k) {
    int x = q % n;
    int y = q / n;
    if (x > half && y <= half && x > bestX) {
      best = k;
      bestX = x;
    }
    q = k == 3 ? mirrorPoint(q, n) : rotatePoint(q, n);
  }
  return best;
}

}  // namespace mokuza
