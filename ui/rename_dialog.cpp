#include "ui/rename_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_buttons.h"

namespace mokuza::ui {
namespace {

QString text(std::u16string_view s) { return QString::fromStdU16String(std::u16string(s)); }

}  // namespace

RenameDialog::RenameDialog(app::Application& app, QWidget* parent)
    : QDialog(parent),
      app_(app),
      session_(app::beginRename(app)),
      pattern_(new QLineEdit(text(session_.pattern))),
      preview_(new QListWidget) {
  setObjectName("renameDialog");
  setModal(true);
  setWindowTitle(QStringLiteral("名前変更"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(text(session_.fileLabel)));
  layout->addWidget(pattern_);
  auto* tags = new QHBoxLayout;
  for (std::size_t t = 0; t < app::kRenameTags.size(); ++t) {
    auto* button = new QPushButton(text(app::kRenameTags[t].label));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, [this, t] {
      session_.pattern = pattern_->text().toStdU16String();
      const auto at = static_cast<std::size_t>(pattern_->cursorPosition());
      app::insertRenameTag(session_, t, at);
      pattern_->setText(text(session_.pattern));
      pattern_->setCursorPosition(static_cast<int>(at + app::kRenameTags[t].code.size()));
      pattern_->setFocus();
    });
    tags->addWidget(button);
  }
  layout->addLayout(tags);
  layout->addWidget(preview_, 1);
  layout->addWidget(okCancelButtons(*this));
  connect(pattern_, &QLineEdit::textChanged, [this](const QString& value) {
    session_.pattern = value.toStdU16String();
    showPreview();
  });
  resize(640, 400);
  showPreview();
}

void RenameDialog::showPreview() {
  preview_->clear();
  for (const std::u16string& line : app::renamePreviewLines(app::renamePreview(app_, session_)))
    preview_->addItem(text(line));
}

void RenameDialog::accept() {
  session_.pattern = pattern_->text().toStdU16String();
  app::applyRename(app_, session_);
  QDialog::accept();
}

}  // namespace mokuza::ui
