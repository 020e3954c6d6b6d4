#pragma once
// The game-information dialog: the two pages of the application's open
// GameInfoSession, modeless. What the user types and clicks goes to the
// session at once; OK applies it, Cancel drops it.

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "app/game_info_session.h"

namespace mokuza::ui {

class GameInfoDialog : public QDialog {
 public:
  GameInfoDialog(app::Application& app, QWidget* parent);

  // The fields show the session's form again.
  void showForm();
  QLineEdit& field(std::size_t index) { return *fields_.at(index); }
  QCheckBox& tick(std::size_t index) { return *ticks_.at(index); }
  QPushButton* button(int id) const;

  void accept() override;
  void reject() override;

 private:
  QWidget* makePage(int page);
  void run(int id, bool checked);

  app::Application& app_;
  std::array<QLineEdit*, kGameInfoFieldCount> fields_{};
  std::array<QCheckBox*, kGameInfoFieldCount> ticks_{};
  QCheckBox* autoHandicap_ = nullptr;
  QPushButton* autoResult_ = nullptr;
  QPushButton* swap_ = nullptr;
  QPushButton* currentDate_ = nullptr;
  bool showing_ = false;
};

}  // namespace mokuza::ui
