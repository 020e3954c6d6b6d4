#pragma once
// The design settings dialog: one modeless dialog showing one group of design
// values at a time ("透明度設定", "碁盤位置設定", "手数表示設定", "自動再生設定");
// every change is written into the shown design at once.

#include <QDialog>
#include <vector>

#include "app/design_dialog.h"

class QSpinBox;
class QCheckBox;
class QComboBox;

namespace mokuza::ui {

class DesignDialog : public QDialog {
 public:
  DesignDialog(QWidget& parent, app::Application& app);

  // The group's values as the design holds them now, shown and raised.
  void showGroup(app::DesignGroupKind group);
  // The values shown again, as the design now holds them (another game may
  // be shown with its own design).
  void refresh();

  // The editor of field `index`: a spin box for a number, a drop-down for a named value.
  QSpinBox* spinBox(std::size_t index) const;
  QComboBox* choiceBox(std::size_t index) const;
  QCheckBox* hideInfoWindowBox() const { return hideInfoWindow_; }

 private:
  void changed(std::size_t index, int value);
  void showValues();

  app::Application& app_;
  app::DesignDialogSession session_;
  std::vector<QWidget*> editors_;
  QCheckBox* hideInfoWindow_ = nullptr;
};

}  // namespace mokuza::ui
