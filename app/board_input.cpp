#include "app/board_input.h"

#include <algorithm>
#include <utility>

#include <QPoint>

#include "app/commands.h"
#include "app/layout.h"
#include "app/command_table.h"
#include "app/pointer.h"
#include "app/search_session.h"
#include "app/status_texts.h"
#include "core/document/board_edits.h"
#include "core/document/editing.h"
#include "core/document/ladder.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "playback/figure_replay.h"
#include "playback/live_notes.h"
#include "render/render_state.h"

namespace mokuza::app {
namespace {

bool onBoard(const Application& app, int point) { return isOnBoard(point, app.doc.record().boardSize); }

// Playing a stone goes through the record's own rules; the sound follows
// when the view moved on to a new move.
void playStone(Application& app, int point, PlayOverrides overrides) {
  Document& doc = app.doc;
  const int before = doc.currentMove();
  playAt(doc, app.services, RecordPoint{point}, overrides);
  if (doc.currentMove() > before)
    playback::PlayStoneSound(app.playback.live, app.services, doc, doc.currentMove(), false, app.programFolder);
  refreshShownMove(app);
}

void leftRelease(Application& app, const BoardInputEvent& event) {
  const bool empty = shownStone(app, event.point) == 0;
  if (app.pointer.dragSource >= 0) {
    refreshShownMove(app);  // the stone was put back where it was picked up
  } else if (event.modifiers.shift && !empty) {
    ReadLadder(app.doc, app.services, RecordPoint{event.point}, playback::ladderRunStarter(app.playback));
    refreshShownMove(app);
  } else if (empty) {
    playStone(app, event.point, PlayOverrides{.shiftClick = event.modifiers.shift});
  }
}

// Play mode on a point of the board.
void playModeInput(Application& app, const BoardInputEvent& event) {
  Document& doc = app.doc;
  if (event.kind == BoardInputKind::RightClick) {
    if (doc.currentMove() == doc.moveCount() && deleteMove(doc)) refreshShownMove(app);
    return;
  }
  if (app.counting.countingMode) {
    if (event.kind == BoardInputKind::LeftRelease && shownStone(app, event.point) != 0) {
      MarkDead(app.counting, doc.board, RecordPoint{event.point});
      refreshShownMove(app);
    }
    return;
  }
  if (event.kind == BoardInputKind::DoubleClick) {
    const int placedBy = doc.shownPosition.boardGrid.placedBy[RecordPoint{event.point}];
    if (shownStone(app, event.point) != 0 && doc.currentMove() >= 1 && placedBy >= 0) {
      showMove(doc, placedBy);
      refreshShownMove(app);
    }
    return;
  }
  leftRelease(app, event);
}

// The icons of the strip, in the order the painter draws them.
enum Icon : int {
  kIconFirst,
  kIconBack10,
  kIconBack1,
  kIconForward1,
  kIconForward10,
  kIconLast,
  kIconPreviousStop,
  kIconNextStop,
  kIconPreviousFigure,
  kIconNextFigure,
  kIconNextVariation,
  kIconMainLine,
  kIconSave,
  kIconUndo,
  kIconRedo,
};
constexpr int kIconSteps = 10;

// While auto-play runs only the figure steps act, and only during a figure run.
bool iconAllowed(const Application& app, int icon) {
  const playback::AutoPlayState& play = app.playback.autoPlay;
  return !play.running() || ((icon == kIconPreviousFigure || icon == kIconNextFigure) && play.figureRun());
}

void runIcon(Application& app, int icon) {
  Document& doc = app.doc;
  const int current = doc.currentMove();
  const int last = playback::showableEnd(doc);
  switch (icon) {
    case kIconFirst: showMove(doc, 0); break;
    case kIconBack10: showMove(doc, std::max(current - kIconSteps, 0)); break;
    case kIconBack1:
    case kIconForward1: stepMove(app, icon == kIconBack1 ? -1 : 1); return;
    case kIconForward10: showMove(doc, std::min(current + kIconSteps, last)); break;
    case kIconLast: showMove(doc, last); break;
    case kIconPreviousStop: showMove(doc, playback::shownFigureStart(doc)); break;
    case kIconNextStop: showMove(doc, playback::nextFigureEnd(playback::buildFigureEnds(doc), current, last)); break;
    case kIconPreviousFigure:
    case kIconNextFigure:
      // As the keys B and N: by figures, past the ends to the neighbouring game.
      app.ShortcutKeys({icon == kIconPreviousFigure ? Key::B : Key::N, {}, false}, kFromMainWindow, kFromMainWindow);
      break;
    case kIconNextVariation:
    case kIconMainLine: switchVariation(doc, icon == kIconMainLine); break;
    case kIconSave:
      if (doc.state.modified) runCommand(app, Command::Save);
      break;
    case kIconUndo:
    case kIconRedo: runCommand(app, icon == kIconUndo ? Command::Undo : Command::Redo); break;
    default: return;
  }
  refreshShownMove(app);
}

// A release over an icon of the strip acts on it and ends there.
bool iconClicked(Application& app) {
  const int pressed = std::exchange(app.pointer.pressedIcon, -1);
  if (pressed >= 0) app.repaint();
  const int icon = iconAt(app, app.pointer.lastMouse);
  if (icon < 0) return false;
  if (iconAllowed(app, icon)) runIcon(app, icon);
  return true;
}

// A stone picked up and put down elsewhere: moved there, or off the board removed.
bool stoneDropped(Application& app, const BoardInputEvent& event) {
  const int source = app.pointer.dragSource;
  if (event.kind != BoardInputKind::LeftRelease || source < 0 || source == event.point) return false;
  const bool changed = onBoard(app, event.point) ? moveStone(app.doc, RecordPoint{source}, RecordPoint{event.point})
                                                 : removeStone(app.doc, RecordPoint{source});
  if (changed) refreshShownMove(app);
  else refreshShownMove(app);
  return true;
}

// "黒石" and "白石": a left click places the tool's colour, a right click the other.
void setupInput(Application& app, const BoardInputEvent& event) {
  if (event.kind == BoardInputKind::DoubleClick) return;
  const int colour = app.inputMode == render::kInputBlackStone ? 1 : -1;
  const int placed = event.kind == BoardInputKind::RightClick ? -colour : colour;
  if (toggleSetupStone(app.doc, RecordPoint{event.point}, placed)) refreshShownMove(app);
}

void markInput(Application& app, const BoardInputEvent& event) {
  if (event.kind == BoardInputKind::DoubleClick) return;
  const auto tool = static_cast<MarkTool>(app.inputMode - render::kInputTriangle);
  if (toggleMark(app.doc, RecordPoint{event.point}, tool, app.labelText)) {
    refreshShownMove(app);
  }
}

}  // namespace

int iconAt(const Application& app, MousePos position) {
  if (app.layout.panelHidden) return -1;
  const auto& rects = app.painter.iconRects();
  for (std::size_t i = 0; i < rects.size(); ++i)
    if (rects[i].contains(QPoint(position.x, position.y))) return static_cast<int>(i);
  return -1;
}

void pressIcon(Application& app, MousePos position) {
  app.pointer.pressedIcon = iconAt(app, position);
  if (app.pointer.pressedIcon >= 0) app.repaint();
}

bool rangeDeleteEnabled(const Application& app) {
  return app.inputMode == render::kInputRange && app.doc.state.selection.active && !autoPlayRunning(app);
}

bool inPlayMode(const Application& app) { return app.inputMode == 0 || app.inputMode == render::kInputPlay; }

int shownStone(const Application& app, int point) {
  return onBoard(app, point) ? app.doc.shownPosition.boardGrid.stones[RecordPoint{point}] : 0;
}

void BoardInput(Application& app, const BoardInputEvent& event) {
  Document& doc = app.doc;
  const bool onPoint = onBoard(app, event.point);
  const bool released = event.kind == BoardInputKind::LeftRelease;
  // A shown search result takes its clicks first.
  if (released && app.search.display.shown && searchBoardClick(app, event.point)) return;
  if (released && iconClicked(app)) return;
  if (replayModeOn(doc.state.options) && !app.counting.countingMode) {
    // Replay mode steps through the figures; nothing else happens.
    if (!onPoint || event.kind == BoardInputKind::DoubleClick) return;
    if (event.kind == BoardInputKind::LeftRelease) playback::figureReplayNext(app.playback);
    else playback::figureReplayPrevious(app.playback);
    refreshShownMove(app);
    return;
  }
  if (autoPlayRunning(app)) return;
  if (stoneDropped(app, event)) return;
  if (!onPoint) {
    // A click beside the board shows the current move again.
    showMove(doc, doc.currentMove());
    refreshShownMove(app);
    return;
  }
  if (inPlayMode(app)) playModeInput(app, event);
  else if (app.inputMode == render::kInputBlackStone || app.inputMode == render::kInputWhiteStone)
    setupInput(app, event);
  else if (app.inputMode >= render::kInputTriangle && app.inputMode <= render::kInputText) markInput(app, event);
}

void selectInputMode(Application& app, int mode) {
  if (mode < render::kInputPlay || mode > render::kInputRange) return;
  if (mode != render::kInputPlay && app.counting.countingMode) toggleTerritoryMode(app);
  app.inputMode = mode;
  app.counting.rangeMode = mode == render::kInputRange;
  refreshShownMove(app);
}

void selectRange(Application& app, int corner, int oppositeCorner) {
  const int n = app.doc.record().boardSize;
  if (!isOnBoard(corner, n) || !isOnBoard(oppositeCorner, n)) return;
  RangeSelection& range = app.doc.state.selection;
  range.active = true;
  range.left = std::min(corner % n, oppositeCorner % n);
  range.right = std::max(corner % n, oppositeCorner % n);
  range.top = std::min(corner / n, oppositeCorner / n);
  range.bottom = std::max(corner / n, oppositeCorner / n);
  RecordPointSet& points = app.counting.selection;
  points.clear();
  for (int y = range.top; y <= range.bottom; ++y)
    for (int x = range.left; x <= range.right; ++x) points.insert(RecordPoint{x + y * n});
  CountRange(app.counting, app.doc.board);
  refreshShownMove(app);
}

void refreshShownMove(Application& app) {
  CountTerritory(app.counting, app.doc.board);
  app.repaint();
}

}  // namespace mokuza::app
