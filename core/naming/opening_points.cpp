// The classic points of the opening, each tested on the played point alone.

#include "core/naming/move_context.h"

namespace mokuza::naming {

namespace {

constexpr Figure kNone = kFigureKindCount;
// By the lines from the nearer and the farther edge, counted from the third:
// one look instead of a chain of tests that the point decides.
constexpr std::array<std::array<Figure, 3>, 3> kPoints{{
    {kSansan, kKomoku, kMokuhazushi},
    {kNone, kHoshi, kTakamoku},
    {kNone, kNone, kGonogo},
}};

}  // namespace

void addOpeningPoints(const MoveContext& c, Evidence& ev) {
  const PointInfo& i = c.info(c.p);
  const auto low = static_cast<unsigned>(std::min(i.lineX, i.lineY) - 3);
  const auto high = static_cast<unsigned>(std::max(i.lineX, i.lineY) - 3);
  if (low < kPoints.size() && high < kPoints.size() && kPoints[low][high] != kNone) ev.add(kPoints[low][high], c.p);
  if (i.height == 10) ev.add(kTengen, c.p);
}

}  // namespace mokuza::naming
