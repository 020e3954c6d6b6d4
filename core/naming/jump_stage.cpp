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

// The jump figures of a kind by the reaches that hold a partner not cut off, bit k for reach k.
using ReachFigures = std::array<std::uint64_t, 1u << kReaches>;
constexpr ReachFigures figuresOf(const std::array<Figure, kReaches>& figures) {
  ReachFigures table{};
  for (std::size_t m = 0; m < table.size(); ++m)
    for (std::size_t k = 0; k < figures.size(); ++k)
      if ((m >> k) & 1u) table[m] |= std::uint64_t{1} << figures[k];
  return table;
}
// By knight's move, enemy.
constexpr std::array<std::array<ReachFigures, 2>, 2> kFiguresByReaches{{
    {figuresOf(kJumpFigures[0][0]), figuresOf(kJumpFigures[0][1])},
    {figuresOf(kJumpFigures[1][0]), figuresOf(kJumpFigures[1][1])},
}};

}  // namespace

MOKUZA_CPU_CLONES void findJumps(MoveContext& c) {
  const std::array<Columns, 2> columns{gatherColumns(c, c.own), gatherColumns(c, -c.own)};
  std::uint64_t candidates = 0;
  for (std::size_t enemy = 0; enemy < 2; ++enemy) {
    const Columns& mine = columns[enemy];
    const Columns& other = columns[1 - enemy];
    // Line 0 holds no partner, only cutters; the rest are kept a byte a strip, as PartnerList reads them.
    std::uint64_t straight = 0, straightUncut = 0, knight = 0, knightUncut = 0;
    // The reaches with a partner not cut off, bit k for reach k.
    std::uint32_t straightReaches = 0, knightReaches = 0;
    for (std::size_t direction = 0; direction < 4; ++direction) {
      const auto& o = other[direction];
      const auto& m = mine[direction];
      // A stone of the other colour cuts a straight jump from the centre line,
      // or beside it from two points out; a knight's move from the centre line
      // or its own side.
      const std::uint32_t centreUncut = m[0] & uncutLines(o[0] | ((o[1] | o[2]) & ~1u));
      straight |= std::uint64_t{m[0] & ~1u} << (8 * direction);
      straightUncut |= std::uint64_t{centreUncut & ~1u} << (8 * direction);
      straightReaches |= centreUncut >> 1;
      for (std::size_t s = 1; s < 3; ++s) {
        const std::uint32_t sideUncut = m[s] & uncutLines(o[0] | o[s]);
        const std::size_t shift = direction * 2 + s - 1;
        knight |= std::uint64_t{m[s] & ~1u} << (8 * shift);
        knightUncut |= std::uint64_t{sideUncut & ~1u} << (8 * shift);
        knightReaches |= sideUncut >> 1;
      }
    }
    c.partners[2 * enemy] = PartnerList(straight, straightUncut, false, c.p, c.geo);
    c.partners[2 * enemy + 1] = PartnerList(knight, knightUncut, true, c.p, c.geo);
    candidates |= kFiguresByReaches[0][enemy][straightReaches] | kFiguresByReaches[1][enemy][knightReaches];
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
        for (const Partner& a : c.partners[knight + 2 * enemy].uncut(k, k))
          if (c.live(a)) stones.insert({a.point});
      }
}

}  // namespace mokuza::naming
