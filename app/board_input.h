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

}  // namespace mokuza::app
