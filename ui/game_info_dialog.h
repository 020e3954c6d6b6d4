#pragma once
// The game-information dialog: the two pages of a GameInfoSession's fields,
// modeless. Its buttons and tick boxes run the session's commands; OK applies
// the session, Cancel drops it.

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "app/game_info_session.h"

namespace mokuza::ui {

class GameInfoDialog : public QDialog {
 public:
  GameInfoDialog(app::Application& app, int mode, QWidget* parent);

  // Command 7760: the fields show the current values again.
  void refreshFromGame();
  const app::GameInfoSession& session() const { return session_; }
  QLineEdit& field(std::size_t index) { return *fields_.at(index); }
  QCheckBox& tick(std::size_t index) { return *ticks_.at(index); }
  QPushButton* button(int id) const;

  void accept() override;

 private:
  QWidget* makePage(int page);
  void run(int id, bool checked);
  void readForm();
  void showForm();

  app::Application& app_;
  app::GameInfoSession session_;
  std::array<QLineEdit*, kGameInfoFieldCount> fields_{};
  std::array<QCheckBox*, kGameInfoFieldCount> ticks_{};
  QCheckBox* autoHandicap_ = nullptr;
  QPushButton* autoResult_ = nullptr;
  QPushButton* swap_ = nullptr;
  QPushButton* currentDate_ = nullptr;
  bool showing_ = false;
};

}  // namespace mokuza::ui
