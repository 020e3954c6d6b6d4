#pragma once
// The side panel: a tab widget over the board's picture with the pages
// "ゲーム情報", "着手情報", "入力" and "設定", holding the controls of the
// panel model at the model's rectangles. What the user does goes to the
// application; the focus then goes back to the board so its keys keep working.

#include <QTabWidget>
#include <map>

#include "app/panel_model.h"

namespace mokuza::ui {

class SidePanel : public QTabWidget {
 public:
  // `board` is the parent and takes the focus back after a click.
  explicit SidePanel(QWidget& board);

  void attach(app::Application& app);

  // Where the layout puts it (device pixels over the picture, `ratio` device
  // pixels per widget pixel): below the icon strip, at the left edge or at
  // the right one ("layoutno" 2); hidden with the panel. Builds the pages on
  // the first call.
  void place(double ratio);
  // Every control made again at the text size's rectangles and font.
  void rebuild(double ratio);
  // Labels, states and values shown again, the controls kept.
  void refresh();
  // A page chosen by the application, told to no one.
  void selectPage(int page);

  // The widget of a control id, or nullptr.
  QWidget* control(int id) const;

 private:
  QWidget* makeControl(const app::PanelControl& c, QWidget& page);
  void showState(const app::PanelControl& c, QWidget& widget);
  void panelCommand(int id);
  void backToBoard();

  QWidget& board_;
  app::Application* app_ = nullptr;
  std::map<int, QWidget*> controls_;
  int textScale_ = 0;
  double ratio_ = 0;
};

}  // namespace mokuza::ui
