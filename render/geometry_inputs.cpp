#include "render/geometry_inputs.h"

#include <algorithm>
#include <cmath>

#include "core/document/design_fields.h"

namespace mokuza::render {

int panelWidth(int textScale) { return textScale == 2 ? 356 : 162 * textScale; }

int devicePixels(int logicalPixels, double pixelRatio) {
  return static_cast<int>(std::lround(logicalPixels * std::clamp(pixelRatio, 1.0, 8.0)));
}

GeometryInputs designGeometryInputs(const Design& design, int boardSize, const WindowLayout& window) {
  GeometryInputs in;
  in.clientWidth = window.clientWidth;
  in.clientHeight = window.clientHeight;
  in.panelWidth = window.panelWidth;
  in.statusBarHeight = window.statusBarHeight;
  in.statusBarShown = window.statusBarHeight > 0 && designValue(design, DesignField::StatusShow) != 0;
  in.layoutNo = window.layoutNo;
  in.boardSize = boardSize;
  in.boardSizeStep = designValue(design, DesignField::GobanSize);
  in.absolutePitch = designValue(design, DesignField::AbsoluteSize);
  in.stoneSizeStep = designValue(design, DesignField::StoneSize);
  in.starSizeStep = designValue(design, DesignField::StarSize);
  in.marginX = designValue(design, DesignField::MarginX);
  in.marginY = designValue(design, DesignField::MarginY);
  in.coordinateStyle = designValue(design, DesignField::GobanCoordinate);
  in.iconStripHeight = window.iconStripHeight;
  return in;
}

}  // namespace mokuza::render
