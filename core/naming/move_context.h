#pragma once
// What the evidence stages read about one played move: the position after
// it, the one before, and the measures the tests are written in.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/naming/evidence.h"
#include "core/naming/figures.h"
#include "core/record/bits.h"
#include "core/rules/board.h"

namespace mokuza::naming {

using FigureLayerRow = BorderedArray<std::int16_t>;

// A stone found by the jump stage: k + 2 points straight from the played
// stone, or beside that point (a knight's move of the same reach).
struct Partner {
  std::int16_t point;
  std::int8_t k;
  std::int8_t direction;  // index into the neighbour order
  bool knight;
  bool uncut;  // no stone of the other colour between it and the played stone
};

constexpr int kJumpReaches = 6;

// The partners of one kind as bits, a byte for each strip running out from the
// played stone: one per direction for straight jumps, two (side -1, side +1)
// per direction for knight's moves; bit 1 + k of a byte for reach k. A
// Partner is made from its bit only where a test reads it: most moves read
// few of the lists, and those at short reach. No test depends on the order
// partners come in.
class PartnerList {
 public:
  static constexpr int kCapacity = 4 * kJumpReaches * 2;  // four directions, two points beside per reach

  PartnerList() = default;
  PartnerList(std::uint64_t stones, std::uint64_t uncut, bool knight, int played, const GridGeometry& geo)
      : stones_(stones), uncut_(uncut), geo_(&geo), played_(played), knight_(knight) {}

  // Walks the set bits, lowest first, making each one's Partner.
  struct Iterator {
    const PartnerList* list;
    std::uint64_t bits;
    Partner operator*() const { return list->at(std::countr_zero(bits)); }
    Iterator& operator++() {
      bits &= bits - 1;
      return *this;
    }
    bool operator==(const Iterator& other) const { return bits == other.bits; }
  };
  struct Range {
    Iterator first;
    Iterator begin() const { return first; }
    Iterator end() const { return {first.list, 0}; }
    int size() const { return countBits(first.bits); }
  };

  // The partners of reach low .. high.
  Range reach(int low, int high) const { return {{this, stones_ & within(low, high)}}; }
  // Those not cut off: the only ones that can be live, which most tests ask for.
  Range uncut(int low = 0, int high = kJumpReaches - 1) const { return {{this, uncut_ & within(low, high)}}; }

 private:
  // Bits 1 + low .. 1 + high of every byte.
  static std::uint64_t within(int low, int high) {
    return ((std::uint64_t{2} << (high + 1)) - (std::uint64_t{2} << low)) * 0x0101010101010101ull;
  }
  Partner at(int bit) const {
    const int slot = bit >> 3;
    const int k = (bit & 7) - 1;
    const int direction = knight_ ? slot >> 1 : slot;
    // Up and down (0, 3) step across by one point, left and right (1, 2) by a row: no branch on the direction.
    const int across = 1 + ((direction ^ (direction >> 1)) & 1) * (geo_->width - 1);
    const int side = knight_ ? (slot & 1) * 2 - 1 : 0;
    const int point = played_ + (k + 2) * geo_->neighbours[static_cast<std::size_t>(direction)] + side * across;
    return Partner{static_cast<std::int16_t>(point), static_cast<std::int8_t>(k), static_cast<std::int8_t>(direction),
                   knight_, ((uncut_ >> bit) & 1u) != 0};
  }

  std::uint64_t stones_ = 0;
  std::uint64_t uncut_ = 0;
  const GridGeometry* geo_ = nullptr;
  int played_ = 0;
  bool knight_ = false;
};

// Indexes of MoveContext::partners: knight's move + 2 * enemy.
enum PartnerKind : std::size_t { kOwnStraightJump, kOwnKnightJump, kEnemyStraightJump, kEnemyKnightJump };

struct MoveContext {
  // The scratch arrays are left unset: they are filled before they are read.
  MoveContext(const Board& replayed, const ChainIdRow& chainIds, int chainsBefore, const FigureLayerRow& layerBefore)
      : board(replayed),
        geo(replayed.geometry),
        grid(replayed.position.playGrid),
        chains(replayed.position.chains),
        ids(chainIds),
        previousChainCount(chainsBefore),
        previousLayer(layerBefore) {}

  const Board& board;
  const GridGeometry& geo;
  const PlayGrid& grid;
  const std::vector<Chain>& chains;
  const ChainIdRow& ids;
  int previousChainCount;
  const FigureLayerRow& previousLayer;
  int move = 0;
  int p = 0;              // the played point; the stages work in the bordered numbering
  int own = 0;            // colour of the played stone
  int kakariFigure = -1;  // number of the approach figure, for answers to it
  // The stones around the played one, counted once for the stages.
  int emptyNeighbours = 0;
  int ownNeighbours = 0;
  int enemyNeighbours = 0;
  int ownDiagonals = 0;
  int enemyDiagonals = 0;
  std::array<PartnerList, 4> partners;  // by PartnerKind
  // The jump figures (all numbered below 64) with a partner not cut off, as
  // bits. Whether one is live, not in atari, is asked only of those the choice
  // reaches: few moves are named by a jump, so most partners are never asked.
  std::uint64_t jumpFigures = 0;

