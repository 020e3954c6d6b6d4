#pragma once
// Turns a square ARGB image into a disc with a soft anti-aliased rim.

#include <cstdint>

namespace mokuza::render {

// `pixels` holds size x size non-premultiplied ARGB values, row by row. The
// disc is about 0.97 x size across; `edge` widens it (1.5 for star points,
// 3.5 for stones). Alpha outside the disc falls towards 0.
void MakeSoftDisc(std::uint32_t* pixels, int size, double edge);

}  // namespace mokuza::render
