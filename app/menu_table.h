#pragma once
// The main menu the window renders, built from the command table with the
// fixed sub-menus, the undo history, the recent games and the states of now.

#include <span>
#include <string_view>

#include "app/application.h"

namespace mokuza::app {

inline constexpr std::u16string_view kSeparatorLabel = u"MF_SEPARATOR";

// The five menu titles, in menu order.
std::span<const std::u16string_view> menuTitles();

// A label without its mnemonic and what follows it: "対局を開く(&E)" → "対局を開く".
std::u16string_view plainLabel(std::u16string_view label);

// The label with the shortcut column after a tab, as a menu shows it.
std::u16string menuText(std::u16string_view label, std::u16string_view shortcut);

// The whole menu bar with labels, checks and enabled states of now.
MenuModel buildMenuModel(const Application& app);

}  // namespace mokuza::app
