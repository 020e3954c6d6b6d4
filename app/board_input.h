#pragma once
// What a click does on the board, by the input tool and the state.

#include "app/application.h"

namespace mokuza::app {

enum class BoardInputKind { LeftRelease, RightClick, DoubleClick };

struct BoardInputEvent {
  BoardInputKind kind = BoardInputKind::LeftRelease;
  int point = -1;  // -1 off the board
  Modifiers modifiers;
};

void BoardInput(Application& app, const BoardInputEvent& event);

// The icon of the strip under a client position, -1 for none.
int iconAt(const Application& app, MousePos position);
// A left press: the icon under it is drawn pressed until the release.
void pressIcon(Application& app, MousePos position);

// "範囲削除" is enabled: the range tool is chosen, a range is selected and
// auto-play is idle.
bool rangeDeleteEnabled(const Application& app);

// "着手", or no tool chosen yet, which plays as well.
bool inPlayMode(const Application& app);
// The stone shown at a board point: +1, -1, or 0 for none and off the board.
int shownStone(const Application& app, int point);

// A radio button of the input tools (1005..1013). Counting goes with play
// mode only: another tool leaves it first.
void selectInputMode(Application& app, int mode);

// The range tool's rectangle between two corner points becomes the
// selection; its counts (and the territory, while counting) follow.
void selectRange(Application& app, int corner, int oppositeCorner);

// Another move is shown or the game changed: the count follows it, then the board.
void refreshShownMove(Application& app);

}  // namespace mokuza::app
