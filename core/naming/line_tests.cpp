// Pushing and blocking along the lines through the played stone.

#include "core/naming/move_context.h"
#include "core/rules/cpu_clones.h"

namespace mokuza::naming {
namespace {

// The two directions across `direction`.
std::array<int, 2> across(int direction) { return isVertical(direction) ? std::array{1, 2} : std::array{0, 3}; }

}  // namespace

MOKUZA_CPU_CLONES void addLineTests(const MoveContext& c, Evidence& ev) {
  // Across every direction the played stone stands on its height's line or higher.
  const bool lowLine = c.height(c.p) <= 2;
  for (int direction = 0; direction < 4; ++direction) {
    if (lowLine) {
      // オシ: a push on the first two lines under a parallel enemy line is a crawl (ハイ), not a push.
      Crawl crawl;
      if (findCrawl(c, direction, crawl)) ev.addVeto(kOshi, c.p);

      // オサエ: an enemy line of two on the first two lines runs head-on into the played stone, which has support.
      const int head = stepFrom(c, c.p, direction);
      const int second = isEnemyAt(c, head) ? stepFrom(c, head, direction) : -1;
      if (lineAcross(c, c.p, direction) <= 2 && isEnemyAt(c, second) && c.chainId(second) == c.chainId(head) &&
          c.ownNeighbours + c.ownDiagonals > 0)
        ev.add(kOsae, head);
    }

    // ソイ: extending an own stone alongside an enemy line that starts beside the played stone and runs ahead.
    if (c.ownNeighbours == 0) continue;
    const int behind = stepFrom(c, c.p, opposite(direction));
    if (!isOwnAt(c, behind)) continue;
    for (int side : across(direction)) {
      const int enemy = stepFrom(c, c.p, side);
      const int ahead = isEnemyAt(c, enemy) ? stepFrom(c, enemy, direction) : -1;
      if (isEnemyAt(c, ahead) && c.chainId(ahead) == c.chainId(enemy) && isEmptyAt(c, stepFrom(c, behind, side)))
        ev.add(kSoi, enemy);
    }
  }
}

}  // namespace mokuza::naming
