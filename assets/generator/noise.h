#pragma once
// Seeded value noise: the same seed and coordinates give the same value on
// every run and machine, so the generated files are byte-for-byte stable.

#include <cstdint>

namespace mokuza::assets {

// A value in [0, 1) for one lattice cell.
double latticeValue(std::uint32_t seed, std::int32_t x, std::int32_t y);

// Smoothly interpolated noise in [0, 1).
double valueNoise(std::uint32_t seed, double x, double y);

// Fractal sum of `octaves` noise layers, each twice the frequency and half the
// weight of the one before; normalised to [0, 1).
double fractalNoise(std::uint32_t seed, double x, double y, int octaves);

double clamp01(double v);
double smoothStep(double edge0, double edge1, double v);
double mix(double a, double b, double t);

}  // namespace mokuza::assets
