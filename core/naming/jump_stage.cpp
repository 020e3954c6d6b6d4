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

// The stones of one colour in the strip three points wide that runs out from
// the played stone in each direction, read from the board's stone words: a
// few shifts a column where the grid costs a load and a test a point. By
// direction in the neighbour order and column (centre, side -1, side +1),
// bit i for line i.
constexpr std::array<int, 3> kSides{0, -1, 1};
using Columns = std::array<std::array<std::uint32_t, 3>, 4>;
constexpr std::uint32_t kLineBits = (1u << kLines) - 1;

// A column read backwards from a row or column word: bit i to bit kLines - 1 - i.
constexpr std::array<std::uint8_t, 1u << kLines> kReversed = [] {
  std::array<std::uint8_t, 1u << kLines> table{};
  for (std::size_t m = 0; m < table.size(); ++m)
    for (int i = 0; i < kLines; ++i) table[m] |= static_cast<std::uint8_t>(((m >> i) & 1u) << (kLines - 1 - i));
  return table;
}();

Columns gatherColumns(const MoveContext& c, int stone) {
  const StoneBits& bits = c.board.position.stoneBits;
  const int px = c.x(c.p), py = c.y(c.p);
  Columns columns{};
  for (std::size_t s = 0; s < kSides.size(); ++s) {
    const std::uint32_t row = bits.row(stone, py + kSides[s]), column = bits.column(stone, px + kSides[s]);
    // Backwards, the kLines points before the played stone come out farthest first.
    columns[0][s] = kReversed[((column << kLines) >> py) & kLineBits];
    columns[1][s] = kReversed[((row << kLines) >> px) & kLineBits];
    columns[2][s] = (row >> (px + 1)) & kLineBits;
    columns[3][s] = (column >> (py + 1)) & kLineBits;
  }
  return columns;
}

// The lines of a column that stones on the lines `cutters` leave uncut: a
// partner is cut off by one nearer than itself, so the lines up to the
// nearest cutter's are left (all of them when there is none).
constexpr std::uint32_t uncutLines(std::uint32_t cutters) {
  return static_cast<std::uint32_t>(upToLowestBit(cutters)) & kLineBits;
}

// Partners of one kind as bits, nearest reach first: a reach holds a bit per
// direction for straight jumps, two (side -1, side +1) per direction for
// knight's moves. Iterated in bit order, they come out as the lists keep them.
using SpreadTable = std::array<std::uint64_t, 1u << kReaches>;
constexpr SpreadTable spreadTable(int perReach) {
  SpreadTable table{};
  for (std::size_t m = 0; m < table.size(); ++m)
    for (int k = 0; k < kReaches; ++k) table[m] |= std::uint64_t{(m >> k) & 1u} << (perReach * k);
  return table;
}
constexpr SpreadTable kStraightSpread = spreadTable(4);
constexpr SpreadTable kKnightSpread = spreadTable(8);

// The partners of one kind into their list, and the jump figures of those not cut off.
template <int kPerReach>
inline void addPartners(MoveContext& c, std::uint64_t stones, std::uint64_t uncut, bool enemy,
                        const std::array<Figure, kReaches>& figures, std::uint64_t& candidates) {
  constexpr bool knight = kPerReach == 8;
  // Each slot of a reach: its direction, its point at reach 0 and the step to the next reach.
  std::array<std::int8_t, kPerReach> directions{};
  std::array<int, kPerReach> first{}, steps{};
  for (int slot = 0; slot < kPerReach; ++slot) {
    const int direction = knight ? slot / 2 : slot;
    const int across = isVertical(direction) ? 1 : c.geo.width;
    const int side = knight ? (slot % 2 ? 1 : -1) : 0;
    const auto i = static_cast<std::size_t>(slot);
    directions[i] = static_cast<std::int8_t>(direction);
    steps[i] = c.geo.neighbours[static_cast<std::size_t>(direction)];
    first[i] = c.p + 2 * steps[i] + side * across;
  }
  PartnerList& list = c.partners[static_cast<std::size_t>(knight) + 2 * static_cast<std::size_t>(enemy)];
  list.ends.fill(0);
  int count = 0;
  forEachBit(stones, [&](int bit) {
    const auto k = static_cast<std::size_t>(bit / kPerReach);
    const auto slot = static_cast<std::size_t>(bit % kPerReach);
    const int b = first[slot] + steps[slot] * static_cast<int>(k);
    const bool isUncut = (uncut >> bit) & 1u;
    candidates |= std::uint64_t{isUncut} << figures[k];
    list.items[static_cast<std::size_t>(count++)] =
        Partner{static_cast<std::int16_t>(b), static_cast<std::int8_t>(k), directions[slot], knight, enemy, isUncut};
    list.ends[k] = static_cast<std::uint8_t>(count);
  });
  list.count = count;
  // A reach without partners ends where the one before it does.
  for (std::size_t k = 1; k < list.ends.size(); ++k) list.ends[k] = std::max(list.ends[k], list.ends[k - 1]);
}

}  // namespace

MOKUZA_CPU_CLONES void findJumps(MoveContext& c) {
  const std::array<Columns, 2> columns{gatherColumns(c, c.own), gatherColumns(c, -c.own)};
  std::uint64_t candidates = 0;
  for (std::size_t enemy = 0; enemy < 2; ++enemy) {
    const Columns& mine = columns[enemy];
    const Columns& other = columns[1 - enemy];
    // Line 0 holds no partner, only cutters; the rest are moved to reach-major bits.
    std::uint64_t straight = 0, straightUncut = 0, knight = 0, knightUncut = 0;
    for (std::size_t direction = 0; direction < 4; ++direction) {
      const auto& o = other[direction];
      const auto& m = mine[direction];
      // A stone of the other colour cuts a straight jump from the centre line,
      // or beside it from two points out; a knight's move from the centre line
      // or its own side.
      const std::uint32_t centreUncut = m[0] & uncutLines(o[0] | ((o[1] | o[2]) & ~1u));
      straight |= kStraightSpread[m[0] >> 1] << direction;
      straightUncut |= kStraightSpread[centreUncut >> 1] << direction;
      for (std::size_t s = 1; s < 3; ++s) {
        const std::uint32_t sideUncut = m[s] & uncutLines(o[0] | o[s]);
        const std::size_t shift = direction * 2 + s - 1;
        knight |= kKnightSpread[m[s] >> 1] << shift;
        knightUncut |= kKnightSpread[sideUncut >> 1] << shift;
      }
    }
    addPartners<4>(c, straight, straightUncut, enemy != 0, kJumpFigures[0][enemy], candidates);
    addPartners<8>(c, knight, knightUncut, enemy != 0, kJumpFigures[1][enemy], candidates);
  }
  // A stone in atari makes no shape with its neighbours at short reach.
  if (c.liberties(c.p) == 1)
    for (std::size_t k = 0; k < 3; ++k)
      for (const auto& byKnight : kJumpFigures)
        for (Figure f : {byKnight[0][k], byKnight[1][k]}) candidates &= ~(std::uint64_t{1} << f);
  c.jumpFigures = candidates;
}

void jumpStones(const MoveContext& c, Figure figure, PointSet& stones) {
  for (std::size_t knight = 0; knight < 2; ++knight)
    for (std::size_t enemy = 0; enemy < 2; ++enemy)
      for (int k = 0; k < kReaches; ++k) {
        if (kJumpFigures[knight][enemy][static_cast<std::size_t>(k)] != figure) continue;
        for (const Partner& a : c.partners[knight + 2 * enemy].reach(k, k))
          if (c.live(a)) stones.insert({a.point});
      }
}

}  // namespace mokuza::naming
