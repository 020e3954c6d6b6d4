#include "ui/list_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>
#include <set>

#include "app/commands.h"
#include "app/event_list.h"
#include "app/figure_list.h"
#include "app/list_menu.h"
#include "playlist/list_texts.h"
#include "ui/dropped_paths.h"
#include "ui/key_map.h"

namespace mokuza::ui {
namespace {

using app::ListTab;

// The arrow on the header of the column the list stands sorted by; none once the order changed otherwise.
void showSortDirection(const app::PlaylistTabView& playlist, QHeaderView& header) {
  for (std::size_t c = 0; c < playlist.columns.size(); ++c) {
    const SortDirection sort = playlist.columns[c].sort;
    if (sort == SortDirection::None) continue;
    header.setSortIndicator(static_cast<int>(c),
                            sort == SortDirection::Descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    header.setSortIndicatorShown(true);
    return;
  }
  header.setSortIndicatorShown(false);
}

constexpr std::array<ListTab, 3> kTabs{ListTab::Playlist, ListTab::EventList, ListTab::FigureList};
constexpr std::array<const char16_t*, 3> kTabLabels{u"プレイリスト", u"イベントリスト", u"フィギュアリスト"};

QString text(std::u16string_view s) { return QString::fromStdU16String(std::u16string(s)); }
std::u16string text16(const QString& s) { return s.toStdU16String(); }

int tabIndex(ListTab tab) { return static_cast<int>(tab); }

// Fields that take typed text keep their keys, and the input method works in
// them; the tables enable it too, for their editors, and are no such field.
bool takesText(const QWidget& widget) {
  return widget.testAttribute(Qt::WA_InputMethodEnabled) && qobject_cast<const QAbstractItemView*>(&widget) == nullptr;
}

}  // namespace

ListWindow::ListWindow(app::Application& app)
    : app_(app),
      menus_(*menuBar(),
             [this](int id) {
               app::listWindowCommand(app_, id);
               menus_.show(app::buildListMenu(app_));
             }),
      tabs_(new QTabWidget) {
  setObjectName("listWindow");
  // The program ends with its main window, whether or not the lists are shown.
  setAttribute(Qt::WA_QuitOnClose, false);
  setAcceptDrops(true);
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(2, 2, 2, 2);
  for (ListTab tab : kTabs) tabs_->addTab(makeTable(tab), text(kTabLabels[static_cast<std::size_t>(tab)]));
  layout->addWidget(tabs_, 1);
  layout->addWidget(makeControls());
  searchResult_ = new QLabel;
  searchResult_->setObjectName("searchResult");
  searchResult_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(searchResult_);
  setCentralWidget(central);
  statusBar()->setSizeGripEnabled(true);
  connect(tabs_, &QTabWidget::currentChanged, [this](int index) {
    if (refreshing_ || index < 0) return;
    const auto tab = static_cast<ListTab>(index);
    if (app_.lists.tab != tab) app::toggleListWindow(app_, tab);
  });
  qApp->installEventFilter(this);
}

ListWindow::~ListWindow() { qApp->removeEventFilter(this); }

QTableView* ListWindow::makeTable(ListTab tab) {
  ListTableModel::Edit edit;
  if (tab == ListTab::EventList)
    edit = [this](int number, const std::string& key, const QString& value) {
      return app::editEventCell(app_, number, key, text16(value));
    };
  else if (tab == ListTab::FigureList)
    edit = [this](int number, const std::string& key, const QString& value) {
      return app::editFigureCell(app_, number, key, text16(value));
    };
  auto* model = new ListTableModel(std::move(edit), this);
  auto* view = new QTableView;
  view->setObjectName(QStringLiteral("listTable%1").arg(tabIndex(tab)));
  view->setModel(model);
  // The application keeps the selection; the rows show it in their colours.
  view->setSelectionMode(QAbstractItemView::NoSelection);
  view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  view->verticalHeader()->hide();
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
  view->horizontalHeader()->setSectionsMovable(true);
  view->horizontalHeader()->setHighlightSections(false);
  view->setWordWrap(false);
  tables_[static_cast<std::size_t>(tab)] = view;
  models_[static_cast<std::size_t>(tab)] = model;
  // A refresh waits while a cell is typed into; the closed editor brings it.
  connect(view->itemDelegate(), &QAbstractItemDelegate::closeEditor, [this] { queueRefresh(); });
  connect(view, &QTableView::pressed, [this, tab](const QModelIndex& index) { rowClicked(tab, index); });
  bindHeader(tab);
  return view;
}

void ListWindow::bindHeader(ListTab tab) {
  QHeaderView* header = table(tab).horizontalHeader();
  ListTableModel& model = this->model(tab);
  if (tab == ListTab::Playlist)
    connect(header, &QHeaderView::sectionClicked, [this](int section) {
      if (!refreshing_) app::clickColumnHeader(app_, section);
    });
  connect(header, &QHeaderView::sectionMoved, [this, tab, header, &model](int logical, int from, int to) {
    if (refreshing_) return;
    // The model lays the columns out again; the header goes back to its order.
    refreshing_ = true;
    header->moveSection(to, from);
    refreshing_ = false;
    const std::string key = model.keys().at(static_cast<std::size_t>(logical));
    if (tab == ListTab::Playlist) app::dragColumn(app_, from, to);
    else if (tab == ListTab::EventList) app::moveEventColumn(app_, key, to);
    else app::moveFigureColumn(app_, key, to);
  });
  connect(header, &QHeaderView::sectionResized, [this, tab, &model](int logical, int, int width) {
    if (refreshing_) return;
    const std::string key = model.keys().at(static_cast<std::size_t>(logical));
    if (tab == ListTab::Playlist) app::resizeColumn(app_, logical, width);
    else if (tab == ListTab::EventList) app::setEventColumnWidth(app_, key, width);
    else app::setFigureColumnWidth(app_, key, width);
  });
}

QWidget* ListWindow::makeControls() {
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  for (const app::StepButtonView& step : app::playlistTabView(app_).stepButtons) {
    auto* button = new QPushButton(text(step.label));
    button->setFocusPolicy(Qt::NoFocus);
    const int id = step.id;
    connect(button, &QPushButton::clicked, [this, id] { app::pressStepButton(app_, id); });
    steps_.push_back(button);
    row->addWidget(button);
  }
  numberFixed_ = new QCheckBox(QStringLiteral("No. 固定"));
  numberFixed_->setFocusPolicy(Qt::NoFocus);
  connect(numberFixed_, &QCheckBox::toggled, [this](bool on) {
    if (refreshing_) return;
    if (currentTab() == ListTab::EventList) app::setEventNumberFixed(app_, on);
    else app::setNumberFixed(app_, on);
  });
  row->addWidget(numberFixed_);
  row->addSpacing(12);
  searchPanel_ = new QWidget;
  auto* panel = new QHBoxLayout(searchPanel_);
  panel->setContentsMargins(0, 0, 0, 0);
  row->addWidget(searchPanel_);
  for (const app::SearchPanelField& field : app::searchPanel(app_)) {
    const app::SearchField which = field.field;
    if (field.checkBox) {
      auto* check = new QCheckBox(text(field.label));
      check->setFocusPolicy(Qt::NoFocus);
      connect(check, &QCheckBox::toggled, [this, which](bool on) {
        if (!refreshing_) app::setSearchPanelValue(app_, which, on ? 1 : 0);
      });
      searchFields_.push_back(check);
      panel->addWidget(check);
      continue;
    }
    panel->addWidget(new QLabel(text(field.label)));
    auto* spin = new QSpinBox;
    spin->setRange(field.low, field.high);
    spin->setSingleStep(field.step);
    spin->setSuffix(text(field.suffix));
    connect(spin, &QSpinBox::valueChanged, [this, which](int value) {
      if (!refreshing_) app::setSearchPanelValue(app_, which, value);
    });
    searchFields_.push_back(spin);
    panel->addWidget(spin);
  }
  cancel_ = new QPushButton(QStringLiteral("キャンセル"));
  cancel_->setObjectName("searchCancel");
  connect(cancel_, &QPushButton::clicked, [this] { app::cancelSearch(app_); });
  panel->addWidget(cancel_);
  row->addStretch(1);
  return box;
}

ListTab ListWindow::currentTab() const { return app_.lists.tab; }

void ListWindow::showTab(ListTab tab) {
  refreshing_ = true;
  tabs_->setCurrentIndex(tabIndex(tab));
  refreshing_ = false;
  refresh();
}

void ListWindow::queueRefresh() {
  if (refreshQueued_) return;
  refreshQueued_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        refreshQueued_ = false;
        refresh();
      },
      Qt::QueuedConnection);
}

