#pragma once
// The game-information dialog ("ゲーム情報", and "ゲーム情報一括編集" over the
// games selected in the playlist) and the move dialog ("着手の編集［%d手目］")
// as values the window holds while they are open: begin fills them, the page
// commands edit them, apply is OK, dropping the value is Cancel.

#include <vector>

#include "app/application.h"
#include "core/document/game_info.h"
#include "core/document/game_info_apply.h"

namespace mokuza::app {

// The form of now in mode kGameInfoSingle (the loaded game) or
// kGameInfoBatch (the playlist's selected games).
GameInfoSession beginGameInfo(const Application& app, int mode);
// Opens the dialog in a mode: a request for the other mode replaces the open
// form, the same mode brings the open one forward.
void openGameInfo(Application& app, int mode);
// What the user typed into a field.
void editGameInfoField(Application& app, std::size_t field, std::u16string text);
// A page command ("自動入力", "対局者入替", "現在日時入力", the tick boxes,
// "置石自動入力"); `checked` is a tick box's new state.
bool gameInfoSessionCommand(Application& app, int id, bool checked);
// OK: the dialog closes unless the user cancelled a question. After a batch
// the playlist is written, since its entries took the new values.
GameInfoOutcome applyGameInfoSession(Application& app);
// Cancel or the close box.
void closeGameInfo(Application& app);

struct MoveInfoSession {
  MoveInfoForm form;
};

MoveInfoSession beginMoveInfo(const Application& app);
bool applyMoveInfoSession(Application& app, const MoveInfoSession& session);

}  // namespace mokuza::app
