// Jumps and knight's moves: stones k + 2 points straight out from the played
// stone in each direction, or one point beside that, for k = 0 .. 5.

#include "core/naming/move_context.h"
#include "core/record/bits.h"

namespace mokuza::naming {
namespace {

constexpr int kReaches = kJumpReaches;
constexpr int kLines = kReaches + 1;
// By knight's move, enemy, reach.
using JumpFigures = std::array<std::array<std::array<Figure, kReaches>, 2>, 2>;
constexpr JumpFigures kJumpFigures{{
    {{{kTobi, kNikenTobi, kSankenTobi, kYonken, kGoken, kRokken},
      {kTaiIkken, kTaiNiken, kTaiSanken, kTaiYonken, kTaiGoken, kTaiRokken}}},
    {{{kKeima, kOogeima, kOoogeima, kYonkenGeima, kGokenGeima, kRokkenGeima},
      {kTaiKeima, kTaiOogeima, kTaiOoogeima, kTaiYonkenGeima, kTaiGokenGeima, kTaiRokkenGeima}}},
}};
// Their stones are told by one word of bits.
static_assert([] {
  for (const auto& byKnight : kJumpFigures)
    for (const auto& byEnemy : byKnight)
      for (Figure f : byEnemy)
        if (f >= 64) return false;
  return true;
}());

// The strip three points wide that runs out from the played stone, as bits:
// three per line, nearest line first, in the order centre, side -1, side +1.
constexpr std::array<int, 3> kSides{0, -1, 1};
constexpr std::uint32_t kCentre = 01111111;  // one bit per line
constexpr std::uint32_t kSideLow = kCentre << 1;
constexpr std::uint32_t kSideHigh = kCentre << 2;
constexpr std::uint32_t kFirstLine = 07;

// The stones of the other colour that cut a jump from the played stone to a
// partner in `column`: on the centre line or the partner's own side for a
// knight's move; for a straight jump on the centre line, or beside it from
// two points out. One on the far side of the played stone's line cuts nothing.
constexpr std::array<std::uint32_t, 3> kCutters{kCentre | ((kSideLow | kSideHigh) & ~kFirstLine), kCentre | kSideLow,
                                                kCentre | kSideHigh};

}  // namespace

MOKUZA_CPU_CLONES void findJumps(MoveContext& c) {
  const int px = c.x(c.p), py = c.y(c.p), n = c.geo.n;
  std::array<int, 4> steps{}, acrosses{};
  // By colour, own then enemy: a partner's cutters are picked by index, not
  // by a branch that its colour would make unpredictable.
  std::array<std::array<std::uint32_t, 4>, 2> strips{};
  auto& own = strips[0];
  auto& enemy = strips[1];
  for (std::size_t direction = 0; direction < 4; ++direction) {
    const int dx = kStepX[direction], dy = kStepY[direction];
    const int step = steps[direction] = dx + dy * c.geo.width;
    const int across = acrosses[direction] = dx == 0 ? 1 : c.geo.width;
    // The strip ends at the edge; beside an edge line lies the frame, which holds no stone.
    const int room = dx < 0 ? px - 1 : dx > 0 ? n - px : dy < 0 ? py - 1 : n - py;
    const int lines = std::min(room, kLines);
    // Gathered without a branch per point: whether a point holds a stone is
    // as good as random.
    for (int line = 0, centre = c.p + step; line < lines; ++line, centre += step)
      for (std::size_t s = 0; s < kSides.size(); ++s) {
        const int stone = c.stone(centre + kSides[s] * across);
        const int bit = line * 3 + static_cast<int>(s);
        own[direction] |= bitIf<std::uint32_t>(stone == c.own, bit);
        enemy[direction] |= bitIf<std::uint32_t>(stone == -c.own, bit);
      }
  }

  std::uint64_t live = 0;
  for (PartnerList& list : c.partners) list.count = 0;
  for (int k = 0; k < kReaches; ++k) {
    const int line = k + 1;
    // The points of this reach in every direction, three bits a direction.
    std::uint32_t atReach = 0;
    for (std::size_t direction = 0; direction < 4; ++direction)
      atReach |= (((own[direction] | enemy[direction]) >> (line * 3)) & 7u) << (direction * 3);
    forEachBit(atReach, [&](int found) {
      const auto direction = static_cast<std::size_t>(found / 3);
      const auto column = static_cast<std::size_t>(found % 3);
      const int bit = line * 3 + static_cast<int>(column);
      const int b = c.p + steps[direction] * (line + 1) + kSides[column] * acrosses[direction];
      const bool isEnemy = (enemy[direction] >> bit) & 1u;
      const bool knight = column != 0;
      // A stone in atari is no partner.
      const std::uint32_t nearer = (std::uint32_t{1} << (line * 3)) - 1;
      const bool cut = (strips[!isEnemy][direction] & nearer & kCutters[column]) != 0;
      const bool isLive = !cut && c.liberties(b) != 1;
      live |= std::uint64_t{isLive} << kJumpFigures[knight][isEnemy][static_cast<std::size_t>(k)];
      PartnerList& list = c.partners[static_cast<std::size_t>(knight) + 2 * static_cast<std::size_t>(isEnemy)];
      list.items[static_cast<std::size_t>(list.count++)] = Partner{static_cast<std::int16_t>(b),
                                                                   static_cast<std::int8_t>(k),
                                                                   static_cast<std::int8_t>(direction),
                                                                   knight,
                                                                   isEnemy,
                                                                   isLive};
    });
    for (PartnerList& list : c.partners) list.ends[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(list.count);
  }
  // A stone in atari makes no shape with its neighbours at short reach.
  if (c.liberties(c.p) == 1)
    for (std::size_t k = 0; k < 3; ++k)
      for (const auto& byKnight : kJumpFigures)
        for (Figure f : {byKnight[0][k], byKnight[1][k]}) live &= ~(std::uint64_t{1} << f);
  c.liveJumpFigures = live;
}

void jumpStones(const MoveContext& c, Figure figure, PointSet& stones) {
  for (std::size_t knight = 0; knight < 2; ++knight)
    for (std::size_t enemy = 0; enemy < 2; ++enemy)
      for (int k = 0; k < kReaches; ++k) {
        if (kJumpFigures[knight][enemy][static_cast<std::size_t>(k)] != figure) continue;
        for (const Partner& a : c.partners[knight + 2 * enemy].reach(k, k))
          if (a.live) stones.insert({a.point});
      }
}

}  // namespace mokuza::naming
