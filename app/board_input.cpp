#include "app/board_input.h"

#include <algorithm>

#include "app/commands.h"
#include "app/layout.h"
#include "app/status_texts.h"
#include "core/document/editing.h"
#include "core/document/ladder.h"
#include "core/document/navigation.h"
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
  refreshAfterEdit(app);
}

void leftRelease(Application& app, const BoardInputEvent& event) {
  const int source = app.pointer.dragSource;
  const bool empty = shownStone(app, event.point) == 0;
  if (source >= 0) {
    // A picked-up stone put down elsewhere takes the place of the next move.
    if (source != event.point && empty) playStone(app, event.point, PlayOverrides{.droppedStone = true});
    else refreshShownMove(app);
  } else if (event.modifiers.shift && !empty) {
    ReadLadder(app.doc, app.services, RecordPoint{event.point}, playback::ladderRunStarter(app.playback));
    refreshAfterEdit(app);
  } else if (empty) {
    playStone(app, event.point, PlayOverrides{.shiftClick = event.modifiers.shift});
  }
}

// Play mode on a point of the board.
void playModeInput(Application& app, const BoardInputEvent& event) {
  Document& doc = app.doc;
  if (event.kind == BoardInputKind::RightClick) {
    if (doc.currentMove() == doc.moveCount() && deleteMove(doc)) refreshAfterEdit(app);
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

}  // namespace

bool inPlayMode(const Application& app) { return app.inputMode == 0 || app.inputMode == render::kInputPlay; }

int shownStone(const Application& app, int point) {
  return onBoard(app, point) ? app.doc.shownPosition.boardGrid.stones[RecordPoint{point}] : 0;
}

void BoardInput(Application& app, const BoardInputEvent& event) {
  Document& doc = app.doc;
  const bool onPoint = onBoard(app, event.point);
  if (replayModeOn(doc.state.options) && !app.counting.countingMode) {
    // Replay mode steps through the figures; nothing else happens.
    if (!onPoint || event.kind == BoardInputKind::DoubleClick) return;
    if (event.kind == BoardInputKind::LeftRelease) playback::figureReplayNext(app.playback);
    else playback::figureReplayPrevious(app.playback);
    refreshShownMove(app);
    return;
  }
  if (app.playback.autoPlay.running()) return;
  if (!onPoint) {
    // A click beside the board shows the current move again (a cancelled drag puts its stone back).
    showMove(doc, doc.currentMove());
    refreshShownMove(app);
    return;
  }
  if (inPlayMode(app)) playModeInput(app, event);
}

void selectInputMode(Application& app, int mode) {
  if (mode < render::kInputPlay || mode > render::kInputRange) return;
  if (mode != render::kInputPlay && app.counting.countingMode) toggleTerritoryMode(app);
  app.inputMode = mode;
  app.counting.rangeMode = mode == render::kInputRange;
  app.window.panelChanged();
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
  refreshStatusText(app);
  app.repaint();
}

void refreshAfterEdit(Application& app) {
  setWindowTitle(app);
  refreshMenus(app);
  refreshShownMove(app);
}

}  // namespace mokuza::app
