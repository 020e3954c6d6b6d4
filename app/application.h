#pragma once
// The program as one object: it owns the game, the playlist, auto-play, the
// counting, the settings, the history log, the board painter and the state
// of the window, and the window drives it with plain calls. Nothing here
// needs a display.

#include <QImage>
#include <array>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/input_events.h"
#include "app/menu_model.h"
#include "app/window_port.h"
#include "core/document/document.h"
#include "core/document/game_info.h"
#include "core/rules/territory.h"
#include "platform/services.h"
#include "playback/auto_play.h"
#include "playlist/history_log.h"
#include "playlist/playlist.h"
#include "playlist/playlist_context.h"
#include "render/board_geometry.h"
#include "render/board_painter.h"
#include "render/render_state.h"
#include "search/background_search.h"
#include "search/search_executor.h"
#include "search/search_results.h"
#include "settings/settings_data.h"
#include "settings/settings_file.h"

namespace mokuza::app {

// A key that went down in a window and is not up yet.
struct KeyPress {
  Modifiers modifiers;  // held as it went down: they decide its shortcut
  int window = kFromMainWindow;
};

// The mouse and keys as the board sees them.
struct PointerState {
  MousePos lastMouse;
  int hoverPoint = -1;     // point under the mouse, -1 off the board
  int pressedPoint = -1;   // point of the last button press
  int dragSource = -1;     // point of the stone picked up, -1 for none
  int pressedIcon = -1;    // icon of the strip under the left press, -1 for none
  int leftHoldTicks = -1;  // timer ticks while a button is held, -1 when not counting
  int rightHoldTicks = -1;
  // A button went up: the next move onto another point stops the hold counts.
  bool releasedSinceMove = false;
  bool leftDown = false;
  bool rightDown = false;
  bool shiftHeld = false;
  bool keyDown = false;
  std::array<std::optional<KeyPress>, kKeyCount> keyPresses;  // by Key
};

// Where the window and its parts are.
struct LayoutState {
  Rect savedWindowRect{0, 0, 1919, 1440};  // the normal window rectangle
  bool fullScreen = false;
  bool panelHidden = false;
  Screens screens;
  Size client;
  int statusBarHeight = 0;
  render::BoardGeometry geometry;
  int panelPage = 0;
};

// The picture the window shows and what the next paint must do.
struct PaintState {
  render::PaintFlags flags{true, false};
  QImage window;  // the window's picture, kept between paints for the fades
  // The design values with the game's image, sound and text fields: the
  // painter reads both from one record.
  Design design;
  int timerPeriod = 0;     // the armed period in ms, 0 while the timer is off
  bool frameDue = false;   // a tick asked for the next frame of a fade or cross-fade
  bool statusDue = false;  // a move was shown: the status line follows at its first frame
  int paintedMove = -1;    // the move the window's picture shows, -1 after a new game
  int crossFade = 0;       // the cross-fade of a new game, 255 down to 0 (0: none)
  QImage exported;         // the picture last written by the image export
  int exportedChoice = 0;  // and the "imgoutput" it was written for
};

// The list window: one window, three tabs.
struct ListWindowState {
  ListTab tab = ListTab::Playlist;
  bool shown = false;
  Rect frame;  // where it was last shown; empty until then
};

// A search under way: its workers run off the window's thread, and the timer
// looks in on them.
struct SearchRun {
  std::unique_ptr<search::BackgroundSearch> games;
  search::SearchPattern pattern;
  search::SearchSettings settings;
  std::u16string playlistPath;  // the list being searched: a change of it ends the run
  std::vector<int> order;
  std::chrono::steady_clock::time_point counted;  // when the title last counted the games
};

// A partial-board search: the panel's numbers, the run, the result the list
// and the board show, and the main lines read for the playlist's games.
struct SearchSession {
  int threshold = 100;    // "一致率 … ％以上"
  int followUpCount = 6;  // "後続手表示手数"
  std::optional<SearchRun> run;
  std::u16string progress;  // the list window's title while a run goes on
  std::optional<search::SearchResults> results;
  std::size_t resultsKey = 0;  // the playlist and game files the results belong to
  int example = 0;             // the complete match the board shows, in list order
  render::SearchDisplay display;
  std::shared_ptr<search::MainLineCache> lines = std::make_shared<search::MainLineCache>();
  std::size_t linesKey = 0;  // the playlist and game files the lines were read for
  // Who runs a search's workers: the window gives them a thread per core,
  // the headless program runs them on its own thread.
  std::shared_ptr<const search::SearchExecutor> executor = std::make_shared<search::SynchronousExecutor>();
};

// The side panel's "設定" page: the row whose value "プレイリスト全体へ適用" copies.
struct PanelState {
  int settingRow = 0;
};

// What the playlist tab keeps besides the playlist's own selection.
struct ListWindowModelState {
  int adding = -1;             // games read so far while games are added, -1 otherwise
  std::u16string renameLabel;  // the file field the rename dialog renames
};

// The moves chosen in the event list, which limit the board transforms. They
// belong to the game they were chosen in, told by its record's string pool:
// every load gives the record a fresh one.
struct EventListChoice {
  std::set<int> moves;
  int anchor = 0;  // the move a Shift-click chooses from: the one clicked last without Shift
  std::weak_ptr<const StringPool> game;
};

// The game-information dialog while it is open: "ゲーム情報" edits the game
// it was filled from, "ゲーム情報一括編集" the games selected then.
struct GameInfoSession {
  GameInfoForm form;
  std::vector<int> batchGames;          // mode 2: the selected entries in list order
  std::weak_ptr<const StringPool> game;  // mode 1: the game the form was filled from
  bool edited = false;                   // the user typed or ran a page command since
};

// What the open views were last given, so a refresh tells them only what changed.
struct ShownViews;

class Application {
 public:
  Application(platform::Services& services, WindowPort& window, std::filesystem::path programFolder);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Window creation: settings, playlist, design, layout, the file of the
  // command line (a .sgf or .gpl path), the show or the list windows.
  void start(const std::vector<std::u16string>& arguments);
  // The close box or 終了: true when the window may go (the state is saved);
  // the caller closes it.
  bool requestClose();

