#include "ui/move_info_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

#include "core/record/property_tables.h"
#include "ui/dialog_buttons.h"

namespace mokuza::ui {
namespace {

constexpr std::size_t kCommentRow = 1;  // the comment takes lines

QString text(std::u16string_view s) { return QString::fromStdU16String(std::u16string(s)); }

}  // namespace

MoveInfoDialog::MoveInfoDialog(app::Application& app, QWidget* parent)
    : QDialog(parent), app_(app), session_(app::beginMoveInfo(app)) {
  setObjectName("moveInfoDialog");
  setModal(true);
  setWindowTitle(text(session_.form.title));
  auto* form = new QFormLayout(this);
  for (std::size_t row = 0; row < kMoveInfoFields.size(); ++row) {
    QWidget* editor = nullptr;
    if (row == kCommentRow) {
      auto* comment = new QPlainTextEdit(text(session_.form.values[row]));
      comment->setTabChangesFocus(true);
      editor = comment;
    } else {
      editor = new QLineEdit(text(session_.form.values[row]));
    }
    fields_.push_back(editor);
    form->addRow(text(kMoveInfoFields[row].label), editor);
  }
  form->addRow(okCancelButtons(*this));
}

void MoveInfoDialog::accept() {
  for (std::size_t row = 0; row < fields_.size(); ++row) {
    const QWidget* editor = fields_[row];
    const QString value = row == kCommentRow ? static_cast<const QPlainTextEdit*>(editor)->toPlainText()
                                             : static_cast<const QLineEdit*>(editor)->text();
    session_.form.values[row] = value.toStdU16String();
  }
  app::applyMoveInfoSession(app_, session_);
  QDialog::accept();
}

}  // namespace mokuza::ui
