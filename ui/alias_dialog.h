#pragma once
// "別名（同一対局者）指定": the main name (a player of the focused game) and
// the playlist's other players to tick as its aliases. A refused choice keeps
// the dialog open.

#include <QComboBox>
#include <QDialog>
#include <QListWidget>

#include "app/player_aliases.h"

namespace mokuza::ui {

class AliasDialog : public QDialog {
 public:
  AliasDialog(app::Application& app, app::AliasSession session, QWidget* parent);
  void accept() override;

  QComboBox& mainName() { return *mainName_; }
  QListWidget& players() { return *players_; }

 private:
  void showPlayers();

  app::Application& app_;
  app::AliasSession session_;
  QComboBox* mainName_;
  QListWidget* players_;
};

}  // namespace mokuza::ui