void ListWindow::refresh() {
  refreshing_ = true;
  setWindowTitle(text(app::listWindowTitle(app_)));
  menus_.show(app::buildListMenu(app_));
  // The other tabs are read when they are shown: a search tick costs one table.
  refreshTable(currentTab());
  refreshControls();
  statusBar()->showMessage(text(selectionText(app_.playlist)));
  refreshing_ = false;
}

void ListWindow::refreshTable(ListTab tab) {
  ListTableModel& model = this->model(tab);
  QTableView& view = table(tab);
  // A cell being typed into keeps its editor (a child of the viewport) until the user ends it.
  const QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && focus->isVisible() && focus->parentWidget() == view.viewport()) return;
  const int scroll = view.verticalScrollBar() ? view.verticalScrollBar()->value() : 0;
  if (tab == ListTab::Playlist) {
    const app::PlaylistTabView playlist = app::playlistTabView(app_);
    model.setContent(playlist);
    showSortDirection(playlist, *view.horizontalHeader());
  } else if (tab == ListTab::EventList) model.setContent(app::eventListModel(app_));
  else model.setContent(app::figureListModel(app_));
  for (std::size_t c = 0; c < model.widths().size(); ++c)
    if (model.widths()[c] > 0) view.setColumnWidth(static_cast<int>(c), model.widths()[c]);
  view.verticalScrollBar()->setValue(scroll);
}

