#include "ui/menu_bar.h"

#include <QActionGroup>
#include <utility>

namespace mokuza::ui {
namespace {

QString text(const std::u16string& label) { return QString::fromStdU16String(label); }

// Ids in order with a marker per sub-menu level: equal shapes differ only in
// labels and states.
void appendShape(const std::vector<app::MenuItem>& items, std::vector<int>& shape) {
  for (const app::MenuItem& item : items) {
    shape.push_back(item.separator ? -1 : item.id);
    if (item.items.empty()) continue;
    shape.push_back(-2);
    appendShape(item.items, shape);
    shape.push_back(-3);
  }
}

void applyState(QAction& action, const app::MenuItem& item) {
  action.setText(text(item.label));
  action.setEnabled(item.enabled);
  action.setCheckable(item.checked || item.radio);
  action.setChecked(item.checked);
}

}  // namespace

MenuBarBinder::MenuBarBinder(QMenuBar& bar, std::function<void(int)> trigger)
    : bar_(bar), trigger_(std::move(trigger)) {}

void MenuBarBinder::show(const app::MenuModel& model) {
  std::vector<int> shape;
  for (const app::MenuItem& menu : model.menus) {
    shape.push_back(-2);
    appendShape(menu.items, shape);
  }
  if (shape != shape_ || menus_.size() != model.menus.size()) {
    shape_ = std::move(shape);
    build(model);
  } else {
    for (std::size_t m = 0; m < model.menus.size(); ++m) {
      menus_[m]->setTitle(text(model.menus[m].label));
      update(model.menus[m].items);
    }
  }
}

void MenuBarBinder::build(const app::MenuModel& model) {
  // The old menus may be running the handler that rebuilds them.
  for (QMenu* menu : menus_) {
    bar_.removeAction(menu->menuAction());
    menu->deleteLater();
  }
  menus_.clear();
  actions_.clear();
  for (const app::MenuItem& item : model.menus) {
    QMenu* menu = bar_.addMenu(text(item.label));
    fill(*menu, item.items);
    menus_.push_back(menu);
  }
  showAllMenus(othersShown_);
}

void MenuBarBinder::fill(QMenu& menu, const std::vector<app::MenuItem>& items) {
  QActionGroup* radios = nullptr;
  for (const app::MenuItem& item : items) {
    if (item.separator) {
      menu.addSeparator();
      continue;
    }
    QAction* action = nullptr;
    if (!item.items.empty()) {
      QMenu* sub = menu.addMenu(text(item.label));
      fill(*sub, item.items);
      action = sub->menuAction();
    } else {
      action = menu.addAction(text(item.label));
      const int id = item.id;
      QObject::connect(action, &QAction::triggered, [this, id] { trigger_(id); });
    }
    if (item.radio) {
      // The radio mark; the model decides which item is checked.
      if (radios == nullptr) {
        radios = new QActionGroup(&menu);
        radios->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
      }
      radios->addAction(action);
    }
    applyState(*action, item);
    actions_[item.id] = action;
  }
}

void MenuBarBinder::update(const std::vector<app::MenuItem>& items) {
  for (const app::MenuItem& item : items) {
    if (item.separator) continue;
    if (QAction* a = action(item.id)) applyState(*a, item);
    update(item.items);
  }
}

void MenuBarBinder::showAllMenus(bool shown) {
  othersShown_ = shown;
  for (std::size_t m = 0; m + 1 < menus_.size(); ++m) menus_[m]->menuAction()->setVisible(shown);
}

QAction* MenuBarBinder::action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

}  // namespace mokuza::ui
