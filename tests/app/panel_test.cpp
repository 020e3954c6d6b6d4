#include <gtest/gtest.h>

#include "app/board_input.h"
#include "app/design_controls.h"
#include "app/layout.h"
#include "app/panel_model.h"
#include "app/pointer.h"
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
    openGameFile(app->doc, services, write("game.sgf", "(;SZ[19];B[pd];W[dp];B[pq];W[dd])").u16string());
    showMove(app->doc, 2);
  }
  app::PanelControl at(int id) const {
    const app::PanelModel model = app::buildPanel(*app);
    return model.find(id) ? *model.find(id) : app::PanelControl{};
  }
};

// Every control lies inside the page container at either text scale.
TEST_F(PanelTest, PlacesTheControlsInsideThePageAtEveryTextScale) {
  for (const int textSize : {1, 2}) {
    app->doc.state.options[DocumentOption::TextSize] = textSize;
    const app::PanelModel model = app::buildPanel(*app);
    EXPECT_EQ(model.frame.width(), app::panelSize(model.textScale).width);
    for (const app::PanelControl& c : model.controls)
      EXPECT_TRUE(c.rect.width() > 0 && c.rect.height() > 0 && c.rect.right <= model.content.right &&
                  c.rect.bottom <= model.content.bottom)
          << c.id;
  }
  EXPECT_FALSE(at(app::kHideBox).enabled);
}

TEST_F(PanelTest, StatesFollowTheDocumentAndTheTool) {
  EXPECT_TRUE(at(1113).enabled && at(1114).enabled);
  EXPECT_FALSE(at(1115).enabled);
  showMove(app->doc, 0);
  EXPECT_FALSE(at(1113).enabled || at(1114).enabled);

  app->onPanelCommand(render::kInputRange);
  app::selectRange(*app, 0, 19 * 5 + 5);
  EXPECT_TRUE(at(1115).enabled);
  EXPECT_TRUE(at(render::kInputRange).checked);

  EXPECT_FALSE(at(1301).checked);
  app->onPanelCommand(1301);
  EXPECT_TRUE(at(1301).checked);

  app::onMoveInfoPageDoubleClick(*app);
  app->onPanelCommand(1003);
  app->onPanelCommand(app::kMoveInfoButton);
  EXPECT_EQ(at(app::kMoveInfoButton).page, app::kMoveInfoPage);
  EXPECT_EQ(window.dialogs,
            (std::vector{app::DialogKind::MoveInfo, app::DialogKind::GameInfo, app::DialogKind::MoveInfo}));
}

TEST_F(PanelTest, ASettingWritesTheDesignAndIsUndone) {
  const int id = app::settingRowId(DesignField::GobanCoordinate);
  const int before = app->doc.undoIndex;
  ASSERT_TRUE(app::setSettingValue(*app, id, 9));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::GobanCoordinate), 3);
  EXPECT_EQ(at(id).value, 3);
  EXPECT_EQ(app->doc.undoEntries.back().description, u"碁盤座標：3");
  EXPECT_FALSE(app::setSettingValue(*app, id, 3));  // unchanged: no second entry
  EXPECT_EQ(app->doc.undoIndex, before + 1);
  ASSERT_TRUE(undo(app->doc));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::GobanCoordinate), 0);

  ASSERT_TRUE(app::setSettingValue(*app, app::settingRowId(DesignField::StatusShow), 0));
  EXPECT_FALSE(window.statusBarShown);
  ASSERT_TRUE(app::setTypeface(*app, u"IPAMincho"));
  EXPECT_EQ(at(app::kTypefaceEdit).text, u"IPAMincho");
}

TEST_F(PanelTest, ApplyToThePlaylistReachesEveryGameAndItsFile) {
  PlaylistContext context = app->playlistContext();
  const fs::path list = folder / "panel.gpl";
  const fs::path games = fs::path(MOKUZA_CORPUS_DIR) / "variety";
  ASSERT_EQ(createPlaylistAt(context, pathToText(list)), ListOutcome::Done);
  ASSERT_EQ(addGames(context, {pathToText(games / "aeb__9x9_nhk-newyear2002-1.sgf"),
                               pathToText(games / "aeb__9x9_ohashi-vs-zen_OZ2.sgf"),
                               pathToText(games / "fuego__9x9_zen-vs-pro-1.sgf")}),
            ListOutcome::Done);
  ASSERT_EQ(playback::OpenPlaylistGame(app->playback, app->playlist.displayOrder[1] + 1, u""), OpenOutcome::Opened);
  const int id = app::settingRowId(DesignField::LastSquare);
  ASSERT_TRUE(app::setSettingValue(*app, id, 1));
  app::selectSettingRow(*app, id);
  app::applySettingToPlaylist(*app);

  Playlist reread;
  PlaylistEntry design;
  ASSERT_EQ(ReadPlaylist(reread, design, pathToText(list), false, services, folder), kPlaylistReadOk);
  for (const Playlist* playlist : {&app->playlist, &reread})
    for (int record : playlist->displayOrder)
      EXPECT_EQ(designValue(playlist->entries[static_cast<std::size_t>(record)], DesignField::LastSquare), 1);
}

}  // namespace
}  // namespace mokuza::test
