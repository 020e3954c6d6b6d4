#pragma once
// "バージョン情報": the program's name and version, modal.

class QWidget;

namespace mokuza::ui {

void showAboutBox(QWidget& parent);

}  // namespace mokuza::ui
