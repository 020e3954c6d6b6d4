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

#include "app/commands.h"
#include "app/list_command_table.h"
#include "app/list_menu.h"
#include "app/list_window.h"
#include "app/view_refresh.h"
#include "ui/dropped_paths.h"
#include "ui/key_map.h"

namespace mokuza::ui {
namespace {

using app::ListTab;

// The arrow on the header of the column the list stands sorted by; none once the order changed otherwise.
void showSortDirection(const app::ListTabModel& model, QHeaderView& header) {
  for (std::size_t c = 0; c < model.columns.size(); ++c) {
    const SortDirection sort = model.columns[c].sort;
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
  auto* model = new ListTableModel(
      [this, tab](int number, const std::string& key, const QString& value) {
        return app::editListCell(app_, tab, number, key, text16(value));
      },
      this);
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
  connect(header, &QHeaderView::sectionClicked, [this, tab, &model](int section) {
    if (!refreshing_) app::clickListHeader(app_, tab, model.keys().at(static_cast<std::size_t>(section)));
  });
  connect(header, &QHeaderView::sectionMoved, [this, tab, header, &model](int logical, int from, int to) {
    if (refreshing_) return;
    // The model lays the columns out again; the header goes back to its order.
    refreshing_ = true;
    header->moveSection(to, from);
    refreshing_ = false;
    app::moveListColumn(app_, tab, model.keys().at(static_cast<std::size_t>(logical)), to);
  });
  connect(header, &QHeaderView::sectionResized, [this, tab, &model](int logical, int, int width) {
    if (!refreshing_) app::resizeListColumn(app_, tab, model.keys().at(static_cast<std::size_t>(logical)), width);
  });
}

QWidget* ListWindow::makeControls() {
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  for (const app::StepButtonView& step : app::stepButtonViews()) {
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
    if (!refreshing_) app::setListNumberFixed(app_, currentTab(), on);
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
  // The tables of the other tabs are built when they are shown.
  const app::ListWindowView view = app::listWindowView(app_);
  setWindowTitle(text(view.title));
  menus_.show(view.menu);
  refreshTable(*view.table);
  refreshControls(*view.table);
  statusBar()->showMessage(text(view.selection));
  refreshing_ = false;
}

void ListWindow::refreshTable(const app::ListTabModel& shown) {
  ListTableModel& model = this->model(shown.tab);
  QTableView& view = table(shown.tab);
  // A cell being typed into keeps its editor (a child of the viewport) until the user ends it.
  const QWidget* focus = QApplication::focusWidget();
  if (focus != nullptr && focus->isVisible() && focus->parentWidget() == view.viewport()) return;
  const int scroll = view.verticalScrollBar() ? view.verticalScrollBar()->value() : 0;
  model.setContent(shown);
  showSortDirection(shown, *view.horizontalHeader());
  for (std::size_t c = 0; c < model.widths().size(); ++c)
    if (model.widths()[c] > 0) view.setColumnWidth(static_cast<int>(c), model.widths()[c]);
  view.verticalScrollBar()->setValue(scroll);
}

void ListWindow::refreshControls(const app::ListTabModel& shown) {
  for (QPushButton* button : steps_) button->setVisible(shown.playlistControls);
  numberFixed_->setVisible(shown.hasNumberFixed);
  numberFixed_->setChecked(shown.numberFixed);
  searchPanel_->setVisible(shown.playlistControls);
  const std::vector<app::SearchPanelField> fields = app::searchPanel(app_);
  for (std::size_t i = 0; i < fields.size() && i < searchFields_.size(); ++i) {
    if (auto* check = qobject_cast<QCheckBox*>(searchFields_[i])) check->setChecked(fields[i].value != 0);
    else if (auto* spin = qobject_cast<QSpinBox*>(searchFields_[i])) spin->setValue(fields[i].value);
  }
  cancel_->setEnabled(app::searchRunning(app_));
  QStringList lines;
  for (const std::u16string& line : app::searchResultArea(app_)) lines.push_back(text(line));
  searchResult_->setText(lines.join(u'\n'));
  searchResult_->setVisible(shown.playlistControls && !lines.isEmpty());
}

void ListWindow::rowClicked(ListTab tab, const QModelIndex& index) {
  if (index.isValid()) app::clickListRow(app_, tab, index.row(), modifiersFrom(QApplication::keyboardModifiers()));
}

void ListWindow::playlistRowDoubleClicked(const QModelIndex& index) {
  if (!index.isValid()) return;
  // The row under the pointer is the one opened, whatever the presses before chose.
  app::clickListRow(app_, ListTab::Playlist, index.row(), {});
  app::runListCommand(app_, app::ListCommand::OpenGame);
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
