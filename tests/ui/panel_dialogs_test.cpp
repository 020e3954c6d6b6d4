#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "app/design_controls.h"
#include "app/panel_model.h"
#include "tests/app/app_test_support.h"
#include "ui/board_view.h"
#include "ui/design_dialog.h"
#include "ui/main_window.h"
#include "ui/side_panel.h"

namespace mokuza::test {
namespace {

class PanelDialogsTest : public ::testing::Test {
 protected:
  ~PanelDialogsTest() override {
    window.reset();
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  void start() {
    window->start({});
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->boardView().setFocus();
    QCoreApplication::processEvents();
  }
  app::Application& app() { return window->application(); }
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

  fs::path folder = freshProgramFolder();
  platform::HeadlessServices services;
  std::unique_ptr<ui::MainWindow> window = std::make_unique<ui::MainWindow>(services, folder);
};

TEST_F(PanelDialogsTest, PanelHoldsTheModelsControlsBelowTheIconStrip) {
  start();
  const app::PanelModel model = app::buildPanel(app());
  ASSERT_EQ(window->sidePanel().count(), 4);
  EXPECT_EQ(window->sidePanel().tabText(3), "設定");
  ASSERT_NE(control<QPushButton>(1111), nullptr);
  EXPECT_EQ(control<QPushButton>(1111)->text(), "パス");
  ASSERT_NE(control<QRadioButton>(1005), nullptr);
  EXPECT_EQ(control<QRadioButton>(1005)->text(), "着手");
  EXPECT_EQ(control<QRadioButton>(1005)->isChecked(), model.find(1005)->checked);
  ASSERT_NE(control<QCheckBox>(1301), nullptr);
  EXPECT_EQ(control<QCheckBox>(1301)->text(), "結果表示");
  EXPECT_EQ(control<QPushButton>(1113)->isEnabled(), model.find(1113)->enabled);
  EXPECT_EQ(control<QPushButton>(1481)->text(), "プレイリスト全体へ適用");
  const app::PanelControl& row = *model.find(app::kSettingRowFirst);
  auto* spin = control<QSpinBox>(row.id);
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->minimum(), row.low);
  EXPECT_EQ(spin->maximum(), row.high);
  EXPECT_EQ(spin->value(), row.value);
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

  window->showDialog(app::DialogKind::DesignTransparency);
  ui::DesignDialog* dialog = window->designDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "透明度設定");
  const app::DesignDialogSession session = app::beginDesignDialog(app(), app::DesignGroupKind::Transparency);
  dialog->spinBox(0)->setValue(100);
  EXPECT_EQ(app::shownValue(app(), session.fields[0].control), 100);
  EXPECT_EQ(dialog->spinBox(0)->maximum(), 255);

  window->showDialog(app::DialogKind::DesignAutoPlay);
  EXPECT_EQ(dialog->windowTitle(), "自動再生設定");
  EXPECT_EQ(dialog->spinBox(0)->singleStep(), 10);
  EXPECT_NE(dialog->hideInfoWindowBox(), nullptr);
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
  EXPECT_EQ(control<QPushButton>(app::kMoveInfoButton)->text(), "編集");

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
