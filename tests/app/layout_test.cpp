#include <gtest/gtest.h>

#include "app/command_table.h"
#include "app/layout.h"
#include "app/status_texts.h"
#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/record/text.h"
#include "render/geometry_inputs.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

using app::Size;
using LayoutTest = AppTest;

std::string status(const app::Application& a) { return utf16ToUtf8(app::statusText(a)); }

TEST_F(LayoutTest, WindowLargerThanTheScreenIsPulledOntoIt) {
  window.client = {2500, 1500};
  app->layout.savedWindowRect = {1900, 1000, 4000, 3000};
  app::layoutWindow(*app);
  EXPECT_EQ(window.frameRect, (Rect{1820, 980, 1920, 1080}));
  EXPECT_EQ(app->layout.client, (Size{100, 100}));
  window.frameRect = {-300, -20, 2500, 1300};
  app->onSizeMoveEnd();
  EXPECT_EQ(window.frameRect, (Rect{0, 0, 1920, 1080}));
}

// A settle that changed nothing keeps the picture (and a show's fade); one
// after a real resize lays out and rebuilds.
TEST_F(LayoutTest, SizeMoveEndRebuildsOnlyWhenTheSizeChanged) {
  app::layoutWindow(*app);
  app->paint();
  const int invalidations = window.invalidations;
  app->onSizeMoveEnd();
  EXPECT_FALSE(app->paintState.flags.layoutChanged || app->paintState.flags.rebuildImages);
  EXPECT_EQ(window.invalidations, invalidations);
  window.client = {1000, 700};
  app->onSizeMoveEnd();
  EXPECT_TRUE(app->paintState.flags.layoutChanged);
  EXPECT_GT(window.invalidations, invalidations);
}

// F1 and auto-play's information window are one flag: the show hides the
// panel and gives back what the user had chosen, F1 included.
TEST_F(LayoutTest, PanelByTextSizeAndHiddenPanelGivesTheBoardItsRoom) {
  EXPECT_EQ(std::vector({app::panelSize(2), app::panelSize(3)}), std::vector({Size{356, 636}, Size{486, 930}}));
  auto geometry = [&](int panel, int icons = 48) {
    return render::ComputeBoardGeometry(
        render::designGeometryInputs(app->doc.state.design, 19, {1280, 780, panel, 20, 1, panel > 0 ? icons : 0}));
  };
  // On a screen of twice the pixel density the panel and the icons take twice the pixels.
  window.screenSet.pixelRatio = 2;
  app::layoutWindow(*app);
  EXPECT_EQ(app->layout.geometry, geometry(2 * 486, 2 * 48));
  EXPECT_EQ(app->renderState().panelWidth, 2 * 486);
  app->paint();
  EXPECT_EQ(app->painter.iconRects()[0].size(), QSize(2 * 48, 2 * 48));
  window.screenSet.pixelRatio = 1;
  app::layoutWindow(*app);
  EXPECT_EQ(app->layout.geometry, geometry(486));
  app::togglePanelHidden(*app);
  EXPECT_EQ(app->layout.geometry, geometry(0));
  app->playback.autoPlay.infoWindowHide = playback::InfoWindowHide::Armed;
  app::runCommand(*app, app::Command::AutoPlay);
  app::togglePanelHidden(*app);
  EXPECT_FALSE(app->layout.panelHidden);
  app::runCommand(*app, app::Command::AutoPlay);
  EXPECT_TRUE(app->layout.panelHidden);
}

TEST_F(LayoutTest, FullScreenHidesBothBarsAndLeavingRestoresTheWindow) {
  // A design that does not mention the bars shows both.
  window.menuBarShown = window.statusBarShown = false;
  app::setStatusBarVisible(*app);
  app::setMenuBarVisible(*app);
  EXPECT_TRUE(window.menuBarShown && window.statusBarShown);
  const Rect before = window.frameRect = {40, 30, 1240, 830};
  app::toggleFullScreen(*app);
  EXPECT_TRUE(window.fullScreen && !window.menuBarShown && !window.statusBarShown);
  window.frameRect = {0, 0, 1920, 1080};
  app::toggleFullScreen(*app);
  EXPECT_TRUE(!window.fullScreen && window.menuBarShown && window.statusBarShown);
  EXPECT_EQ(window.frameRect, before);
}

