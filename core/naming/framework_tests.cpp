// Framework moves of the opening: closing and approaching corners,
// extending, pincering, splitting, invading, capping, pressing.

#include "core/naming/move_context.h"

namespace mokuza::naming {
namespace {

// Corner points of the opening: 3-3, 3-4, 4-4, 3-5 and 4-5.
bool isCornerPoint(const MoveContext& c, int b) {
  const PointInfo& i = c.info(b);
  return (i.height == 3 || i.height == 4) && i.depth <= 5;
}

// Whether any stone of the colour other than the played one stands within
// `reach` lines of b in both directions.
bool colourNear(const MoveContext& c, int b, int colour, int reach) {
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx) {
      const int x = c.x(b) + dx, y = c.y(b) + dy;
      if (!c.onBoard(x, y)) continue;
      const int q = c.pointAt(x, y);
      if (q != c.p && c.stone(q) == colour) return true;
    }
  return false;
}

bool isLive(const Evidence& ev, const Partner& partner) { return !ev.vetoes(partner.figure, partner.point); }
bool onThirdOrFourth(const MoveContext& c, int b) { return c.height(b) == 3 || c.height(b) == 4; }

bool isShimariPair(const MoveContext& c, int corner, int other, bool knight) {
  const PointInfo& i = c.info(corner);
  return (i.cornerStar || i.komoku) && c.height(other) == (knight ? 3 : 4);
}

}  // namespace

