// The mouse on the board: holds counted in timer ticks, clicks handed to board
// input, the wheel. The geometry is set here; the point under it is the layout's.

#include <gtest/gtest.h>

#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/record/sgf_point.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

class PointerTest : public AppTest {
 protected:
  PointerTest() {
    app->layout.geometry = {
        .boardSize = 19, .pitch = 21, .halfPitch = 10, .extent = 19 * 21, .boardLeft = 100, .boardTop = 50};
  }
  void load(std::u16string_view sgf, int move) {
    ReadOptions options;
    ASSERT_EQ(loadRecordText(app->doc, sgf, options), kReadOk);
    showMove(app->doc, move);
  }
  static app::MousePos at(std::string_view point) {
    const int u = decodeSgfPoint(point, 19).index;
    return {100 + u % 19 * 21 + 10, 50 + u / 19 * 21 + 10};
  }
  void ticks(int count) {
    for (int i = 0; i < count; ++i) app->onTimer();
  }
  void click(std::string_view point) {
    app->onLeftDown(at(point), {});
    app->onLeftUp(at(point), {});
  }
  void holdRight(std::string_view point, int tickCount) {
    app->onRightDown(at(point), {});
    ticks(tickCount);
    app->onRightUp(at(point), {});
  }
  // X black, O white, . empty, for points such as "dd pp".
  std::string stones(std::string_view points) const {
    std::string shown;
    for (std::size_t i = 0; i + 1 < points.size(); i += 3) {
      const int v = app->doc.shownPosition.boardGrid.stones[decodeSgfPoint(points.substr(i, 2), 19)];
      shown += v > 0 ? 'X' : v < 0 ? 'O' : '.';
    }
    return shown;
  }
};

TEST_F(PointerTest, TheRightAndBottomEdgesAreOffTheBoard) {
  const std::pair<app::MousePos, int> cases[] = {
      {{100, 50}, 0}, {{498, 50}, 18}, {{499, 50}, -1}, {{100, 448}, 342}, {{100, 449}, -1}};
  for (const auto& [position, point] : cases) {
    app->onMouseMove(position, {});
    EXPECT_EQ(app->pointer.hoverPoint, point) << position.x << "," << position.y;
  }
}

TEST_F(PointerTest, HoldingLeftReversesTheColourToPlayUnlessAStoneIsPickedUp) {
  load(u"(;GM[1];B[dd])", 1);
  app->onLeftDown(at("pp"), {});
  ticks(9);
  EXPECT_EQ(app->doc.colourToPlay, -1);
  ticks(1);
  EXPECT_EQ(app->doc.colourToPlay, 1);
  app->onLeftUp(at("pp"), {});
  EXPECT_EQ(stones("pp") + std::to_string(app->doc.moveCount()), "X2") << "the release plays the reversed colour";

  app->onLeftDown(at("dd"), {});
  EXPECT_EQ(window.cursor, app::CursorKind::PickedStone);
  ticks(10);
  EXPECT_EQ(app->doc.colourToPlay, -1);
  app->onLeftUp(at("dd"), {});
  EXPECT_EQ(app->doc.moveCount(), 2);
  EXPECT_EQ(window.timerPeriod, 1000) << "one period after a click";
  ticks(1);
  EXPECT_EQ(window.log.back(), "killTimer");
}

TEST_F(PointerTest, AShortRightClickReachesBoardInputALongOneDoesNot) {
  load(u"(;GM[1];B[dd];W[pp])", 2);
  holdRight("qq", 5);
  EXPECT_EQ(app->doc.moveCount(), 2);
  holdRight("qq", 4);
  EXPECT_EQ(app->doc.moveCount(), 1) << "a right click on the last move deletes it";
}

TEST_F(PointerTest, HoldingRightReversesTheStoneTheRecordPlaced) {
  // Stones at ba aa ab cc; Black's ba helps capture aa at move 3. Which
  // stones reverse is ReverseStoneTest's; here, how long a hold takes.
  const std::tuple<const char*, int, const char*> cases[] = {
      {"ba", 5, "OOXO"},   // the move turns white and aa is no longer captured
      {"ba", 10, "X.XO"},  // the count restarts: reversed twice
  };
  for (const auto& [point, tickCount, shown] : cases) {
    load(u"(;GM[1]AW[cc];B[ba];W[aa];B[ab])", 3);
    holdRight(point, tickCount);
    EXPECT_EQ(stones("ba aa ab cc"), shown) << point << " " << tickCount;
    EXPECT_EQ(app->doc.currentMove(), 3);
  }
}

TEST_F(PointerTest, AClickPlaysAndTheWheelStepsUnlessADialogIsOpen) {
  load(u"(;GM[1])", 0);
  click("cd");
  click("dc");
  EXPECT_EQ(stones("cd dc") + std::to_string(app->doc.currentMove()), "XO2");
  app->onWheel(2, {});
  EXPECT_EQ(app->doc.currentMove(), 0);
  app->onWheel(-1, {});
  EXPECT_EQ(app->doc.currentMove(), 1);
  window.modal = true;
  app->onWheel(-1, {});
  EXPECT_EQ(app->doc.currentMove(), 1);
}

}  // namespace
}  // namespace mokuza::test
