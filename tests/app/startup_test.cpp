#include <gtest/gtest.h>
#include <sys/stat.h>


#include "app/panel_model.h"
#include "app/startup.h"
#include "core/record/text.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

class StartupTest : public AppTest {
 protected:
  StartupTest() {
    write("game.sgf", "(;GM[1]SZ[19]AB[pd]AW[dp];B[dd];W[qq])");
    write("list.gpl", "<Game.1>\n<sgf_file>\n" + (folder / "game.sgf").string() + "\n<Game.end>\n");
    fs::create_directories(folder / "playlists");
    fs::copy_file(folder / "list.gpl", folder / "playlists" / "default.gpl");
  }
  std::u16string at(const std::string& name) const { return pathToText(folder / name); }
  static std::u16string lastUndo(const app::Application& a) {
    return a.doc.undoIndex < 0 ? u"" : a.doc.undoEntries[static_cast<std::size_t>(a.doc.undoIndex)].description;
  }
};

// Rows: argument, startup_design, the show runs, the playlist game shown. A file
// on the command line keeps the show from starting.
TEST_F(StartupTest, CommandLineFileAndTheShowAtStart) {
  for (const auto& [argument, design, showRuns, listed] :
       {std::tuple{"game.sgf", 1, false, 0}, {"list.gpl", 1, false, 1}, {"", 4, true, 1}, {"game.sgf", 4, false, 0}}) {
    SCOPED_TRACE(std::string(argument) + " " + std::to_string(design));
    write("setting.dat", "<startup_design>\n" + std::to_string(design) + "\n");
    auto started = startAgain(*argument ? std::vector{at(argument)} : std::vector<std::u16string>{});
    EXPECT_EQ(started->playback.autoPlay.running(), showRuns);
    EXPECT_EQ(started->doc.state.playlistIndex, listed);
    EXPECT_EQ(started->doc.moveCount(), 2);
    EXPECT_EQ(listed && !showRuns, lastUndo(*started) == u"プレイリストを開く");
  }
}

// With nothing stored, the window takes most of a laptop's work area and the
// text size whose panel fits it; the list window opens beside it.
TEST_F(StartupTest, FirstStartFitsTheScreenAndTheListWindowStandsBeside) {
  window.screenSet.virtualScreen = {0, 0, 1366, 768};
  window.screenSet.info = {1366, 768, {{0, 0, 1366, 740}}};
  app->start({});
  EXPECT_GE(window.frameRect.width(), 1366 * 8 / 10);
  EXPECT_GE(window.frameRect.height(), 740 * 3 / 4);
  EXPECT_EQ(option(app->doc.state.options, DocumentOption::TextSize), 1);
  app->DispatchCommand(30200);
  const Rect list = app->lists.frame, main = window.frameRect;
  EXPECT_TRUE(list.left > main.left + main.width() / 2 || list.top >= main.bottom)
      << "the list window covers the main window's menu and icons";
  EXPECT_TRUE(list.left >= 0 && list.right <= 1366 && list.bottom <= 768);
}

// Cancel keeps the game changed and writes nothing; Yes saves the game, then
// the settings and the playlist with the shown game go to their files, and the
// next run finds the placement, the recent games and the open list window
// (the last through the commands) as they were.
TEST_F(StartupTest, ClosingAChangedGameAndStartingAgain) {
  app->start({});
  ASSERT_EQ(app::openPath(*app, at("game.sgf")), OpenOutcome::Opened);
  ASSERT_EQ(app::openPath(*app, at("playlists/default.gpl")), OpenOutcome::Opened);
  markModified(app->doc);
  services.messageAnswers = {platform::Answer::Cancel};
  EXPECT_TRUE(!app->requestClose() && app->doc.state.modified && !window.destroyed);
  EXPECT_FALSE(fs::exists(folder / "setting.dat"));
  EXPECT_EQ(slurp("playlists/default.gpl"), slurp("list.gpl"));

  window.frameRect = {100, 50, 900, 650};
  window.listShown = true;
  app->lists.tab = app::ListTab::EventList;
  services.messageAnswers = {platform::Answer::Yes};
  app->DispatchCommand(30008);
  EXPECT_TRUE(window.destroyed);
  EXPECT_NE(slurp("game.sgf").find("AP[Mokuza"), std::string::npos);
  EXPECT_NE(slurp("setting.dat").find("default.gpl"), std::string::npos);
  EXPECT_NE(slurp("playlists/default.gpl").find("<plmove>"), std::string::npos);

  auto again = startAgain({});
  EXPECT_EQ(windows.back().frameRect, (Rect{100, 50, 900, 650}));
  EXPECT_EQ(again->doc.recentGames.paths, std::vector{at("game.sgf")});
  EXPECT_TRUE(windows.back().listShown && windows.back().listTab == app::ListTab::EventList);
}

