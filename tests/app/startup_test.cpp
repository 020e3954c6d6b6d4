#include <gtest/gtest.h>
#include <sys/stat.h>

#include <deque>

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
  std::string slurp(const std::string& name) const { return readFileBytes(folder / name).value_or(""); }
  // Another run of the program on the same folder.
  std::unique_ptr<app::Application> startAgain(const std::vector<std::u16string>& arguments) {
    auto again = std::make_unique<app::Application>(services, windows.emplace_back(), folder);
    again->start(arguments);
    return again;
  }
  std::deque<FakeWindow> windows;  // of the runs after the first
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
