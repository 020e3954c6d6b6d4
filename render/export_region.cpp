#include "render/export_region.h"

#include <algorithm>
#include <cstdlib>

namespace mokuza::render {

PixelRect exportRegion(const ExportCut& cut, const BoardGeometry& g) {
  const int n = g.boardSize, p = g.pitch;
  switch (cut.choice) {
    case kOutputNone:
    case kOutputStonesCurrent:
    case kOutputStonesSource: return {};
    case kOutputWhole: return {0, 0, cut.clientWidth, cut.clientHeight};
    case kOutputLowerLeft:
    case kOutputLowerLeftCoords: {
      int c = 0, r = n - 1;
      for (int point = 0; point < n * n && static_cast<std::size_t>(point) < cut.stones.size(); ++point) {
        if (cut.stones[static_cast<std::size_t>(point)] == 0) continue;
        c = std::max(c, point % n);
        r = std::min(r, point / n);
      }
      const int top = g.boardTop + (r - 1) * p;
      if (cut.choice == kOutputLowerLeft) return {g.boardLeft, top, (c + 2) * p, (n - r + 1) * p};
      return {g.boardLeft - p, top, (c + 3) * p, (n - r + 2) * p};
    }
    default:
      if (cut.selection) {
        return {g.boardLeft + std::min(cut.x1, cut.x2) * p, g.boardTop + std::min(cut.y1, cut.y2) * p,
                (std::abs(cut.x1 - cut.x2) + 1) * p, (std::abs(cut.y1 - cut.y2) + 1) * p};
      }
      return {g.boardLeft, g.boardTop, g.extent, g.extent};
  }
}

}  // namespace mokuza::render
