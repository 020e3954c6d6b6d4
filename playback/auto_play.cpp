#include "playback/auto_play.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "playback/design_values.h"
#include "playback/figure_replay.h"
#include "playback/move_wait.h"
#include "playback/playlist_games.h"

namespace mokuza::playback {
namespace {

inline constexpr std::u16string_view kPlaylistShowHistory = u"プレイリスト自動再生";

bool armTimer(Playback& pb) { return !pb.actions.armTimer || pb.actions.armTimer(updateTime(pb.doc)); }

struct Range {
  int start = 0;
  int end = 0;
  bool forward() const { return start <= end; }
};

// The range a tick plays: the figure run, the ladder run or the design's;
// both ends below 1 mean the whole game. Ends are kept on showable moves so
// that a backward range ending below 0 still ends.
Range tickRange(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  Range r{designValue(pb.doc.state.design, DesignField::AutoStart),
          designValue(pb.doc.state.design, DesignField::AutoLast)};
  if (s.ladderRun()) r = {s.lapAnchorMove, s.ladderRunLine};
  if (s.figureRun()) {
    r = {s.figureRunStart, s.figureRunEnd};
    s.gameSwitchDelay = 0;
  }
  const int last = showableEnd(pb.doc);
  if (r.start < 1 && r.end < 1) return {0, last};
  return {std::clamp(r.start, 0, last), std::clamp(r.end, 0, last)};
}

// Positions move m during the show; a move after the start sets the wait.
void showDuringPlay(Playback& pb, int m, bool withSound) {
  AutoPlayState& s = pb.autoPlay;
  showMove(pb.doc, m);
  m = pb.doc.currentMove();
  if (m >= 1) s.moveWaitTotal = s.moveWaitTicks = moveWaitFor(pb.doc, m);
  if (withSound) PlayStoneSound(pb.live, pb.services, pb.doc, m, true, pb.programFolder);
  if (pb.actions.moveShown) pb.actions.moveShown(m, s.moveWaitTicks);
}

void restoreInfoWindow(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  if (s.infoWindowHide != InfoWindowHide::Hidden) return;
  s.infoWindowHide = InfoWindowHide::Armed;
  s.infoWindowHidden = s.savedInfoWindowHidden;
  pb.changes.relayout = true;
}

void setOff(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  s.autoPlayLap = kAutoPlayOff;
  s.figureRunStart = -1;
  s.gameSwitchDelay = 0;
  s.gamePauseTicks = 0;
}

void endAutoPlay(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  const bool figureRun = s.figureRun();
  setOff(pb);
  s.ladderRunLine = -1;
  s.stepAfterRun = false;
  s.moveWaitTicks = 0;
  callHook(pb.actions.endFades);
  SilenceAll(pb.live, pb.services, pb.doc);
  if (s.playlistAutoPlay) {
    // A stopped figure run records nothing.
    if (!figureRun) recordUndo(pb.doc, kPlaylistShowHistory);
    s.playlistAutoPlay = false;
    pb.changes.relayout = true;
  }
  endShow(pb);
}

// The range of a start: the running figure or ladder run, or the design's.
Range startRange(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  if (s.figureRun()) return {s.figureRunStart, s.figureRunEnd};
  s.figureRunEnd = showableEnd(pb.doc);
  if (s.ladderRun()) return {s.ladderStartMove, s.ladderRunLine};
  return {designValue(pb.doc.state.design, DesignField::AutoStart),
          designValue(pb.doc.state.design, DesignField::AutoLast)};
}

bool refusesToStart(const Playback& pb, const Range& r) {
  if (pb.autoPlay.playlistAutoPlay || pb.doc.moveCount() == 0) return false;
  const int last = pb.doc.moveCount();
  return (r.start > last && r.end > last) || r.start == r.end;
}

// The current move brought into the range before the first tick.
int moveInRange(const Playback& pb, const Range& r) {
  const int current = pb.doc.currentMove();
  if (r.forward()) return current < r.start || current > r.end ? r.start : current;
  if (current > r.start) return r.start;
  if (current < r.end) return r.start < pb.doc.moveCount() ? r.start : pb.doc.moveCount();
  return current;
}

void beginRunning(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  s.lapAnchorMove = pb.doc.currentMove();
  s.movedSinceStart = false;
  if (!armTimer(pb)) pb.services.messageBox({u"タイマー失敗！", u"失敗", platform::Buttons::Ok, platform::Icon::Error});
  pb.changes.cursor = true;
}

void startAutoPlay(Playback& pb, bool keepRunning) {
  AutoPlayState& s = pb.autoPlay;
  Document& doc = pb.doc;
  const bool wasOff = !s.running();
  const Range r = startRange(pb);
  // Refused before anything changes, so no command stays greyed.
  if (refusesToStart(pb, r)) {
    if (wasOff) setOff(pb);
    else endAutoPlay(pb);
    return;
  }

  if (s.infoWindowHide == InfoWindowHide::Armed) {
    s.savedInfoWindowHidden = s.infoWindowHidden;
    s.infoWindowHidden = true;
    pb.changes.relayout = true;
    s.infoWindowHide = InfoWindowHide::Hidden;
  }
  if (!keepRunning || wasOff) s.autoPlayLap = 0;

  Playlist& playlist = pb.playlist;
  if (s.playlistAutoPlay && playlist.gameCount() > 0 && wasOff) {
    s.movesPlayedCount = 0;
    if (playlist.currentGameIndex <= 0) {
      // The show resumes at the entry last shown, or begins with the first.
      int number = std::abs(playlist.currentGameIndex);
      if (number == 0 || placeOf(playlist, number - 1) < 0) number = playlist.displayOrder.front() + 1;
      if (OpenPlaylistGame(pb, number, u"") != OpenOutcome::Opened) {
        endAutoPlay(pb);
        return;
      }
      pb.changes.repaint = true;
      beginRunning(pb);
      return;
    }
  }

  if (!s.ladderRun() && r.end > 0) {
    const int target = moveInRange(pb, r);
    if (target != doc.currentMove()) showDuringPlay(pb, target, false);
  }
  beginRunning(pb);
}

// A run reached its end and does not go on to another game: auto-play stops,
// a ladder run is recorded as one undo entry, and a step asked for meanwhile
// is taken now.
void finishRun(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  const bool ladderRun = s.ladderRun();
  const bool stepAgain = s.stepAfterRun;
  setOff(pb);
  s.stepAfterRun = false;
  if (ladderRun) {
    s.ladderRunLine = -1;
    recordUndo(pb.doc, ladderRunDescription(s.ladderStartMove + 1, pb.doc.currentMove()));
  }
  endShow(pb);
  if (stepAgain) figureReplayNext(pb);
}

bool isLastPlaylistGame(const Playback& pb) {
  const Playlist& playlist = pb.playlist;
  return placeOf(playlist, std::abs(playlist.currentGameIndex) - 1) == playlist.gameCount() - 1;
}

void endPlaylistShow(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  const bool figureRun = s.figureRun();
  setOff(pb);
  if (!figureRun) recordUndo(pb.doc, kPlaylistShowHistory);
  s.playlistAutoPlay = false;
  endShow(pb);
}

// No fade is left: the finished game stays on the screen for the pause, which
// runs as timer ticks so the window stays live.
void beginGamePause(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  const std::int64_t period = updateTime(pb.doc);
  // Whole ticks, a part of a tick counting as one: the pause is never cut short.
  s.gamePauseTicks = static_cast<int>((s.gameSwitchDelay + period - 1) / period);
  s.gameSwitchDelay = 0;
  SilenceAll(pb.live, pb.services, pb.doc);
}

// The pause is over: the next game opens.
void openNextGame(Playback& pb) {
  if (stepPlaylistGame(pb, 1) != OpenOutcome::Opened) {
    // A game that cannot be opened would stop the show on the same spot forever.
    endAutoPlay(pb);
    return;
  }
  pb.changes.fullRedraw = true;
}

}  // namespace

int showableEnd(const Document& doc) { return std::min(computeViewLimit(doc), lastShowableMove(doc)); }

void endShow(Playback& pb) {
  restoreInfoWindow(pb);
  showMove(pb.doc, pb.doc.currentMove());
  pb.changes.repaint = true;
  pb.changes.cursor = true;
}

void stopAutoPlay(Playback& pb) {
  if (pb.autoPlay.running()) endAutoPlay(pb);
}

void ToggleAutoPlay(Playback& pb, bool keepRunning) {
  if (pb.autoPlay.running() && !keepRunning) endAutoPlay(pb);
  else startAutoPlay(pb, keepRunning);
}

void startPlaylistAutoPlay(Playback& pb) {
  if (pb.autoPlay.running()) {
    ToggleAutoPlay(pb, false);
    return;
  }
  // The show opens other games: the changes of this one are saved or given up first.
  if (pb.doc.state.modified) {
    const int shown = pb.doc.currentMove();
    if (askSave(pb.doc, pb.services) == SaveQuestion::Cancelled) return;
    showMove(pb.doc, shown);
  }
  pb.autoPlay.playlistAutoPlay = true;
  ToggleAutoPlay(pb, false);
  if (!pb.autoPlay.running()) pb.autoPlay.playlistAutoPlay = false;
}

void AutoPlayTick(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  Document& doc = pb.doc;
  if (!s.running()) return;
  if (s.gamePauseTicks > 0) {
    armTimer(pb);
    if (--s.gamePauseTicks == 0) openNextGame(pb);
    return;
  }
  const int period = updateTime(doc);
  const int autoSpeed = designValue(doc.state.design, DesignField::AutoSpeed);
  // The wait that lets running fades finish: a display time shorter than the
  // period still leaves them a frame, or they would never end.
  const int fadeWaitTicks = std::max(1, autoSpeed / period);
  // Runs twice only when a playlist game ends: the second pass waits for the next.
  for (int pass = 0; pass < 2; ++pass) {
    const Range r = tickRange(pb);
    armTimer(pb);
    const int current = doc.currentMove();
    if (r.forward() ? current < r.end : current > r.end) {
      ++s.movesPlayedCount;
      s.movedSinceStart = true;
      showDuringPlay(pb, r.forward() ? current + 1 : current - 1, r.forward());
      pb.changes.repaint = true;
      return;
    }

    if (s.gameSwitchDelay > 0) {
      if (!pb.actions.fadeRunning || !pb.actions.fadeRunning()) {
        beginGamePause(pb);
        return;
      }
      if (s.moveWaitTicks == 0) s.moveWaitTicks = fadeWaitTicks;
      pb.changes.repaint = true;
      s.gameSwitchDelay = std::max(1, s.gameSwitchDelay - period);
      return;
    }

    const int looptime = designValue(doc.state.design, DesignField::LoopTime);
    const bool startedAtEnd = s.autoPlayLap == 0 && current == s.lapAnchorMove && !s.movedSinceStart;
    const bool goesOn = !s.ladderRun() && ((!s.figureRun() && looptime >= 0) || startedAtEnd || s.playlistAutoPlay);
    if (!goesOn) {
      // The figure's last stone fades in to the end like the others: a full
      // redraw now would cut its fade short.
      if (s.figureRun() && pb.actions.fadeRunning && pb.actions.fadeRunning()) {
        s.moveWaitTicks = fadeWaitTicks;
        pb.changes.repaint = true;
        return;
      }
      finishRun(pb);
      return;
    }

    if (!s.playlistAutoPlay) {
      const int target = std::min(r.start, showableEnd(doc));
      showDuringPlay(pb, target, false);
      armTimer(pb);
      if (target == s.lapAnchorMove) ++s.autoPlayLap;
      return;
    }
    if (isLastPlaylistGame(pb) && looptime < 0) {
      endPlaylistShow(pb);
      return;
    }
    s.gameSwitchDelay = static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{autoSpeed} + std::abs(std::int64_t{looptime}), 1, INT32_MAX));
    armTimer(pb);
  }
}

void onPlaybackTimer(Playback& pb) {
  endNotesOnTick(pb.live, pb.services);
  AutoPlayState& s = pb.autoPlay;
  if (!s.running()) return;
  if (s.moveWaitTicks > 0) {
    // Exactly one side counts the wait: the window's painter when it draws the frames.
    if (pb.actions.fadeStep) pb.actions.fadeStep();
    else --s.moveWaitTicks;
    return;
  }
  AutoPlayTick(pb);
}

StartLadderRun ladderRunStarter(Playback& pb) {
  return [&pb](const LadderRun& run) {
    AutoPlayState& s = pb.autoPlay;
    if (s.running() || run.lastMove <= run.startMove) return;
    s.ladderRunLine = run.lastMove;
    s.ladderStartMove = run.startMove;
    ToggleAutoPlay(pb, false);
    if (!s.running()) s.ladderRunLine = -1;
  };
}

}  // namespace mokuza::playback
