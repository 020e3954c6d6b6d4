#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/design_dialog.h"
#include "app/game_info_session.h"
#include "core/document/game_files.h"
#include "core/document/undo.h"
#include "core/record/text.h"
#include "playlist/list_games.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

int countIn(const fs::path& file, const std::string& part) {
  const std::string text = readFileBytes(file).value_or("");
  int found = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
  return found;
}

class DialogsTest : public AppTest {
 protected:
  void open(const std::string& sgf) {
    ASSERT_EQ(openGameFile(app->doc, services, write("game.sgf", sgf).u16string()), OpenOutcome::Opened);
  }
  static constexpr std::size_t kEvent = 14;  // "大会名"
};

TEST_F(DialogsTest, GameInfoRoundTripsItsFormAndCancelKeepsTheGame) {
  open("(;SZ[19]PB[黒太郎]PW[白花子];B[pd];W[dp])");
  app::openGameInfo(*app, kGameInfoSingle);
  ASSERT_TRUE(app::gameInfoSessionCommand(*app, kSwapPlayersCommand, false));
  app::editGameInfoField(*app, kEvent, u"名人戦");
  const GameInfoForm typed = app->gameInfo->form;
  app::closeGameInfo(*app);
  // Cancel drops the value: the game keeps what it had.
  EXPECT_EQ(app::beginGameInfo(*app, kGameInfoSingle).form.values[kBlackPlayerField], u"黒太郎");
  EXPECT_FALSE(app->doc.state.modified);

  app::openGameInfo(*app, kGameInfoSingle);
  for (std::size_t field = 0; field < typed.values.size(); ++field)
    app::editGameInfoField(*app, field, typed.values[field]);
  ASSERT_EQ(app::applyGameInfoSession(*app), GameInfoOutcome::Applied);
  EXPECT_FALSE(app->gameInfo) << "OK closes the dialog";
  EXPECT_EQ(app::beginGameInfo(*app, kGameInfoSingle).form.values, typed.values);
}

TEST_F(DialogsTest, AutomaticResultUsesTheCountWhileCountingIsShown) {
  // Black owns two columns, White one; komi half a point.
  open("(;SZ[5]KM[0.5]AB[ca][cb][cc][cd][ce]AW[da][db][dc][dd][de])");
  app::openGameInfo(*app, kGameInfoSingle);
  ASSERT_TRUE(app::gameInfoSessionCommand(*app, kAutoResultCommand, false));
  EXPECT_EQ(app->gameInfo->form.values[kResultField], u"W+R");
  app::toggleTerritoryMode(*app);
  ASSERT_TRUE(app::gameInfoSessionCommand(*app, kAutoResultCommand, false));
  EXPECT_EQ(app->gameInfo->form.values[kResultField], u"B+4.5");
}

TEST_F(DialogsTest, BatchWritesTheTickedFieldIntoTheSelectedGamesAndThePlaylist) {
  std::vector<std::u16string> paths;
  for (const char* name : {"a.sgf", "b.sgf", "c.sgf"})
    paths.push_back(pathToText(write(name, "(;GM[1]SZ[9]EV[元];B[cc])")));
  PlaylistContext context = app->playlistContext();
  const fs::path list = folder / "batch.gpl";
  ASSERT_EQ(createPlaylistAt(context, pathToText(list)), ListOutcome::Done);
  ASSERT_EQ(addGames(context, paths), ListOutcome::Done);
  Playlist& playlist = app->playlist;
  std::reverse(playlist.displayOrder.begin(), playlist.displayOrder.end());
  const int first = playlist.displayOrder[0], last = playlist.displayOrder[2];
  playlist.list.selected = {last, first};

  app::openGameInfo(*app, kGameInfoBatch);
  EXPECT_EQ(app->gameInfo->batchGames, (std::vector{first, last}));
  EXPECT_TRUE(app::gameInfoSessionCommand(*app, kBatchBoxFirst + static_cast<int>(kEvent), true));
  app::editGameInfoField(*app, kEvent, u"一括杯");
  app::editGameInfoField(*app, kBlackPlayerField, u"書かれない");  // not ticked
  services.messageAnswers = {platform::Answer::Ok};
  ASSERT_EQ(app::applyGameInfoSession(*app), GameInfoOutcome::Applied);

  for (int record : {0, 1, 2})
    EXPECT_EQ(textField(playlist.entries[static_cast<std::size_t>(record)], u"大会名") == u"一括杯",
              record == first || record == last)
        << record;
  EXPECT_EQ(countIn(list, "一括杯"), 2);
  // Undo and redo walk the playlist's file with its entries (the game files stay).
  ASSERT_TRUE(undo(app->doc));
  EXPECT_EQ(countIn(list, "一括杯"), 0);
  ASSERT_TRUE(redo(app->doc));
  EXPECT_EQ(countIn(list, "一括杯"), 2);
}

TEST_F(DialogsTest, ADesignValueIsWrittenAndRepainted) {
  app::DesignDialogSession opacity = app::beginDesignDialog(*app, app::DesignGroupKind::Transparency);
  const int paints = window.invalidations;
  ASSERT_TRUE(app::setDesignDialogValue(*app, opacity, 0, 120));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::BlackTransparency), 120);
  EXPECT_GT(window.invalidations, paints);

  app::DesignDialogSession autoPlay = app::beginDesignDialog(*app, app::DesignGroupKind::AutoPlay);
  EXPECT_EQ(autoPlay.fields[0].value, 140);
  ASSERT_TRUE(app::setDesignDialogValue(*app, autoPlay, 0, 50));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::AutoSpeed), 500);
  ASSERT_TRUE(app::setDesignDialogValue(*app, autoPlay, 6, -2000));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::LoopTime), -2000);
}

// "初期設定" puts back the group's initial values, and one undo takes them all back.
TEST_F(DialogsTest, InitialDesignIsOneUndoEntryForTheWholeGroup) {
  app::DesignDialogSession opacity = app::beginDesignDialog(*app, app::DesignGroupKind::Transparency);
  ASSERT_TRUE(app::setDesignDialogValue(*app, opacity, 0, 120));
  ASSERT_TRUE(app::setDesignDialogValue(*app, opacity, 3, 40));
  setDesignValue(app->doc.state.design, DesignField::MarginX, 300);  // another group's value stays
  const int before = app->doc.undoIndex;
  ASSERT_TRUE(app::resetDesignDialog(*app, opacity));
  EXPECT_EQ(app->doc.undoIndex, before + 1);
  EXPECT_EQ(app->doc.undoEntries.back().description, u"初期設定");
  for (const app::DesignDialogField& field : opacity.fields) EXPECT_EQ(field.value, 255);
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::MarginX), 300);
  EXPECT_FALSE(app::resetDesignDialog(*app, opacity)) << "nothing left to reset";

  ASSERT_TRUE(undo(app->doc));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::BlackTransparency), 120);
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::LineTransparency), 40);
}

}  // namespace
}  // namespace mokuza::test
