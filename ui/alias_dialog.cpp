#include "ui/alias_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

namespace mokuza::ui {
namespace {

QString text(std::u16string_view s) { return QString::fromStdU16String(std::u16string(s)); }

}  // namespace

AliasDialog::AliasDialog(app::Application& app, app::AliasSession session, QWidget* parent)
    : QDialog(parent), app_(app), session_(std::move(session)), mainName_(new QComboBox), players_(new QListWidget) {
  setObjectName("aliasDialog");
  setModal(true);
  setWindowTitle(QStringLiteral("別名（同一対局者）指定"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (const std::u16string& name : session_.mainNames) mainName_->addItem(text(name));
  form->addRow(QStringLiteral("メインネーム"), mainName_);
  layout->addLayout(form);
  layout->addWidget(new QLabel(QStringLiteral("別名にする対局者")));
  layout->addWidget(players_, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  connect(mainName_, &QComboBox::activated, [this](int index) {
    app::chooseMainName(app_, session_, index);
    showPlayers();
  });
  connect(players_, &QListWidget::itemChanged, [this](QListWidgetItem* item) {
    const auto row = static_cast<std::size_t>(players_->row(item));
    if (row < session_.chosen.size()) session_.chosen[row] = item->checkState() == Qt::Checked;
  });
  resize(420, 480);
  showPlayers();
}

void AliasDialog::showPlayers() {
  const QSignalBlocker quiet(players_);
  players_->clear();
  for (std::size_t i = 0; i < session_.players.size(); ++i) {
    auto* item = new QListWidgetItem(text(session_.players[i]), players_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(session_.chosen[i] ? Qt::Checked : Qt::Unchecked);
  }
}

void AliasDialog::accept() {
  app::applyAliases(app_, session_);
  // A refusal was shown: the choice stays for the user to mend.
  if (session_.refusal.empty()) QDialog::accept();
}

}  // namespace mokuza::ui
