#include "ui/design_dialog.h"

#include <QCheckBox>
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
  spins_.clear();
  hideInfoWindow_ = nullptr;

  setWindowTitle(qs(session_.title));
  auto* column = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  column->addLayout(form);
  for (std::size_t i = 0; i < session_.fields.size(); ++i) {
    const app::DesignDialogField& field = session_.fields[i];
    auto* spin = new QSpinBox(this);
    spin->setRange(field.control.low, field.control.high);
    spin->setSingleStep(field.control.step);
    spin->setValue(field.value);
    if (!field.unit.empty()) spin->setSuffix(u' ' + qs(field.unit));
    // Typed digits apply with Enter or when the field is left; the arrows at once.
    spin->setKeyboardTracking(false);
    connect(spin, &QSpinBox::valueChanged, [this, i](int value) { changed(i, value); });
    form->addRow(qs(field.control.label()), spin);
    spins_.push_back(spin);
  }
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
  for (std::size_t i = 0; i < spins_.size() && i < session_.fields.size(); ++i) {
    const QSignalBlocker quiet(spins_[i]);
    spins_[i]->setValue(session_.fields[i].value);
  }
  if (hideInfoWindow_ != nullptr) {
    const QSignalBlocker quiet(hideInfoWindow_);
    hideInfoWindow_->setChecked(session_.hideInfoWindow.value_or(false));
  }
}

QSpinBox* DesignDialog::spinBox(std::size_t index) const { return index < spins_.size() ? spins_[index] : nullptr; }

// The spin box shows what the design holds, which may be held to its bounds.
void DesignDialog::changed(std::size_t index, int value) {
  app::setDesignDialogValue(app_, session_, index, value);
  QSpinBox* spin = spins_[index];
  const QSignalBlocker quiet(spin);
  spin->setValue(session_.fields[index].value);
}

}  // namespace mokuza::ui
