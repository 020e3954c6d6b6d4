#include "app/commands.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

#include "app/layout.h"
#include "app/menu_table.h"
#include "app/option_toggles.h"
#include "app/startup.h"
#include "app/status_texts.h"
#include "core/document/clipboard_commands.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "playback/music_mode.h"
#include "playback/playlist_games.h"
#include "settings/placement.h"
#include "settings/settings_dialog.h"

namespace mokuza::app {
namespace {

using Action = void (*)(Application&);

struct NamedCommand {
  std::u16string_view name;
  Action run;
};

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
  refreshWindowTitle(doc);
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
  if (app.playback.autoPlay.running()) return;
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

// In the order of the menu table: the first equal name runs. The items that
// open sub-menus have no command; their items send their own ids.
constexpr std::array<NamedCommand, 37> kCommands{{
    {u"新規作成", newGame},
    {u"対局を開く", openByDialog},
    {u"前回のプレイリストを再開", resumePlaylist},
    {u"クリップボードから開く", [](Application& a) { openFromClipboard(a.doc, a.services, false); }},
    {u"クリップボードから開く〈手順のみ〉", [](Application& a) { openFromClipboard(a.doc, a.services, true); }},
    {u"上書き保存", [](Application& a) { saveGame(a.doc, a.services); }},
    {u"名前を付けて保存", [](Application& a) { saveGameAs(a.doc, a.services); }},
    {u"クリップボードへ書き出し", [](Application& a) { copyGameToClipboard(a.doc, a.services); }},
    {u"設定読み込み", loadSettings},
    {u"取り消し", [](Application& a) { moveInHistory(a, undo); }},
    {u"やりなおし", [](Application& a) { moveInHistory(a, redo); }},
    {u"履歴ファイルを開く", [](Application& a) { openHistoryFile(a.services, a.history); }},
    {u"履歴フォルダを開く", [](Application& a) { openHistoryFolder(a.services, a.history); }},
    {u"前の対局を開く", [](Application& a) { playback::stepPlaylistGame(a.playback, -1); }},
    {u"次の対局を開く", [](Application& a) { playback::stepPlaylistGame(a.playback, 1); }},
    {u"地合計算", toggleTerritoryMode},
    {u"自動再生", [](Application& a) { playback::ToggleAutoPlay(a.playback, false); }},
    {u"プレイリスト自動再生", [](Application& a) { playback::startPlaylistAutoPlay(a.playback); }},
    {u"プレイリスト", [](Application& a) { toggleListWindow(a, ListTab::Playlist); }},
    {u"イベントリスト", [](Application& a) { toggleListWindow(a, ListTab::EventList); }},
    {u"フィギュアリスト", [](Application& a) { toggleListWindow(a, ListTab::FigureList); }},
    {u"透明度設定", [](Application& a) { showDialog(a, DialogKind::DesignTransparency); }},
    {u"碁盤位置設定", [](Application& a) { showDialog(a, DialogKind::DesignBoardPosition); }},
    {u"手数表示設定", [](Application& a) { showDialog(a, DialogKind::DesignMoveNumbers); }},
    {u"自動再生設定", [](Application& a) { showDialog(a, DialogKind::DesignAutoPlay); }},
    {u"ペア碁カラー設定", [](Application& a) { showDialog(a, DialogKind::PairGoColours); }},
    {u"バージョン情報", [](Application& a) { showDialog(a, DialogKind::About); }},
    {u"変化の印を表示", [](Application& a) { toggleGlobalSwitch(a, GlobalOption::VariationMarks); }},
    {u"棋譜並べモード", [](Application& a) { toggleReplayMode(a); }},
    {u"次譜自動再生", toggleAutoNextFigure},
    {u"囲碁用語表示", toggleMoveNames},
    {u"ファイル名をフルパスで表示", [](Application& a) { toggleGlobalSwitch(a, GlobalOption::FileFull); }},
    {u"履歴をテキストファイルへ自動出力", [](Application& a) { toggleGlobalSwitch(a, GlobalOption::HistoryOutput); }},
    {u"履歴フォルダを変更", changeHistoryFolderAndSave},
    {u"棋楽変換", [](Application& a) { playback::toggleMusicMode(a.playback); }},
    {u"クリップボードから文字コメント消去", [](Application& a) { eraseCommentsInClipboard(a.services); }},
    {u"クリップボード内のかっこの数を表示", [](Application& a) { countBracketsInClipboard(a.services); }},
}};

// True when the id named a command (even one that had nothing to do).
bool runTableCommand(Application& app, int id) {
  const std::u16string_view label = menuLabel(id);
  if (label.empty() || label == kSeparatorLabel) return false;
  const std::u16string_view name = commandName(label);
  const auto found =
      std::find_if(kCommands.begin(), kCommands.end(), [&](const NamedCommand& c) { return c.name == name; });
  if (found == kCommands.end()) return false;
  found->run(app);
  return true;
}

bool runSubMenuCommand(Application& app, int id) {
  if (id >= kRecentGamesFirstCommand && id <= kRecentGamesLastCommand) {
    OpenRequest request;
    request.source = OpenRequest::Source::Recent;
    request.recentCommand = id;
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

std::u16string_view commandName(std::u16string_view label) { return label.substr(0, label.find(u'(')); }

void syncClassifierOptions(Application& app) {
  app.doc.classifier.moveinfo = option(app.doc.globalOptions, GlobalOption::MoveInfo);
  app.doc.classifier.kifunarabe = option(app.doc.state.options, DocumentOption::ReplayMode);
}

void changeDisplayTime(Application& app, int seconds) {
  if (!app.playback.autoPlay.running()) return;
  Design& design = app.doc.state.design;
  const std::int64_t changed = std::int64_t{designValue(design, DesignField::AutoSpeed)} + std::int64_t{seconds} * 1000;
  setDesignValue(
      design, DesignField::AutoSpeed,
      static_cast<std::int32_t>(std::clamp<std::int64_t>(changed, 0, std::numeric_limits<std::int32_t>::max())));
  refreshStatusText(app);
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
  refreshStatusText(app);
  app.window.panelChanged();
  app.paintState.flags.rebuildImages = true;
  app.repaint();
}

void toggleListWindow(Application& app, ListTab tab) {
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
    app.window.listWindowChanged();
    app.window.showListWindow(tab, lists.frame);
    showState(app.settings.shows, tab) = kListWindowShown;
  }
  refreshMenus(app);
}

void Application::DispatchCommand(int id) {
  // After a close nothing of the window is left to refresh.
  if (commandName(menuLabel(id)) == u"終了") {
    if (requestClose()) window.destroy();
    return;
  }
  bool handled = false;
  if (id >= kHistoryFirstCommand && id <= kHistoryLastCommand) {
    if (!playback.autoPlay.running() && chooseHistoryItem(doc, id)) playback::syncMusicMode(playback);
    handled = true;
  } else if (id >= kMenuFirstCommand && id <= kMenuLastCommand) {
    handled = runTableCommand(*this, id);
  } else {
    handled = runSubMenuCommand(*this, id);
  }
  if (!handled) return;
  syncClassifierOptions(*this);
  refreshMenus(*this);
  setWindowTitle(*this);
}

}  // namespace mokuza::app
