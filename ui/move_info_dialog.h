#pragma once
// The modal dialog that edits the shown move's name, comment and times
// ("着手の編集［%d手目］"); OK applies the session.

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <vector>

#include "app/game_info_session.h"

namespace mokuza::ui {

class MoveInfoDialog : public QDialog {
 public:
  MoveInfoDialog(app::Application& app, QWidget* parent);
  void accept() override;
  // The editor of a row of the session's fields.
  QWidget& field(std::size_t row) { return *fields_.at(row); }

 private:
  app::Application& app_;
  app::MoveInfoSession session_;
  std::vector<QWidget*> fields_;
};

}  // namespace mokuza::ui
