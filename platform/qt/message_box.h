#pragma once
// Message boxes with the program's Japanese button texts: Qt's own texts are
// English without a translation installed.

#include <QMessageBox>
#include <memory>

#include "platform/services.h"

class QWidget;

namespace mokuza::platform {

// The box for `request`, ready to exec: buttons in the order of the request
// with Japanese texts, the first one default, Escape on the harmless one.
std::unique_ptr<QMessageBox> buildMessageBox(const MessageBoxRequest& request, QWidget* parent);

// The answer of a box that has been closed (a box closed without a button
// answers with its escape button).
Answer answerOf(const QMessageBox& box);

}  // namespace mokuza::platform
