#include "ui/design_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace mokuza::ui {
namespace {

QString qs(std::u16string_view text) { return QString::fromStdU16String(std::u16string(text)); }

}  // namespace

DesignDialog::DesignDialog(QWidget& parent, app::Application& app) : QDialog(&parent), app_(app) { setModal(false); }

void DesignDialog::showGroup(app::DesignGroupKind group) {
  session_ = app::beginDesignDialog(app_, group);
  // A group has its own fields: the old ones go with the old layout.
  qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
  delete layout();
  editors_.clear();
  hideInfoWindow_ = nullptr;

  setWindowTitle(qs(session_.title));
  auto* column = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  column->addLayout(form);
  for (std::size_t i = 0; i < session_.fields.size(); ++i) {
    const app::DesignDialogField& field = session_.fields[i];
    if (field.control.form == app::DesignControlForm::Choice) {
      auto* names = new QComboBox(this);
      for (const std::u16string_view name : field.control.names) names->addItem(qs(name));
      const int low = field.control.low;
      connect(names, &QComboBox::activated, [this, i, low](int index) { changed(i, low + index); });
      form->addRow(qs(field.control.label()), names);
      editors_.push_back(names);
      continue;
    }
    auto* spin = new QSpinBox(this);
    spin->setRange(field.control.low, field.control.high);
    spin->setSingleStep(field.control.step);
    if (!field.unit.empty()) spin->setSuffix(u' ' + qs(field.unit));
    // Typed digits apply with Enter or when the field is left; the arrows at once.
    spin->setKeyboardTracking(false);
    connect(spin, &QSpinBox::valueChanged, [this, i](int value) { changed(i, value); });
    form->addRow(qs(field.control.label()), spin);
    editors_.push_back(spin);
  }
  showValues();
  if (!session_.hint.empty()) column->addWidget(new QLabel(qs(session_.hint), this));
  if (session_.hideInfoWindow) {
    hideInfoWindow_ = new QCheckBox(QStringLiteral("情報ウィンドウ非表示"), this);
    hideInfoWindow_->setChecked(*session_.hideInfoWindow);
    connect(hideInfoWindow_, &QCheckBox::toggled, [this](bool hide) {
      app::setHideInfoWindow(app_, session_, hide);
      const QSignalBlocker quiet(hideInfoWindow_);
      hideInfoWindow_->setChecked(session_.hideInfoWindow.value_or(false));
    });
    column->addWidget(hideInfoWindow_);
  }
  auto* buttons = new QDialogButtonBox(this);
  // Enter in a field applies its value; it does not close the dialog.
  QPushButton* initial = buttons->addButton(QStringLiteral("初期設定"), QDialogButtonBox::ResetRole);
  initial->setAutoDefault(false);
  connect(initial, &QPushButton::clicked, [this] {
    app::resetDesignDialog(app_, session_);
    showValues();
  });
  buttons->addButton(QStringLiteral("閉じる"), QDialogButtonBox::RejectRole)->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
  column->addWidget(buttons);
  adjustSize();
  show();
  raise();
  activateWindow();
}

void DesignDialog::refresh() {
  if (!isVisible()) return;
  session_ = app::beginDesignDialog(app_, session_.group);
  showValues();
  if (hideInfoWindow_ != nullptr) {
    const QSignalBlocker quiet(hideInfoWindow_);
    hideInfoWindow_->setChecked(session_.hideInfoWindow.value_or(false));
  }
}

// Signals stay quiet: this shows what the design holds, it changes nothing.
void DesignDialog::showValues() {
  for (std::size_t i = 0; i < editors_.size() && i < session_.fields.size(); ++i) {
    const app::DesignDialogField& field = session_.fields[i];
    const QSignalBlocker quiet(editors_[i]);
    if (auto* spin = qobject_cast<QSpinBox*>(editors_[i])) spin->setValue(field.value);
    else if (auto* names = qobject_cast<QComboBox*>(editors_[i])) names->setCurrentIndex(field.value - field.control.low);
  }
}

QSpinBox* DesignDialog::spinBox(std::size_t index) const {
  return index < editors_.size() ? qobject_cast<QSpinBox*>(editors_[index]) : nullptr;
}

QComboBox* DesignDialog::choiceBox(std::size_t index) const {
  return index < editors_.size() ? qobject_cast<QComboBox*>(editors_[index]) : nullptr;
}

// The editor shows what the design holds, which may be held to its bounds.
void DesignDialog::changed(std::size_t index, int value) {
  app::setDesignDialogValue(app_, session_, index, value);
  showValues();
}

}  // namespace mokuza::ui
