#pragma once
// "名前変更": the name pattern for the chosen file of the selected games, its
// tag buttons, and the old → new names it would give, shown before OK moves
// anything.

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>

#include "app/rename_session.h"

namespace mokuza::ui {

class RenameDialog : public QDialog {
 public:
  RenameDialog(app::Application& app, QWidget* parent);
  void accept() override;

  QLineEdit& pattern() { return *pattern_; }
  QListWidget& preview() { return *preview_; }

 private:
  void showPreview();

  app::Application& app_;
  app::RenameSession session_;
  QLineEdit* pattern_;
  QListWidget* preview_;
};

}  // namespace mokuza::ui