void addFrameworkTests(const MoveContext& c, Evidence& ev) {
  const int pHeight = c.height(c.p);
  const std::array<Partner, kMaxPartners>& partners = c.partners;
  const int count = c.partnerCount;

  for (int i = 0; i < count; ++i) {
    const Partner& a = partners[static_cast<std::size_t>(i)];
    const int b = a.point;
    // ハサミツケ: a lone enemy stone attached between the played stone and an own stone two points away.
    if (!a.enemy && !a.knight && a.k == 0 && c.liberties(b) >= 2) {
      const int middle = stepFrom(c, c.p, a.direction);
      if (ev.matches(kTsuke, middle) && c.isSingleStone(middle)) ev.add(kHasamitsuke, middle);
    }
    // スベリ: a slide along the first two lines from an own stone a knight's move away one line higher, near enemy
    // stones.
    if (!a.enemy && a.knight && a.k <= 1 && pHeight <= 2 && c.height(b) == pHeight + 1 && colourNear(c, c.p, -c.own, 2))
      ev.add(kSuberi, b);
    // ヒラキ: an extension of two spaces or more along the third or fourth line from an own stone.
    if (!a.enemy && !a.knight && a.k >= 1 && isLive(ev, a)) {
      const int line = lineAcross(c, c.p, a.direction);
      if (line == 3 || line == 4) ev.add(kHiraki, b);
    }
    // シマリ: two lone own stones closing a corner.
    if (!a.enemy && a.k <= 2 && (isShimariPair(c, b, c.p, a.knight) || isShimariPair(c, c.p, b, a.knight)) &&
        c.isSingleStone(c.p) && c.isSingleStone(b)) {
      const int code = shapeCode(c, c.p, b);
      if (code >= 200 && code <= 399) {
        ev.add(kShimari, b);
        ev.addVeto(kHiraki, b);
      }
    }
    // カカリ: a third- or fourth-line approach from the side to a lone enemy corner stone no own stone is near.
    if (a.enemy && a.k <= 1 && isCornerPoint(c, b) && onThirdOrFourth(c, c.p) && c.info(c.p).depth > c.info(b).depth &&
        isLive(ev, a) && c.isSingleStone(b) && !colourNear(c, b, c.own, 2))
      ev.add(kKakari, b);
  }

  // 受け: a closing move next to the own corner stone the opponent approached on the move before. Only the
  // wide closures count on the open side of a 3-4 point.
  if (c.move >= 2 && c.kakariFigure >= 0) {
    ev.match(kShimari).forEach([&](BorderedPoint shimari) {
      const int s = shimari.index;
      if (c.previousLayer[shimari] != c.kakariFigure) return;
      const PointInfo& i = c.info(s);
      const PointInfo& pi = c.info(c.p);
      // The other axis: on the axis where the 3-4 stone is on its fourth line, no enclosing stone reaches the sixth.
      if (i.cornerStar || (i.komoku && ((i.lineX == 4 && pi.lineY >= 6) || (i.lineY == 4 && pi.lineX >= 6))))
        ev.add(kUke, s);
    });
  }

  // ワリ打ち and 打ち込み: between two enemy stones on the third and fourth lines.
  if (onThirdOrFourth(c, c.p) && !ev.has(kHiraki)) {
    std::array<const Partner*, kMaxPartners> flanks;
    int flankCount = 0;
    for (int i = 0; i < count; ++i) {
      const Partner& e = partners[static_cast<std::size_t>(i)];
      if (e.enemy && onThirdOrFourth(c, e.point) && isLive(ev, e)) flanks[static_cast<std::size_t>(flankCount++)] = &e;
    }
    for (int i = 0; i < flankCount; ++i) {
      const Partner& e1 = *flanks[static_cast<std::size_t>(i)];
      for (int j = i + 1; j < flankCount; ++j) {
        const Partner& e2 = *flanks[static_cast<std::size_t>(j)];
        const int between = manhattan(c, e1.point, e2.point);
        if (e1.k >= 2 && e2.k >= 2 && shapeCode(c, e1.point, e2.point) >= 800) {
          ev.add(kWariuchi, e1.point);
          ev.add(kWariuchi, e2.point);
        } else if (e1.k <= 2 && e2.k <= 2 && manhattan(c, c.p, e1.point) < between &&
                   manhattan(c, c.p, e2.point) < between) {
          ev.add(kUchikomi, e1.point);
          ev.add(kUchikomi, e2.point);
        }
      }
    }
  }

  // オキ: a placement on the first two lines among three or more enemy stones with no own stone next to it.
  if (pHeight <= 2) {
    PointSet enemies;
    bool ownNear = false;
    for (int offset : c.geo.neighbours) {
      if (c.isEnemy(c.p + offset)) enemies.insert({c.p + offset});
      ownNear |= c.isOwn(c.p + offset);
    }
    for (int offset : c.geo.diagonals) {
      if (c.isEnemy(c.p + offset)) enemies.insert({c.p + offset});
      ownNear |= c.isOwn(c.p + offset);
    }
    if (!ownNear && enemies.size() >= 3) ev.addAll(kOki, enemies);
  }

  const bool aloneOnThirdOrFourth =
      onThirdOrFourth(c, c.p) && !colourNear(c, c.p, c.own, 1) && !colourNear(c, c.p, -c.own, 1);
  std::array<bool, 4> ownStraightTowards{};
  for (int i = 0; i < count; ++i) {
    const Partner& own = partners[static_cast<std::size_t>(i)];
    if (!own.enemy && !own.knight && isLive(ev, own))
      ownStraightTowards[static_cast<std::size_t>(own.direction)] = true;
  }
  for (int i = 0; i < count; ++i) {
    const Partner& a = partners[static_cast<std::size_t>(i)];
    if (!a.enemy) continue;
    const int e = a.point;
    // ツメ: on the third or fourth line, an extension touching nothing from own stones towards an enemy stone on the
    // other side.
    if (aloneOnThirdOrFourth && ownStraightTowards[static_cast<std::size_t>(opposite(a.direction))] &&
        onThirdOrFourth(c, e) && isLive(ev, a))
      ev.add(kTsume, e);
    // ツメ veto: a near enemy stone two or more lines higher or lower.
    if (a.k <= 2 && std::abs(c.height(e) - pHeight) >= 2) ev.addVeto(kTsume, c.p);
    // ボウシ: a cap one space above a lone enemy stone with room around it.
    if (ev.matches(kTaiIkken, e) && c.height(e) < pHeight && ev.count(kTaiIkken) == 1 && !ev.has(kNanameAite) &&
        c.liberties(e) >= 4) {
      ev.add(kBoushi, e);
      for (int j = 0; j < count; ++j) {
        const Partner& knight = partners[static_cast<std::size_t>(j)];
        if (knight.figure == kTaiKeima && manhattan(c, knight.point, e) == 1) ev.addVeto(kBoushi, e);
      }
    }
    // スソガカリ: an approach one line below an enemy stone on the fourth line or higher, away from the corners.
    if (a.knight && a.k <= 1 && isLive(ev, a) && c.height(e) >= 4 && !isCornerPoint(c, e) &&
        pHeight == c.height(e) - 1 && c.isSingleStone(e))
      ev.add(kSusogakari, e);
    // ハサミ: a pincer of a small enemy group on the third or fourth line against an own stone beyond it.
    if (a.k <= 3 && isLive(ev, a) && onThirdOrFourth(c, c.p) && onThirdOrFourth(c, e) && c.chainSize(e) <= 2 &&
        c.liberties(e) >= 2 && ownStoneBeyond(c, e))
      ev.add(kHasami, e);
    // カケ（大斜）: a press one line above an enemy stone on the third or fourth line, a large knight's move away,
    // that is no pincer.
    if (a.knight && a.k == 1 && isLive(ev, a) && onThirdOrFourth(c, e) && pHeight == c.height(e) + 1 &&
        !ownStoneBeyond(c, e))
      ev.add(kKakeTaisha, e);
  }

  // カタツキ: a shoulder hit, diagonally one line above a lone enemy stone on the third or fourth line.
  for (int offset : c.geo.diagonals) {
    const int q = c.p + offset;
    if (!c.isEnemy(q) || !c.isSingleStone(q) || !onThirdOrFourth(c, q) || pHeight != c.height(q) + 1) continue;
    if (c.isEmpty(c.pointAt(c.x(q), c.y(c.p))) && c.isEmpty(c.pointAt(c.x(c.p), c.y(q)))) ev.add(kKatatsuki, q);
  }
}

}  // namespace mokuza::naming
