#pragma once
// The application under test: headless services, a window that records what
// it is told, and a private program folder with the default images.

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/list_command_table.h"
#include "app/view_refresh.h"
#include "core/record/text.h"
#include "platform/headless/headless_services.h"
#include "playlist/list_games.h"
#include "tests/corpus_files.h"
#include "tests/test_folder.h"

namespace mokuza::test {

namespace fs = std::filesystem;

// Records every call; the sizes and screens it reports are set by the test.
// Told that a view changed, it reads the view's model as the widgets do.
class FakeWindow : public app::WindowPort {
 public:
  void armTimer(int periodMs) override {
    timerPeriod = periodMs;
    log.push_back("armTimer " + std::to_string(periodMs));
  }
  void killTimer() override {
    timerPeriod = 0;
    log.push_back("killTimer");
  }
  void invalidate() override { ++invalidations; }
  void invalidateRect(const Rect&) override { ++invalidations; }
  void setCursor(app::CursorKind kind) override { cursor = kind; }
  void setTitle(const std::u16string& text) override { title = text; }
  void showBusyTitle(const std::u16string& text) override { busyTitles.push_back(text); }
  void setStatusText(const std::u16string& text) override { status = text; }
  void menusChanged() override {
    if (app) menus = app->menus;
  }
  void selectPanelPage(int page) override { panelPage = page; }
  void rebuildPanel(int) override {}
  void panelChanged() override {
    if (app) panel = app::buildPanel(*app);
  }
  void showMenuBar(bool shown) override { menuBarShown = shown; }
  void showStatusBar(bool shown) override {
    statusBarShown = shown;
    statusHeight = shown ? 20 : 0;
  }
  void setFullScreen(bool on) override { fullScreen = on; }
  void placeMainWindow(const Rect& frame) override {
    frameRect = frame;
    client = {static_cast<int>(frame.width()), static_cast<int>(frame.height())};
  }
  Rect mainWindowRect() const override { return frameRect; }
  bool maximised() const override { return isMaximised; }
  void restoreMainWindow() override { isMaximised = false; }
  void showListWindow(app::ListTab tab, const Rect& frame) override {
    listShown = true;
    listTab = tab;
    listRect = frame;
  }
  void listWindowChanged() override {
    ++listChanges;
    if (app) list = app::buildListWindowView(*app);
  }
  void showDialog(app::DialogKind kind) override {
    dialogs.push_back(kind);
    gameInfoChanged();
  }
  void gameInfoChanged() override {
    if (app && app->gameInfo) gameInfo = app->gameInfo->form;
  }
  void hideListWindow() override { listShown = false; }
  bool listWindowShown() const override { return listShown; }
  Rect listWindowRect() const override { return listRect; }
  void focusMainWindow() override {}
  app::Size clientSize() const override { return client; }
  int statusBarHeight() const override { return statusHeight; }
  app::Screens screens() const override { return screenSet; }
  bool modalDialogOpen() const override { return modal; }
  void destroy() override { destroyed = true; }

  const app::Application* app = nullptr;  // whose views the window reads
  std::vector<std::string> log;
  int timerPeriod = 0;
  int invalidations = 0;
  app::CursorKind cursor = app::CursorKind::Arrow;
  std::u16string title, status;
  std::vector<std::u16string> busyTitles;
  std::vector<app::DialogKind> dialogs;
  int listChanges = 0, panelPage = 0;
  bool menuBarShown = true, statusBarShown = true, fullScreen = false, isMaximised = false;
  bool listShown = false, modal = false, destroyed = false;
  app::ListTab listTab = app::ListTab::Playlist;
  Rect frameRect{0, 0, 1280, 800}, listRect;
  app::Size client{1280, 780};
  int statusHeight = 20;
  app::Screens screenSet;
  app::MenuModel menus;
  app::PanelModel panel;
  app::ListWindowView list;
  GameInfoForm gameInfo;
};

// A fresh program folder holding the default images and sounds.
inline fs::path freshProgramFolder() {
  const fs::path folder = freshTestFolder("mokuza-app");
  const fs::path assets = MOKUZA_ASSET_DIR;
  for (const char* name : {"gra"})
    if (fs::exists(assets / name)) fs::copy(assets / name, folder / name, fs::copy_options::recursive);
  for (const auto& item : fs::directory_iterator(assets))
    if (item.path().extension() == ".wav") fs::copy_file(item.path(), folder / item.path().filename());
  return folder;
}

// A playlist folder/list.gpl of `count` games spread over the corpus, copied
// to folder/games/g10.sgf, g11.sgf … and made writable as a user's own files
// are (the corpus is never written); false when the corpus holds fewer games.
inline bool listCorpusCopies(app::Application& app, const fs::path& folder, std::size_t count) {
  const std::vector<fs::path> corpus = corpusGames("pro");
  if (corpus.size() < count) return false;
  fs::create_directories(folder / "games");
  std::vector<std::u16string> paths;
  for (std::size_t i = 0; i < count; ++i) {
    const fs::path copy = folder / "games" / ("g" + std::to_string(i + 10) + ".sgf");
    fs::copy_file(corpus[i * (corpus.size() / count)], copy);
    fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add);
    paths.push_back(pathToText(copy));
  }
  PlaylistContext context = app.playlistContext();
  EXPECT_EQ(createPlaylistAt(context, pathToText(folder / "list.gpl")), ListOutcome::Done);
  app::onListDrop(app, paths);
  return true;
}

class AppTest : public ::testing::Test {
 protected:
  AppTest() { window.app = app.get(); }
  ~AppTest() override {
    app.reset();
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  fs::path write(const std::string& name, const std::string& content) const {
    std::ofstream(folder / name, std::ios::binary) << content;
    return folder / name;
  }
  std::string slurp(const fs::path& name) const { return readFileBytes(folder / name).value_or(""); }
  // Another run of the program on the same folder.
  std::unique_ptr<app::Application> startAgain(const std::vector<std::u16string>& arguments = {}) {
    auto again = std::make_unique<app::Application>(services, windows.emplace_back(), folder);
    again->start(arguments);
    return again;
  }

  fs::path folder = freshProgramFolder();
  platform::HeadlessServices services;
  FakeWindow window;
  std::unique_ptr<app::Application> app = std::make_unique<app::Application>(services, window, folder);
  std::deque<FakeWindow> windows;  // of the runs after the first
};

}  // namespace mokuza::test
