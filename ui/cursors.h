#pragma once
// The mouse cursors of the board: the system arrow, the picked-up stone and
// the step cursor painted by the asset generator (gra/cursor/), none while a
// show runs over the board.

#include <QCursor>
#include <filesystem>

#include "app/window_port.h"

namespace mokuza::ui {

struct BoardCursors {
  QCursor pickedStone;
  QCursor step;
};

// Read once from the program folder; a missing image falls back to a system
// cursor of the same sense.
BoardCursors loadBoardCursors(const std::filesystem::path& programFolder);
QCursor cursorFor(const BoardCursors& cursors, app::CursorKind kind);

}  // namespace mokuza::ui
