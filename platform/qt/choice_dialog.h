#pragma once
// The small modal choice among radio options, with OK and Cancel.

#include <QButtonGroup>
#include <QDialog>
#include <memory>

#include "platform/services.h"

class QWidget;

namespace mokuza::platform {

struct ChoiceDialog {
  std::unique_ptr<QDialog> dialog;
  QButtonGroup* options = nullptr;  // owned by the dialog; ids are the option indices
};

// The preselected option is checked (the first when it is out of range).
ChoiceDialog buildChoiceDialog(const ChoiceRequest& request, QWidget* parent);

// The index of the checked option after OK, -1 after Cancel.
int runChoiceDialog(const ChoiceRequest& request, QWidget* parent);

}  // namespace mokuza::platform