// A playlist being read says so in the title, game by game; the shown game's
// title follows the read.
TEST_F(StartupTest, APlaylistReadShowsItsProgressInTheTitle) {
  app->start({});
  const std::string game = "<Game.1>\n<sgf_file>\n" + (folder / "game.sgf").string() + "\n";
  write("two.gpl", game + "<Game.2>\n<Game.end>\n");
  window.busyTitles.clear();
  ASSERT_EQ(app::openPath(*app, at("two.gpl")), OpenOutcome::Opened);
  EXPECT_EQ(window.busyTitles, (std::vector<std::u16string>{u"プレイリスト〈two.gpl〉読み込み中〔1局目〕 - Mokuza",
                                                            u"プレイリスト〈two.gpl〉読み込み中〔2局目〕 - Mokuza"}));
  EXPECT_EQ(window.title, u"game.sgf - Mokuza");
}

// A playlist of three games, No.2 shown last: each start shows it again and
// O resumes it, while "プレイリストから順に選択" takes the design of the next
// entry at each start.
TEST_F(StartupTest, TheLastGameComesBackAndTheStartupDesignMovesOn) {
  std::string list;
  for (int n = 1; n <= 3; ++n) {
    write("g" + std::to_string(n) + ".sgf", "(;GM[1]SZ[19];B[aa]" + std::string(static_cast<std::size_t>(n), ';') + ")");
    list += "<Game." + std::to_string(n) + ">\n<sgf_file>\n" + (folder / ("g" + std::to_string(n) + ".sgf")).string() +
            "\n<auto_speed>\n" + std::to_string(n * 100) + "\n";
  }
  write("playlists/default.gpl", "<position>\n2\n" + list + "<Game.end>\n");
  for (const auto& [design, speeds] : {std::pair{3, std::vector{200, 200}}, {1, std::vector{100, 200}}}) {
    SCOPED_TRACE(design);
    write("setting.dat", "<startup_design>\n" + std::to_string(design) + "\n");
    std::vector<int> seen;
    for (int run = 0; run < 2; ++run) {
      auto started = startAgain({});
      EXPECT_EQ(started->doc.state.currentFileName, at("g2.sgf"));
      seen.push_back(designValue(started->doc.state.design, DesignField::AutoSpeed));
      started->ShortcutKeys({app::Key::O, {}, false}, app::kFromMainWindow, app::kFromMainWindow);
      EXPECT_EQ(started->playlist.currentGameIndex, 2);
      ASSERT_TRUE(started->requestClose());
    }
    EXPECT_EQ(seen, speeds);
  }
}

// The drop point picks the image (these rows need the layout's board geometry);
// two files at once change nothing; a settings file is read and recorded.
TEST_F(StartupTest, DroppedFiles) {
  app->start({at("game.sgf")});
  const render::BoardGeometry& g = app->layout.geometry;
  auto point = [&g](int x, int y) {
    return app::MousePos{g.boardLeft + x * g.pitch + g.halfPitch, g.boardTop + y * g.pitch + g.halfPitch};
  };
  write("p.png", "image");
  for (const auto& [position, field] :
       {std::pair{app::MousePos{g.boardLeft + g.extent, g.boardTop}, FileField::Background},
        {point(3, 15), FileField::WhiteStone},
        {point(15, 3), FileField::BlackStone},
        {point(3, 3), FileField::Star},
        {point(0, 0), FileField::Goban}}) {
    SCOPED_TRACE(utf16ToUtf8(fieldInfo(field).label));
    app->onDrop({at("p.png")}, position);
    EXPECT_EQ(FilePath(app->doc.state.gameInfo, field), at("p.png"));
    EXPECT_EQ(lastUndo(*app), std::u16string(fieldInfo(field).label) + u"指定 - p .png");
  }
  const PlaylistEntry before = app->doc.state.gameInfo;
  app->onDrop({at("p.png"), at("game.sgf")}, point(0, 0));
  EXPECT_EQ(app->doc.state.gameInfo, before);
  EXPECT_EQ(services.calls.back().text, u"ファイルを開けませんでした");
  write("other.dat", "<moveinfo>\n1\n");
  app->onDrop({at("other.dat")}, {});
  EXPECT_TRUE(lastUndo(*app) == u"設定読み込み - other" && app->doc.classifier.moveinfo == 1);
}

// A folder, a FIFO or a missing file, named on the command line or dropped,
// is said to be no file and never read.
TEST_F(StartupTest, HostilePathsAreRefused) {
  fs::create_directories(folder / "folder.sgf");
  ASSERT_EQ(::mkfifo((folder / "fifo.gpl").c_str(), 0600), 0);
  for (const std::string name : {"folder.sgf", "fifo.gpl", "missing.sgf"}) {
    SCOPED_TRACE(name);
    const std::size_t shown = services.callsOf("messageBox").size();
    auto started = startAgain({at(name)});
    started->onDrop({at(name)}, {});
    const auto messages = services.callsOf("messageBox");
    ASSERT_EQ(messages.size(), shown + 2);
    EXPECT_EQ(messages[shown].text.rfind(u"ファイルを開けませんでした\n", 0), 0u);
    EXPECT_EQ(messages[shown + 1].text, messages[shown].text);
  }
}

}  // namespace
}  // namespace mokuza::test
