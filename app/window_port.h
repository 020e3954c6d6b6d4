#pragma once
// What the application asks of its window. The desktop window implements it
// with widgets; tests implement it with a fake that records every call, so
// all of the application runs without a display.

#include <string>
#include <vector>

#include "settings/placement.h"

namespace mokuza::app {

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

enum class CursorKind { Arrow, PickedStone, Step, Hidden };

// The three tabs of the list window.
enum class ListTab { Playlist = 0, EventList = 1, FigureList = 2 };

// The dialogs the window opens on the application's behalf; what they show
// and change is the application's.
enum class DialogKind {
  DesignTransparency,   // "透明度設定"
  DesignBoardPosition,  // "碁盤位置設定"
  DesignMoveNumbers,    // "手数表示設定"
  DesignAutoPlay,       // "自動再生設定"
  PairGoColours,        // "ペア碁カラー設定"
  About,                // "バージョン情報"
  GameInfo,             // the loaded game
  BatchGameInfo,        // the games selected in the playlist
  MoveInfo,
  Rename,         // "名前変更"
  PlayerAliases,  // "別名（同一対局者）指定"
};

// The desktop as the window system reports it: all monitors together, and
// each monitor's work area.
struct Screens {
  Rect virtualScreen{0, 0, 1920, 1080};
  ScreenInfo info;
  double pixelRatio = 1.0;  // device pixels per logical pixel of the window's screen
};

class WindowPort {
 public:
  virtual ~WindowPort() = default;

  // The one window timer: re-arming changes its period.
  virtual void armTimer(int periodMs) = 0;
  virtual void killTimer() = 0;

  virtual void invalidate() = 0;
  virtual void invalidateRect(const Rect& area) = 0;
  virtual void setCursor(CursorKind kind) = 0;
  virtual void setTitle(const std::u16string& title) = 0;
  // A long read goes on: the title says how far it got, and the window
  // repaints meanwhile (it takes no input until the read ends).
  virtual void showBusyTitle(const std::u16string& title) = 0;
  virtual void setStatusText(const std::u16string& text) = 0;
  // The menu model changed (labels, checks, enabled states, recent lists).
  virtual void menusChanged() = 0;

  // The side panel: its page, rebuilt at a text-size scale 2..5, and its
  // texts changed.
  virtual void selectPanelPage(int page) = 0;
  virtual void rebuildPanel(int textScale) = 0;
  virtual void panelChanged() = 0;

  virtual void showMenuBar(bool shown) = 0;
  virtual void showStatusBar(bool shown) = 0;
  virtual void setFullScreen(bool on) = 0;
  // The normal (not maximised) rectangle of the main window in screen pixels.
  virtual void placeMainWindow(const Rect& frame) = 0;
  virtual Rect mainWindowRect() const = 0;
  virtual bool maximised() const = 0;
  // Back to the normal rectangle from maximised or minimised.
  virtual void restoreMainWindow() = 0;

  // Rows, title or menu of the list window changed.
  virtual void listWindowChanged() = 0;
  virtual void showListWindow(ListTab tab, const Rect& frame) = 0;
  virtual void hideListWindow() = 0;
  virtual bool listWindowShown() const = 0;
  virtual Rect listWindowRect() const = 0;
  virtual void focusMainWindow() = 0;

  virtual void showDialog(DialogKind kind) = 0;
  // The open game-information dialog's form changed, or the dialog closed
  // (Application::gameInfo is empty).
  virtual void gameInfoChanged() = 0;

  virtual Size clientSize() const = 0;
  // 0 while the status bar is hidden.
  virtual int statusBarHeight() const = 0;
  virtual Screens screens() const = 0;
  virtual bool modalDialogOpen() const = 0;

  // The window goes away; the event loop ends.
  virtual void destroy() = 0;
};

}  // namespace mokuza::app
