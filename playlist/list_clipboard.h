#pragma once
// Copying and pasting games and designs between entries, the shown design and
// the clipboard.

#include "playlist/list_changes.h"

namespace mokuza {

// "対局をコピー": the selected games, in the order of their entries, become the
// copied games and go to the clipboard as playlist text.
ListOutcome copyGames(PlaylistContext& context);
// "現在の対局をコピー": the shown design as one game.
ListOutcome copyShownGame(PlaylistContext& context);

// "対局を貼り付け": the games of the clipboard's playlist text are inserted
// after the selection (or at the end) and become the selection.
ListOutcome pasteGames(PlaylistContext& context);

// "デザインを貼り付け" (from the first copied game) and "現在のデザインを貼り付け"
// (from the shown design) into every selected game.
ListOutcome pasteDesign(PlaylistContext& context, bool fromShownDesign);

// "デザインを入れ替え": the copied game (still listed) and the one selected game
// exchange their designs.
ListOutcome swapDesigns(PlaylistContext& context);

}  // namespace mokuza
