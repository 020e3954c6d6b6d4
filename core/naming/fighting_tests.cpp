// Contact and fighting moves.

#include "core/naming/move_context.h"
#include "core/record/bits.h"

namespace mokuza::naming {
namespace {

// The two side points of the square that the played stone and its diagonal q span.
std::array<int, 2> sidesOf(const MoveContext& c, int q) {
  return {c.pointAt(c.x(q), c.y(c.p)), c.pointAt(c.x(c.p), c.y(q))};
}

// Stones of `colour` next to b, counted without a branch per point: two
// chains can meet at b only where two stones do.
int countAround(const MoveContext& c, int b, int colour) {
  int count = 0;
  for (int offset : c.geo.neighbours) count += c.stone(b + offset) == colour;
  return count;
}

bool touchesEnemy(const MoveContext& c, int b) {
  for (int offset : c.geo.neighbours)
    if (c.isEnemy(b + offset)) return true;
  return false;
}

bool enemyAround(const MoveContext& c, int b) {
  if (touchesEnemy(c, b)) return true;
  for (int offset : c.geo.diagonals)
    if (c.isEnemy(b + offset)) return true;
  return false;
}

// ツギ against アテ: a move that both connects (or escapes) and gives atari is
// named by what it mainly does. Saving an own chain that was short of
// liberties makes it a connection; touching two enemy stones it is no atari.
void weighAtariAgainstConnection(const MoveContext& c, Evidence& ev) {
  if (!ev.has(kAte)) return;
  const bool connects =
      (ev.has(kTsugi) && ev.veto(kTsugi).empty()) || (ev.has(kNigedashi) && ev.veto(kNigedashi).empty());
  if (!connects) return;
  int enemies = 0;
  for (int offset : c.geo.neighbours) {
    const int q = c.p + offset;
    if (c.isEnemy(q)) {
      ++enemies;
      continue;
    }
    if (!c.isOwn(q)) continue;
    const int before = c.previousLiberties(q);
    if (before == 1 || ((before == 2 || before == 3) && ev.count(kAte) == 1 && ev.count(kTonariAite) == 1)) {
      ev.clearMatch(kAte);
      ev.clearMatch(kKakae);
      break;
    }
  }
  if (enemies >= 2) ev.addVeto(kAte, c.p);
  if (ev.has(kAte) && ev.veto(kAte).empty()) ev.addVeto(kTsugi, c.p);
}

}  // namespace

MOKUZA_CPU_CLONES void addFightingTests(const MoveContext& c, Evidence& ev) {
  const int pHeight = c.height(c.p);
  const auto& neighbours = c.geo.neighbours;

  // ハイ: a crawl along the first two lines under a parallel enemy line.
  for (int direction = 0; direction < 4 && pHeight <= 2; ++direction) {
    Crawl crawl;
    if (!findCrawl(c, direction, crawl)) continue;
    ev.add(kHai, crawl.behind);
    ev.add(kHai, crawl.abovePlayed);
    ev.add(kHai, crawl.aboveBehind);
  }

  // Self-atari: a stone that puts itself in atari neither gives atari nor pushes, blocks or extends.
  if (c.liberties(c.p) == 1)
    for (Figure f : {kAte, kOshi, kOsae, kSagari, kNobi}) ev.addVeto(f, c.p);

  // サガリ: a descent to the first line from an own stone on the second line, next to enemy stones.
  if (pHeight == 1 && c.ownNeighbours > 0)
    for (int offset : neighbours) {
      const int s = c.p + offset;
      if (c.isOwn(s) && c.height(s) == 2 && (enemyAround(c, c.p) || enemyAround(c, s))) ev.add(kSagari, s);
    }

  // Clump: a move that makes an empty triangle or a solid square connects nothing worth the name.
  if (ev.has(kGuzumi) || ev.has(kGuzumiShushi))
    for (Figure f : {kTsugi, kTsukiatari, kDe}) ev.addVeto(f, c.p);

  weighAtariAgainstConnection(c, ev);

  for (int direction = 0; direction < 4 && c.ownNeighbours > 0; ++direction) {
    const auto step = [&c](int towards) { return besideOf(c, c.p, towards); };
    if (!c.isOwn(step(opposite(direction)))) continue;
    const int ahead = step(direction);
    const int left = step(isVertical(direction) ? 1 : 0);
    const int right = step(isVertical(direction) ? 2 : 3);
    // ツキアタリ: extending head-on into an enemy stone with both sides open.
    const bool enemyAhead = c.isEnemy(ahead), emptyLeft = c.isEmpty(left), emptyRight = c.isEmpty(right);
    ev.addIf(kTsukiatari, ahead, enemyAhead & emptyLeft & emptyRight);
    // デ: extending out between two enemy stones.
    const bool enemyLeft = c.isEnemy(left), enemyRight = c.isEnemy(right);
    const bool between = enemyLeft & enemyRight;
    ev.addIf(kDe, left, between);
    ev.addIf(kDe, right, between);
  }

  // ツケ（ダブル筋場）: attached to enemy stones on three or more points of shape.
  if (ev.count(kTsukeSujiba) >= 3) ev.add(kTsukeDoubleSujiba, c.p);
  // A hane also touches the stone it wraps; it is the hane, not an attachment.
  if (ev.has(kHane)) ev.clearMatch(kTsuke);

  // ヒキ: drawing back one line towards the edge from an own stone in contact with the enemy.
  if (pHeight >= 2 && c.ownNeighbours > 0)
    for (int offset : neighbours) {
      const int s = c.p + offset;
      if (c.isOwn(s) && c.height(s) == pHeight + 1 && touchesEnemy(c, s)) ev.add(kHiki, s);
    }

  const int ownNeighbours = c.ownNeighbours, enemyNeighbours = c.enemyNeighbours, openNeighbours = c.emptyNeighbours;
  const int ownDiagonals = c.ownDiagonals;
  PointSet enemyTouching;
  if (enemyNeighbours > 0)
    for (int offset : neighbours) enemyTouching.insertIf({c.p + offset}, c.isEnemy(c.p + offset));

  for (int offset : c.geo.diagonals) {
    const int q = c.p + offset;
    if (ownDiagonals == 0) break;
    if (!c.isOwn(q)) continue;
    const auto [s1, s2] = sidesOf(c, q);
    if (c.isEmpty(s1) && c.isEmpty(s2)) {
      // コスミツケ: a bare diagonal step from the one own stone near it that attaches to a single enemy stone on
      // the far side without giving atari.
      if (ownNeighbours == 0 && ownDiagonals == 1 && enemyNeighbours == 1)
        enemyTouching.forEach([&](BorderedPoint e) {
          if (c.liberties(e.index) < 2) return;
          ev.add(kKosumitsuke, q);
          ev.add(kKosumitsuke, e.index);
        });
      // フクラミ: a diagonal step touching nothing that bulges a group, a knight's move from another of its stones.
      if (openNeighbours == 4 && !c.isSingleStone(q))
        for (const Partner& a : c.partners[kOwnKnightJump].reach(0, 0))
          if (c.chainId(a.point) == c.chainId(q)) {
            ev.add(kFukurami, q);
            ev.add(kFukurami, a.point);
          }
    }
    // ハネダシ: a hane that goes out from under an enemy stone lying on the own stone.
    const bool oneEnemy = (c.isEnemy(s1) && c.isEmpty(s2)) || (c.isEnemy(s2) && c.isEmpty(s1));
    const int enemy = c.isEnemy(s1) ? s1 : s2;
    if (oneEnemy && pHeight > c.height(q) && c.height(enemy) > c.height(q)) {
      ev.add(kHanedashi, q);
      ev.add(kHanedashi, enemy);
    }
  }

  // サシコミ: pushing in from an own stone into a point the enemy surrounds on every other side.
  if (ownNeighbours == 1 && openNeighbours == 0 && enemyNeighbours >= 2) ev.addAll(kSashikomi, enemyTouching);
  // ホウリコミ: a lone stone thrown in among enemy stones, in atari.
  if (ownNeighbours == 0 && enemyNeighbours >= 2 && c.isSingleStone(c.p) && c.liberties(c.p) == 1)
    ev.addAll(kHourikomi, enemyTouching);

  // ワタリ: a hane from two sides at once; on the first two lines it links under the enemy, above them it blocks.
  if (ev.count(kHane) >= 3) {
    if (pHeight >= 3) {
      ev.setMatch(kOsae, ev.match(kHane));
    } else {
      ev.setMatch(kWatari, ev.match(kHane));
      bool caught = false;
      ev.match(kWatari).forEach([&](BorderedPoint b) { caught |= c.liberties(b.index) == 1; });
      if (caught) ev.clearMatch(kWatari);
    }
  }

  // A crawl off the first line blocks rather than crawls: ハイ becomes オサエ.
  if (ev.has(kHai) && pHeight >= 2) {
    ev.setMatch(kOsae, ev.match(kHai));
    ev.clearMatch(kHai);
  }

  // 三々入り: the 3-3 invasion under a lone enemy stone diagonally above.
  if (ev.count(kKado) == 1 && c.info(c.p).lineX == 3 && c.info(c.p).lineY == 3) {
    int kado = -1;
    ev.match(kKado).forEach([&](BorderedPoint b) { kado = b.index; });
    if (c.isSingleStone(kado)) ev.setMatch(kSansanIri, ev.match(kKado));
  }
}

// The fighting figures the choice looks for last: they read no evidence and
// give evidence for no other figure, so a move another figure already names
// above them passes them over.
MOKUZA_CPU_CLONES void addLateFightingTests(const MoveContext& c, Evidence& ev) {
  const int pHeight = c.height(c.p);
  const auto& neighbours = c.geo.neighbours;

  // ノゾキ: a peep at the cutting point between two enemy chains; one of them is diagonal to the played stone.
  if (c.enemyDiagonals > 0 && c.liberties(c.p) >= 2)
    for (int offset : neighbours) {
      const int x = c.p + offset;
      if (!c.isEmpty(x) || countAround(c, x, -c.own) < 2) continue;
      PointSet enemies;
      int firstChain = -1;
      bool twoChains = false;
      for (int around : neighbours) {
        const int e = x + around;
        if (!c.isEnemy(e)) continue;
        enemies.insert({e});
        if (firstChain < 0) firstChain = c.chainId(e);
        else twoChains |= c.chainId(e) != firstChain;
      }
      if (twoChains) ev.addAll(kNozoki, enemies);
    }

  // カケ: a press one line above an enemy stone on the third or fourth line, a knight's move away, that no own
  // stone beyond it turns into a pincer.
  if (pHeight == 4 || pHeight == 5)
    for (const Partner& a : c.partners[kEnemyKnightJump].uncut(0, 0))
      if (c.live(a) && (c.height(a.point) == 3 || c.height(a.point) == 4) && pHeight == c.height(a.point) + 1 &&
          !ownStoneBeyond(c, a.point))
        ev.add(kKake, a.point);
  // 一間: a one-space jump along the line of the nearest edge, on the fourth line or lower.
  if (pHeight <= 4)
    for (const Partner& a : c.partners[kOwnStraightJump].uncut(0, 0))
      if (c.live(a) && c.height(a.point) == pHeight && lineAcross(c, c.p, a.direction) == pHeight)
        ev.add(kIkken, a.point);

  // ヘコミ: stepping back into the hollow between two own stones that an enemy stone faces; both are diagonal to the
  // played stone.
  for (int direction = 0; direction < 4 && c.ownDiagonals >= 2; ++direction) {
    const int front = stepFrom(c, c.p, direction);
    if (!isEmptyAt(c, front) || !isEnemyAt(c, stepFrom(c, front, direction))) continue;
    const std::array<int, 2> sides = isVertical(direction) ? std::array{1, 2} : std::array{0, 3};
    const int a = stepFrom(c, front, sides[0]), b = stepFrom(c, front, sides[1]);
    if (isOwnAt(c, a) && isOwnAt(c, b)) {
      ev.add(kHekomi, a);
      ev.add(kHekomi, b);
    }
  }

  // カケツギ: a hanging connection, guarding from the side a cutting point between two own chains; one of them is
  // diagonal to the played stone.
  for (int offset : neighbours) {
    if (c.ownDiagonals == 0) break;
    const int x = c.p + offset;
    // The played stone is one of the own stones around x.
    if (!c.isEmpty(x) || countAround(c, x, c.own) < 3) continue;
    PointSet guarded;
    int firstChain = -1;
    bool twoChains = false;
    for (int around : neighbours) {
      const int s = x + around;
      if (s == c.p || !c.isOwn(s)) continue;
      guarded.insert({s});
      if (firstChain < 0) firstChain = c.chainId(s);
      else twoChains |= c.chainId(s) != firstChain;
    }
    if (twoChains) ev.addAll(kKaketsugi, guarded);
  }

  // ツケコシ: attaching through the gap of an enemy knight's move.
  for (int touching : neighbours) {
    if (c.enemyDiagonals == 0 || c.enemyNeighbours == 0) break;
    const int e1 = c.p + touching;
    if (!c.isEnemy(e1)) continue;
    for (int offset : c.geo.diagonals) {
      const int e2 = c.p + offset;
      if (c.isEnemy(e2) && c.chainId(e2) != c.chainId(e1) && shapeCode(c, e1, e2) == 201) {
        ev.add(kTsukekoshi, e1);
        ev.add(kTsukekoshi, e2);
      }
    }
  }
}

}  // namespace mokuza::naming
