#pragma once
// The program as one object: it owns the game, the playlist, auto-play, the
// counting, the settings, the history log, the board painter and the state
// of the window, and the window drives it with plain calls. Nothing here
// needs a display.

#include <QImage>
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
#include "core/rules/territory.h"
#include "platform/services.h"
#include "playback/auto_play.h"
#include "playlist/history_log.h"
#include "playlist/playlist.h"
#include "playlist/playlist_context.h"
#include "render/board_geometry.h"
#include "render/board_painter.h"
#include "render/render_state.h"
#include "search/search_results.h"
#include "settings/settings_data.h"
#include "settings/settings_file.h"

namespace mokuza::app {

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

// A search under way: a few games per timer tick, so the window stays live.
struct SearchRun {
  search::SearchResults results;  // the games searched so far
  std::array<search::VariantMasks, search::kVariantCount> masks;
  std::u16string playlistPath;  // the list being searched: a change of it ends the run
  std::vector<int> order;
  std::size_t next = 0;  // the place in `order` of the next game
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
  search::MainLineCache lines;
  std::size_t linesKey = 0;  // the playlist and game files the lines were read for
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
  std::weak_ptr<const StringPool> game;
};

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

  // From the main window; list windows call ShortcutKeys with their tab.
  void onKeyDown(const KeyEvent& event);
  void onKeyUp(const KeyEvent& event);

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
  PanelState panel;
  ListWindowModelState listModel;
};

}  // namespace mokuza::app
