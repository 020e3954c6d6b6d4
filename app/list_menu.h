#pragma once
// The list window's menu as data, built from its command table with the
// file sub-menus, the columns of "リスト項目", the recent playlists and the
// states of now.

#include <string_view>
#include <vector>

#include "app/application.h"
#include "app/menu_model.h"

namespace mokuza::app {

// Every column the list can show, in the order "リスト項目" lists them.
std::vector<std::string_view> listColumnKeys();

// The menu bar of the playlist tab with the states of now.
MenuModel buildListMenu(const Application& app);

}  // namespace mokuza::app
