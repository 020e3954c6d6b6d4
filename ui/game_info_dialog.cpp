#include "ui/game_info_dialog.h"

#include "ui/dialog_buttons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace mokuza::ui {
namespace {

QString text(std::u16string_view s) { return QString::fromStdU16String(std::u16string(s)); }

QPushButton* commandButton(std::u16string_view label, int id) {
  auto* button = new QPushButton(text(label));
  button->setObjectName(QStringLiteral("command%1").arg(id));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

GameInfoDialog::GameInfoDialog(app::Application& app, QWidget* parent) : QDialog(parent), app_(app) {
  setObjectName("gameInfoDialog");
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  auto* pages = new QTabWidget;
  pages->addTab(makePage(1), QStringLiteral("ページ1"));
  pages->addTab(makePage(2), QStringLiteral("ページ2"));
  QDialogButtonBox* buttons = okCancelButtons(*this);

  auto* commands = new QHBoxLayout;
  autoResult_ = commandButton(u"自動入力", kAutoResultCommand);
  swap_ = commandButton(u"対局者入替", kSwapPlayersCommand);
  currentDate_ = commandButton(u"現在日時入力", kCurrentDateCommand);
  autoHandicap_ = new QCheckBox(QStringLiteral("置石自動入力"));
  for (QPushButton* b : {autoResult_, swap_, currentDate_}) commands->addWidget(b);
  commands->addWidget(autoHandicap_);
  commands->addStretch(1);
  connect(autoResult_, &QPushButton::clicked, [this] { run(kAutoResultCommand, false); });
  connect(swap_, &QPushButton::clicked, [this] { run(kSwapPlayersCommand, false); });
  connect(currentDate_, &QPushButton::clicked, [this] { run(kCurrentDateCommand, false); });
  connect(autoHandicap_, &QCheckBox::toggled, [this](bool on) {
    if (!showing_) run(kAutoHandicapBox, on);
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages);
  layout->addLayout(commands);
  layout->addWidget(buttons);
  setMinimumWidth(440);
  showForm();
}

QWidget* GameInfoDialog::makePage(int page) {
  auto* widget = new QWidget;
  auto* grid = new QGridLayout(widget);
  int row = 0;
  for (std::size_t i = 0; i < kGameInfoFieldCount; ++i) {
    const GameInfoDialogField& info = kGameInfoDialogFields[i];
    if (info.page != page) continue;
    auto* tick = new QCheckBox;
    tick->setObjectName(QStringLiteral("tick%1").arg(kBatchBoxFirst + static_cast<int>(i)));
    const int id = kBatchBoxFirst + static_cast<int>(i);
    connect(tick, &QCheckBox::toggled, [this, id](bool on) {
      if (!showing_) run(id, on);
    });
    auto* edit = new QLineEdit;
    edit->setObjectName(QStringLiteral("field%1").arg(info.control));
    edit->setMaxLength(static_cast<int>(kGameInfoTextMax));
    ticks_[i] = tick;
    fields_[i] = edit;
    connect(edit, &QLineEdit::textChanged, [this, i](const QString& typed) {
      if (!showing_) app::editGameInfoField(app_, i, typed.toStdU16String());
    });
    grid->addWidget(tick, row, 0);
    grid->addWidget(new QLabel(text(info.shownLabel())), row, 1);
    grid->addWidget(edit, row, 2);
    ++row;
  }
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(row, 1);
  return widget;
}

QPushButton* GameInfoDialog::button(int id) const {
  switch (id) {
    case kAutoResultCommand: return autoResult_;
    case kSwapPlayersCommand: return swap_;
    case kCurrentDateCommand: return currentDate_;
    default: return nullptr;
  }
}

void GameInfoDialog::run(int id, bool checked) {
  app::gameInfoSessionCommand(app_, id, checked);
  showForm();
}

void GameInfoDialog::showForm() {
  if (!app_.gameInfo) return;
  showing_ = true;
  const GameInfoForm& form = app_.gameInfo->form;
  setWindowTitle(text(form.title));
  const bool single = form.showsSingleGameControls();
  for (std::size_t i = 0; i < kGameInfoFieldCount; ++i) {
    if (fields_[i]->text() != text(form.values[i])) fields_[i]->setText(text(form.values[i]));
    fields_[i]->setEnabled(form.fieldEnabled(i));
    ticks_[i]->setVisible(!single);
    ticks_[i]->setChecked(form.ticked[i]);
  }
  autoResult_->setVisible(single);
  swap_->setVisible(single);
  swap_->setEnabled(form.swapAvailable);
  autoHandicap_->setVisible(!single);
  autoHandicap_->setChecked(form.autoHandicap);
  showing_ = false;
}

void GameInfoDialog::accept() {
  if (app::applyGameInfoSession(app_) == GameInfoOutcome::Cancelled && app_.gameInfo) return;
  QDialog::accept();
}

void GameInfoDialog::reject() {
  app::closeGameInfo(app_);
  QDialog::reject();
}

}  // namespace mokuza::ui
