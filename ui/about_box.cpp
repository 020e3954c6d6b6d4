#include "ui/about_box.h"

#include <QMessageBox>

#include "app/small_dialogs.h"

namespace mokuza::ui {

void showAboutBox(QWidget& parent) {
  QMessageBox box(&parent);
  box.setWindowTitle(QStringLiteral("バージョン情報"));
  box.setText(QString::fromStdU16String(app::aboutText()));
  box.setIcon(QMessageBox::Information);
  // Qt's own button texts are English; the program's are Japanese.
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
}

}  // namespace mokuza::ui
