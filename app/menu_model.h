#pragma once
// The menus of the main window as data: labels as the table writes them,
// enabled and checked states, sub-menus. The window renders it.

#include <string>
#include <vector>

namespace mokuza::app {

struct MenuItem {
  int id = 0;
  std::u16string label;  // "MF_SEPARATOR" for a separator
  bool separator = false;
  bool enabled = true;
  bool checked = false;
  bool radio = false;
  std::vector<MenuItem> items;  // a sub-menu's items
  bool operator==(const MenuItem&) const = default;
};

struct MenuModel {
  std::vector<MenuItem> menus;  // the top-level menus in order
  bool operator==(const MenuModel&) const = default;
};

}  // namespace mokuza::app
