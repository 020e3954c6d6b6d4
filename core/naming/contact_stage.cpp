// Neighbours and diagonals of the played stone, escape, connection, wedge.

#include "core/naming/move_context.h"
#include "core/record/bits.h"

namespace mokuza::naming {

MOKUZA_CPU_CLONES void addContacts(const MoveContext& c, Evidence& ev) {
  for (int offset : c.geo.neighbours) {
    const int q = c.p + offset;
    ev.addIf(kTonariMikata, q, c.isOwn(q));
    ev.addIf(kTonariAite, q, c.isEnemy(q));
  }
  for (int offset : c.geo.diagonals) {
    const int q = c.p + offset;
    ev.addIf(kNanameMikata, q, c.isOwn(q));
    ev.addIf(kNanameAite, q, c.isEnemy(q));
  }

  // A chain whose only liberties are the new stone's own: it was in atari
  // at this point and has run out.
  if (c.emptyNeighbours > 1 && !c.isSingleStone(c.p) && c.liberties(c.p) == c.emptyNeighbours) ev.add(kNigedashi, c.p);

  if (static_cast<int>(c.chains.size()) < c.previousChainCount) ev.add(kTsugi, c.p);

  const auto& n = c.geo.neighbours;
  for (auto [a, b] : {std::pair{n[1], n[2]}, std::pair{n[0], n[3]}})
    if (c.isEnemy(c.p + a) && c.isEnemy(c.p + b)) {
      ev.add(kWarikomi, c.p + a);
      ev.add(kWarikomi, c.p + b);
    }
}

}  // namespace mokuza::naming