  // A size message (maximised or during a size drag: the placement too) and
  // the end of a size or move drag.
  void onSize(bool maximised, bool dragging);
  void onSizeMoveEnd();
  // The picture to show; only commands and ticks advance what it holds.
  const QImage& paint();

  void onMouseMove(MousePos position, Modifiers modifiers);
  void onMouseLeave();
  void onLeftDown(MousePos position, Modifiers modifiers);
  void onLeftUp(MousePos position, Modifiers modifiers);
  void onRightDown(MousePos position, Modifiers modifiers);
  void onRightUp(MousePos position, Modifiers modifiers);
  void onMiddleDown(MousePos position, Modifiers modifiers);
  void onMiddleUp(MousePos position, Modifiers modifiers);
  void onLeftDoubleClick(MousePos position, Modifiers modifiers);
  // Whole notches; positive turns away from the user.
  void onWheel(int notches, Modifiers modifiers);

  // From the main window. A release acts with the modifiers of its press;
  // one whose press this window did not receive does nothing.
  void onKeyDown(const KeyEvent& event);
  void onKeyUp(const KeyEvent& event);
  // The same from a tab of the list window, `selector` naming the tab.
  void onListKeyDown(const KeyEvent& event, int selector);
  void onListKeyUp(const KeyEvent& event, int selector);

  void onTimer();
  void onDrop(const std::vector<std::u16string>& paths, MousePos position);

  void onPanelTabChanged(int page);
  // A control of the side panel: buttons 1111-1123, the input tools
  // 1005-1013, 1003 "編集", 1301 "結果表示".
  void onPanelCommand(int id);

  void DispatchCommand(int id);
  // A released key: `selectorA` and `selectorB` name the list window that
  // sent it, both kFromMainWindow from the main window.
  void ShortcutKeys(const KeyEvent& event, int selectorA, int selectorB);

  // The one timer: a period of 0 is the shortest the window can keep.
  void armTimer(int periodMs);
  void killTimer();
  void repaint();
  // What the painter reads now; refreshes paintState.design.
  render::RenderState renderState();
  PlaylistContext playlistContext();
  SettingsContext settingsContext() const;

  platform::Services& services;
  WindowPort& window;
  const std::filesystem::path programFolder;

  Document doc;
  Playlist playlist;
  Settings settings;
  SettingsRead settingsRead = SettingsRead::Absent;  // setting.dat as the start found it
  HistoryLog history;
  CountingState counting;  // countingMode is the territory mode of the window
  render::BoardPainter painter;
  playback::Playback playback;
  SearchSession search;

  int inputMode = 0;                // the panel's tool, 0 until one is chosen
  std::u16string labelText = u"a";  // what the "文字" tool places (field 1200)
  EventListChoice eventList;
  PointerState pointer;
  LayoutState layout;
  PaintState paintState;
  ListWindowState lists;
  MenuModel menus;
  std::optional<GameInfoSession> gameInfo;  // the game-information dialog, while open
  std::unique_ptr<ShownViews> shownViews;
  int eventDepth = 0;   // entry points under way: the outermost refreshes the views
  bool closed = false;  // 終了 destroyed the window
  PanelState panel;
  ListWindowModelState listModel;
};

// Auto-play (a show, a figure or a ladder run) is under way, as the engine counts it.
bool autoPlayRunning(const Application& app);

}  // namespace mokuza::app
