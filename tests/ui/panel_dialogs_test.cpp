#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "app/design_controls.h"
#include "app/panel_model.h"
#include "tests/ui/window_test_support.h"
#include "ui/design_dialog.h"
#include "ui/side_panel.h"

namespace mokuza::test {
namespace {

class PanelDialogsTest : public WindowTest {
 protected:
  template <typename W>
  W* control(int id) {
    return qobject_cast<W*>(window->sidePanel().control(id));
  }
  // The side panel on the page of `id`, so its controls take clicks.
  template <typename W>
  W* shown(int id) {
    W* w = control<W>(id);
    if (w != nullptr) window->sidePanel().setCurrentWidget(w->parentWidget());
    return w;
  }
};

// Every button, tick and tab of the panel shows what the model says of it.
TEST_F(PanelDialogsTest, PanelShowsTheModelsControlsBelowTheIconStrip) {
  start();
  const app::PanelModel model = app::buildPanel(app());
  ASSERT_EQ(window->sidePanel().count(), static_cast<int>(app::kPanelTabs.size()));
  for (int page = 0; page < window->sidePanel().count(); ++page)
    EXPECT_EQ(window->sidePanel().tabText(page).toStdU16String(), app::kPanelTabs[static_cast<std::size_t>(page)]);
  int buttons = 0;
  for (const app::PanelControl& c : model.controls) {
    const auto* button = qobject_cast<QAbstractButton*>(window->sidePanel().control(c.id));
    if (button == nullptr) continue;
    ++buttons;
    EXPECT_EQ(button->text().toStdU16String(), c.text) << c.id;
    EXPECT_EQ(button->isEnabled(), c.enabled) << c.id;
    if (button->isCheckable()) {
      EXPECT_EQ(button->isChecked(), c.checked) << c.id;
    }
  }
  EXPECT_GT(buttons, 20);
  const app::PanelControl& row = *model.find(app::kSettingRowFirst);
  auto* spin = control<QSpinBox>(row.id);
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(std::tuple(spin->minimum(), spin->maximum(), spin->value()), std::tuple(row.low, row.high, row.value));
  const double ratio = window->boardView().devicePixelRatioF();
  EXPECT_GE(window->sidePanel().geometry().top() * ratio, model.frame.top);
}

TEST_F(PanelDialogsTest, PassAndToolClicksReachTheApplicationAndTheFocusReturnsToTheBoard) {
  start();
  QTest::mouseClick(shown<QPushButton>(1111), Qt::LeftButton);
  EXPECT_EQ(app().doc.moveCount(), 1);
  EXPECT_TRUE(window->boardView().hasFocus());

  QTest::mouseClick(shown<QRadioButton>(1006), Qt::LeftButton);
  EXPECT_EQ(app().inputMode, 1006);
  EXPECT_TRUE(control<QRadioButton>(1006)->isChecked());
  EXPECT_FALSE(control<QRadioButton>(1005)->isChecked()) << "the application says which tool is checked";
}

TEST_F(PanelDialogsTest, LabelFieldWritesTheLabelAndItsKeysNeverReachTheShortcuts) {
  start();
  auto* field = shown<QLineEdit>(app::kLabelTextEdit);
  ASSERT_NE(field, nullptr);
  field->setFocus();
  QTest::keyClicks(field, "c");
  EXPECT_TRUE(field->text().endsWith('c'));
  EXPECT_EQ(app().labelText, field->text().toStdU16String());
  EXPECT_FALSE(app().counting.countingMode);
}

TEST_F(PanelDialogsTest, SpinBoxesOfThePanelAndTheDesignDialogWriteTheDesign) {
  start();
  const app::DesignControl& first = app::settingsPageControls().front();
  auto* row = shown<QSpinBox>(app::kSettingRowFirst);
  row->setValue(first.low == row->value() ? first.low + 1 : first.low);
  EXPECT_EQ(app::shownValue(app(), first), row->value());

  // Each dialog takes its group's title and bounds; a value set there reaches the design.
  for (const auto& [kind, group] : {std::pair{app::DialogKind::DesignTransparency, app::DesignGroupKind::Transparency},
                                    {app::DialogKind::DesignAutoPlay, app::DesignGroupKind::AutoPlay}}) {
    window->showDialog(kind);
    ui::DesignDialog* dialog = window->designDialog();
    ASSERT_NE(dialog, nullptr);
    const app::DesignDialogSession session = app::beginDesignDialog(app(), group);
    EXPECT_EQ(dialog->windowTitle().toStdU16String(), session.title);
    const app::DesignControl& c = session.fields[0].control;
    EXPECT_EQ(std::tuple(dialog->spinBox(0)->minimum(), dialog->spinBox(0)->maximum(), dialog->spinBox(0)->singleStep()),
              std::tuple(c.low, c.high, c.step));
    if (session.hideInfoWindow) {
      EXPECT_NE(dialog->hideInfoWindowBox(), nullptr);
    }
    dialog->spinBox(0)->setValue(c.low + c.step);
    EXPECT_EQ(app::shownValue(app(), c), c.low + c.step);
  }
}

// Named values are drop-downs of their names in the panel and the design
// dialog, switches are ticks, and "初期設定" puts the dialog's group back.
TEST_F(PanelDialogsTest, NamedValuesTicksAndTheInitialDesignButton) {
  start();
  auto* names = window->sidePanel().control(app::settingRowId(DesignField::GobanCoordinate))->findChild<QComboBox*>();
  ASSERT_NE(names, nullptr);
  EXPECT_EQ(names->itemText(2), "英字と数字");
  Q_EMIT names->activated(2);
  EXPECT_EQ(designValue(app().doc.state.design, DesignField::GobanCoordinate), 2);
  EXPECT_EQ(names->currentIndex(), 2);

  auto* sound = shown<QCheckBox>(app::settingRowId(DesignField::StoneSound));
  ASSERT_NE(sound, nullptr);
  EXPECT_TRUE(sound->isChecked());
  QTest::mouseClick(sound, Qt::LeftButton, {}, QPoint(4, sound->height() / 2));  // on the tick itself
  EXPECT_EQ(designValue(app().doc.state.design, DesignField::StoneSound), 0);
  EXPECT_FALSE(sound->isChecked());

  window->showDialog(app::DialogKind::DesignMoveNumbers);
  ui::DesignDialog* dialog = window->designDialog();
  ASSERT_NE(dialog->choiceBox(0), nullptr);
  EXPECT_EQ(dialog->choiceBox(0)->itemText(1), "変化手順のみ");
  window->showDialog(app::DialogKind::DesignTransparency);
  dialog->spinBox(0)->setValue(100);
  QPushButton* initial = nullptr;
  for (QPushButton* button : dialog->findChildren<QPushButton*>())
    if (button->text() == "初期設定") initial = button;
  ASSERT_NE(initial, nullptr);
  QTest::mouseClick(initial, Qt::LeftButton);
  EXPECT_EQ(dialog->spinBox(0)->value(), 255);
  EXPECT_EQ(designValue(app().doc.state.design, DesignField::BlackTransparency), 255);
}

}  // namespace
}  // namespace mokuza::test