TEST_F(LayoutTest, TextsOfAShownMoveTheCountAndTheTitle) {
  app->doc.classifier.moveinfo = 1;
  const fs::path game = write("g.sgf", "(;SZ[9]KM[6.5]DT[2024-05-04]RE[B+R];B[cc];W[gg];B[gc])");
  ASSERT_EQ(openGameFile(app->doc, services, game.u16string()), OpenOutcome::Opened);
  showMove(app->doc, 3);
  const std::string name = utf16ToUtf8(app->doc.classifier.moveName(3));
  ASSERT_FALSE(name.empty());
  EXPECT_EQ(status(*app), "3手　    黒7-3    " + name + "　　黒アゲハマ○0　白アゲハマ●0");
  setDesignValue(app->doc.state.design, DesignField::GobanCoordinate, 2);
  EXPECT_EQ(status(*app), "3手　    黒g-7" + name + "　　黒アゲハマ○0　白アゲハマ●0");
  app->doc.globalOptions[GlobalOption::ResultDisplay] = 1;
  EXPECT_EQ(utf16ToUtf8(app::gameInfoPageText(*app)), "コミ：6.5\r\n結果：B+R\r\n路数：9\r\n対局日：2024-05-04(土)");
  ToggleCountingMode(app->counting, app->doc.board);
  EXPECT_EQ(status(*app),
            "黒：地0　アゲハマ0+0　計0目　　白：地0　アゲハマ0+0　コミ6.5　計6.5目　〈結果〉白6.5目勝ち ｜ 結果：B+R");
  EXPECT_TRUE(utf16ToUtf8(app::moveInfoPageText(*app)).starts_with("黒：\r\n  地0"));
  EXPECT_EQ(utf16ToUtf8(app::windowTitle(*app)), "g.sgf - Mokuza");
  markModified(app->doc);
  EXPECT_EQ(utf16ToUtf8(app::windowTitle(*app)), "g.sgf（更新） - Mokuza");
}

TEST_F(LayoutTest, BranchesAreCountedAndTheirMarksSwitchOff) {
  const fs::path game = write("v.sgf", "(;SZ[9];B[cc](;W[gg])(;W[gc];B[dd])(;W[cg]))");
  ASSERT_EQ(openGameFile(app->doc, services, game.u16string()), OpenOutcome::Opened);
  showMove(app->doc, 1);
  EXPECT_TRUE(status(*app).ends_with("白アゲハマ●0 ｜ 変化3通り")) << status(*app);
  showMove(app->doc, 0);
  EXPECT_EQ(status(*app).find("変化"), std::string::npos);
  EXPECT_TRUE(app->renderState().variationMarks);
  app->DispatchCommand(30212);  // 表示 → 変化の印を表示
  EXPECT_FALSE(app->renderState().variationMarks);
}

// In replay mode the status line gives the shown figure's number and moves:
// from the move after the previous figure's end. Element 0 of the design's
// ends ends no figure, and a record not divided has no figure text.
TEST_F(LayoutTest, FiguresAreNumberedFromOneAndStartAfterThePreviousFigure) {
  const fs::path game = write("f.sgf", "(;SZ[9];B[aa];W[ba];B[ca];W[da];B[ea];W[fa];B[ga];W[ha])");
  ASSERT_EQ(openGameFile(app->doc, services, game.u16string()), OpenOutcome::Opened);
  app->doc.state.options[DocumentOption::ReplayMode] = 1;
  Design& design = app->doc.state.design;
  design.figureEnds = {0, 2, 4, 6, 8, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
  setDesignValue(design, DesignField::RcFraction, 0);
  setDesignValue(design, DesignField::LastMove, 8);
  const auto figureShownAt = [&](int move) {
    showMove(app->doc, move);
    const std::string line = status(*app);
    const auto at = line.find("《第");
    const std::string close = "）";
    return at == std::string::npos ? std::string() : line.substr(at, line.find(close, at) + close.size() - at);
  };
  EXPECT_EQ(figureShownAt(4), "《第2譜》（3―4）");
  EXPECT_EQ(figureShownAt(1), "《第1譜》（1―2）");
  EXPECT_EQ(figureShownAt(8), "《第4譜》（7―8）");
  design.figureEnds = {};
  EXPECT_EQ(figureShownAt(5), "");
}

}  // namespace
}  // namespace mokuza::test
