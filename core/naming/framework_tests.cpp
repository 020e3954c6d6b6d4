// Framework moves of the opening: closing and approaching corners,
// extending, pincering, splitting, invading, capping, pressing.

#include "core/naming/move_context.h"
#include "core/record/bits.h"

namespace mokuza::naming {
namespace {

// Corner points of the opening: 3-3, 3-4, 4-4, 3-5 and 4-5.
bool isCornerPoint(const MoveContext& c, int b) {
  const PointInfo& i = c.info(b);
  return (i.height == 3 || i.height == 4) && i.depth <= 5;
}

// Whether any stone of the colour other than the played one stands within
// two lines of b in both directions.
bool colourNear(const MoveContext& c, int b, int colour) {
  return colourInRect(c, colour, std::max(c.x(b) - 2, 0), c.x(b) + 2, c.y(b) - 2, c.y(b) + 2);
}

bool onThirdOrFourth(const MoveContext& c, int b) { return c.height(b) == 3 || c.height(b) == 4; }

bool isShimariPair(const MoveContext& c, int corner, int other, bool knight) {
  const PointInfo& i = c.info(corner);
  return (i.cornerStar || i.komoku) && c.height(other) == (knight ? 3 : 4);
}

}  // namespace

MOKUZA_CPU_CLONES void addFrameworkTests(const MoveContext& c, Evidence& ev) {
  const int pHeight = c.height(c.p);
  const PartnerList& ownStraight = c.partners[kOwnStraightJump];
  const PartnerList& ownKnight = c.partners[kOwnKnightJump];
  const PartnerList& enemyStraight = c.partners[kEnemyStraightJump];
  const PartnerList& enemyKnight = c.partners[kEnemyKnightJump];
  const bool pOnThirdOrFourth = onThirdOrFourth(c, c.p);

  // ハサミツケ: a lone enemy stone attached between the played stone and an own stone two points away.
  if (ev.has(kTsuke))
    for (const Partner& a : ownStraight.reach(0, 0))
      if (c.liberties(a.point) >= 2) {
        const int middle = stepFrom(c, c.p, a.direction);
        if (ev.matches(kTsuke, middle) && c.isSingleStone(middle)) ev.add(kHasamitsuke, middle);
      }
  // スベリ: a slide along the first two lines from an own stone a knight's move away one line higher, near enemy
  // stones.
  if (pHeight <= 2)
    for (const Partner& a : ownKnight.reach(0, 1))
      if (c.height(a.point) == pHeight + 1 && colourNear(c, c.p, -c.own)) ev.add(kSuberi, a.point);
  // ヒラキ: an extension of two spaces or more along the third or fourth line from an own stone.
  const PointInfo& pInfo = c.info(c.p);
  if (pInfo.lineX == 3 || pInfo.lineX == 4 || pInfo.lineY == 3 || pInfo.lineY == 4)
    for (const Partner& a : ownStraight.uncut(1, kJumpReaches - 1)) {
      const int line = lineAcross(c, c.p, a.direction);
      if (c.live(a) && (line == 3 || line == 4)) ev.add(kHiraki, a.point);
    }
  // シマリ: two lone own stones closing a corner.
  if ((pOnThirdOrFourth || pInfo.cornerStar || pInfo.komoku) && c.isSingleStone(c.p))
    for (const PartnerList* list : {&ownStraight, &ownKnight})
      for (const Partner& a : list->reach(0, 2)) {
        const int b = a.point;
        if (!(isShimariPair(c, b, c.p, a.knight) || isShimariPair(c, c.p, b, a.knight)) || !c.isSingleStone(b))
          continue;
        const int code = shapeCode(c, c.p, b);
        if (code >= 200 && code <= 399) {
          ev.add(kShimari, b);
          ev.addVeto(kHiraki, b);
        }
      }
  // カカリ: a third- or fourth-line approach from the side to a lone enemy corner stone no own stone is near.
  if (pOnThirdOrFourth)
    for (const PartnerList* list : {&enemyStraight, &enemyKnight})
      for (const Partner& a : list->uncut(0, 1)) {
        const int b = a.point;
        if (c.live(a) && isCornerPoint(c, b) && c.info(c.p).depth > c.info(b).depth && c.isSingleStone(b) &&
            !colourNear(c, b, c.own))
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
  if (pOnThirdOrFourth && !ev.has(kHiraki)) {
    std::array<Partner, 2 * PartnerList::kCapacity> flanks;
    std::size_t flankCount = 0;
    for (const PartnerList* list : {&enemyStraight, &enemyKnight})
      for (const Partner& e : list->uncut())
        if (c.live(e) && onThirdOrFourth(c, e.point)) flanks[flankCount++] = e;
    for (std::size_t i = 0; i < flankCount; ++i) {
      const Partner& e1 = flanks[i];
      for (std::size_t j = i + 1; j < flankCount; ++j) {
        const Partner& e2 = flanks[j];
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
  if (pHeight <= 2 && c.ownNeighbours + c.ownDiagonals == 0 && c.enemyNeighbours + c.enemyDiagonals >= 3) {
    for (const auto& offsets : {c.geo.neighbours, c.geo.diagonals})
      for (int offset : offsets)
        if (c.isEnemy(c.p + offset)) ev.add(kOki, c.p + offset);
  }

  // ツメ: on the third or fourth line, an extension touching nothing from own stones towards an enemy stone on the
  // other side.
  if (pOnThirdOrFourth && c.ownNeighbours + c.ownDiagonals + c.enemyNeighbours + c.enemyDiagonals == 0) {
    std::array<bool, 4> ownStraightTowards{};
    for (const Partner& own : ownStraight.uncut())
      if (c.live(own)) ownStraightTowards[static_cast<std::size_t>(own.direction)] = true;
    for (const PartnerList* list : {&enemyStraight, &enemyKnight})
      for (const Partner& a : list->uncut())
        if (c.live(a) && ownStraightTowards[static_cast<std::size_t>(opposite(a.direction))] &&
            onThirdOrFourth(c, a.point))
          ev.add(kTsume, a.point);
  }
  // ツメ veto: a near enemy stone two or more lines higher or lower. Only a
  // ツメ found above can be vetoed.
  if (ev.has(kTsume))
    for (const PartnerList* list : {&enemyStraight, &enemyKnight})
      for (const Partner& a : list->reach(0, 2))
        if (std::abs(c.height(a.point) - pHeight) >= 2) {
          ev.addVeto(kTsume, c.p);
          break;
        }
  // ボウシ: a cap one space above a lone enemy stone with room around it. The stones one space straight out are
  // what 対一間 holds.
  if (const PartnerList::Range near = enemyStraight.reach(0, 0); near.size() == 1 && !ev.has(kNanameAite)) {
    const int e = (*near.begin()).point;
    if (c.height(e) < pHeight && c.liberties(e) >= 4) {
      ev.add(kBoushi, e);
      for (const Partner& knight : enemyKnight.reach(0, 0))
        if (manhattan(c, knight.point, e) == 1) ev.addVeto(kBoushi, e);
    }
  }
  // スソガカリ: an approach one line below an enemy stone on the fourth line or higher, away from the corners.
  if (pHeight >= 3)
    for (const Partner& a : enemyKnight.uncut(0, 1)) {
      const int e = a.point;
      if (c.live(a) && c.height(e) >= 4 && !isCornerPoint(c, e) && pHeight == c.height(e) - 1 && c.isSingleStone(e))
        ev.add(kSusogakari, e);
    }
  // ハサミ: a pincer of a small enemy group on the third or fourth line against an own stone beyond it.
  if (pOnThirdOrFourth)
    for (const PartnerList* list : {&enemyStraight, &enemyKnight})
      for (const Partner& a : list->uncut(0, 3)) {
        const int e = a.point;
        if (onThirdOrFourth(c, e) && c.liberties(e) >= 2 && c.chainSize(e) <= 2 && ownStoneBeyond(c, e))
          ev.add(kHasami, e);
      }
  // カケ（大斜）: a press one line above an enemy stone on the third or fourth line, a large knight's move away,
  // that is no pincer.
  // Both that and カタツキ stand one line above the third or fourth.
  const bool pOnFourthOrFifth = pHeight == 4 || pHeight == 5;
  if (pOnFourthOrFifth)
    for (const Partner& a : enemyKnight.uncut(1, 1)) {
      const int e = a.point;
      if (c.live(a) && onThirdOrFourth(c, e) && pHeight == c.height(e) + 1 && !ownStoneBeyond(c, e))
        ev.add(kKakeTaisha, e);
    }

  // カタツキ: a shoulder hit, diagonally one line above a lone enemy stone on the third or fourth line.
  for (int offset : c.geo.diagonals) {
    if (c.enemyDiagonals == 0 || !pOnFourthOrFifth) break;
    const int q = c.p + offset;
    if (!c.isEnemy(q) || !c.isSingleStone(q) || !onThirdOrFourth(c, q) || pHeight != c.height(q) + 1) continue;
    if (c.isEmpty(c.pointAt(c.x(q), c.y(c.p))) && c.isEmpty(c.pointAt(c.x(c.p), c.y(q)))) ev.add(kKatatsuki, q);
  }
}

}  // namespace mokuza::naming