  // Sets the counts of stones next to and diagonal to the played point, p and own being set.
  void countNeighbours() {
    for (int offset : geo.neighbours) {
      emptyNeighbours += isEmpty(p + offset);
      ownNeighbours += isOwn(p + offset);
      enemyNeighbours += isEnemy(p + offset);
    }
    for (int offset : geo.diagonals) {
      ownDiagonals += isOwn(p + offset);
      enemyDiagonals += isEnemy(p + offset);
    }
  }

  const PointInfo& info(int b) const { return geo.info[BorderedPoint{b}]; }
  int stone(int b) const { return grid[BorderedPoint{b}]; }
  bool isOwn(int b) const { return stone(b) == own; }
  bool isEnemy(int b) const { return stone(b) == -own; }
  bool isEmpty(int b) const { return stone(b) == kStoneEmpty; }
  bool isStone(int b) const { return stone(b) == kStoneBlack || stone(b) == kStoneWhite; }

  int chainId(int b) const { return ids[BorderedPoint{b}]; }
  const Chain* chainAt(int b) const {
    const int id = chainId(b);
    return id >= 0 && id < static_cast<int>(chains.size()) ? &chains[static_cast<std::size_t>(id)] : nullptr;
  }
  int liberties(int b) const {
    const Chain* c = chainAt(b);
    return c ? c->libertyCount() : 0;
  }
  // A partner that is neither cut off from the played stone nor in atari.
  bool live(const Partner& a) const { return a.uncut && liberties(a.point) != 1; }
  int chainSize(int b) const {
    const Chain* c = chainAt(b);
    return c ? c->stones.size() : 0;
  }
  // A stone with no neighbour of its colour: cheaper than counting its chain.
  bool isSingleStone(int b) const {
    if (!isStone(b)) return false;
    for (int offset : geo.neighbours)
      if (stone(b + offset) == stone(b)) return false;
    return true;
  }
  // Liberties the chain holding b had before this move; 0 when it held none.
  // Rebuilt from the position before, which only a rare test asks for.
  int previousLiberties(int b) const { return chainLibertiesAt(board, move - 1, BorderedPoint{b}); }

