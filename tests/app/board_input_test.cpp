// Board clicks through the application: each tool changes the record and
// leaves its history line; the icon strip; the range tool and its button.

#include <gtest/gtest.h>

#include "app/board_input.h"
#include "app/layout.h"
#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/record/sgf_point.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

class BoardInputTest : public AppTest {
 protected:
  void open(std::u16string_view sgf, int move) {
    layoutWindow(*app);
    ReadOptions options;
    ASSERT_EQ(loadRecordText(app->doc, sgf, options), kReadOk);
    showMove(app->doc, move);
    recordUndo(app->doc, u"開く");
    app->paint();
  }
  app::MousePos at(std::string_view point) const {
    const render::BoardGeometry& g = app->layout.geometry;
    const int u = decodeSgfPoint(point, 19).index;
    return {g.boardLeft + u % 19 * g.pitch + g.halfPitch, g.boardTop + u / 19 * g.pitch + g.halfPitch};
  }
  app::MousePos icon(int i) const { return {app->painter.iconRects()[i].center().x(), 1}; }
  void drag(app::MousePos from, app::MousePos to, bool right = false) {
    if (right) return app->onRightDown(from, {}), app->onRightUp(to, {});
    app->onLeftDown(from, {});
    app->onLeftUp(to, {});
  }
  std::string lastChange() const { return utf16ToUtf8(app->doc.undoEntries.back().description); }
};

TEST_F(BoardInputTest, EachToolChangesTheRecordAndLeavesItsHistoryLine) {
  const struct {
    int tool;
    const char *from, *to;
    bool right;
    const char* change;
  } cases[] = {
      {1006, "cc", "cc", false, "黒石"},    {1006, "cc", "cc", true, "白石"},
      {1007, "cc", "cc", false, "白石"},    {1008, "aa", "aa", false, "▲印"},
      {1012, "cc", "cc", false, "文字：a"}, {1005, "aa", "cc", false, "黒位置変更 0101 →0303"},
      {1006, "aa", "", false, "1手目削除"},
  };
  for (const auto& c : cases) {
    open(u"(;GM[1];B[aa];W[bb])", 2);
    const app::MousePos beside{at("sa").x + 30, at("sa").y};
    app->onPanelCommand(c.tool);
    drag(at(c.from), *c.to ? at(c.to) : beside, c.right);
    EXPECT_EQ(lastChange(), c.change) << c.tool << " " << c.from;
  }
  EXPECT_EQ(utf16ToUtf8(app->labelText), "b");
}

TEST_F(BoardInputTest, IconsStepUndoAndShowTheirPressedStateWhileAutoPlayIsIdle) {
  open(u"(;GM[1];B[aa];W[bb];B[cc])", 3);
  app->onLeftDown(icon(0), {});
  EXPECT_TRUE(app->renderState().pressedIcons.test(0));
  app->onLeftUp(icon(0), {});
  EXPECT_EQ(app->doc.currentMove(), 0);
  EXPECT_FALSE(app->renderState().pressedIcons.any());
  drag(icon(5), icon(5));
  EXPECT_EQ(app->doc.currentMove(), 3);
  app->onPanelCommand(1116);
  EXPECT_EQ(lastChange(), "左右反転");
  drag(icon(13), icon(13));
  EXPECT_EQ(app->doc.record().lineCopy[1].point, 0) << "undone";
  app->DispatchCommand(30111);  // auto-play
  drag(icon(0), icon(0));
  EXPECT_NE(app->doc.currentMove(), 0);
}

TEST_F(BoardInputTest, TheRangeToolEnablesRangeDeletionAndLimitsTheButtons) {
  open(u"(;GM[1];B[aa];W[ss];B[])", 3);
  EXPECT_FALSE(app::rangeDeleteEnabled(*app));
  app->onPanelCommand(1013);
  EXPECT_TRUE(app::rangeDeleteEnabled(*app));
  drag(at("aa"), at("bb"));
  app->onPanelCommand(1122);
  EXPECT_EQ(app->doc.record().lineCopy[2].point, 360) << "outside the range";
  EXPECT_EQ(app->doc.record().lineCopy[1].point, 1);
  app->onPanelCommand(1005);
  EXPECT_FALSE(app::rangeDeleteEnabled(*app));
  app->onPanelCommand(1111);
  EXPECT_EQ(std::tuple(app->doc.moveCount(), lastChange()), std::tuple(4, "4手目着手")) << "a pass";
}

}  // namespace
}  // namespace mokuza::test
