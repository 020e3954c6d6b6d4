#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <tuple>

#include "render/board_geometry.h"
#include "render/export_region.h"

namespace mokuza::render {
namespace {

GeometryInputs window(int w, int h, int n, int panel = 0) {
  GeometryInputs in;
  in.clientWidth = w;
  in.clientHeight = h;
  in.panelWidth = panel;
  in.boardSize = n;
  return in;
}

TEST(BoardGeometryTest, PitchIsOddForEveryWindowAndBoard) {
  for (int n = 2; n <= 19; ++n)
    for (int w = 120; w < 2400; w += 53)
      for (int h = 90; h < 1600; h += 71) {
        const BoardGeometry g = ComputeBoardGeometry(window(w, h, n, w / 5));
        ASSERT_EQ(g.pitch % 2, 1) << n << " " << w << "x" << h;
        ASSERT_GE(g.pitch, 7);
        ASSERT_EQ(g.extent, n * g.pitch);
        ASSERT_GT(g.stoneSize, 0);
      }
}

TEST(BoardGeometryTest, DefaultWindowFollowsTheSizeSteps) {
  // 1280 x 960 with the panel of text size 2: cell = min(864, 1152 - 486) / 19 = 35,
  // v = 49 * 35 / 50 = 34, rounded up to the odd 35.
  const BoardGeometry g = ComputeBoardGeometry(window(1280, 960, 19, 486));
  // The margin "碁盤Ｘ" -200 is automatic; p19 = min(816, 792) / 19 = 41 places the top.
  EXPECT_EQ(std::tuple(g.pitch, g.halfPitch, g.boardLeft, g.boardTop, g.stoneInset, g.markInset),
            std::tuple(35, 17, 486 + 16, 55 - 2 * 41 / 3 - 16 + 41, 1, 10));
  EXPECT_EQ(g.infoTop, g.boardTop + g.extent + 35 / 4);
}

TEST(BoardGeometryTest, ADamagedDesignKeepsTheBoardAllocatable) {
  GeometryInputs large = window(2000, 1500, 19);
  large.absolutePitch = 1000000;  // a damaged design: the board stays allocatable
  EXPECT_LE(ComputeBoardGeometry(large).extent, 4096);
  EXPECT_EQ(ComputeBoardGeometry(large).pitch % 2, 1);
  large.absolutePitch = 0;
  large.boardSizeStep = INT32_MAX;
  large.marginX = large.marginY = INT32_MAX;
  EXPECT_LE(ComputeBoardGeometry(large).extent, 4096);
}

TEST(BoardGeometryTest, AutomaticPlacementCentresAndMovesUpForTheStatusBar) {
  GeometryInputs in = window(1000, 800, 9);
  in.marginX = in.marginY = 0;
  BoardGeometry g = ComputeBoardGeometry(in);
  EXPECT_EQ(g.boardLeft, (1000 - g.extent) / 2);
  EXPECT_EQ(g.boardTop, (800 - g.extent) / 2);
  in.statusBarShown = true;
  in.statusBarHeight = 20;
  EXPECT_EQ(ComputeBoardGeometry(in).boardTop, (800 - g.extent) / 2 - 10);
}

// The row labels (two digits start 4 x (pitch / 9) + 6 left of the board), the
// column labels (from 6 below it, half a pitch high), the icon strip and the
// status bar all keep clear of the board and of each other.
TEST(BoardGeometryTest, LabelsIconsAndStatusBarLeaveTheBoardInView) {
  struct Case {
    int w, h, panel, icons, status, style;
  };
  for (const Case c : {Case{900, 650, 486, 48, 22, 1}, Case{1280, 720, 486, 48, 22, 2}, Case{1280, 720, 0, 0, 22, 2},
                       Case{900, 650, 0, 0, 22, 1}, Case{1280, 800, 648, 64, 22, 0}, Case{1600, 900, 648, 64, 0, 3}}) {
    GeometryInputs in = window(c.w, c.h, 19, c.panel);
    in.iconStripHeight = c.icons;
    in.statusBarShown = c.status > 0;
    in.statusBarHeight = c.status;
    in.coordinateStyle = c.style;
    for (int marginY : {55, 0}) {
      in.marginY = marginY;
      const BoardGeometry g = ComputeBoardGeometry(in);
      const int labels = c.style > 0 ? 1 : 0;
      EXPECT_GE(g.boardLeft - labels * (4 * (g.pitch / 9) + 6), c.panel) << c.w << "x" << c.h << " " << c.panel;
      EXPECT_LE(g.boardTop + g.extent + labels * (6 + g.halfPitch), c.h - c.status) << c.w << "x" << c.h;
      EXPECT_GE(g.boardTop, c.icons) << c.w << "x" << c.h << " " << marginY;
    }
  }
}

TEST(BoardGeometryTest, StarPointsByBoardSize) {
  for (const auto& [n, stars, line] : {std::array{19, 9, 3}, {13, 5, 3}, {9, 5, 2}, {10, 4, 2}, {7, 0, 0}}) {
    const BoardGeometry g = ComputeBoardGeometry(window(800, 600, n));
    const auto corners = StarPointCorners(g);
    ASSERT_EQ(corners.size(), static_cast<std::size_t>(stars)) << n;
    if (stars > 0) {
      EXPECT_EQ(corners[0][0], line * g.pitch + g.starOffset) << n;  // third or fourth line
    }
  }
}

class ExportRegionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GeometryInputs in = window(1280, 960, 19);
    in.absolutePitch = 31;
    g = ComputeBoardGeometry(in);
    cut.clientWidth = 1280;
    cut.clientHeight = 960;
    cut.stones.assign(361, 0);
  }
  BoardGeometry g;
  ExportCut cut;
};

TEST_F(ExportRegionTest, EachChoiceCutsItsRegion) {
  EXPECT_EQ(exportRegion(cut, g), (PixelRect{g.boardLeft, g.boardTop, 589, 589}));
  cut.stones[3 + 15 * 19] = 1;
  cut.choice = kOutputLowerLeft;  // holds every stone
  EXPECT_EQ(exportRegion(cut, g), (PixelRect{g.boardLeft, g.boardTop + 14 * 31, 5 * 31, 5 * 31}));
  cut.choice = kOutputLowerLeftCoords;
  EXPECT_EQ(exportRegion(cut, g), (PixelRect{g.boardLeft - 31, g.boardTop + 14 * 31, 6 * 31, 6 * 31}));
  cut.stones[10 + 2 * 19] = -1;
  cut.choice = kOutputLowerLeft;
  EXPECT_EQ(exportRegion(cut, g), (PixelRect{g.boardLeft, g.boardTop + 31, 12 * 31, 18 * 31}));
  cut.choice = kOutputWhole;
  EXPECT_EQ(exportRegion(cut, g), (PixelRect{0, 0, 1280, 960}));
  for (int choice : {kOutputNone, kOutputStonesCurrent, kOutputStonesSource}) {
    cut.choice = choice;
    EXPECT_EQ(exportRegion(cut, g).width, 0);
  }
  cut.choice = kOutputBoard;
  cut.selection = true;  // the selected rectangle, its corners in any order
  cut.x1 = 5, cut.y1 = 1, cut.x2 = 2, cut.y2 = 3;
  EXPECT_EQ(exportRegion(cut, g), (PixelRect{g.boardLeft + 2 * 31, g.boardTop + 31, 4 * 31, 3 * 31}));
}

}  // namespace
}  // namespace mokuza::render
