#pragma once
// The commands of the menus and keys that other parts of the application
// also reach.

#include <string_view>

#include "app/application.h"

namespace mokuza::app {

// The name a command is recognised by: its label up to the first "(".
std::u16string_view commandName(std::u16string_view label);

// "地合計算": counting on or off.
void toggleTerritoryMode(Application& app);
// "プレイリスト", "イベントリスト", "フィギュアリスト".
void toggleListWindow(Application& app, ListTab tab);
// Menu labels, checks and enabled states from the options and the history.
void refreshMenus(Application& app);

}  // namespace mokuza::app
