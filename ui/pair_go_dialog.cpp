#include "ui/pair_go_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "app/small_dialogs.h"
#include "ui/dialog_buttons.h"

namespace mokuza::ui {
namespace {

constexpr int kColours = 4;
constexpr int kMostChangeMoves = 99;  // two digits

// One row per player, one radio per colour; the checked ones are the digits.
struct DigitRows {
  std::array<QButtonGroup*, 4> groups{};

  DigitRows(QDialog& dialog, QGroupBox& box, const playback::PairColourDigits& digits) {
    auto* grid = new QGridLayout(&box);
    for (int player = 0; player < static_cast<int>(groups.size()); ++player) {
      grid->addWidget(new QLabel(QString::number(player + 1), &box), player, 0);
      auto* group = new QButtonGroup(&dialog);
      for (int colour = 0; colour < kColours; ++colour) {
        auto* radio = new QRadioButton(QString::number(colour), &box);
        group->addButton(radio, colour);
        grid->addWidget(radio, player, colour + 1);
      }
      if (QAbstractButton* chosen = group->button(digits[static_cast<std::size_t>(player)])) chosen->setChecked(true);
      groups[static_cast<std::size_t>(player)] = group;
    }
  }

  playback::PairColourDigits digits() const {
    playback::PairColourDigits d{};
    for (std::size_t i = 0; i < groups.size(); ++i) d[i] = std::max(0, groups[i]->checkedId());
    return d;
  }
};

}  // namespace

void showPairGoDialog(QWidget& parent, app::Application& app) {
  app::PairGoSession session = app::beginPairGoColours(app);
  QDialog dialog(&parent);
  dialog.setWindowTitle(QStringLiteral("ペア碁カラー設定"));
  auto* column = new QVBoxLayout(&dialog);
  auto* mode = new QCheckBox(QStringLiteral("ペア碁モード"), &dialog);
  mode->setChecked(session.colours.mode);
  column->addWidget(mode);

  auto* details = new QWidget(&dialog);
  auto* detailColumn = new QVBoxLayout(details);
  detailColumn->setContentsMargins(0, 0, 0, 0);
  auto* changeRow = new QHBoxLayout;
  auto* change = new QSpinBox(details);
  change->setRange(0, kMostChangeMoves);
  change->setValue(session.colours.change);
  changeRow->addWidget(new QLabel(QStringLiteral("ペア碁交代手数"), details));
  changeRow->addWidget(change);
  detailColumn->addLayout(changeRow);
  auto* halves = new QHBoxLayout;
  auto* movesBox = new QGroupBox(QStringLiteral("ペア碁着手"), details);
  auto* lastBox = new QGroupBox(QStringLiteral("ペア碁最終着手"), details);
  const DigitRows moves(dialog, *movesBox, session.colours.moves);
  const DigitRows lastMoves(dialog, *lastBox, session.colours.lastMoves);
  halves->addWidget(movesBox);
  halves->addWidget(lastBox);
  detailColumn->addLayout(halves);
  column->addWidget(details);
  // Without pair-go mode the other controls are off.
  details->setEnabled(session.colours.mode);
  QObject::connect(mode, &QCheckBox::toggled, details, &QWidget::setEnabled);

  column->addWidget(okCancelButtons(dialog));

  if (dialog.exec() != QDialog::Accepted) return;
  session.colours.mode = mode->isChecked();
  session.colours.change = change->value();
  session.colours.moves = moves.digits();
  session.colours.lastMoves = lastMoves.digits();
  app::applyPairGoSession(app, session);
}

}  // namespace mokuza::ui
