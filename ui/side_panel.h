#pragma once
// The side panel: a tab widget over the board's picture with the pages
// "ゲーム情報", "着手情報", "入力" and "設定", placed and sized by the layout.

#include <QTabWidget>
#include <functional>

namespace mokuza::app {
class Application;
}

namespace mokuza::ui {

class SidePanel : public QTabWidget {
 public:
  // `tabChosen` hears of a tab the user chose.
  SidePanel(QWidget& parent, std::function<void(int)> tabChosen);

  // Where the layout puts it (device pixels over the picture, `ratio` device
  // pixels per widget pixel): below the icon strip, at the left edge or at
  // the right one ("layoutno" 2); hidden with the panel.
  void place(const app::Application& app, double ratio);
  // The text size of the pages' fonts, 2..5.
  void rescale(int textScale);
  // A page chosen by the application, told to no one.
  void selectPage(int page);

 private:
  std::function<void(int)> tabChosen_;
  int textScale_ = 0;
};

}  // namespace mokuza::ui
