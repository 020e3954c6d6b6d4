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

// The main window's command that fills an open game-information dialog again.
inline constexpr int kRefreshGameInfoCommand = 7760;

struct GameInfoSession {
  GameInfoForm form;
  std::vector<int> batchGames;  // mode 2: the selected entries in list order
};

// Mode kGameInfoSingle (the loaded game) or kGameInfoBatch (the playlist's
// selected games).
GameInfoSession beginGameInfo(const Application& app, int mode);
// Command 7760: the open dialog shows the current values again.
void refreshGameInfo(const Application& app, GameInfoSession& session);
// A page command ("自動入力", "対局者入替", "現在日時入力", the tick boxes,
// "置石自動入力"); `checked` is a tick box's new state.
bool gameInfoSessionCommand(Application& app, GameInfoSession& session, int id, bool checked);
// OK. After a batch the playlist is written, since its entries took the new values.
GameInfoOutcome applyGameInfoSession(Application& app, GameInfoSession& session);

struct MoveInfoSession {
  MoveInfoForm form;
};

MoveInfoSession beginMoveInfo(const Application& app);
bool applyMoveInfoSession(Application& app, const MoveInfoSession& session);

}  // namespace mokuza::app
