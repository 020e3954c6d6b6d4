#pragma once
// One frame of the auto-play fades, and one step of the cross-fade between
// two games.

#include <QImage>

#include "render/board_geometry.h"
#include "render/fade_queue.h"
#include "render/point_painter.h"

namespace mokuza::render {

// Advances every queue by one frame and draws the changed cells into the
// window picture, each blended afresh from the cell the window showed before
// the point's fade began. A layer's cell is made on its first frame from the
// clean board cell with its point drawn in the layer's kind. `sound` (music mode
// only) hears of every layer that advances and of every layer removed.
// Returns whether any queue is left.
bool fadeFrame(FadeQueues& queues, QImage& window, const QImage& cleanBoard, PointPainter& points,
               const BoardGeometry& g, const FadeLayerSound* sound = nullptr);

// The constant alpha of a cross-fade step while the counter runs down from 255.
int crossFadeAlpha(int counter);

// One step of the cross-fade: the new picture is blended over what the
// window holds; at a counter of 0 or less it is copied whole. Returns the
// next counter (5 less, not below 0).
int crossFadeStep(QImage& window, const QImage& picture, int counter);

}  // namespace mokuza::render
