#include "app/commands.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

#include "app/layout.h"
#include "app/command_table.h"
#include "app/menu_table.h"
#include "app/option_toggles.h"
#include "app/show.h"
#include "app/startup.h"
#include "app/status_texts.h"
#include "app/view_refresh.h"
#include "core/document/clipboard_commands.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "playback/music_mode.h"
#include "playback/playlist_games.h"
#include "settings/placement.h"
#include "settings/settings_dialog.h"

namespace mokuza::app {
namespace {

void newGame(Application& app) {
  Document& doc = app.doc;
  callHook(doc.hooks.stopAutoPlay);
  const int size = option(doc.state.options, DocumentOption::BoardSize);
  // A new game keeps none of the old game's information.
  doc.record().headerValues.clear();
  doc.record().boardSize = size;
  resetDocument(doc);
  doc.state.gameInfo.fileFolders.erase(std::u16string(kSgfFileLabel));
  doc.state.gameInfo.fileNames.erase(std::u16string(kSgfFileLabel));
  doc.state.currentFileName.clear();
  doc.state.fileTitle.clear();
  doc.state.modified = false;
  doc.state.readLoss = {};
  leavePlaylistGame(doc);
  recomputePositions(doc, 0);
  recordUndo(doc, u"新規作成");
  callHook(doc.hooks.relayout);
  app.repaint();
}

void openByDialog(Application& app) {
  OpenRequest request;
  request.source = OpenRequest::Source::Dialog;
  openGame(app.doc, app.services, request);
}

// The game of the playlist shown last; its first game when none was shown.
void resumePlaylist(Application& app) {
  int number = std::abs(app.playlist.currentGameIndex);
  if (number == 0 && app.playlist.gameCount() > 0) number = app.playlist.displayOrder.front() + 1;
  if (number > 0) playback::OpenPlaylistGame(app.playback, number, u"前回のプレイリストを再開");
}

// The history moves only while auto-play is off: auto-play greys it.
void moveInHistory(Application& app, bool (*step)(Document&)) {
  if (autoPlayRunning(app)) return;
  if (step(app.doc)) playback::syncMusicMode(app.playback);
}

void showDialog(Application& app, DialogKind kind) { app.window.showDialog(kind); }

void loadSettings(Application& app) {
  if (loadSettingsFromDialog(app.doc, app.settings, app.services, app.settingsContext()) != kSettingsLoaded) return;
  playback::syncMusicMode(app.playback);
  layoutWindow(app);
}

void changeHistoryFolderAndSave(Application& app) {
  if (changeHistoryFolder(app.doc, app.services, app.history)) saveSettings(app);
}

void exitProgram(Application& app) {
  // After a close nothing of the window is left to refresh.
  if (!app.requestClose()) return;
  app.closed = true;
  app.window.destroy();
}

// clang-format off
constexpr std::array<CommandInfo, 44> kCommandTable{{
    {Command::NewGame, 30000, u"新規作成(&N)", u"", newGame},
    {Command::OpenGame, 30001, u"対局を開く(&E)", u"Ctrl+O", openByDialog},
    {Command::ResumePlaylist, 30002, u"前回のプレイリストを再開(&O)", u"O", resumePlaylist},
    {Command::OpenFromClipboard, 30003, u"クリップボードから開く(&V)", u"Ctrl+V",
     [](Application& a) { openFromClipboard(a.doc, a.services, false); }},
    {Command::OpenMovesFromClipboard, 30004, u"クリップボードから開く〈手順のみ〉(&H)", u"",
     [](Application& a) { openFromClipboard(a.doc, a.services, true); }},
    {Command::Save, 30005, u"上書き保存(&S)", u"Ctrl+S", [](Application& a) { saveGame(a.doc, a.services); }},
    {Command::SaveAs, 30006, u"名前を付けて保存(&A)", u"Shift+Ctrl+S",
     [](Application& a) { saveGameAs(a.doc, a.services); }},
    {Command::CopyToClipboard, 30007, u"クリップボードへ書き出し(&C)", u"Ctrl+C",
     [](Application& a) { copyGameToClipboard(a.doc, a.services); }},
    {Command::Exit, 30008, u"終了(&X)", u"Alt+F4", exitProgram},
    // Shown after the recent games; as the last id it moves no other.
    {Command::LoadSettings, 30009, u"設定読み込み", u"", loadSettings},
    {Command::SaveImage, 30010, u"画像として保存(&G)…", u"", saveImageAs},
    {Command::Undo, 30100, u"取り消し(&Z)", u"Ctrl+Z", [](Application& a) { moveInHistory(a, undo); }},
    {Command::Redo, 30101, u"やりなおし(&Y)", u"Ctrl+Y", [](Application& a) { moveInHistory(a, redo); }},
    {Command::History, 30102, u"履歴(&R)", u"", nullptr},
    {Command::OpenHistoryFile, 30104, u"履歴ファイルを開く(&I)", u"",
     [](Application& a) { openHistoryFile(a.services, a.history); }},
    {Command::OpenHistoryFolder, 30105, u"履歴フォルダを開く(&U)", u"",
     [](Application& a) { openHistoryFolder(a.services, a.history); }},
    {Command::PreviousGame, 30107, u"前の対局を開く(&H)", u"H",
     [](Application& a) { playback::stepPlaylistGame(a.playback, -1); }},
    {Command::NextGame, 30108, u"次の対局を開く(&J)", u"J",
     [](Application& a) { playback::stepPlaylistGame(a.playback, 1); }},
    {Command::TerritoryMode, 30110, u"地合計算(&C)", u"C", toggleTerritoryMode},
    {Command::AutoPlay, 30111, u"自動再生(&A)", u"A", [](Application& a) { playback::ToggleAutoPlay(a.playback, false); }},
    {Command::PlaylistShow, 30112, u"プレイリスト自動再生(&L)", u"L",
     [](Application& a) { playback::startPlaylistAutoPlay(a.playback); }},
    {Command::Playlist, 30200, u"プレイリスト(&P)", u"P", [](Application& a) { toggleListWindow(a, ListTab::Playlist); }},
    {Command::EventList, 30201, u"イベントリスト(&E)", u"E",
     [](Application& a) { toggleListWindow(a, ListTab::EventList); }},
    {Command::FigureList, 30202, u"フィギュアリスト(&F)", u"F",
     [](Application& a) { toggleListWindow(a, ListTab::FigureList); }},
    {Command::TransparencySettings, 30204, u"透明度設定(&T)", u"",
     [](Application& a) { showDialog(a, DialogKind::DesignTransparency); }},
    {Command::BoardPositionSettings, 30205, u"碁盤位置設定(&G)", u"",
     [](Application& a) { showDialog(a, DialogKind::DesignBoardPosition); }},
    {Command::MoveNumberSettings, 30206, u"手数表示設定(&M)", u"",
     [](Application& a) { showDialog(a, DialogKind::DesignMoveNumbers); }},
    {Command::AutoPlaySettings, 30207, u"自動再生設定(&A)", u"",
     [](Application& a) { showDialog(a, DialogKind::DesignAutoPlay); }},
    {Command::PairGoColours, 30209, u"ペア碁カラー設定(&C)", u"",
     [](Application& a) { showDialog(a, DialogKind::PairGoColours); }},
    {Command::About, 30211, u"バージョン情報(&I)", u"", [](Application& a) { showDialog(a, DialogKind::About); }},
    {Command::VariationMarks, 30212, u"変化の印を表示(&B)", u"",
     [](Application& a) { toggleGlobalSwitch(a, GlobalOption::VariationMarks); }},
    {Command::ReplayMode, 30300, u"棋譜並べモード(&K)", u"K", [](Application& a) { toggleReplayMode(a); }},
    {Command::AutoNextFigure, 30301, u"次譜自動再生(&L)", u"", toggleAutoNextFigure},
    {Command::MoveNames, 30303, u"囲碁用語表示(&J)", u"", toggleMoveNames},
    {Command::FullPaths, 30304, u"ファイル名をフルパスで表示(&F)", u"",
     [](Application& a) { toggleGlobalSwitch(a, GlobalOption::FileFull); }},
    {Command::HistoryOutput, 30306, u"履歴をテキストファイルへ自動出力(&T)", u"",
     [](Application& a) { toggleGlobalSwitch(a, GlobalOption::HistoryOutput); }},
    {Command::ChangeHistoryFolder, 30307, u"履歴フォルダを変更(&C)", u"", changeHistoryFolderAndSave},
    {Command::StartupDesign, 30309, u"起動時デザイン(&D)", u"", nullptr},
    {Command::ImageOutput, 30310, u"画像出力設定(&O)", u"", nullptr},
    {Command::TextSize, 30311, u"文字・アイコンのサイズ(&W)", u"", nullptr},
    {Command::Rotation, 30312, u"碁盤の自動回転(&R)", u"", nullptr},
    {Command::MusicMode, 30400, u"棋楽変換(&I)", u"I", [](Application& a) { playback::toggleMusicMode(a.playback); }},
    {Command::EraseComments, 30401, u"クリップボードから文字コメント消去", u"",
     [](Application& a) { eraseCommentsInClipboard(a.services); }},
    {Command::CountBrackets, 30402, u"クリップボード内のかっこの数を表示", u"",
     [](Application& a) { countBracketsInClipboard(a.services); }},
}};
// clang-format on

// The enum and the table go in the same order, so a command is its own index.
constexpr bool tableFollowsEnum() {
  for (std::size_t i = 0; i < kCommandTable.size(); ++i)
    if (static_cast<std::size_t>(kCommandTable[i].command) != i) return false;
  return true;
}
static_assert(tableFollowsEnum());
// setting.dat stores the image output's item ids as "imgoutput": they never move.
static_assert(kImageOutputFirstItem == 33794 && kImageOutputLastItem == 33800);

constexpr std::array<std::u16string_view, 4> kStartupDesignItems{u"プレイリストから順に選択(&A)",
                                                                 u"プレイリストからランダムに選択(&R)",
                                                                 u"現在のデザイン(&N)", u"プレイリスト自動再生(&L)"};
constexpr std::array<std::u16string_view, 7> kImageOutputItems{u"盤面(&B)",
                                                               u"左下(&L)",
                                                               u"左下＆座標(&H)",
                                                               u"全体(&Z)",
                                                               u"碁石 - 現在の大きさ (&G)",
                                                               u"碁石 - 元画像の大きさ (&O)",
                                                               u"なし(&N)"};
constexpr std::array<std::u16string_view, 4> kTextSizeItems{u"&1", u"&2", u"&3", u"&4"};
constexpr std::array<std::u16string_view, 4> kRotationItems{u"なし(&N)", u"プレイリストループの度に回転(&L)",
                                                            u"初手右上になるように回転(&F)", u"ランダム回転(&R)"};
static_assert(kImageOutputLastItem - kImageOutputFirstItem + 1 == static_cast<int>(kImageOutputItems.size()));

constexpr std::array<SubMenuInfo, 4> kSubMenus{{
    {Command::StartupDesign, kStartupDesignFirstItem, kStartupDesignItems},
    {Command::ImageOutput, kImageOutputFirstItem, kImageOutputItems},
    {Command::TextSize, kTextSizeFirstItem, kTextSizeItems},
    {Command::Rotation, kRotationFirstItem, kRotationItems},
}};

bool runSubMenuCommand(Application& app, int id) {
  if (id >= kRecentGamesFirstCommand && id <= kRecentGamesLastCommand) {
    OpenRequest request;
    request.source = OpenRequest::Source::Recent;
    request.recentIndex = id - kRecentGamesFirstCommand;
    openGame(app.doc, app.services, request);
    return true;
  }
  return chooseSubMenuItem(app, id);
}

constexpr int kListWindowShown = 1;
constexpr int kListWindowMinWidth = 480;
constexpr int kListWindowMinHeight = 240;

std::int32_t& showState(ListShowStates& shows, ListTab tab) {
  switch (tab) {
    case ListTab::EventList: return shows.eventList;
    case ListTab::FigureList: return shows.figureList;
    case ListTab::Playlist: break;
  }
  return shows.playlist;
}

constexpr int kListWindowFirstWidth = 560;

// With nothing stored: beside the main window on its screen, or where the
// screen leaves no room, over the main window's right part, away from its
// menus and icons.
Rect besideMainWindow(const Application& app) {
  const Rect main = app.window.mainWindowRect();
  const Rect area = nearestWorkArea(app.window.screens().info, main);
  const int width = kListWindowFirstWidth;
  int left = area.right - width;
  if (std::int64_t{main.right} + width <= area.right) left = main.right;
  else if (std::int64_t{main.left} - width >= area.left) left = main.left - width;
  return {left, main.top, left + width, main.bottom};
}

// The stored rectangle, at least 480 wide, moved inside the virtual screen.
Rect listWindowFrame(const Application& app, ListTab tab) {
  Rect frame = app.lists.frame;
  if (frame.width() <= 0)
    frame = tab == ListTab::EventList ? app.settings.placement.eventList : app.settings.placement.playlist;
  if (frame.width() <= 0) frame = besideMainWindow(app);
  const Rect screen = app.window.screens().virtualScreen;
  const auto width = static_cast<int>(std::clamp<std::int64_t>(
      frame.width(), kListWindowMinWidth, std::max<std::int64_t>(screen.width(), kListWindowMinWidth)));
  const auto height = static_cast<int>(std::clamp<std::int64_t>(
      frame.height(), kListWindowMinHeight, std::max<std::int64_t>(screen.height(), kListWindowMinHeight)));
  const int left = std::clamp(frame.left, screen.left, std::max(screen.left, screen.right - width));
  const int top = std::clamp(frame.top, screen.top, std::max(screen.top, screen.bottom - height));
  return {left, top, left + width, top + height};
}

}  // namespace

std::span<const CommandInfo> commandTable() { return kCommandTable; }

const CommandInfo* findCommand(int id) {
  const auto found =
      std::find_if(kCommandTable.begin(), kCommandTable.end(), [id](const CommandInfo& c) { return c.id == id; });
  return found == kCommandTable.end() ? nullptr : &*found;
}

const CommandInfo& commandInfo(Command command) { return kCommandTable.at(static_cast<std::size_t>(command)); }

int commandId(Command command) { return commandInfo(command).id; }

std::span<const SubMenuInfo> subMenuTable() { return kSubMenus; }

const SubMenuInfo* findSubMenu(int itemId) {
  const auto found = std::find_if(kSubMenus.begin(), kSubMenus.end(), [itemId](const SubMenuInfo& s) {
    return itemId >= s.firstId && itemId < s.firstId + static_cast<int>(s.items.size());
  });
  return found == kSubMenus.end() ? nullptr : &*found;
}

void runCommand(Application& app, Command command) { app.DispatchCommand(commandId(command)); }


void syncClassifierOptions(Application& app) {
  app.doc.classifier.moveinfo = option(app.doc.globalOptions, GlobalOption::MoveInfo);
  app.doc.classifier.kifunarabe = option(app.doc.state.options, DocumentOption::ReplayMode);
}

void changeDisplayTime(Application& app, int seconds) {
  if (!autoPlayRunning(app)) return;
  Design& design = app.doc.state.design;
  const std::int64_t changed = std::int64_t{designValue(design, DesignField::AutoSpeed)} + std::int64_t{seconds} * 1000;
  setDesignValue(
      design, DesignField::AutoSpeed,
      static_cast<std::int32_t>(std::clamp<std::int64_t>(changed, 0, std::numeric_limits<std::int32_t>::max())));
}

void toggleTerritoryMode(Application& app) {
  const bool wasOn = app.counting.countingMode;
  ToggleCountingMode(app.counting, app.doc.board);
  if (wasOn) {
    showMove(app.doc, app.doc.currentMove());
    app.inputMode = render::kInputPlay;
  } else {
    app.window.selectPanelPage(1);
  }
  app.paintState.flags.rebuildImages = true;
  app.repaint();
}

void toggleListWindow(Application& app, ListTab tab) {
  const EventScope scope(app);
  ListWindowState& lists = app.lists;
  if (lists.shown) {
    lists.frame = app.window.listWindowRect();
    showState(app.settings.shows, lists.tab) = kListWindowHidden;
  }
  if (lists.shown && lists.tab == tab) {
    app.window.hideListWindow();
    lists.shown = false;
  } else {
    lists.frame = listWindowFrame(app, tab);
    lists.tab = tab;
    lists.shown = true;
    app.window.showListWindow(tab, lists.frame);
    showState(app.settings.shows, tab) = kListWindowShown;
  }
}

void Application::DispatchCommand(int id) {
  const EventScope scope(*this);
  const CommandInfo* command = findCommand(id);
  if (command != nullptr && command->command == Command::Exit) {
    command->action(*this);
    return;
  }
  bool handled = false;
  if (id >= kHistoryFirstCommand && id <= kHistoryLastCommand) {
    if (!autoPlayRunning(*this) && chooseHistoryEntry(doc, id - kHistoryFirstCommand))
      playback::syncMusicMode(playback);
    handled = true;
  } else if (command != nullptr) {
    if (command->action != nullptr) command->action(*this);
    handled = command->action != nullptr;
  } else {
    handled = runSubMenuCommand(*this, id);
  }
  if (!handled) return;
  syncClassifierOptions(*this);
}

}  // namespace mokuza::app
