#pragma once
// The list window: the playlist, the event list and the figure list as tabs
// of one top-level window with its own menu bar, the step buttons, the
// "No. 固定" box, the search panel and a status bar. It shows what the
// application's list models compose and forwards what the user does.

#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <array>
#include <vector>

#include "app/application.h"
#include "app/search_session.h"
#include "ui/list_models.h"
#include "ui/menu_bar.h"

namespace mokuza::ui {

class ListWindow : public QMainWindow {
 public:
  explicit ListWindow(app::Application& app);
  ~ListWindow() override;

  // Reads the models again once the events of now are handled.
  void queueRefresh();
  void refresh();
  void showTab(app::ListTab tab);

  QTableView& table(app::ListTab tab) { return *tables_[static_cast<std::size_t>(tab)]; }
  ListTableModel& model(app::ListTab tab) { return *models_[static_cast<std::size_t>(tab)]; }
  QTabWidget& tabs() { return *tabs_; }
  const MenuBarBinder& menus() const { return menus_; }
  QPushButton& cancelButton() { return *cancel_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  QTableView* makeTable(app::ListTab tab);
  QWidget* makeControls();
  void bindHeader(app::ListTab tab);
  void refreshTable(const app::ListTabModel& shown);
  void refreshControls(const app::ListTabModel& shown);
  void rowClicked(app::ListTab tab, const QModelIndex& index);
  void playlistRowDoubleClicked(const QModelIndex& index);
  app::ListTab currentTab() const;

  app::Application& app_;
  MenuBarBinder menus_;
  QTabWidget* tabs_;
  std::array<QTableView*, 3> tables_{};
  std::array<ListTableModel*, 3> models_{};
  std::vector<QPushButton*> steps_;
  QCheckBox* numberFixed_ = nullptr;
  QWidget* searchPanel_ = nullptr;      // the playlist's search fields and its cancel button
  std::vector<QWidget*> searchFields_;  // in the order of app::searchPanel
  QPushButton* cancel_ = nullptr;
  QLabel* searchResult_ = nullptr;  // the result line and the follow-up line of the result listed
  bool refreshQueued_ = false;
  bool refreshing_ = false;  // the header signals of a refresh are not the user's
};

}  // namespace mokuza::ui