  int x(int b) const { return info(b).x; }
  int y(int b) const { return info(b).y; }
  int height(int b) const { return info(b).height; }
  bool onBoard(int x, int y) const { return x >= 1 && y >= 1 && x <= geo.n && y <= geo.n; }
  int pointAt(int x, int y) const { return y * geo.width + x; }
};

// Direction steps in the neighbour order: up, left, right, down.
inline constexpr std::array<int, 4> kStepX{0, -1, 1, 0};
inline constexpr std::array<int, 4> kStepY{-1, 0, 0, 1};
constexpr int opposite(int direction) { return 3 - direction; }
constexpr bool isVertical(int direction) { return direction == 0 || direction == 3; }

inline int manhattan(const MoveContext& c, int a, int b) {
  return std::abs(c.x(a) - c.x(b)) + std::abs(c.y(a) - c.y(b));
}
// max(|dx|, |dy|) * 100 + min(|dx|, |dy|): 200 a one-space jump, 201 a knight's move.
inline int shapeCode(const MoveContext& c, int a, int b) {
  const int dx = std::abs(c.x(a) - c.x(b)), dy = std::abs(c.y(a) - c.y(b));
  return std::max(dx, dy) * 100 + std::min(dx, dy);
}
// The line a stone stands on counted across a direction: moving up or down
// the relevant edge is the side one, so the column's line.
inline int lineAcross(const MoveContext& c, int b, int direction) {
  return isVertical(direction) ? c.info(b).lineX : c.info(b).lineY;
}

// The point next to b one line farther from the edge than the line through
// b in `direction`; -1 when there is none.
inline int pointAbove(const MoveContext& c, int b, int direction) {
  const int line = lineAcross(c, b, direction);
  for (int side : {-1, 1}) {
    const int x = c.x(b) + (isVertical(direction) ? side : 0), y = c.y(b) + (isVertical(direction) ? 0 : side);
    if (c.onBoard(x, y) && lineAcross(c, c.pointAt(x, y), direction) == line + 1) return c.pointAt(x, y);
  }
  return -1;
}
// The neighbour of b, a stone or point on the board, in `direction`: a point
// or the frame, which holds no stone, so no test for the edge is needed.
inline int besideOf(const MoveContext& c, int b, int direction) {
  return b + c.geo.neighbours[static_cast<std::size_t>(direction)];
}
// The point `steps` steps from b in `direction`; -1 off the board.
inline int stepFrom(const MoveContext& c, int b, int direction, int steps = 1) {
  const int x = c.x(b) + kStepX[static_cast<std::size_t>(direction)] * steps;
  const int y = c.y(b) + kStepY[static_cast<std::size_t>(direction)] * steps;
  return c.onBoard(x, y) ? c.pointAt(x, y) : -1;
}
inline bool isOwnAt(const MoveContext& c, int b) { return b >= 0 && c.isOwn(b); }
inline bool isEnemyAt(const MoveContext& c, int b) { return b >= 0 && c.isEnemy(b); }
inline bool isEmptyAt(const MoveContext& c, int b) { return b >= 0 && c.isEmpty(b); }

// A crawl in `direction`: the played stone extends the own stone behind it
// along the first or second line, with enemy stones above both.
struct Crawl {
  int behind = -1;
  int abovePlayed = -1;
  int aboveBehind = -1;
};
inline bool findCrawl(const MoveContext& c, int direction, Crawl& crawl) {
  if (lineAcross(c, c.p, direction) > 2) return false;
  crawl.behind = stepFrom(c, c.p, opposite(direction));
  if (!isOwnAt(c, crawl.behind)) return false;
  crawl.abovePlayed = pointAbove(c, c.p, direction);
  crawl.aboveBehind = pointAbove(c, crawl.behind, direction);
  return isEnemyAt(c, crawl.abovePlayed) && isEnemyAt(c, crawl.aboveBehind);
}

// Whether a stone of `colour` other than the played one stands in columns
// x0 .. x1 and rows y0 .. y1 (bordered; x0 >= 0, x1 <= 21): a test of each
// row's word, not of each point. Frame rows and columns hold no stone bits,
// so the rectangle may reach into them, and rows off the grid read as empty.
inline bool colourInRect(const MoveContext& c, int colour, int x0, int x1, int y0, int y1) {
  const StoneBits& bits = c.board.position.stoneBits;
  const std::uint32_t columns = ((std::uint32_t{2} << x1) - 1) & ~((std::uint32_t{1} << x0) - 1);
  const std::uint32_t played = std::uint32_t{colour == c.own} << c.x(c.p);
  const int playedRow = c.y(c.p);
  std::uint32_t any = 0;
  for (int y = y0; y <= y1; ++y) any |= bits.row(colour, y) & columns & ~(played * (y == playedRow));
  return any != 0;
}

// An own stone other than the played one within two lines of `enemy`, on the
// far side of it from the played stone along the main axis between them.
inline bool ownStoneBeyond(const MoveContext& c, int enemy) {
  const int ex = c.x(enemy), ey = c.y(enemy);
  const int dx = ex - c.x(c.p), dy = ey - c.y(c.p);
  const int left = std::max(ex - 2, 0);
  if (std::abs(dx) >= std::abs(dy))
    return dx > 0 ? colourInRect(c, c.own, ex + 1, ex + 2, ey - 2, ey + 2)
                  : colourInRect(c, c.own, left, ex - 1, ey - 2, ey + 2);
  return dy > 0 ? colourInRect(c, c.own, left, ex + 2, ey + 1, ey + 2)
                : colourInRect(c, c.own, left, ex + 2, ey - 2, ey - 1);
}

// The stages of the classifier, in the order they run.
void addContacts(const MoveContext& c, Evidence& ev);                    // contacts, escape, connection, wedge
void addSquares(const MoveContext& c, Evidence& ev);                     // the four 2 x 2 squares around the move
void findJumps(MoveContext& c);                                          // partners at jump and knight's move reach
void jumpStones(const MoveContext& c, Figure figure, PointSet& stones);  // the live partners of a jump figure
void addLineTests(const MoveContext& c, Evidence& ev);                   // pushing and blocking along lines
void addFrameworkTests(const MoveContext& c, Evidence& ev);              // opening framework moves
void addFightingTests(const MoveContext& c, Evidence& ev);               // contact and fighting moves
// The late stages, run last:
void addLateFightingTests(const MoveContext& c, Evidence& ev);  // peeps, hanging connections ...
void addOpeningPoints(const MoveContext& c, Evidence& ev);      // 3-3, 3-4, 4-4 ...

// A stage that gives evidence for its own figures only, which no other stage
// reads, is passed over when the move already has a figure the table ranks
// above all of them and that no later stage can take away. Keep these lists
// in step with the stages. The framework stage's figures:
inline constexpr std::array kFrameworkFigures{kHasamitsuke, kSuberi,     kHiraki,   kShimari,    kKakari,
                                              kUke,         kWariuchi,   kUchikomi, kOki,        kTsume,
                                              kBoushi,      kSusogakari, kHasami,   kKakeTaisha, kKatatsuki};
// The figures the stages after the framework stage veto, clear or replace.
inline constexpr std::array kTakenAwayAfterFramework{kAte,   kKakae,      kOshi, kOsae,  kSagari, kNobi,
                                                     kTsugi, kTsukiatari, kDe,   kTsuke, kWatari, kHai};
// The late stages' figures.
inline constexpr std::array kLateFigures{kNozoki, kKake,   kIkken,    kHekomi,      kKaketsugi, kTsukekoshi, kHoshi,
                                         kSansan, kKomoku, kTakamoku, kMokuhazushi, kGonogo,    kTengen};

}  // namespace mokuza::naming
