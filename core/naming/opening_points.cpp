// The classic points of the opening, each tested on the played point alone.

#include "core/naming/move_context.h"

namespace mokuza::naming {

void addOpeningPoints(const MoveContext& c, Evidence& ev) {
  const PointInfo& i = c.info(c.p);
  const int low = std::min(i.lineX, i.lineY), high = std::max(i.lineX, i.lineY);
  Figure point = kFigureKindCount;
  if (low == 3 && high == 3) point = kSansan;
  else if (low == 3 && high == 4) point = kKomoku;
  else if (low == 4 && high == 4) point = kHoshi;
  else if (low == 4 && high == 5) point = kTakamoku;
  else if (low == 3 && high == 5) point = kMokuhazushi;
  else if (low == 5 && high == 5) point = kGonogo;
  if (point != kFigureKindCount) ev.add(point, c.p);
  if (i.height == 10) ev.add(kTengen, c.p);
}

}  // namespace mokuza::naming
