// Pushing and blocking along the lines through the played stone.

#include "core/naming/move_context.h"
#include "core/record/bits.h"

namespace mokuza::naming {
namespace {

// The two directions across `direction`.
std::array<int, 2> across(int direction) { return isVertical(direction) ? std::array{1, 2} : std::array{0, 3}; }

}  // namespace

MOKUZA_CPU_CLONES void addLineTests(const MoveContext& c, Evidence& ev) {
  // Across every direction the played stone stands on its height's line or higher.
  const bool lowLine = c.height(c.p) <= 2;
  // Steps are taken from the played stone and stones on the board only.
  const auto step = [&c](int from, int direction) { return besideOf(c, from, direction); };
  for (int direction = 0; direction < 4; ++direction) {
    if (lowLine) {
      // オシ: a push on the first two lines under a parallel enemy line is a crawl (ハイ), not a push.
      Crawl crawl;
      if (findCrawl(c, direction, crawl)) ev.addVeto(kOshi, c.p);

      // オサエ: an enemy line of two on the first two lines runs head-on into the played stone, which has support.
      const int head = step(c.p, direction);
      if (lineAcross(c, c.p, direction) <= 2 && c.isEnemy(head)) {
        const int second = step(head, direction);
        if (c.isEnemy(second) && c.chainId(second) == c.chainId(head) && c.ownNeighbours + c.ownDiagonals > 0)
          ev.add(kOsae, head);
      }
    }

    // ソイ: extending an own stone alongside an enemy line that starts beside the played stone and runs ahead.
    if (c.ownNeighbours == 0) continue;
    const int behind = step(c.p, opposite(direction));
    if (!c.isOwn(behind)) continue;
    for (int side : across(direction)) {
      const int enemy = step(c.p, side);
      if (!c.isEnemy(enemy)) continue;
      const int ahead = step(enemy, direction);
      if (c.isEnemy(ahead) && c.chainId(ahead) == c.chainId(enemy) && c.isEmpty(step(behind, side)))
        ev.add(kSoi, enemy);
    }
  }
}

}  // namespace mokuza::naming
