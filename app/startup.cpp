#include "app/startup.h"

#include <array>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <system_error>
#include <utility>

#include "app/command_table.h"
#include "app/commands.h"
#include "app/layout.h"
#include "app/recovery.h"
#include "app/settings_file_guard.h"
#include "app/view_refresh.h"
#include "core/document/game_info_apply.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/naming/figure_list_file.h"
#include "core/record/text.h"
#include "platform/user_files.h"
#include "playback/live_notes.h"
#include "playback/music_mode.h"
#include "playback/playlist_games.h"
#include "playlist/history_log.h"
#include "playlist/list_changes.h"
#include "playlist/list_games.h"
#include "playlist/playlist_paths.h"
#include "playlist/playlist_reader.h"
#include "playlist/playlist_writer.h"
#include "playlist/snapshots.h"
#include "render/geometry_inputs.h"
#include "settings/options.h"

namespace mokuza::app {
namespace {

// The choices of "起動時デザイン" (34200 + value).
enum StartupDesign : int {
  kNextEntryDesign = 1,    // "プレイリストから順に選択"
  kRandomEntryDesign = 2,  // "…ランダムに選択"
  kLastCloseDesign = 3,    // "現在のデザイン": the settings file's design stays
  kPlaylistShow = 4,       // "プレイリスト自動再生"
};

// The commands that show the list window on each of its tabs, in tab order.
constexpr std::array<Command, 3> kListWindowCommands{Command::Playlist, Command::EventList, Command::FigureList};

bool listWindowOpen(std::int32_t showState) { return showState > 0 && showState != kListWindowHidden; }

// Only the design of an entry: its game, information and figure ends stay
// the entry's, and the empty board is no playlist game.
void showDesignOf(DocumentState& state, const PlaylistEntry& entry) {
  state.design.intFields = entry.intFields;
  setDesignValue(state.design, DesignField::LastMove, kLastMoveWhole);
  for (const FileFieldInfo& info : kFileFields)
    if (info.field != FileField::SgfFile) SetFilePath(state.gameInfo, info.field, FilePath(entry, info.field));
}

// The playlist of the last run, or the default file. A file that exists but
// cannot be read is not taken as the playlist's file, so that no later write
// replaces the games it may hold.
void restorePlaylist(Application& app) {
  const std::filesystem::path fallback = defaultPlaylistPath(app.programFolder);
  std::error_code ec;
  std::filesystem::create_directories(fallback.parent_path(), ec);
  const std::u16string path = app.settings.playlistPath.empty() ? pathToText(fallback) : app.settings.playlistPath;
  Playlist& playlist = app.playlist;
  // The shown design stays the settings' until the start-up design is chosen.
  PlaylistEntry unused;
  // A first run has no playlist file yet: nothing to read, nothing to report.
  const bool missing =
      platform::checkUserFile(textToPath(path), kPlaylistFileMax).problem == platform::FileProblem::Missing;
  const int read =
      missing ? kPlaylistReadEmpty : ReadPlaylist(playlist, unused, path, false, app.services, app.programFolder);
  if (read == kPlaylistReadEmpty) {
    const platform::FileStatus status = platform::checkUserFile(textToPath(path), kPlaylistFileMax);
    if (status || status.problem == platform::FileProblem::Missing) {
      playlist.path = normalisedPath(path);
      playlist.folder = asFolder(pathToText(textToPath(playlist.path).parent_path()));
      playlist.beforeFolder = playlist.folder;
    }
  }
  // No game of the list is on the board; the one last shown is where a show goes on.
  playlist.currentGameIndex = -std::abs(playlist.currentGameIndex);
}

// Start-up designs 1 and 2 show an entry's design: "順に選択" the one after
// the entry it took at the last start, which it remembers apart from the game
// last shown, so that the playlist goes on where it was left. The entry
// taken, if any.
std::optional<int> applyStartupDesign(Application& app) {
  const Playlist& playlist = app.playlist;
  const int choice = option(app.doc.globalOptions, GlobalOption::StartupDesign);
  const std::size_t count = playlist.displayOrder.size();
  if ((choice != kNextEntryDesign && choice != kRandomEntryDesign) || count == 0) return std::nullopt;
  std::size_t place = 0;
  if (choice == kNextEntryDesign) {
    const int last = placeOf(playlist, option(app.doc.globalOptions, GlobalOption::DesignPosition) - 1);
    place = last < 0 ? 0 : (static_cast<std::size_t>(last) + 1) % count;
  } else {
    std::minstd_rand random(static_cast<std::uint32_t>(app.services.now()));
    place = std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
  }
  const int record = playlist.displayOrder[place];
  if (choice == kNextEntryDesign) app.doc.globalOptions[GlobalOption::DesignPosition] = record + 1;
  showDesignOf(app.doc.state, playlist.entries[static_cast<std::size_t>(record)]);
  return record;
}

// The game last shown comes back on the board. Under a start-up design it
// keeps that design's look and counts as a game from outside the list, so
// the look is never written into the game's own entry.
void reopenLastGame(Application& app, std::optional<int> designRecord) {
  Playlist& playlist = app.playlist;
  const int number = std::abs(playlist.currentGameIndex);
  if (number <= 0 || placeOf(playlist, number - 1) < 0 ||
      !playback::gameFileExists(playlist.entries[static_cast<std::size_t>(number - 1)]))
    return;
  // The list was read from its file a moment ago: opening need not read it again.
  playlist.currentGameIndex = number;
  if (playback::OpenPlaylistGame(app.playback, number, u"") != OpenOutcome::Opened) {
    playlist.currentGameIndex = -number;
    return;
  }
  if (!designRecord) return;
  showDesignOf(app.doc.state, playlist.entries[static_cast<std::size_t>(*designRecord)]);
  leavePlaylistGame(app.doc);
}

void reopenListWindows(Application& app) {
  const ListShowStates& shows = app.settings.shows;
  const std::array<std::int32_t, 3> states{shows.playlist, shows.eventList, shows.figureList};
  for (std::size_t tab = 0; tab < states.size(); ++tab)
    if (listWindowOpen(states[tab])) runCommand(app, kListWindowCommands[tab]);
}

// A .gpl becomes the playlist and its shown entry's game opens.
bool openPlaylistWithGame(Application& app, const std::u16string& path) {
  PlaylistContext context = app.playlistContext();
  const ListOutcome read = openPlaylistFile(context, path);
  if (read != ListOutcome::Done) return false;
  Playlist& playlist = app.playlist;
  if (playlist.currentGameIndex > 0 &&
      playback::OpenPlaylistGame(app.playback, playlist.currentGameIndex, u"") != OpenOutcome::Opened)
    playlist.currentGameIndex = -playlist.currentGameIndex;
  recordUndo(app.doc, u"プレイリストを開く");
  return true;
}

// The list window is one window: its rectangle serves both saved places, and
// the tab it shows is the one list window open.
void captureWindows(Application& app) {
  const Rect list = app.window.listWindowRect();
  WindowSnapshot windows{app.window.mainWindowRect(), std::nullopt, std::nullopt};
  if (list.width() > 0 && list.height() > 0) windows.playlist = windows.eventList = list;
  captureWindowPlacement(app.doc.globalOptions, windows, app.window.screens().info);

  ListShowStates shows;
  const std::array<std::int32_t*, 3> states{&shows.playlist, &shows.eventList, &shows.figureList};
  if (const auto tab = static_cast<std::size_t>(app.lists.tab); app.window.listWindowShown() && tab < states.size()) {
    constexpr std::int32_t kShown = 1;
    *states[tab] = kShown;
  }
  app.settings.shows = shows;
  app.settings.playlistPath = app.playlist.path;
  app.settings.historyFolder = pathToText(app.history.folder);
}

void reportFailure(Application& app, std::u16string text) {
  app.services.messageBox({std::move(text), u"エラー", platform::Buttons::Ok, platform::Icon::Error});
}

// The playlist goes to its file once more with the shown game and design.
// Nothing is written that could lose games: not an empty list, not a file the
// reader could not read whole unless the user agrees (a close nobody watches
// leaves it), and not a file another program changed since (its games stay;
// this list was written at each change).
void writePlaylistAtClose(Application& app, bool attended) {
  Playlist& playlist = app.playlist;
  if (playlist.path.empty() || playlist.displayOrder.empty()) return;
  if (playlist.readInPart() && !attended) return;
  if (!confirmShortenedWrite(playlist, app.services)) return;
  PlaylistContext context = app.playlistContext();
  bool written = true;
  {
    const FileLock lock(textToPath(playlist.path));
    if (changedOnDisk(playlist)) return;
    storeShownDesign(context);
    written = WritePlaylist(playlist, {app.programFolder, app.doc.currentMove()});
  }
  if (!written && attended) reportWriteFailure(context);
}

// What every close writes, once the game is settled; `attended` false: a
// close nobody can answer, which asks and reports nothing.
void closeDown(Application& app, bool attended) {
  // The normal rectangle is the one saved.
  app.window.restoreMainWindow();
  closeMusicOutput(app.playback.live, app.services);
  if (maySaveSettings(app, attended) && !saveSettings(app) && attended)
    reportFailure(app, u"設定ファイルを保存できませんでした");
  writePlaylistAtClose(app, attended);
  if (!naming::saveFigureList(app.doc.classifier.figureTable(), app.programFolder) && attended)
    reportFailure(app, u"フィギュアリストを保存できませんでした");
  deleteSnapshotFiles(app.playlist.snapshots, app.programFolder);
}

// Room the title, menu and status bars take from a window's frame.
constexpr int kBarsAllowance = 80;

// A first start on a small screen: the largest text size whose side panel
// fits the window's height.
void fitTextSizeToWindow(Application& app) {
  auto& textSize = app.doc.state.options[DocumentOption::TextSize];
  const double ratio = app.window.screens().pixelRatio;
  const std::int64_t room = app.settings.placement.main.height() - render::devicePixels(kBarsAllowance, ratio);
  while (textSize > 1 && render::devicePixels(20 * (textSize + 1) + panelSize(textSize + 1).height, ratio) > room)
    --textSize;
}

}  // namespace

std::filesystem::path defaultPlaylistPath(const std::filesystem::path& programFolder) {
  return programFolder / "playlists" / "default.gpl";
}

void followSettings(Application& app) {
  app.history.folder =
      app.settings.historyFolder.empty() ? app.programFolder / "history" : textToPath(app.settings.historyFolder);
  app.window.placeMainWindow(app.settings.placement.main);
  app.layout.savedWindowRect = app.settings.placement.main;
  syncClassifierOptions(app);
  playback::syncMusicMode(app.playback);
}

bool fileUsable(Application& app, const std::u16string& path) {
  // Size limits are the readers' own; here only what must never be opened.
  const platform::FileStatus status =
      platform::checkUserFile(textToPath(path), std::numeric_limits<std::uintmax_t>::max());
  if (status) return true;
  app.services.messageBox({u"ファイルを開けませんでした\n" + utf8ToUtf16(status.error), u"失敗", platform::Buttons::Ok,
                           platform::Icon::Error});
  return false;
}

void connectDocumentHooks(Application& app) {
  DocumentHooks& hooks = app.doc.hooks;
  hooks.repaint = [&app] { app.repaint(); };
  hooks.relayout = [&app] { layoutWindow(app); };
  hooks.openPlaylist = [&app](const std::u16string& path) { return openPlaylistWithGame(app, path); };
  connectHistoryLog(app.doc, app.services, app.history);
  connectPlaylistUndo(app.doc, app.playlist, app.services, app.programFolder);
  connectOutsideGames(app.doc, app.playlist);
}

OpenOutcome openPath(Application& app, const std::u16string& path) {
  if ((!isGamePath(path) && !isPlaylistPath(path)) || !fileUsable(app, path)) return OpenOutcome::Failed;
  return openGameFile(app.doc, app.services, path);
}

bool saveSettings(Application& app) {
  captureWindows(app);
  if (!maySaveSettings(app, false)) return true;  // the file read in part stays as it is
  return writeSettings(app.doc, app.settings, app.programFolder, app.settingsContext().settingsFile);
}

// `arguments` are those after the program's own name: the first may name a
// game or a playlist.
void Application::start(const std::vector<std::u16string>& arguments) {
  const EventScope scope(*this);
  layout.screens = window.screens();
  setGlobalDefaults(doc);
  setMainWindowDefaults(doc.globalOptions, layout.screens.info);
  std::error_code ignored;
  const bool firstStart = !std::filesystem::exists(settingsContext().settingsFile, ignored);
  settingsRead = readSettings(doc, settings, settingsContext(), settingsContext().settingsFile, true);
  keepUnreadableSettings(*this);
  resizeBoard(doc, services, option(doc.state.options, DocumentOption::BoardSize), false);
  doc.classifier.setFigureTable(naming::loadFigureList(programFolder));
  followSettings(*this);
  if (firstStart) fitTextSizeToWindow(*this);
  restorePlaylist(*this);
  const std::optional<int> designRecord = applyStartupDesign(*this);

  setStatusBarVisible(*this);
  setMenuBarVisible(*this);
  showMove(doc, doc.currentMove());
  layoutWindow(*this);

  const std::u16string file = arguments.empty() ? std::u16string() : arguments.front();
  if (!file.empty()) {
    openPath(*this, file);
  } else if (!offerRecoveryCopy(*this)) {
    // A file the user named comes first; the recovery copy waits for a start without one.
    if (option(doc.globalOptions, GlobalOption::StartupDesign) == kPlaylistShow) {
      playback::startPlaylistAutoPlay(playback);
      return;
    }
    reopenLastGame(*this, designRecord);
    layoutWindow(*this);
  }
  reopenListWindows(*this);
}

bool Application::requestClose() {
  if (askSave(doc, services) == SaveQuestion::Cancelled) return false;
  // Saved or given up: no copy is offered again.
  std::error_code ec;
  std::filesystem::remove(recoveryCopyPath(programFolder), ec);
  closeDown(*this, true);
  return true;
}

void closeUnattended(Application& app) {
  refreshRecoveryCopy(app);
  closeDown(app, false);
}

}  // namespace mokuza::app
