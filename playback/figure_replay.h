#pragma once
// Figure replay ("棋譜並べモード"): the game shown figure by figure, and the
// step commands that lead from one figure, or one game, to the next.

#include <vector>

#include "playback/auto_play.h"

namespace mokuza::playback {

// The figure ends of the shown design cut at the last move that may be shown:
// an end that leaves fewer than "最終譜最少手数" moves after it gives way to
// the last move, which ends the list.
std::vector<int> buildFigureEnds(const Document& doc);
// Rebuilds pb.autoPlay.figureEnds; called whenever the shown game is positioned.
void refreshFigureEnds(Playback& pb);

// The first end after `move` (the last showable move when none is).
int nextFigureEnd(const std::vector<int>& ends, int move, int lastMove);
// The end of the figure before the shown move (0 for the first figure): the
// figure shown in replay mode starts after it.
int shownFigureStart(const Document& doc);

// The next-move and previous-move commands in figure replay.
void figureReplayNext(Playback& pb);
void figureReplayPrevious(Playback& pb);

// The next-move and previous-move commands: past the ends of a playlist game
// (or on a game without moves) they open the neighbouring game; in figure
// replay they step by figures; otherwise by one move with its sound.
void stepForward(Playback& pb);
void stepBackward(Playback& pb);

}  // namespace mokuza::playback
