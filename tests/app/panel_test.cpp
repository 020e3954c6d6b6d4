#include <gtest/gtest.h>

#include "app/board_input.h"
#include "app/design_controls.h"
#include "app/panel_model.h"
#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/record/text.h"
#include "playback/playlist_games.h"
#include "playlist/list_games.h"
#include "playlist/playlist_reader.h"
#include "render/render_state.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

class PanelTest : public AppTest {
 protected:
  void SetUp() override {
    const fs::path game = write("game.sgf", "(;GM[1]FF[4]SZ[19];B[pd];W[dp];B[pq];W[dd])");
    openGameFile(app->doc, services, game.u16string());
    showMove(app->doc, 2);
  }
  app::PanelControl at(const app::PanelModel& model, int id) {
    const app::PanelControl* c = model.find(id);
    EXPECT_NE(c, nullptr) << id;
    return c ? *c : app::PanelControl{};
  }
  int settingId(DesignField field) const {
    const auto rows = app::settingsPageControls();
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i].field == field) return app::kSettingRowFirst + static_cast<int>(i);
    ADD_FAILURE() << "no row";
    return 0;
  }
};

TEST_F(PanelTest, PlacesTheControlsByTheTextScale) {
  struct Case {
    int textSize, s;
    app::Size panel;
  };
  for (const Case& c : {Case{1, 2, {356, 636}}, Case{2, 3, {486, 930}}}) {
    app->doc.state.options[DocumentOption::TextSize] = c.textSize;
    const app::PanelModel model = app::buildPanel(*app);
    const int s = c.s;
    EXPECT_EQ(model.frame, (Rect{0, 20 * s, c.panel.width, 20 * s + c.panel.height}));
    EXPECT_EQ(at(model, 1111).rect, (Rect{84 * s, 30 * s, 120 * s, 42 * s}));
    EXPECT_EQ(at(model, 1123).rect, (Rect{84 * s, 174 * s, 120 * s, 186 * s}));
    EXPECT_EQ(at(model, 1013).rect, (Rect{12 * s, 112 * s, 46 * s, 122 * s}));
    for (const app::PanelControl& control : model.controls) {
      EXPECT_GT(control.rect.width(), 0) << control.id;
      EXPECT_GT(control.rect.height(), 0) << control.id;
      EXPECT_LE(control.rect.right, model.content.right) << control.id;
      EXPECT_LE(control.rect.bottom, model.content.bottom) << control.id;
    }
  }
  std::u16string labels;
  const app::PanelModel model = app::buildPanel(*app);
  for (int id = 1111; id <= 1123; ++id) {
    EXPECT_EQ(at(model, id).kind, app::PanelControlKind::PushButton);
    EXPECT_EQ(at(model, id).page, app::kInputPage);
    labels += at(model, id).text + u" ";
  }
  EXPECT_EQ(labels,
            u"パス てばん変更 一手削除 以下削除 範囲削除 左右反転 上下反転 90度回転 黒白反転 下へずらす 左へずらす "
            u"右へずらす 上へずらす ");
  EXPECT_EQ(model.find(1250), nullptr);
}

TEST_F(PanelTest, StatesFollowTheDocumentAndTheTool) {
  auto enabled = [&](int id) { return at(app::buildPanel(*app), id).enabled; };
  EXPECT_TRUE(enabled(1113));
  EXPECT_TRUE(enabled(1114));
  EXPECT_FALSE(enabled(1115));
  showMove(app->doc, 0);
  EXPECT_FALSE(enabled(1113));
  EXPECT_FALSE(enabled(1114));

  app->onPanelCommand(render::kInputRange);
  EXPECT_FALSE(enabled(1115));
  app::selectRange(*app, 0, 19 * 5 + 5);
  EXPECT_TRUE(enabled(1115));
  app::PanelModel model = app::buildPanel(*app);
  EXPECT_TRUE(at(model, render::kInputRange).checked);
  EXPECT_FALSE(at(model, render::kInputPlay).checked);

  EXPECT_FALSE(at(model, 1301).checked);
  app->onPanelCommand(1301);
  app::setLabelText(*app, u"ア");
  model = app::buildPanel(*app);
  EXPECT_TRUE(at(model, 1301).checked);
  EXPECT_EQ(at(model, app::kLabelTextEdit).text, u"ア");
  EXPECT_EQ(app->labelText, u"ア");

  app::onMoveInfoPageDoubleClick(*app);
  app->onPanelCommand(1003);
  EXPECT_EQ(window.dialogs, (std::vector{app::DialogKind::MoveInfo, app::DialogKind::GameInfo}));
}

TEST_F(PanelTest, ASettingWritesTheDesignAndIsUndone) {
  const int id = settingId(DesignField::GobanCoordinate);
  const int before = app->doc.undoIndex;
  ASSERT_TRUE(app::setSettingValue(*app, id, 9));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::GobanCoordinate), 3);
  EXPECT_EQ(at(app::buildPanel(*app), id).value, 3);
  EXPECT_EQ(app->doc.undoEntries.back().description, u"碁盤座標：3");
  EXPECT_TRUE(app->paintState.flags.rebuildImages);
  EXPECT_FALSE(app::setSettingValue(*app, id, 3));
  EXPECT_EQ(app->doc.undoIndex, before + 1);
  ASSERT_TRUE(undo(app->doc));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::GobanCoordinate), 0);

  ASSERT_TRUE(app::setSettingValue(*app, settingId(DesignField::StatusShow), 0));
  EXPECT_FALSE(window.statusBarShown);
  ASSERT_TRUE(app::setTypeface(*app, u"IPAMincho"));
  EXPECT_EQ(app->renderState().typeface, u"IPAMincho");
  EXPECT_EQ(at(app::buildPanel(*app), app::kTypefaceEdit).text, u"IPAMincho");
}

TEST_F(PanelTest, ApplyToThePlaylistReachesEveryGameAndItsFile) {
  PlaylistContext context = app->playlistContext();
  const fs::path list = folder / "panel.gpl";
  ASSERT_EQ(createPlaylistAt(context, pathToText(list)), ListOutcome::Done);
  const fs::path games = fs::path(MOKUZA_CORPUS_DIR) / "variety";
  ASSERT_EQ(addGames(context, {pathToText(games / "aeb__9x9_nhk-newyear2002-1.sgf"),
                               pathToText(games / "aeb__9x9_ohashi-vs-zen_OZ2.sgf"),
                               pathToText(games / "fuego__9x9_zen-vs-pro-1.sgf")}),
            ListOutcome::Done);
  ASSERT_EQ(playback::OpenPlaylistGame(app->playback, app->playlist.displayOrder[1] + 1, u""), OpenOutcome::Opened);
  const int id = settingId(DesignField::LastSquare);
  ASSERT_TRUE(app::setSettingValue(*app, id, 1));
  app::selectSettingRow(*app, id);
  const int before = app->doc.undoIndex;
  app::applySettingToPlaylist(*app);

  for (int record : app->playlist.displayOrder)
    EXPECT_EQ(designValue(app->playlist.entries[static_cast<std::size_t>(record)], DesignField::LastSquare), 1);
  EXPECT_EQ(app->doc.undoIndex, before + 1);
  Playlist reread;
  PlaylistEntry design;
  ASSERT_EQ(ReadPlaylist(reread, design, pathToText(list), false, services, folder), kPlaylistReadOk);
  ASSERT_EQ(reread.gameCount(), 3);
  for (int record : reread.displayOrder)
    EXPECT_EQ(designValue(reread.entries[static_cast<std::size_t>(record)], DesignField::LastSquare), 1);
}

}  // namespace
}  // namespace mokuza::test
