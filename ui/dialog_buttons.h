#pragma once
// The OK and キャンセル buttons of the program's dialogs, in Japanese whatever
// Qt's own translation says, wired to accept and reject.

#include <QDialog>
#include <QDialogButtonBox>

namespace mokuza::ui {

QDialogButtonBox* okCancelButtons(QDialog& dialog);

}  // namespace mokuza::ui