void ListWindow::refreshControls() {
  const bool playlist = currentTab() == ListTab::Playlist;
  for (QPushButton* button : steps_) button->setVisible(playlist);
  numberFixed_->setVisible(currentTab() != ListTab::FigureList);
  searchPanel_->setVisible(playlist);
  numberFixed_->setChecked(playlist ? app::playlistTabView(app_).numberFixed : app::eventListModel(app_).numberFixed);
  const std::vector<app::SearchPanelField> fields = app::searchPanel(app_);
  for (std::size_t i = 0; i < fields.size() && i < searchFields_.size(); ++i) {
    if (auto* check = qobject_cast<QCheckBox*>(searchFields_[i])) check->setChecked(fields[i].value != 0);
    else if (auto* spin = qobject_cast<QSpinBox*>(searchFields_[i])) spin->setValue(fields[i].value);
  }
  cancel_->setEnabled(app::searchRunning(app_));
  QStringList lines;
  for (const std::u16string& line : app::searchResultArea(app_)) lines.push_back(text(line));
  searchResult_->setText(lines.join(u'\n'));
  searchResult_->setVisible(playlist && !lines.isEmpty());
}

void ListWindow::rowClicked(ListTab tab, const QModelIndex& index) {
  if (!index.isValid()) return;
  const app::Modifiers modifiers = modifiersFrom(QApplication::keyboardModifiers());
  if (tab == ListTab::Playlist) {
    app::clickRow(app_, index.row(), modifiers);
  } else if (tab == ListTab::EventList) {
    const std::vector<TableRow>& rows = model(tab).rows();
    const int move = rows.at(static_cast<std::size_t>(index.row())).number;
    std::set<int> moves{move};
    if (modifiers.ctrl) {
      for (const TableRow& row : rows)
        if (row.selected && row.number != move) moves.insert(row.number);
      if (rows[static_cast<std::size_t>(index.row())].selected) moves.erase(move);
    }
    app::selectEventRows(app_, moves, move);
  }
}

void ListWindow::playlistRowDoubleClicked(const QModelIndex& index) {
  if (!index.isValid()) return;
  // The row under the pointer is the one opened, whatever the presses before chose.
  app::clickRow(app_, index.row(), {});
  app::listWindowCommand(app_, app::kOpenListGameCommand);
}

// Keys of this window act through the application on their release, with
// this window's tab as the selectors.
bool ListWindow::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // The press before a double click refreshed the rows, which ends the view's
  // own double-click tracking: the row is found here instead.
  if (type == QEvent::MouseButtonDblClick && watched == table(ListTab::Playlist).viewport()) {
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    playlistRowDoubleClicked(table(ListTab::Playlist).indexAt(at));
    return true;
  }
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  auto* target = qobject_cast<QWidget*>(watched);
  if (target == nullptr || target->window() != this) return false;
  QWidget* focus = QApplication::focusWidget();
  if (target != (focus != nullptr ? focus : this)) return false;
  if (focus != nullptr && takesText(*focus)) return false;
  auto& key = static_cast<QKeyEvent&>(*event);
  const app::KeyEvent e = keyEventFrom(key);
  if (e.key == app::Key::Other) return false;
  // The press stays here (the table moves no cursor of its own); the
  // release acts, arrows included, as the application's list keys do.
  const int selector = tabIndex(currentTab());
  if (type == QEvent::KeyPress) app_.onListKeyDown(e, selector);
  else app_.onListKeyUp(e, selector);
  return true;
}

void ListWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (app_.lists.shown) app::toggleListWindow(app_, app_.lists.tab);
}

void ListWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void ListWindow::dropEvent(QDropEvent* event) {
  const std::vector<std::u16string> paths = droppedPaths(*event->mimeData());
  if (paths.empty()) return;
  event->acceptProposedAction();
  app::onListDrop(app_, paths);
}

}  // namespace mokuza::ui
