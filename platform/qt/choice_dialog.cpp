#include "platform/qt/choice_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mokuza::platform {

ChoiceDialog buildChoiceDialog(const ChoiceRequest& request, QWidget* parent) {
  ChoiceDialog result;
  result.dialog = std::make_unique<QDialog>(parent);
  QDialog& dialog = *result.dialog;
  dialog.setWindowTitle(QString::fromStdU16String(request.title));
  auto* layout = new QVBoxLayout(&dialog);
  result.options = new QButtonGroup(&dialog);
  const int count = static_cast<int>(request.options.size());
  const int checked = request.preselected >= 0 && request.preselected < count ? request.preselected : 0;
  for (int i = 0; i < count; ++i) {
    auto* option = new QRadioButton(QString::fromStdU16String(request.options[static_cast<std::size_t>(i)]), &dialog);
    option->setChecked(i == checked);
    result.options->addButton(option, i);
    layout->addWidget(option);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf16(u"キャンセル"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  return result;
}

int runChoiceDialog(const ChoiceRequest& request, QWidget* parent) {
  if (request.options.empty()) return -1;
  ChoiceDialog choice = buildChoiceDialog(request, parent);
  if (choice.dialog->exec() != QDialog::Accepted) return -1;
  return choice.options->checkedId();
}

}  // namespace mokuza::platform
