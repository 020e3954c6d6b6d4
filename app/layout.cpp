#include "app/layout.h"

#include <algorithm>

#include "app/commands.h"
#include "app/view_refresh.h"
#include "core/document/design_fields.h"
#include "render/geometry_inputs.h"

namespace mokuza::app {

namespace {

constexpr int kPlayTool = 1005;  // "着手"
// A window pulled onto a smaller screen keeps at least this much of itself.
constexpr int kMinimumKept = 100;

// A rectangle larger than the screen brought onto it: its right and bottom
// edges on the screen, at least kMinimumKept wide and high.
Rect clampToScreen(Rect r, const Rect& screen) {
  r.right = std::min(r.right, screen.right);
  r.bottom = std::min(r.bottom, screen.bottom);
  r.left = std::min(std::max(r.left, screen.left), r.right - kMinimumKept);
  r.top = std::min(std::max(r.top, screen.top), r.bottom - kMinimumKept);
  return r;
}

bool largerThan(std::int64_t width, std::int64_t height, const Rect& screen) {
  return width > screen.width() || height > screen.height();
}

// After a size or move: the normal rectangle kept, pulled onto the screen
// when it outgrew it; nothing while full screen holds the saved one.
void updatePlacement(Application& app) {
  if (app.layout.fullScreen) return;
  app.layout.screens = app.window.screens();
  const Rect& screen = app.layout.screens.virtualScreen;
  Rect frame = app.window.mainWindowRect();
  if (largerThan(frame.width(), frame.height(), screen)) {
    frame = clampToScreen(frame, screen);
    app.window.placeMainWindow(frame);
  }
  app.layout.savedWindowRect = frame;
  app.paintState.flags.rebuildImages = true;
}

void relayoutAndRepaint(Application& app) {
  app.paintState.flags.layoutChanged = true;
  layoutWindow(app);
  app.repaint();
}

}  // namespace

int textScale(const Application& app) { return option(app.doc.state.options, DocumentOption::TextSize) + 1; }

Size panelSize(int scale) { return {render::panelWidth(scale), scale == 2 ? 636 : 310 * scale}; }

int panelDeviceWidth(const Application& app) {
  const LayoutState& layout = app.layout;
  return layout.panelHidden ? 0 : render::devicePixels(panelSize(textScale(app)).width, layout.screens.pixelRatio);
}

void layoutWindow(Application& app) {
  LayoutState& layout = app.layout;
  layout.screens = app.window.screens();
  const Rect& screen = layout.screens.virtualScreen;
  Size client = app.window.clientSize();
  if (largerThan(client.width, client.height, screen)) {
    layout.savedWindowRect = clampToScreen(layout.savedWindowRect, screen);
    app.window.placeMainWindow(layout.savedWindowRect);
    client = app.window.clientSize();
  }
  layout.client = client;
  layout.statusBarHeight = layout.fullScreen ? 0 : app.window.statusBarHeight();
  // Auto-play's information-window state owns the flag; the layout keeps
  // what it laid out for the paint.
  layout.panelHidden = app.playback.autoPlay.infoWindowHidden;

  render::WindowLayout window;
  window.clientWidth = client.width;
  window.clientHeight = client.height;
  window.panelWidth = panelDeviceWidth(app);
  window.statusBarHeight = layout.statusBarHeight;
  window.layoutNo = option(app.doc.state.options, DocumentOption::LayoutNo);
  // At the right edge the icons stand over the panel, clear of the board.
  if (!layout.panelHidden && window.layoutNo < 2)
    window.iconStripHeight = render::devicePixels(16 * textScale(app), layout.screens.pixelRatio);
  layout.geometry = render::ComputeBoardGeometry(
      render::designGeometryInputs(app.doc.state.design, app.doc.record().boardSize, window));
  app.paintState.flags.layoutChanged = true;
}

void Application::onSize(bool maximised, bool dragging) {
  const EventScope scope(*this);
  if (maximised || dragging) updatePlacement(*this);
  layoutWindow(*this);
  repaint();
}

void Application::onSizeMoveEnd() {
  const EventScope scope(*this);
  // The settle after a resize the layout already followed, or a move that
  // changed no size, keeps the picture: a rebuild re-reads every image and
  // would cut short the fade a running show is drawing.
  const Size client = layout.client;
  const render::BoardGeometry geometry = layout.geometry;
  const render::PaintFlags pending = paintState.flags;
  updatePlacement(*this);
  layoutWindow(*this);
  if (layout.client == client && layout.geometry == geometry) {
    paintState.flags = pending;
    return;
  }
  repaint();
}

void applyTextSize(Application& app) {
  app.paintState.flags.layoutChanged = true;
  app.window.rebuildPanel(textScale(app));
  if (app.window.listWindowShown()) {
    // Closed and opened again, the list window measures its rows anew.
    const ListTab tab = app.lists.tab;
    toggleListWindow(app, tab);
    toggleListWindow(app, tab);
  }
  app.onSizeMoveEnd();
}

void setStatusBarVisible(Application& app) {
  const bool shown = designValue(app.doc.state.design, DesignField::StatusShow) != 0 && !app.layout.fullScreen;
  app.window.showStatusBar(shown);
  app.layout.statusBarHeight = shown ? app.window.statusBarHeight() : 0;
}

void setMenuBarVisible(Application& app) {
  app.window.showMenuBar(designValue(app.doc.state.design, DesignField::MenuShow) != 0 && !app.layout.fullScreen);
}

void toggleFullScreen(Application& app) {
  LayoutState& layout = app.layout;
  // The flag, not the window's maximised state, tells the two ways apart: a
  // maximised normal window goes full screen too.
  if (!layout.fullScreen) {
    layout.savedWindowRect = app.window.mainWindowRect();
    layout.fullScreen = true;
    app.paintState.flags.rebuildImages = true;
    app.window.setFullScreen(true);
  } else {
    app.window.setFullScreen(false);
    if (app.window.maximised()) app.window.restoreMainWindow();
    app.window.placeMainWindow(layout.savedWindowRect);
    layout.fullScreen = false;
  }
  setMenuBarVisible(app);
  setStatusBarVisible(app);
  relayoutAndRepaint(app);
}

void togglePanelHidden(Application& app) {
  bool& hidden = app.playback.autoPlay.infoWindowHidden;
  hidden = !hidden;
  relayoutAndRepaint(app);
}

void updateCursor(Application& app) {
  const PointerState& pointer = app.pointer;
  const bool replayMode = replayModeOn(app.doc.state.options);
  const int move = app.doc.currentMove();
  const bool stepping =
      (pointer.rightDown && app.inputMode == kPlayTool && !replayMode && (move < app.doc.moveCount() || move == 0)) ||
      pointer.shiftHeld;
  CursorKind kind = CursorKind::Arrow;
  if (autoPlayRunning(app) && pointer.hoverPoint >= 0 && !app.search.display.shown && !replayMode)
    kind = CursorKind::Hidden;
  else if (pointer.dragSource >= 0) kind = CursorKind::PickedStone;
  else if (stepping) kind = CursorKind::Step;
  app.window.setCursor(kind);
}

int boardPointAt(const Application& app, MousePos position) {
  const render::BoardGeometry& g = app.layout.geometry;
  const int n = g.boardSize;
  const int dx = position.x - g.boardLeft;
  const int dy = position.y - g.boardTop;
  if (dx < 0 || dy < 0 || g.pitch < 1 || dx / g.pitch >= n || dy / g.pitch >= n) return -1;
  return dx / g.pitch + n * (dy / g.pitch);
}

void Application::onPanelTabChanged(int page) {
  const EventScope scope(*this);
  layout.panelPage = page;
  window.selectPanelPage(page);
}

}  // namespace mokuza::app
