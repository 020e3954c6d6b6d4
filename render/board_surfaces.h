#pragma once
// The surfaces that change only when the layout or the design changes: the
// background of the client area, the prepared star image and the clean board
// (board image, grid, star points).

#include <QColor>
#include <QImage>
#include <QSize>

#include "core/document/playlist_entry.h"
#include "render/board_geometry.h"
#include "render/design_images.h"

namespace mokuza::render {

inline const QColor kClientBackground{200, 222, 244};
// Drawn when the board image cannot be read.
inline const QColor kPlainBoardColour{219, 182, 112};

// Copies `source` into the buffer `target` already has when it fits and
// nobody else holds it, so a repaint touches no fresh memory.
void copyInto(QImage& target, const QImage& source);

// The boxes paintBackground, prepareStarImage, paintCleanBoard and the
// stone discs draw the design's images into, on `surface`.
DesignImageSizes designImageSizes(const Design& design, const BoardGeometry& g, QSize surface);

// Background modes 0 (plain colour), 1 (image covering the client area,
// centred) and 2 (image fitted to the height, placed by "背景Ｘ"/"背景Ｙ").
QImage paintBackground(QSize client, const Design& design, const QImage& image);

// The star image scaled to the star size and softened into a disc.
QImage prepareStarImage(const QImage& star, const BoardGeometry& g);

// The board square cut from the background with the board image, the grid
// through its clip and the star points on it.
QImage paintCleanBoard(const QImage& background, const BoardGeometry& g, const Design& design,
                       const DesignImages& images, const QImage& preparedStar);

}  // namespace mokuza::render
