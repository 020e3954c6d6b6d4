#pragma once
// The eight rotations and mirrorings of the board used by the load-time rotation.

namespace mokuza {

constexpr int kNoTransform = 8;

// A quarter turn clockwise: column N-1-y, row x.
constexpr int rotatePoint(int p, int n) { return (p % n + 1) * n - p / n - 1; }
// Left-right mirror: column N-1-x, same row.
constexpr int mirrorPoint(int p, int n) { return (p / n + 1) * n - p % n - 1; }

// Applies the first t steps of rotate, rotate, rotate, mirror, rotate, rotate,
// rotate. Points off the board and t outside 0..7 are returned unchanged.
int transformPoint(int p, int t, int n);

// The transform that puts a first move at p into the upper right, preferring
// the one that lands farthest right; kNoTransform when none does.
int upperRightTransform(int p, int n);

}  // namespace mokuza
