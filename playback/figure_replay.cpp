#include "playback/figure_replay.h"

#include <algorithm>

#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "playback/design_values.h"
#include "playback/live_notes.h"
#include "playback/move_wait.h"
#include "playback/playlist_games.h"

namespace mokuza::playback {

std::vector<int> buildFigureEnds(const Document& doc) {
  const int last = showableEnd(doc);
  const std::int64_t fewest = designValue(doc.state.design, DesignField::RcFraction);
  std::vector<int> ends;
  for (std::uint32_t end : doc.state.design.figureEnds) {
    if (std::int64_t{end} + fewest > last) {
      ends.push_back(last);
      break;
    }
    ends.push_back(static_cast<int>(end));
  }
  // Lookups need the ends in order; a design may list them otherwise or repeat them.
  std::sort(ends.begin(), ends.end());
  ends.erase(std::unique(ends.begin(), ends.end()), ends.end());
  return ends;
}

void refreshFigureEnds(Playback& pb) { pb.autoPlay.figureEnds = buildFigureEnds(pb.doc); }

int nextFigureEnd(const std::vector<int>& ends, int move, int lastMove) {
  auto it = std::upper_bound(ends.begin(), ends.end(), move);
  return it == ends.end() ? std::max(lastMove, move) : *it;
}

namespace {

// The last end before `move` (0 when none is).
int previousFigureEnd(const std::vector<int>& ends, int move) {
  auto it = std::lower_bound(ends.begin(), ends.end(), move);
  return it == ends.begin() ? 0 : *std::prev(it);
}

}  // namespace

int shownFigureStart(const Document& doc) { return previousFigureEnd(buildFigureEnds(doc), doc.currentMove()); }

void figureReplayNext(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  Document& doc = pb.doc;
  refreshFigureEnds(pb);
  const int current = doc.currentMove();
  const int next = nextFigureEnd(s.figureEnds, current, showableEnd(doc));
  if (autoNextFigure(doc) && !s.figureRun()) {
    s.moveWaitTotal = s.moveWaitTicks =
        MoveWaitTicks(designValue(doc.state.design, DesignField::AutoSpeed), 50, updateTime(doc));
    const int shownFigureEnd = previousFigureEnd(s.figureEnds, current);
    if (pb.actions.fadeInMoves && current > shownFigureEnd) pb.actions.fadeInMoves(shownFigureEnd + 1, current);
    s.figureRunStart = current;
    s.figureRunEnd = next;
    ToggleAutoPlay(pb, false);
    if (s.running()) AutoPlayTick(pb);
    return;
  }
  if (s.figureRun()) {
    if (current == s.figureRunEnd) {
      s.stepAfterRun = true;
      return;
    }
    s.figureRunStart = -1;
    s.autoPlayLap = kAutoPlayOff;
    endShow(pb);
  }
  showMove(doc, next);
}

void figureReplayPrevious(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  refreshFigureEnds(pb);
  const int current = pb.doc.currentMove();
  s.lapAnchorMove = current;
  s.figureRunEnd = previousFigureEnd(s.figureEnds, current);
  showMove(pb.doc, s.figureRunEnd);
}

namespace {

// Past the ends of a playlist game, or on a game without moves, the step
// commands open the neighbouring game.
bool stepsToOtherGame(const Playback& pb, bool forward) {
  const Document& doc = pb.doc;
  if (doc.moveCount() == 0) return pb.playlist.gameCount() >= 2 && !doc.state.modified;
  if (pb.playlist.currentGameIndex <= 0) return false;
  return forward ? doc.currentMove() >= showableEnd(doc) : doc.currentMove() == 0;
}

}  // namespace

void stepForward(Playback& pb) {
  if (stepsToOtherGame(pb, true)) {
    stepPlaylistGame(pb, 1);
    return;
  }
  if (replayModeOn(pb.doc.state.options)) {
    figureReplayNext(pb);
    return;
  }
  const int next = std::min(pb.doc.currentMove() + 1, showableEnd(pb.doc));
  if (next == pb.doc.currentMove()) return;
  showMove(pb.doc, next);
  PlayStoneSound(pb.live, pb.services, pb.doc, next, pb.autoPlay.running(), pb.programFolder);
  // The timer ends the step's notes.
  if (!pb.live.sounding.empty() && pb.actions.armTimer) pb.actions.armTimer(updateTime(pb.doc));
}

void stepBackward(Playback& pb) {
  if (stepsToOtherGame(pb, false)) {
    stepPlaylistGame(pb, -1);
    return;
  }
  if (replayModeOn(pb.doc.state.options)) {
    figureReplayPrevious(pb);
    return;
  }
  showMove(pb.doc, pb.doc.currentMove() - 1);
}

}  // namespace mokuza::playback
