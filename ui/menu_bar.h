#pragma once
// The menu bar drawn from the application's menu model: labels as the model
// writes them (the text after a tab shows in the shortcut column and is no
// shortcut), checks, radio marks and enabled states. Keys never reach an
// action: they act through the application.

#include <QMenuBar>
#include <functional>
#include <map>
#include <vector>

#include "app/menu_model.h"

namespace mokuza::ui {

class MenuBarBinder {
 public:
  // `trigger` runs the command of a chosen item.
  MenuBarBinder(QMenuBar& bar, std::function<void(int)> trigger);

  // Updates the items in place when the model keeps its shape (the ids and
  // sub-menus), else builds the menus anew.
  void show(const app::MenuModel& model);
  // All menus but the last ("デバッグ") shown or hidden.
  void showAllMenus(bool shown);
  // The action of a command id, null when the menus hold none.
  QAction* action(int id) const;

 private:
  void build(const app::MenuModel& model);
  void fill(QMenu& menu, const std::vector<app::MenuItem>& items);
  void update(const std::vector<app::MenuItem>& items);

  QMenuBar& bar_;
  std::function<void(int)> trigger_;
  std::vector<QMenu*> menus_;
  std::map<int, QAction*> actions_;
  std::vector<int> shape_;
  bool othersShown_ = true;
};

}  // namespace mokuza::ui
