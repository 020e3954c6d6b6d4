#pragma once
// The board's mouse cursors: square ARGB images, transparent around the
// shape, whose centre is the hot spot.

#include <QImage>

namespace mokuza::assets {

// A black stone as the stone painter draws it, cut round: the stone a drag
// carries.
QImage paintPickedStoneCursor(int size);

// A step mark (a triangle against a bar, pointing right) with a light
// outline so it shows on dark stones and light wood alike.
QImage paintStepCursor(int size);

}  // namespace mokuza::assets
