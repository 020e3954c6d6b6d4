#pragma once
// The commands of the menus and keys that other parts of the application
// also reach.

#include <string_view>

#include "app/application.h"

namespace mokuza::app {

// "地合計算": counting on or off.
void toggleTerritoryMode(Application& app);
// "プレイリスト", "イベントリスト", "フィギュアリスト".
void toggleListWindow(Application& app, ListTab tab);
// The move classifier names moves by the options "moveinfo" and "kifunarabe".
void syncClassifierOptions(Application& app);
// While auto-play runs: the display time per move longer (positive) or
// shorter (negative) by whole seconds, never below 0. The wheel and the
// arrow keys share it.
void changeDisplayTime(Application& app, int seconds);

}  // namespace mokuza::app
