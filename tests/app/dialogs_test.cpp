#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/commands.h"
#include "app/design_dialog.h"
#include "app/game_info_session.h"
#include "app/status_texts.h"
#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/record/text.h"
#include "playlist/list_games.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

std::string slurp(const fs::path& path) {
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

int count(const std::string& text, const std::string& part) {
  int found = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++found;
  return found;
}

class DialogsTest : public AppTest {
 protected:
  void open(const std::string& sgf) {
    const fs::path game = write("game.sgf", sgf);
    ASSERT_EQ(openGameFile(app->doc, services, game.u16string()), OpenOutcome::Opened);
  }
};

TEST_F(DialogsTest, GameInfoRoundTripsItsFormAndCancelKeepsTheGame) {
  open("(;GM[1]FF[4]SZ[19]PB[黒太郎]PW[白花子]DT[2024-05-04];B[pd];W[dp])");
  app::GameInfoSession session = app::beginGameInfo(*app, kGameInfoSingle);
  EXPECT_EQ(session.form.title, u"ゲーム情報");
  EXPECT_EQ(session.form.values[kBlackPlayerField], u"黒太郎");
  ASSERT_TRUE(app::gameInfoSessionCommand(*app, session, kSwapPlayersCommand, false));

  // Cancel: the edited value is dropped; nothing changed.
  const int undoBefore = app->doc.undoIndex;
  EXPECT_EQ(app::beginGameInfo(*app, kGameInfoSingle).form.values[kBlackPlayerField], u"黒太郎");
  EXPECT_FALSE(app->doc.state.modified);

  session.form.values[14] = u"名人戦";
  const GameInfoOutcome outcome = app::applyGameInfoSession(*app, session);
  ASSERT_EQ(outcome, GameInfoOutcome::Applied);
  EXPECT_EQ(app->doc.undoIndex, undoBefore + 1);
  EXPECT_TRUE(app->doc.state.modified);
  const app::GameInfoSession again = app::beginGameInfo(*app, kGameInfoSingle);
  EXPECT_EQ(again.form.values[kBlackPlayerField], u"白花子");
  EXPECT_EQ(again.form.values[kWhitePlayerField], u"黒太郎");
  EXPECT_EQ(again.form.values[14], u"名人戦");
  EXPECT_NE(app::gameInfoPageText(*app).find(u"名人戦"), std::u16string::npos);

  // 7760 shows what the game now holds.
  app->doc.record().setHeader(u"大会名", u"本因坊戦");
  app::GameInfoSession shown = again;
  app::refreshGameInfo(*app, shown);
  EXPECT_EQ(shown.form.values[14], u"本因坊戦");
}

TEST_F(DialogsTest, AutomaticResultUsesTheCountWhileCountingIsShown) {
  // Black owns two columns, White one; komi half a point.
  open("(;GM[1]FF[4]SZ[5]KM[0.5]AB[ca][cb][cc][cd][ce]AW[da][db][dc][dd][de])");
  app::GameInfoSession session = app::beginGameInfo(*app, kGameInfoSingle);
  ASSERT_TRUE(app::gameInfoSessionCommand(*app, session, kAutoResultCommand, false));
  EXPECT_EQ(session.form.values[kResultField], u"W+R");
  app::toggleTerritoryMode(*app);
  ASSERT_TRUE(app->counting.countingMode);
  ASSERT_TRUE(app::gameInfoSessionCommand(*app, session, kAutoResultCommand, false));
  EXPECT_EQ(session.form.values[kResultField], u"B+4.5");
}

TEST_F(DialogsTest, BatchWritesTheTickedFieldIntoTheSelectedGamesAndThePlaylist) {
  const fs::path corpus = fs::path(MOKUZA_CORPUS_DIR) / "variety";
  std::vector<std::u16string> paths;
  for (const char* name :
       {"aeb__9x9_nhk-newyear2002-1.sgf", "aeb__9x9_ohashi-vs-zen_OZ2.sgf", "fuego__9x9_zen-vs-pro-1.sgf"}) {
    fs::copy_file(corpus / name, folder / name);
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

  app::GameInfoSession session = app::beginGameInfo(*app, kGameInfoBatch);
  EXPECT_EQ(session.batchGames, (std::vector{first, last}));
  constexpr std::size_t kEvent = 14;
  EXPECT_TRUE(app::gameInfoSessionCommand(*app, session, kBatchBoxFirst + static_cast<int>(kEvent), true));
  session.form.values[kEvent] = u"一括杯";
  session.form.values[kBlackPlayerField] = u"書かれない";
  services.messageAnswers = {platform::Answer::Ok};
  const GameInfoOutcome outcome = app::applyGameInfoSession(*app, session);
  ASSERT_EQ(outcome, GameInfoOutcome::Applied);

  for (int record : {0, 1, 2}) {
    const std::string sgf = slurp(textToPath(paths[static_cast<std::size_t>(record)]));
    const bool selected = record == first || record == last;
    EXPECT_EQ(count(sgf, "EV[一括杯]"), selected ? 1 : 0) << record;
    EXPECT_EQ(count(sgf, "書かれない"), 0);
    EXPECT_EQ(textField(playlist.entries[static_cast<std::size_t>(record)], u"大会名") == u"一括杯", selected);
  }
  EXPECT_EQ(count(slurp(list), "一括杯"), 2);
  // Undo and redo walk the playlist's file with its entries (the game files stay).
  ASSERT_TRUE(undo(app->doc));
  EXPECT_EQ(count(slurp(list), "一括杯"), 0);
  ASSERT_TRUE(redo(app->doc));
  EXPECT_EQ(count(slurp(list), "一括杯"), 2);
}

TEST_F(DialogsTest, DesignGroupsHoldTheirFieldsBoundsAndSteps) {
  struct Case {
    app::DialogKind kind;
    std::u16string_view title;
    std::size_t fields;
    std::size_t index;
    std::u16string_view label;
    int low, high, step;
  };
  for (const Case& c :
       {Case{app::DialogKind::DesignTransparency, u"透明度設定", 5, 3, u"マス目透明度", 0, 255, 1},
        Case{app::DialogKind::DesignBoardPosition, u"碁盤位置設定", 5, 4, u"碁盤サイズ指定", 0, 9999, 1},
        Case{app::DialogKind::DesignMoveNumbers, u"手数表示設定", 3, 0, u"手数表示", 0, 2, 1},
        Case{app::DialogKind::DesignAutoPlay, u"自動再生設定", 7, 6, u"ループ再生", -9999, 9999, 10}}) {
    const auto group = app::designGroupOf(c.kind);
    ASSERT_TRUE(group);
    const app::DesignDialogSession session = app::beginDesignDialog(*app, *group);
    EXPECT_EQ(session.title, c.title);
    ASSERT_EQ(session.fields.size(), c.fields);
    const app::DesignControl& control = session.fields[c.index].control;
    EXPECT_EQ(control.label(), c.label);
    EXPECT_EQ((std::tuple{control.low, control.high, control.step}), (std::tuple{c.low, c.high, c.step}));
    EXPECT_EQ(session.hideInfoWindow.has_value(), c.kind == app::DialogKind::DesignAutoPlay);
    EXPECT_EQ(session.hint.empty(), c.kind != app::DialogKind::DesignTransparency);
  }
  EXPECT_FALSE(app::designGroupOf(app::DialogKind::About));
}

TEST_F(DialogsTest, ADesignValueIsWrittenAndRepainted) {
  app::DesignDialogSession opacity = app::beginDesignDialog(*app, app::DesignGroupKind::Transparency);
  const int paints = window.invalidations;
  ASSERT_TRUE(app::setDesignDialogValue(*app, opacity, 0, 120));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::BlackTransparency), 120);
  EXPECT_GT(window.invalidations, paints);
  ASSERT_TRUE(app::setDesignDialogValue(*app, opacity, 0, 400));
  EXPECT_EQ(opacity.fields[0].value, 255);

  app::DesignDialogSession autoPlay = app::beginDesignDialog(*app, app::DesignGroupKind::AutoPlay);
  EXPECT_EQ(autoPlay.fields[0].value, 140);
  EXPECT_EQ(autoPlay.fields[0].unit, u"×0.01秒");
  ASSERT_TRUE(app::setDesignDialogValue(*app, autoPlay, 0, 50));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::AutoSpeed), 500);
  ASSERT_TRUE(app::setDesignDialogValue(*app, autoPlay, 6, -2000));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::LoopTime), -2000);
  app::setHideInfoWindow(*app, autoPlay, true);
  EXPECT_EQ(app->playback.autoPlay.infoWindowHideState, 1);
}

TEST_F(DialogsTest, MoveInfoStoresTheShownMovesFields) {
  open("(;GM[1]FF[4]SZ[19];B[pd];W[dp];B[pq])");
  showMove(app->doc, 2);
  app::MoveInfoSession session = app::beginMoveInfo(*app);
  EXPECT_EQ(session.form.title, u"着手の編集［2手目］");
  session.form.values[1] = u"好手";
  ASSERT_TRUE(app::applyMoveInfoSession(*app, session));
  EXPECT_NE(app::moveInfoPageText(*app).find(u"好手"), std::u16string::npos);
  EXPECT_EQ(app->doc.undoEntries.back().description, u"コメント編集");
}

}  // namespace
}  // namespace mokuza::test
