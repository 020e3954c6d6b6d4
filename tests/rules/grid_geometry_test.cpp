#include "core/rules/grid_geometry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "core/rules/board.h"
#include "tests/rules/rules_test_support.h"

namespace mokuza::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// SGF names of the board points whose PointInfo passes the test, sorted.
std::vector<std::string> pointsWhere(const GridGeometry& g, const std::function<bool(const PointInfo&)>& test) {
  std::vector<std::int16_t> points;
  for (int b = 0; b < g.borderedCount; ++b)
    if (test(g.info[static_cast<std::size_t>(b)])) points.push_back(static_cast<std::int16_t>(b));
  return names(g, points);
}

auto cornerStar = [](const PointInfo& p) { return p.cornerStar != 0; };
auto sideStar = [](const PointInfo& p) { return p.sideStar != 0; };
auto centre = [](const PointInfo& p) { return p.centre != 0; };

TEST(GridGeometryTest, BoardsBelowNineHaveNoNamedPoints) {
  for (int n = 2; n <= 8; ++n) {
    const GridGeometry g = makeGridGeometry(n);
    EXPECT_THAT(pointsWhere(g,
                            [](const PointInfo& p) {
                              return p.cornerStar || p.sideStar || p.centre || p.komoku || p.mokuhazushi ||
                                     p.takamoku || p.reserved13 || p.reserved14;
                            }),
                IsEmpty())
        << "N = " << n;
  }
}

TEST(GridGeometryTest, StarPointsFollowTheBoardSize) {
  const GridGeometry nine = makeGridGeometry(9);
  EXPECT_THAT(pointsWhere(nine, cornerStar), ElementsAre("cc", "cg", "gc", "gg"));
  EXPECT_THAT(pointsWhere(nine, centre), ElementsAre("ee"));

  const GridGeometry twelve = makeGridGeometry(12);
  EXPECT_THAT(pointsWhere(twelve, cornerStar), ElementsAre("cc", "cj", "jc", "jj"));
  EXPECT_THAT(pointsWhere(twelve, centre), IsEmpty());

  const GridGeometry thirteen = makeGridGeometry(13);
  EXPECT_THAT(pointsWhere(thirteen, cornerStar), ElementsAre("dd", "dj", "jd", "jj"));
  EXPECT_THAT(pointsWhere(thirteen, centre), ElementsAre("gg"));

  const GridGeometry nineteen = makeGridGeometry(19);
  EXPECT_THAT(pointsWhere(nineteen, cornerStar), ElementsAre("dd", "dp", "pd", "pp"));
  EXPECT_THAT(pointsWhere(nineteen, sideStar), ElementsAre("dj", "jd", "jp", "pj"));
  EXPECT_THAT(pointsWhere(nineteen, centre), ElementsAre("jj"));

  for (int n = 2; n <= 18; ++n) EXPECT_THAT(pointsWhere(makeGridGeometry(n), sideStar), IsEmpty()) << "N = " << n;
  for (int n = 10; n <= 18; n += 2) EXPECT_THAT(pointsWhere(makeGridGeometry(n), centre), IsEmpty()) << "N = " << n;
}

TEST(GridGeometryTest, CornerApproachPointsOnNineteen) {
  const GridGeometry g = makeGridGeometry(19);
  EXPECT_THAT(pointsWhere(g, [](const PointInfo& p) { return p.komoku != 0; }),
              ElementsAre("cd", "cp", "dc", "dq", "pc", "pq", "qd", "qp"));
  EXPECT_THAT(pointsWhere(g, [](const PointInfo& p) { return p.mokuhazushi != 0; }),
              ElementsAre("ce", "co", "ec", "eq", "oc", "oq", "qe", "qo"));
  EXPECT_THAT(pointsWhere(g, [](const PointInfo& p) { return p.takamoku != 0; }),
              ElementsAre("de", "do", "ed", "ep", "od", "op", "pe", "po"));
}

TEST(GridGeometryTest, LineNumbersCountFromTheNearerEdge) {
  const GridGeometry g = makeGridGeometry(19);
  const PointInfo& threeThree = g.info[static_cast<std::size_t>(at(g, "qc"))];
  EXPECT_EQ(threeThree.lineX, 3);
  EXPECT_EQ(threeThree.lineY, 3);
  const PointInfo& p =
      g.info[static_cast<std::size_t>(at(g, "pr"))];  // fourth line from the right, second from the bottom
  EXPECT_EQ(p.lineX, 4);
  EXPECT_EQ(p.lineY, 2);
  EXPECT_EQ(p.height, 2);
  EXPECT_EQ(p.depth, 4);
  EXPECT_EQ(p.x, 16);
  EXPECT_EQ(p.y, 18);
  EXPECT_EQ(g.info[static_cast<std::size_t>(at(g, "jj"))].height, 10);
  EXPECT_EQ(g.centreLine, 10);
  EXPECT_EQ(makeGridGeometry(8).centreLine, -1);
}

TEST(GridGeometryTest, FrameSurroundsEveryBoardSize) {
  for (int n = 2; n <= 19; ++n) {
    Board board;
    SetBoardSize(board, n);
    const GridGeometry& g = board.geometry;
    int frameCells = 0;
    for (int b = 0; b < g.borderedCount; ++b) {
      const PointInfo& p = g.info[static_cast<std::size_t>(b)];
      const bool edge = p.x == 0 || p.y == 0 || p.x == n + 1 || p.y == n + 1;
      EXPECT_EQ(p.frame != 0, edge) << "N = " << n << ", b = " << b;
      EXPECT_EQ(board.position.playGrid[static_cast<std::size_t>(b)], edge ? kStoneFrame : kStoneEmpty);
      frameCells += p.frame;
    }
    EXPECT_EQ(frameCells, 4 * (n + 1)) << "N = " << n;
  }
}

TEST(GridGeometryTest, IndexConversionsRoundTrip) {
  for (int n = 2; n <= 19; ++n) {
    const GridGeometry g = makeGridGeometry(n);
    for (int u = 0; u < g.pointCount; ++u) {
      const int b = g.bordered(u);
      ASSERT_TRUE(g.isBoardPoint(b)) << "N = " << n << ", u = " << u;
      EXPECT_EQ(g.info[static_cast<std::size_t>(b)].x, u % n + 1);
      EXPECT_EQ(g.info[static_cast<std::size_t>(b)].y, u / n + 1);
      EXPECT_EQ(g.unbordered(b), u);
    }
    EXPECT_EQ(g.bordered(kPaddedPass), kPaddedPass);
    EXPECT_EQ(g.unbordered(kPaddedPass), kPaddedPass);
  }
}

TEST(GridGeometryTest, NeighboursRunUpLeftRightDown) {
  const GridGeometry g = makeGridGeometry(9);
  const int centrePoint = at(g, "ee");
  std::vector<std::string> neighbours, diagonals;
  for (int offset : g.neighbours) neighbours.push_back(name(g, centrePoint + offset));
  for (int offset : g.diagonals) diagonals.push_back(name(g, centrePoint + offset));
  EXPECT_THAT(neighbours, ElementsAre("ed", "de", "fe", "ef"));
  EXPECT_THAT(diagonals, ElementsAre("dd", "df", "fd", "ff"));
}

TEST(GridGeometryTest, SizesOutsideTheRangeBecomeNineteen) {
  EXPECT_EQ(makeGridGeometry(1).n, 19);
  EXPECT_EQ(makeGridGeometry(20).n, 19);
  EXPECT_EQ(makeGridGeometry(2).borderedCount, 16);
}

}  // namespace
}  // namespace mokuza::test
