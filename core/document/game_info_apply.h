#pragma once
// OK in the game-information dialog: the loaded game, or every game selected
// in the playlist (each opened, changed and saved to its own file); and the
// move dialog "着手情報".

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/document/game_info.h"
#include "platform/services.h"

namespace mokuza {

// What the OK button works on besides the document.
struct GameInfoTargets {
  // Mode 1: the playlist entry of the loaded game, when it came from the playlist.
  PlaylistEntry* loadedEntry = nullptr;
  // Mode 2: the selected games in playlist order.
  std::vector<PlaylistEntry*> selectedGames;
  std::u16string playlistName;  // for the progress title
  int playlistGameCount = 0;
  // Shows the progress ("プレイリスト　〈%s〉 No.%dを編集中 - 全%d局").
  std::function<void(const std::u16string& title)> showProgress;
};

// PartlyFailed: some selected games could not be opened or saved; the others were.
enum class GameInfoOutcome { Applied, Cancelled, PartlyFailed };

// Applies the form (the OK button) and returns the dialog to idle unless the
// user cancelled a question.
GameInfoOutcome applyGameInfo(Document& doc, platform::Services& services, GameInfoForm& form,
                              const GameInfoTargets& targets);

// Gives the board another size; the moves do not fit it and are erased. When
// `ask` is set and the game has moves, the user is asked first: false when
// the user kept the game.
bool resizeBoard(Document& doc, platform::Services& services, int size, bool ask);

// The board-size field as a size: the board's own size when empty, 19 when
// it is not a size of 2 to 19.
int boardSizeFromField(std::u16string_view text, int current);

// The dialog "着手情報" for the shown move.
struct MoveInfoForm {
  int move = 0;
  std::u16string title;
  std::array<std::u16string, kMoveInfoFields.size()> values;  // in the rows of kMoveInfoFields
};

MoveInfoForm editMoveInfo(const Document& doc);
// OK: stores every field in the shown move's record. False when the move is
// no longer on the line.
bool applyMoveInfo(Document& doc, const MoveInfoForm& form);

}  // namespace mokuza
