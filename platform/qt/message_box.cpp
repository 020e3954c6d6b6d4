#include "platform/qt/message_box.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QString>
#include <utility>
#include <vector>

namespace mokuza::platform {
namespace {

QMessageBox::Icon qtIcon(Icon icon) {
  switch (icon) {
    case Icon::None: return QMessageBox::NoIcon;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

struct ButtonText {
  QMessageBox::StandardButton button;
  const char16_t* text;
};

constexpr ButtonText kOk{QMessageBox::Ok, u"OK"};
constexpr ButtonText kCancel{QMessageBox::Cancel, u"キャンセル"};
constexpr ButtonText kYes{QMessageBox::Yes, u"はい"};
constexpr ButtonText kNo{QMessageBox::No, u"いいえ"};

// The buttons in order, and the one Escape presses.
std::pair<std::vector<ButtonText>, QMessageBox::StandardButton> buttonsOf(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return {{kOk}, QMessageBox::Ok};
    case Buttons::OkCancel: return {{kOk, kCancel}, QMessageBox::Cancel};
    case Buttons::YesNo: return {{kYes, kNo}, QMessageBox::No};
    case Buttons::YesNoCancel: return {{kYes, kNo, kCancel}, QMessageBox::Cancel};
  }
  return {{kOk}, QMessageBox::Ok};
}

}  // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const MessageBoxRequest& request, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(QString::fromStdU16String(request.title));
  box->setText(QString::fromStdU16String(request.text));
  box->setIcon(qtIcon(request.icon));
  const auto [buttons, escape] = buttonsOf(request.buttons);
  for (const ButtonText& button : buttons) box->addButton(button.button)->setText(QString::fromUtf16(button.text));
  box->setDefaultButton(request.declineByDefault ? escape : buttons.front().button);
  box->setEscapeButton(escape);
  return box;
}

Answer answerOf(const QMessageBox& box) {
  QAbstractButton* clicked = box.clickedButton();
  if (clicked == nullptr) clicked = box.escapeButton();
  switch (box.standardButton(clicked)) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

}  // namespace mokuza::platform
