// Jumps and knight's moves: stones k + 2 points straight out from the played
// stone in each direction, or one point beside that, for k = 0 .. 5.

#include "core/naming/move_context.h"

namespace mokuza::naming {
namespace {

constexpr int kReaches = 6;
constexpr std::array<Figure, kReaches> kOwnStraight{kTobi, kNikenTobi, kSankenTobi, kYonken, kGoken, kRokken};
constexpr std::array<Figure, kReaches> kOwnKnight{kKeima, kOogeima, kOoogeima, kYonkenGeima, kGokenGeima, kRokkenGeima};
constexpr std::array<Figure, kReaches> kEnemyStraight{kTaiIkken,  kTaiNiken, kTaiSanken,
                                                      kTaiYonken, kTaiGoken, kTaiRokken};
constexpr std::array<Figure, kReaches> kEnemyKnight{kTaiKeima,       kTaiOogeima,    kTaiOoogeima,
                                                    kTaiYonkenGeima, kTaiGokenGeima, kTaiRokkenGeima};

// A stone in the strip three points wide that runs out from the played
// stone: `line` steps along the direction, `side` -1, 0 or +1 across it.
struct StripStone {
  int point;
  int line;
  int side;
  int colour;
};

}  // namespace

void addJumps(MoveContext& c, Evidence& ev) {
  // A stone in atari makes no shape with its neighbours at short reach.
  if (c.liberties(c.p) == 1)
    for (std::size_t k = 0; k < 3; ++k)
      for (Figure f : {kOwnStraight[k], kOwnKnight[k], kEnemyStraight[k], kEnemyKnight[k]}) ev.addVeto(f, c.p);

  const int px = c.x(c.p), py = c.y(c.p), n = c.geo.n;
  for (int direction = 0; direction < 4; ++direction) {
    const int dx = kStepX[static_cast<std::size_t>(direction)], dy = kStepY[static_cast<std::size_t>(direction)];
    const int step = dx + dy * c.geo.width;
    const int across = dx == 0 ? 1 : c.geo.width;
    // The strip ends at the edge; beside an edge line lies the frame, which holds no stone.
    const int room = dx < 0 ? px - 1 : dx > 0 ? n - px : dy < 0 ? py - 1 : n - py;
    std::array<StripStone, 3 * (kReaches + 1)> strip;
    int count = 0;
    for (int line = 1, centre = c.p + step; line <= std::min(room, kReaches + 1); ++line, centre += step)
      for (int side : {0, -1, 1}) {
        const int b = centre + side * across;
        if (c.isStone(b)) strip[static_cast<std::size_t>(count++)] = {b, line, side, c.stone(b)};
      }

    for (int i = 0; i < count; ++i) {
      const StripStone& partner = strip[static_cast<std::size_t>(i)];
      if (partner.line < 2) continue;
      const int k = partner.line - 2;
      const auto ki = static_cast<std::size_t>(k);
      const bool enemy = partner.colour != c.own;
      const bool knight = partner.side != 0;
      const Figure f =
          knight ? (enemy ? kEnemyKnight[ki] : kOwnKnight[ki]) : (enemy ? kEnemyStraight[ki] : kOwnStraight[ki]);
      ev.add(f, partner.point);
      ev.removeVeto(f, partner.point);
      // A stone in atari is no partner.
      if (c.liberties(partner.point) == 1) ev.addVeto(f, partner.point);
      c.partners[static_cast<std::size_t>(c.partnerCount++)] =
          Partner{static_cast<std::int16_t>(partner.point), f,      static_cast<std::int8_t>(k),
                  static_cast<std::int8_t>(direction),      knight, enemy};

      // A stone of the other colour between the two, nearer to the partner
      // than the played stone is, cuts the jump. One two lines across from
      // the partner is on the far side of the played stone's line and cuts
      // nothing.
      const int reach = partner.line + std::abs(partner.side);
      for (int j = 0; j < count && strip[static_cast<std::size_t>(j)].line < partner.line; ++j) {
        const StripStone& blocker = strip[static_cast<std::size_t>(j)];
        if (blocker.colour == partner.colour) continue;
        const int across = std::abs(blocker.side - partner.side);
        if (across != 2 && partner.line - blocker.line + across < reach) {
          ev.addVeto(f, partner.point);
          break;
        }
      }
    }
  }
}

}  // namespace mokuza::naming
