#pragma once
// 5 x 5 colour matrices in the row-vector convention: a colour is
// (R, G, B, A, 1) with components 0..1, multiplied by the matrix. They tint,
// brighten and fade stone images and paint text bodies.

#include <array>
#include <cstddef>
#include <cstdint>

namespace mokuza::render {

using ColourMatrix = std::array<std::array<float, 5>, 5>;

constexpr ColourMatrix kIdentityMatrix{
    {{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}}};

// Text bodies cut from a stone image.
constexpr ColourMatrix kTextDark{
    {{0.7f, 0, 0, 0, 0}, {0, 0.7f, 0, 0, 0}, {0, 0, 0.7f, 0, 0}, {0, 0, 0, 1, 0}, {0, 0, 0, 0, 1}}};
constexpr ColourMatrix kTextLight{
    {{0.5f, 0, 0, 0, 0}, {0, 0.5f, 0, 0, 0}, {0, 0, 0.5f, 0, 0}, {0, 0, 0, 1, 0}, {0.5f, 0.5f, 0.5f, 0, 1}}};
constexpr ColourMatrix kLastTextDark{
    {{0.4f, 0, 0, 0, 0}, {0, 0.4f, 0, 0, 0}, {0, 0, 0.4f, 0, 0}, {0, 0, 0, 1, 0}, {0.3f, 0.3f, 0.3f, 0, 1}}};
constexpr ColourMatrix kLastTextLight{
    {{0.8f, 0, 0, 0, 0}, {0, 0.8f, 0, 0, 0}, {0, 0, 0.8f, 0, 0}, {0, 0, 0, 1, 0}, {0.5f, 0.5f, 0.5f, 0, 1}}};

// The stone tint of value 0..5 for an image of mean channel value
// `brightness` (0..255): darker images are tinted more. Other values tint nothing.
ColourMatrix tintMatrix(int value, double brightness);

// How much the last move's stone is brightened.
double brightFactor(double brightness);

// Multiplies the R, G and B diagonal entries.
void scaleColour(ColourMatrix& m, float r, float g, float b);
void scaleAlpha(ColourMatrix& m, float factor);

// One non-premultiplied ARGB pixel through the matrix, clamped to 0..255.
std::uint32_t applyColourMatrix(const ColourMatrix& m, std::uint32_t argb);
void applyColourMatrix(const ColourMatrix& m, std::uint32_t* pixels, std::size_t count);

// Pair go: the four players are black and white of the first pair member
// (0, 1) and of the second (2, 3). The move that placed a stone decides.
int pairGoPlayer(int colour, int move, int change);
// The tint digit of a player in "ペア碁着手" or "ペア碁最終着手".
int pairGoDigit(int value, int player);

}  // namespace mokuza::render
