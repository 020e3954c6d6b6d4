#pragma once
// The procedural painters of the default design images. Each returns an
// opaque RGB32 image; the same arguments always give the same pixels.

#include <QImage>

namespace mokuza::assets {

enum class StoneStyle { BlackMarble, WhiteMarble, StarInk };

// A stone filling the square, lit from the upper left. Marble stones stand on
// the board's wood colour so a soft edge blends into the board; the star's ink
// fills the whole square because it is also stretched over the grid lines.
// Drawn at the star size, the ink reads as the small dark dot of a real board.
QImage paintStone(StoneStyle style, int size);

// Kaya wood with a fine straight grain running top to bottom.
QImage paintKayaBoard(int size);

// Dawn sky, a snow-capped volcano, nearer ridges and a lake that mirrors them.
QImage paintLandscape(int width, int height);

}  // namespace mokuza::assets
