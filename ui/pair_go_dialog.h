#pragma once
// "ペア碁カラー設定": the pair-go colours of the shown game, applied with OK
// and dropped with キャンセル. Modal.

class QWidget;

namespace mokuza::app {
class Application;
}

namespace mokuza::ui {

void showPairGoDialog(QWidget& parent, app::Application& app);

}  // namespace mokuza::ui
