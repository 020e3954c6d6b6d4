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
  // A board point by its SGF letters, "#i" icon i, "" beside the board.
  app::MousePos at(std::string_view point) const {
    const render::BoardGeometry& g = app->layout.geometry;
    if (point.empty()) return {g.boardLeft + g.extent + 20, g.boardTop};
    if (point[0] == '#') return {app->painter.iconRects()[std::stoul(std::string(point.substr(1)))].center().x(), 1};
    const int u = decodeSgfPoint(point, 19).index;
    return {g.boardLeft + u % 19 * g.pitch + g.halfPitch, g.boardTop + u / 19 * g.pitch + g.halfPitch};
  }
  void drag(std::string_view from, std::string_view to) {
    app->onLeftDown(at(from), {});
    app->onLeftUp(at(to), {});
  }
  std::string lastChange() const { return utf16ToUtf8(app->doc.undoEntries.back().description); }
  int point(int move) const { return app->doc.record().lineCopy[static_cast<std::size_t>(move)].point; }
};

TEST_F(BoardInputTest, EachToolChangesTheRecordAndLeavesItsHistoryLine) {
  const std::tuple<int, const char*, const char*, const char*> cases[] = {
      {1006, "cc", "cc", "黒石"},    {1006, "cc", "right", "白石"}, {1007, "cc", "cc", "白石"},
      {1008, "aa", "aa", "▲印"},     {1012, "cc", "cc", "文字：a"}, {1005, "aa", "cc", "黒位置変更 0101 →0303"},
      {1006, "aa", "", "1手目削除"},
  };
  for (const auto& [tool, from, to, change] : cases) {
    open(u"(;GM[1];B[aa];W[bb])", 2);
    app->onPanelCommand(tool);
    if (std::string_view(to) == "right") app->onRightDown(at(from), {}), app->onRightUp(at(from), {});
    else drag(from, to);
    EXPECT_EQ(lastChange(), change) << tool << " " << from;
  }
  EXPECT_EQ(utf16ToUtf8(app->labelText), "b");
}

TEST_F(BoardInputTest, IconsStepAndUndoWhileAutoPlayIsIdleAndShowTheirPress) {
  open(u"(;GM[1];B[aa];W[bb];B[cc])", 3);
  app->onLeftDown(at("#0"), {});
  EXPECT_TRUE(app->renderState().pressedIcons.test(0));
  app->onLeftUp(at("#0"), {});
  EXPECT_EQ(app->doc.currentMove() + app->renderState().pressedIcons.count(), 0U);
  drag("#5", "#5");
  app->onPanelCommand(1116);
  EXPECT_EQ(std::tuple(app->doc.currentMove(), point(1), lastChange()), std::tuple(3, 18, "左右反転"));
  drag("#13", "#13");
  EXPECT_EQ(point(1), 0) << "undone";
  app->DispatchCommand(30111);  // auto-play
  drag("#0", "#0");
  EXPECT_NE(app->doc.currentMove(), 0);
}

TEST_F(BoardInputTest, TheRangeToolEnablesRangeDeletionAndLimitsTheButtons) {
  open(u"(;GM[1];B[aa];W[ss];B[])", 3);
  app->onPanelCommand(1013);
  EXPECT_FALSE(app::rangeDeleteEnabled(*app));
  drag("aa", "bb");
  EXPECT_TRUE(app::rangeDeleteEnabled(*app));
  app->onPanelCommand(1122);
  EXPECT_EQ(std::pair(point(1), point(2)), std::pair(1, 360)) << "only inside the range";
  app->onPanelCommand(1005);
  EXPECT_FALSE(app::rangeDeleteEnabled(*app));
  app->onPanelCommand(1111);
  EXPECT_EQ(std::tuple(point(4), lastChange()), std::tuple(kPassPoint, "4手目着手"));
}

}  // namespace
}  // namespace mokuza::test
