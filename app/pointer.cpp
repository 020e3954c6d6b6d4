#include "app/pointer.h"

#include <algorithm>
#include <cstdlib>

#include "app/board_input.h"
#include "app/commands.h"
#include "app/layout.h"
#include "app/status_texts.h"
#include "app/view_refresh.h"
#include "core/document/navigation.h"
#include "core/document/stone_colour.h"
#include "playback/design_values.h"
#include "playback/figure_replay.h"
#include "playback/live_notes.h"
#include "render/render_state.h"

namespace mokuza::app {
namespace {

constexpr int kHoldTickMs = 100;
// A click keeps the timer for one slow period; that tick stops it.
constexpr int kAfterClickMs = 1000;
constexpr int kLeftHoldTicks = 10;  // one second reverses the colour to play
constexpr int kRightHoldTicks = 5;  // half a second reverses the stone

// Whether the painter draws a preview stone that follows the hover point.
bool previewFollows(const Application& app) {
  const int mode = app.inputMode;
  return !autoPlayRunning(app) && !app.counting.countingMode &&
         (inPlayMode(app) || mode == render::kInputBlackStone || mode == render::kInputWhiteStone);
}

bool rangeDragging(const Application& app) {
  return app.inputMode == render::kInputRange && app.pointer.leftDown && app.pointer.pressedPoint >= 0;
}

// Auto-play keeps its own period: holds count only while it is idle.
void startHoldCount(Application& app, int& count) {
  if (!autoPlayRunning(app)) app.armTimer(kHoldTickMs);
  if (count < 0) count = 0;
}

// The step cursor while the right button can step back in play mode.
bool stepCursorShown(const Application& app) {
  const Document& doc = app.doc;
  return inPlayMode(app) && !replayModeOn(doc.state.options) &&
         (doc.currentMove() < doc.moveCount() || doc.currentMove() == 0);
}

void note(Application& app, MousePos position, Modifiers modifiers) {
  app.pointer.lastMouse = position;
  app.pointer.shiftHeld = modifiers.shift;
}

void releaseNoted(Application& app, MousePos position, Modifiers modifiers) {
  note(app, position, modifiers);
  app.pointer.releasedSinceMove = true;
}

}  // namespace

void holdTimerTick(Application& app) {
  const EventScope scope(app, Reach::Game);
  PointerState& p = app.pointer;
  if (!app.counting.countingMode) {
    // Each count starts again after it acted, so a longer hold acts again.
    if (p.leftHoldTicks >= 0 && ++p.leftHoldTicks % kLeftHoldTicks == 0 && p.dragSource < 0) {
      app.doc.colourToPlay = static_cast<std::int8_t>(-app.doc.colourToPlay);
      app.repaint();
    }
    if (p.rightHoldTicks >= 0 && ++p.rightHoldTicks % kRightHoldTicks == 0 && p.dragSource < 0 &&
        reversePlacedStone(app.doc, RecordPoint{p.pressedPoint})) {
      refreshShownMove(app);
    }
  }
  // The notes of a manual step end on later ticks.
  if (p.leftHoldTicks < 0 && p.rightHoldTicks < 0 && app.playback.live.sounding.empty()) app.killTimer();
}

void stepMove(Application& app, int direction) {
  const int period = app.paintState.timerPeriod;
  if (direction < 0) playback::stepBackward(app.playback);
  else playback::stepForward(app.playback);
  // A step's notes re-arm the timer; a running hold count keeps its own pace.
  if (period > 0 && app.paintState.timerPeriod != period) app.armTimer(period);
  refreshShownMove(app);
}

// The pointer's place shows only in the picture: a move over the board
// refreshes no other view unless it drags a range.
void Application::onMouseMove(MousePos position, Modifiers modifiers) {
  const EventScope scope(*this, Reach::Picture);
  const bool shiftChanged = pointer.shiftHeld != modifiers.shift;
  note(*this, position, modifiers);
  const int point = boardPointAt(*this, position);
  if (point == pointer.hoverPoint) {
    if (shiftChanged && previewFollows(*this)) repaint();
    return;
  }
  if (point >= 0 && (pointer.hoverPoint < 0 || pointer.releasedSinceMove)) {
    pointer.leftHoldTicks = pointer.rightHoldTicks = -1;
    pointer.releasedSinceMove = false;
  }
  pointer.hoverPoint = point;
  if (rangeDragging(*this) && point >= 0) {
    const EventScope rangeShown(*this, Reach::Game);
    selectRange(*this, pointer.pressedPoint, point);
  } else if (previewFollows(*this) || pointer.dragSource >= 0) repaint();
}

void Application::onMouseLeave() {
  const EventScope scope(*this, Reach::Picture);
  const bool previewShown = pointer.hoverPoint >= 0 && previewFollows(*this);
  pointer.hoverPoint = -1;
  pointer.leftHoldTicks = -1;
  if (pointer.dragSource >= 0) {
    pointer.dragSource = -1;
    window.setCursor(CursorKind::Arrow);
    repaint();
  } else if (previewShown) {
    repaint();
  }
}

void Application::onLeftDown(MousePos position, Modifiers modifiers) {
  const EventScope scope(*this, Reach::Game);
  note(*this, position, modifiers);
  pressIcon(*this, position);
  if (autoPlayRunning(*this)) return;
  pointer.leftDown = true;
  startHoldCount(*this, pointer.leftHoldTicks);
  if (replayModeOn(doc.state.options)) return;
  const int point = boardPointAt(*this, position);
  if (inputMode == render::kInputRange) {
    pointer.pressedPoint = point;  // the first corner of the selection
    return;
  }
  if (counting.countingMode || shownStone(*this, point) == 0) return;
  pointer.pressedPoint = point;
  if (modifiers.shift) return;
  pointer.dragSource = point;
  window.setCursor(CursorKind::PickedStone);
  repaint();
}

void Application::onLeftUp(MousePos position, Modifiers modifiers) {
  const EventScope scope(*this, Reach::Game);
  releaseNoted(*this, position, modifiers);
  const bool pressSeen = pointer.leftDown;
  pointer.leftDown = false;
  window.setCursor(CursorKind::Arrow);
  const int point = boardPointAt(*this, position);
  if (pressSeen && !autoPlayRunning(*this)) armTimer(kAfterClickMs);
  if (inputMode == render::kInputRange && pressSeen && point >= 0 && pointer.pressedPoint >= 0 &&
      !replayModeOn(doc.state.options))
    selectRange(*this, pointer.pressedPoint, point);
  else BoardInput(*this, {BoardInputKind::LeftRelease, point, modifiers});
  pointer.dragSource = -1;
  pointer.leftHoldTicks = -1;
}

void Application::onRightDown(MousePos position, Modifiers modifiers) {
  const EventScope scope(*this, Reach::Game);
  note(*this, position, modifiers);
  if (pointer.leftDown) return;
  pointer.rightDown = true;
  startHoldCount(*this, pointer.rightHoldTicks);
  pointer.pressedPoint = boardPointAt(*this, position);
  if (stepCursorShown(*this)) window.setCursor(CursorKind::Step);
}

void Application::onRightUp(MousePos position, Modifiers modifiers) {
  const EventScope scope(*this, Reach::Game);
  releaseNoted(*this, position, modifiers);
  if (!pointer.rightDown) return;
  const int held = pointer.rightHoldTicks;
  pointer.rightDown = false;
  pointer.rightHoldTicks = -1;
  window.setCursor(CursorKind::Arrow);
  if (held < kRightHoldTicks) BoardInput(*this, {BoardInputKind::RightClick, boardPointAt(*this, position), modifiers});
}

void Application::onMiddleDown(MousePos position, Modifiers modifiers) {
  const EventScope scope(*this, Reach::Game);
  note(*this, position, modifiers);
  if (inPlayMode(*this) && boardPointAt(*this, position) >= 0) window.setCursor(CursorKind::Step);
}

void Application::onMiddleUp(MousePos position, Modifiers modifiers) {
  const EventScope scope(*this, Reach::Game);
  releaseNoted(*this, position, modifiers);
  window.setCursor(CursorKind::Arrow);
}

void Application::onLeftDoubleClick(MousePos position, Modifiers modifiers) {
  const EventScope scope(*this, Reach::Game);
  note(*this, position, modifiers);
  BoardInput(*this, {BoardInputKind::DoubleClick, boardPointAt(*this, position), modifiers});
}

void Application::onWheel(int notches, Modifiers) {
  const EventScope scope(*this, Reach::Game);
  if (notches == 0 || window.modalDialogOpen()) return;
  if (autoPlayRunning(*this)) {
    // Towards the user shortens the display time.
    changeDisplayTime(*this, notches);
    return;
  }
  const bool towardsUser = notches < 0;
  const KeyEvent arrow{towardsUser ? Key::Down : Key::Up, {}, false};
  for (int i = std::abs(notches); i > 0; --i) {
    if (search.display.shown) ShortcutKeys(arrow, kFromMainWindow, kFromMainWindow);
    else stepMove(*this, towardsUser ? 1 : -1);
  }
}

}  // namespace mokuza::app
