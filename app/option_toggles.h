#pragma once
// The menu's option switches and choices: each changes its option, does what
// the option needs at once, and records the change where the user can undo it.

#include <string_view>

#include "app/application.h"

namespace mokuza::app {

// "棋譜並べモード": on, the replay's last move comes from the shown game's
// entry and the view goes to the end of the figure that holds the shown move.
// `offDescription` replaces "棋譜並べモード〈オフ〉" when switching off.
void toggleReplayMode(Application& app, std::u16string_view offDescription = {});
// "次譜自動再生".
void toggleAutoNextFigure(Application& app);
// "囲碁用語表示": the moves are named again.
void toggleMoveNames(Application& app);
// "ファイル名をフルパスで表示", "履歴をテキストファイルへ自動出力".
void toggleGlobalSwitch(Application& app, GlobalOption option);

// An item of the sub-menus 起動時デザイン, 画像出力設定, 文字・アイコンのサイズ
// and 碁盤の自動回転; false for any other id.
bool chooseSubMenuItem(Application& app, int id);

}  // namespace mokuza::app
