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
  for (const char* name :
       {"aeb__9x9_nhk-newyear2002-1.sgf", "aeb__9x9_ohashi-vs-zen_OZ2.sgf", "fuego__9x9_zen-vs-pro-1.sgf"}) {
    fs::copy_file(fs::path(MOKUZA_CORPUS_DIR) / "variety" / name, folder / name);
    // The corpus is read-only, and a copy keeps its permissions.
    fs::permissions(folder / name, fs::perms::owner_write, fs::perm_options::add);
    paths.push_back(pathToText(folder / name));
  }
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

  for (int record : {0, 1, 2}) {
    const fs::path sgf = textToPath(paths[static_cast<std::size_t>(record)]);
    const bool selected = record == first || record == last;
    EXPECT_EQ(countIn(sgf, "EV[一括杯]"), selected ? 1 : 0) << record;
    EXPECT_EQ(countIn(sgf, "書かれない"), 0);
    EXPECT_EQ(textField(playlist.entries[static_cast<std::size_t>(record)], u"大会名") == u"一括杯", selected);
  }
  EXPECT_EQ(countIn(list, "一括杯"), 2);
  // Undo and redo walk the playlist's file with its entries (the game files stay).
  ASSERT_TRUE(undo(app->doc));
  EXPECT_EQ(countIn(list, "一括杯"), 0);
  ASSERT_TRUE(redo(app->doc));
  EXPECT_EQ(countIn(list, "一括杯"), 2);
}

TEST_F(DialogsTest, DesignGroupsHoldTheirFieldsBoundsAndSteps) {
  using enum app::DialogKind;
  for (const auto& [kind, title, size, index, label, low, high, step] :
       {std::tuple{DesignTransparency, u"透明度設定", 5, 3, u"マス目透明度", 0, 255, 1},
        {DesignBoardPosition, u"碁盤位置設定", 5, 4, u"碁盤サイズ指定", 0, 9999, 1},
        {DesignMoveNumbers, u"手数表示設定", 3, 0, u"手数表示", 0, 2, 1},
        {DesignAutoPlay, u"自動再生設定", 7, 6, u"ループ再生", -9999, 9999, 10}}) {
    const app::DesignDialogSession session = app::beginDesignDialog(*app, app::designGroupOf(kind).value());
    EXPECT_EQ(session.title, title);
    ASSERT_EQ(session.fields.size(), static_cast<std::size_t>(size));
    const app::DesignControl& c = session.fields[static_cast<std::size_t>(index)].control;
    EXPECT_EQ(c.label(), label);
    EXPECT_EQ((std::tuple{c.low, c.high, c.step}), (std::tuple{low, high, step}));
    EXPECT_EQ(session.hint.empty(), kind != DesignTransparency);
  }
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
  EXPECT_EQ(autoPlay.fields[0].unit, u"×0.01秒");
  EXPECT_EQ(autoPlay.fields[3].unit, u"ミリ秒");

  const app::DesignDialogSession numbers = app::beginDesignDialog(*app, app::DesignGroupKind::MoveNumbers);
  EXPECT_EQ(app::valueName(numbers.fields[0].control, 1), u"変化手順のみ");
  EXPECT_EQ(app::valueName(numbers.fields[1].control, numbers.fields[1].value), u"相手の石");
  EXPECT_EQ(app::valueName(numbers.fields[2].control, 10), u"10");
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
