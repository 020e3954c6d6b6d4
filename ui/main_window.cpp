#include "ui/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/startup.h"
#include "ui/about_box.h"
#include "ui/alias_dialog.h"
#include "ui/board_view.h"
#include "ui/design_dialog.h"
#include "ui/dropped_paths.h"
#include "ui/game_info_dialog.h"
#include "ui/key_map.h"
#include "ui/list_window.h"
#include "ui/move_info_dialog.h"
#include "ui/pair_go_dialog.h"
#include "ui/rename_dialog.h"
#include "ui/side_panel.h"

namespace mokuza::ui {
namespace {

constexpr int kMinimumWidth = 240;
constexpr int kMinimumHeight = 177;
// Window managers send no end of a size or move drag: a pause this long ends it.
constexpr int kDragSettleMs = 250;

int scaled(int value, double ratio) { return static_cast<int>(std::lround(value * ratio)); }

Rect deviceRect(const QRect& r, double ratio) {
  return {scaled(r.left(), ratio), scaled(r.top(), ratio), scaled(r.left() + r.width(), ratio),
          scaled(r.top() + r.height(), ratio)};
}

// Fields that take typed text keep their keys, and the input method works in them.
bool takesText(const QWidget& widget) { return widget.testAttribute(Qt::WA_InputMethodEnabled); }

}  // namespace

MainWindow::MainWindow(platform::Services& services, const std::filesystem::path& programFolder)
    : board_(new BoardView(*this)),
      panel_(new SidePanel(*board_)),
      menus_(*menuBar(),
             [this](int id) {
               app_->DispatchCommand(id);
               // A check a click toggled shows the model's state again.
               if (!closing_) menus_.show(app_->menus);
             }),
      cursors_(loadBoardCursors(programFolder)) {
  setCentralWidget(board_);
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  setAcceptDrops(true);
  statusBar()->setSizeGripEnabled(true);
  // A permanent widget: the menus' status tips would wipe a status message.
  statusBar()->addPermanentWidget(statusText_, 1);
  timer_.setObjectName("applicationTimer");
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, [this] { app_->onTimer(); });
  sizeSettled_.setSingleShot(true);
  sizeSettled_.setInterval(kDragSettleMs);
  connect(&sizeSettled_, &QTimer::timeout, [this] { app_->onSizeMoveEnd(); });
  app_ = std::make_unique<app::Application>(services, *this, programFolder);
  // The search reads every game of a list: all cores, off this thread.
  app_->search.executor = std::make_shared<search::ThreadExecutor>(search::coreCount(), search::WorkerPriority::Lower);
  board_->attach(*app_);
  panel_->attach(*app_);
  qApp->installEventFilter(this);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

// The application places the window before it is shown, so the first
// picture has the window's size.
void MainWindow::start(const std::vector<std::u16string>& arguments) {
  started_ = true;
  app_->start(arguments);
  show();
  board_->setFocus();
}

double MainWindow::ratio() const { return board_->devicePixelRatioF(); }

void MainWindow::armTimer(int periodMs) { timer_.start(periodMs); }

void MainWindow::killTimer() { timer_.stop(); }

void MainWindow::invalidate() {
  dirty_ = QRegion(board_->rect());
  queueCompose();
}

void MainWindow::invalidateRect(const Rect& area) {
  const double r = ratio();
  dirty_ += QRect(QPoint(static_cast<int>(std::floor(area.left / r)), static_cast<int>(std::floor(area.top / r))),
                  QPoint(static_cast<int>(std::ceil(area.right / r)), static_cast<int>(std::ceil(area.bottom / r))));
  queueCompose();
}

// Requests coalesce into one composition once the events of now are handled,
// as paint messages do; the paint event then only copies the picture.
void MainWindow::queueCompose() {
  if (composeQueued_) return;
  composeQueued_ = true;
  QMetaObject::invokeMethod(
      this, [this] { compose(); }, Qt::QueuedConnection);
}

void MainWindow::compose() {
  composeQueued_ = false;
  // Taken first: the paint may ask for the next composition (a cross-fade step).
  const QRegion area = std::exchange(dirty_, QRegion());
  if (closing_) return;
  board_->setPicture(app_->paint());
  panel_->place(ratio());
  board_->update(area);
}

void MainWindow::setCursor(app::CursorKind kind) { board_->setCursor(cursorFor(cursors_, kind)); }

void MainWindow::setTitle(const std::u16string& title) { setWindowTitle(QString::fromStdU16String(title)); }

void MainWindow::showBusyTitle(const std::u16string& title) {
  setWindowTitle(QString::fromStdU16String(title));
  // Painting a few times a second keeps the window live without slowing the read.
  if (busyRepaint_.isValid() && busyRepaint_.elapsed() < kBusyRepaintMs) return;
  busyRepaint_.start();
  // The application is inside the read: its timers wait until the read ends.
  const QSignalBlocker noTicks(&timer_);
  const QSignalBlocker noSizeEnd(&sizeSettled_);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::setStatusText(const std::u16string& text) { statusText_->setText(QString::fromStdU16String(text)); }

void MainWindow::menusChanged() { menus_.show(app_->menus); }

void MainWindow::selectPanelPage(int page) { panel_->selectPage(page); }

void MainWindow::rebuildPanel(int) {
  panel_->rebuild(ratio());
  panel_->place(ratio());
}

void MainWindow::panelChanged() {
  panel_->refresh();
  if (design_ != nullptr) design_->refresh();
}

void MainWindow::showMenuBar(bool shown) { menus_.showAllMenus(shown); }

void MainWindow::showStatusBar(bool shown) { statusBar()->setVisible(shown); }

void MainWindow::setFullScreen(bool on) {
  if (on) showFullScreen();
  else showNormal();
}

void MainWindow::placeMainWindow(const Rect& frame) {
  const double r = ratio();
  setGeometry(QRect(scaled(frame.left, 1 / r), scaled(frame.top, 1 / r), scaled(static_cast<int>(frame.width()), 1 / r),
                    scaled(static_cast<int>(frame.height()), 1 / r)));
}

Rect MainWindow::mainWindowRect() const {
  return deviceRect(isMaximized() || isFullScreen() ? normalGeometry() : geometry(), ratio());
}

bool MainWindow::maximised() const { return isMaximized(); }

void MainWindow::restoreMainWindow() {
  if (isMaximized() || isMinimized()) showNormal();
}

void MainWindow::listWindowChanged() {
  if (lists_ && !closing_) lists_->queueRefresh();
}

void MainWindow::showListWindow(app::ListTab tab, const Rect& frame) {
  if (!lists_) lists_ = std::make_unique<ListWindow>(*app_);
  const double r = ratio();
  if (frame.width() > 0 && frame.height() > 0)
    lists_->setGeometry(QRect(scaled(frame.left, 1 / r), scaled(frame.top, 1 / r),
                              scaled(static_cast<int>(frame.width()), 1 / r),
                              scaled(static_cast<int>(frame.height()), 1 / r)));
  lists_->showTab(tab);
  lists_->show();
  lists_->raise();
}

void MainWindow::hideListWindow() {
  if (lists_) lists_->hide();
}

bool MainWindow::listWindowShown() const { return lists_ && lists_->isVisible(); }

Rect MainWindow::listWindowRect() const { return lists_ ? deviceRect(lists_->geometry(), ratio()) : Rect{}; }

void MainWindow::focusMainWindow() {
  activateWindow();
  board_->setFocus();
}

GameInfoDialog* MainWindow::gameInfoDialog() { return gameInfo_; }

void MainWindow::gameInfoChanged() {
  if (gameInfo_) gameInfo_->showForm();
}

void MainWindow::showDialog(app::DialogKind kind) {
  if (const std::optional<app::DesignGroupKind> group = app::designGroupOf(kind)) {
    if (design_ == nullptr) design_ = new DesignDialog(*this, *app_);
    design_->showGroup(*group);
    return;
  }
  switch (kind) {
    case app::DialogKind::PairGoColours: showPairGoDialog(*this, *app_); break;
    case app::DialogKind::About: showAboutBox(*this); break;
    case app::DialogKind::GameInfo:
    case app::DialogKind::BatchGameInfo: {
      // One game-information dialog at a time, owned by the window it edits for.
      QWidget* owner = kind == app::DialogKind::BatchGameInfo && lists_ ? static_cast<QWidget*>(lists_.get()) : this;
      if (gameInfo_ && gameInfo_->parentWidget() != owner) gameInfo_->setParent(owner, gameInfo_->windowFlags());
      if (!gameInfo_) gameInfo_ = new GameInfoDialog(*app_, owner);
      gameInfo_->showForm();
      gameInfo_->show();
      gameInfo_->raise();
      gameInfo_->activateWindow();
      break;
    }
    case app::DialogKind::MoveInfo: {
      MoveInfoDialog dialog(*app_, this);
      dialog.exec();
      break;
    }
    case app::DialogKind::Rename: {
      RenameDialog dialog(*app_, lists_ ? static_cast<QWidget*>(lists_.get()) : this);
      dialog.exec();
      break;
    }
    case app::DialogKind::PlayerAliases:
      if (std::optional<app::AliasSession> session = app::beginAliases(*app_)) {
        AliasDialog dialog(*app_, std::move(*session), lists_ ? static_cast<QWidget*>(lists_.get()) : this);
        dialog.exec();
      }
      break;
    default: break;
  }
}

app::Size MainWindow::clientSize() const {
  // Below the menu bar, the status bar included, as the picture covers it.
  // Measured from the bars' hints: the layout places them only when shown.
  const double r = ratio();
  const QMenuBar* bar = menuBar();
  const int menuHeight = bar->isHidden() ? 0 : std::max(bar->heightForWidth(width()), bar->sizeHint().height());
  return {scaled(width(), r), scaled(height() - menuHeight, r)};
}

int MainWindow::statusBarHeight() const {
  return statusBar()->isHidden() ? 0 : scaled(statusBar()->sizeHint().height(), ratio());
}

app::Screens MainWindow::screens() const {
  app::Screens s;
  const QScreen* primary = QGuiApplication::primaryScreen();
  if (primary == nullptr) return s;
  const double r = ratio();
  s.pixelRatio = r;
  s.virtualScreen = deviceRect(primary->virtualGeometry(), r);
  s.info.width = scaled(primary->size().width(), r);
  s.info.height = scaled(primary->size().height(), r);
  for (const QScreen* screen : QGuiApplication::screens())
    s.info.workAreas.push_back(deviceRect(screen->availableGeometry(), r));
  return s;
}

bool MainWindow::modalDialogOpen() const { return QApplication::activeModalWidget() != nullptr; }

void MainWindow::destroy() {
  closing_ = true;
  timer_.stop();
  close();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::Resize && watched == board_ && started_) {
    app_->onSize(isMaximized(), false);
    sizeSettled_.start();
    return false;
  }
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  auto* target = qobject_cast<QWidget*>(watched);
  if (target == nullptr || !started_ || closing_) return false;
  return forwardKey(*target, static_cast<QKeyEvent&>(*event));
}

// Keys of this window act through the application: a press on the press, the
// shortcuts on the release. A key is seen once, at the widget that has the
// focus, and never when that widget takes typed text.
bool MainWindow::forwardKey(QWidget& target, QKeyEvent& event) {
  QWidget* focus = QApplication::focusWidget();
  if (target.window() != this || &target != (focus != nullptr ? focus : this)) return false;
  if (focus != nullptr && takesText(*focus)) return false;
  const app::KeyEvent key = keyEventFrom(event);
  if (event.type() == QEvent::KeyPress) app_->onKeyDown(key);
  else app_->onKeyUp(key);
  // Keys the application has no code for keep their usual work (Tab moves the focus).
  return key.key != app::Key::Other;
}

void MainWindow::closeUnattended() {
  if (closing_) return;
  app::closeUnattended(*app_);
  closing_ = true;
  timer_.stop();
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (closing_ || app_->requestClose()) {
    closing_ = true;
    timer_.stop();
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (started_) sizeSettled_.start();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::vector<std::u16string> paths = droppedPaths(*event->mimeData());
  if (paths.empty()) return;
  event->acceptProposedAction();
  const QPoint at = board_->mapFrom(this, event->position().toPoint());
  app_->onDrop(paths, board_->devicePosition(at));
}

}  // namespace mokuza::ui
