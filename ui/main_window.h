#pragma once
// The main window: the application's window port over Qt widgets. It turns
// Qt's events into the application's calls and shows what the application
// composed; it decides nothing itself.

#include <QLabel>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "ui/cursors.h"
#include "ui/menu_bar.h"

namespace mokuza::ui {

class BoardView;
class DesignDialog;
class SidePanel;
class ListWindow;
class GameInfoDialog;

class MainWindow : public QMainWindow, public app::WindowPort {
 public:
  MainWindow(platform::Services& services, const std::filesystem::path& programFolder);
  ~MainWindow() override;

  // Shows the window and starts the application with the command line after
  // the program's name.
  void start(const std::vector<std::u16string>& arguments);

  // A close nobody can answer (a signal): the application writes what a
  // close writes without asking, and the window goes.
  void closeUnattended();

  app::Application& application() { return *app_; }
  BoardView& boardView() { return *board_; }
  SidePanel& sidePanel() { return *panel_; }
  // The design settings dialog once a design command opened it.
  DesignDialog* designDialog() const { return design_; }
  const MenuBarBinder& menus() const { return menus_; }
  // Null until the list window is first shown.
  ListWindow* listWindow() { return lists_.get(); }
  // The open game-information dialog, null when none is.
  GameInfoDialog* gameInfoDialog();

  // app::WindowPort
  void armTimer(int periodMs) override;
  void killTimer() override;
  void invalidate() override;
  void invalidateRect(const Rect& area) override;
  void setCursor(app::CursorKind kind) override;
  void setTitle(const std::u16string& title) override;
  void showBusyTitle(const std::u16string& title) override;
  void setStatusText(const std::u16string& text) override;
  void menusChanged() override;
  void selectPanelPage(int page) override;
  void rebuildPanel(int textScale) override;
  void panelChanged() override;
  void showMenuBar(bool shown) override;
  void showStatusBar(bool shown) override;
  void setFullScreen(bool on) override;
  void placeMainWindow(const Rect& frame) override;
  Rect mainWindowRect() const override;
  bool maximised() const override;
  void restoreMainWindow() override;
  void listWindowChanged() override;
  void showListWindow(app::ListTab tab, const Rect& frame) override;
  void hideListWindow() override;
  bool listWindowShown() const override;
  Rect listWindowRect() const override;
  void focusMainWindow() override;
  void showDialog(app::DialogKind kind) override;
  void gameInfoChanged() override;
  app::Size clientSize() const override;
  int statusBarHeight() const override;
  app::Screens screens() const override;
  bool modalDialogOpen() const override;
  void destroy() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  double ratio() const;
  void queueCompose();
  void compose();
  bool forwardKey(QWidget& target, QKeyEvent& event);

  BoardView* board_;
  SidePanel* panel_;
  DesignDialog* design_ = nullptr;
  MenuBarBinder menus_;
  BoardCursors cursors_;
  QLabel* statusText_ = new QLabel(this);
  QTimer timer_{this};        // the application's one timer, named "applicationTimer"
  QTimer sizeSettled_{this};  // a size or move drag has ended when no event came for a while
  std::unique_ptr<app::Application> app_;
  bool started_ = false;
  bool composeQueued_ = false;
  QRegion dirty_;  // widget pixels to copy again after the next composition
  bool closing_ = false;
  std::unique_ptr<ListWindow> lists_;
  QPointer<GameInfoDialog> gameInfo_;
  QElapsedTimer busyRepaint_;  // since the window last painted during a long read
  static constexpr int kBusyRepaintMs = 100;
};

}  // namespace mokuza::ui
