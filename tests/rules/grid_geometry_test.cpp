#include "core/rules/grid_geometry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "tests/rules/rules_test_support.h"

namespace mokuza::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

using PointTest = std::function<bool(const PointInfo&)>;

// SGF names of the board points whose PointInfo passes the test, sorted.
std::vector<std::string> pointsWhere(const GridGeometry& g, const PointTest& test) {
  std::vector<BorderedPoint> points;
  for (BorderedPoint b{0}; b.index < g.borderedCount; ++b.index)
    if (test(g.info[b])) points.push_back(b);
  return names(g, points);
}

const PointTest cornerStar = [](const PointInfo& p) { return p.cornerStar != 0; };
const PointTest sideStar = [](const PointInfo& p) { return p.sideStar != 0; };
const PointTest centre = [](const PointInfo& p) { return p.centre != 0; };
const PointTest anyNamed = [](const PointInfo& p) {
  return p.cornerStar || p.sideStar || p.centre || p.komoku || p.mokuhazushi || p.takamoku;
};

TEST(GridGeometryTest, NamedPointsFollowTheBoardSize) {
  const struct {
    int n;
    PointTest test;
    std::vector<std::string> points;
  } cases[] = {
      {9, cornerStar, {"cc", "cg", "gc", "gg"}},
      {9, centre, {"ee"}},
      {13, cornerStar, {"dd", "dj", "jd", "jj"}},
      {19, cornerStar, {"dd", "dp", "pd", "pp"}},
      {19, sideStar, {"dj", "jd", "jp", "pj"}},
      {19, centre, {"jj"}},
      {19, [](const PointInfo& p) { return p.komoku != 0; }, {"cd", "cp", "dc", "dq", "pc", "pq", "qd", "qp"}},
      {19, [](const PointInfo& p) { return p.mokuhazushi != 0; }, {"ce", "co", "ec", "eq", "oc", "oq", "qe", "qo"}},
      {19, [](const PointInfo& p) { return p.takamoku != 0; }, {"de", "do", "ed", "ep", "od", "op", "pe", "po"}},
  };
  for (const auto& c : cases)
    EXPECT_THAT(pointsWhere(makeGridGeometry(c.n), c.test), ElementsAreArray(c.points)) << "N = " << c.n;
  for (int n = 2; n <= 18; ++n) {
    EXPECT_THAT(pointsWhere(makeGridGeometry(n), n < 9 ? anyNamed : sideStar), IsEmpty()) << "N = " << n;
    if (n % 2 != 0) continue;
    EXPECT_THAT(pointsWhere(makeGridGeometry(n), centre), IsEmpty()) << "N = " << n;
  }
}

TEST(GridGeometryTest, LineNumbersCountFromTheNearerEdge) {
  const GridGeometry g = makeGridGeometry(19);
  const PointInfo& p = g.info[borderedAt(g, "pr")];  // fourth line from the right, second from the bottom
  EXPECT_THAT((std::vector<int>{p.lineX, p.lineY, p.height, p.depth, p.x, p.y}), ElementsAre(4, 2, 2, 4, 16, 18));
  EXPECT_EQ(g.centreLine, 10);
  EXPECT_EQ(makeGridGeometry(8).centreLine, -1);
}

TEST(GridGeometryTest, FrameAndConversionsHoldForEveryBoardSize) {
  for (int n = 2; n <= 19; ++n) {
    const GridGeometry g = makeGridGeometry(n);
    for (BorderedPoint b{0}; b.index < g.borderedCount; ++b.index) {
      const PointInfo& p = g.info[b];
      EXPECT_EQ(p.frame != 0, p.x == 0 || p.y == 0 || p.x == n + 1 || p.y == n + 1) << "N = " << n << ", " << b.index;
    }
    for (RecordPoint u{0}; u.index < g.pointCount; ++u.index) {
      const BorderedPoint b = g.bordered(u);
      ASSERT_TRUE(g.isBoardPoint(b)) << "N = " << n << ", u = " << u.index;
      EXPECT_EQ(g.info[b].x, u.index % n + 1);
      EXPECT_EQ(g.info[b].y, u.index / n + 1);
      EXPECT_EQ(g.unbordered(b), u);
    }
    EXPECT_TRUE(g.bordered(RecordPoint{g.pointCount}).isPass()) << "off the board is the pass";
    EXPECT_TRUE(g.unbordered(BorderedPoint{}).isPass());
  }
  EXPECT_EQ(makeGridGeometry(20).n, 19);
}

}  // namespace
}  // namespace mokuza::test
