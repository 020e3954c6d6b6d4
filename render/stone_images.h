#pragma once
// The two stone images at the current pitch, their brightness and the ring
// images of the last-move frame.

#include <QImage>
#include <array>

#include "render/board_geometry.h"
#include "render/colour_matrix.h"

namespace mokuza::render {

struct StoneImages {
  std::array<QImage, 2> stone;         // index 0 black, 1 white; pitch x pitch ARGB32 soft discs
  std::array<double, 2> brightness{};  // mean channel value of the source, 0..255
  std::array<QImage, 2> ringThin;      // frame of a black (0) or white (1) stone, cut from the other stone
  std::array<QImage, 2> ringThick;
};

// Makes the stone discs from the design's images; a null source is replaced
// by a drawn stone of that colour.
StoneImages LoadStoneImages(const QImage& blackSource, const QImage& whiteSource, const BoardGeometry& g);

// A copy of an ARGB image through a colour matrix, premultiplied for drawing.
QImage tintedImage(const QImage& image, const ColourMatrix& m);

}  // namespace mokuza::render
