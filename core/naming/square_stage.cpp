// The four 2 x 2 squares that hold the played stone: the shape each makes
// with the stones on its other three points, and ataris on the two sides.

#include "core/naming/move_context.h"
#include "core/record/bits.h"

namespace mokuza::naming {
namespace {

constexpr Figure kNone = kFigureKindCount;

// The shape by the diagonal point and the counts of own and enemy stones on
// the two side points, indexed [sOwn][sEnemy] (sOwn + sEnemy <= 2).
using ShapeTable = std::array<std::array<Figure, 3>, 3>;
constexpr ShapeTable kEnemyDiagonal{
    {{kKado, kTsukeSujiba, kAtekomiDoubleSujiba}, {kNobi, kOshi, kNone}, {kTsugiMagari, kNone, kNone}}};
constexpr ShapeTable kEmptyDiagonal{{{kNone, kTsuke, kAtekomi}, {kNarabi, kOsae, kNone}, {kGuzumi, kNone, kNone}}};
constexpr ShapeTable kOwnDiagonal{
    {{kKosumi, kHane, kKiri}, {kMagariAkiSankaku, kMagari, kNone}, {kGuzumiShushi, kNone, kNone}}};

// Whether an enemy chain in atari stays caught when it runs out at its last
// liberty: after the run it still has at most one liberty, and the run
// takes none of the mover's chains.
bool cannotEscape(const MoveContext& c, const Chain& caught) {
  int last = -1;
  caught.liberties.forEach([&](BorderedPoint b) { last = b.index; });
  if (last < 0) return false;
  PointSet liberties;
  for (int offset : c.geo.neighbours) {
    const int q = last + offset;
    if (c.isEmpty(q)) liberties.insert({q});
    else if (const Chain* enemy = c.isEnemy(q) ? c.chainAt(q) : nullptr) liberties |= enemy->liberties;
    else if (c.isOwn(q) && c.liberties(q) == 1) return false;
  }
  liberties.erase({last});
  return liberties.size() <= 1;
}

void addAtari(const MoveContext& c, Evidence& ev, int s) {
  if (!c.isEnemy(s) || ev.has(kAte) || c.liberties(s) != 1) return;
  const Chain& caught = *c.chainAt(s);
  ev.addAll(kAte, caught.stones);
  if (cannotEscape(c, caught)) ev.addAll(kKakae, caught.stones);
}

}  // namespace

MOKUZA_CPU_CLONES void addSquares(const MoveContext& c, Evidence& ev) {
  for (int offset : c.geo.diagonals) {
    const int q = c.p + offset;
    if (c.info(q).frame) continue;
    const int s1 = c.pointAt(c.x(q), c.y(c.p));
    const int s2 = c.pointAt(c.x(c.p), c.y(q));
    const int sOwn = c.isOwn(s1) + c.isOwn(s2);
    const int sEnemy = c.isEnemy(s1) + c.isEnemy(s2);

    // Most sides hold no enemy stone: the call is spared for them.
    if (c.isEnemy(s1)) addAtari(c, ev, s1);
    if (c.isEnemy(s2)) addAtari(c, ev, s2);

    const auto row = static_cast<std::size_t>(sOwn), column = static_cast<std::size_t>(sEnemy);
    Figure shape = kNone;
    if (c.isEnemy(q)) {
      shape = kEnemyDiagonal[row][column];
    } else if (c.isEmpty(q)) {
      shape = kEmptyDiagonal[row][column];
      // Rising past a neighbour is a push, not a block.
      if (shape == kOsae && (c.height(c.p) > c.height(s1) || c.height(c.p) > c.height(s2))) shape = kOshi;
    } else {
      shape = kOwnDiagonal[row][column];
      if (shape == kMagari) ev.addVeto(kHai, c.p);
    }
    if (shape == kMagariAkiSankaku) ev.clearMatch(kNigedashi);
    if (shape == kNone) continue;
    for (int b : {s1, s2, q}) ev.addIf(shape, b, c.isStone(b));
  }
}

}  // namespace mokuza::naming
