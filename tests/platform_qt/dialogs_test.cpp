#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>

#include "platform/qt/choice_dialog.h"
#include "platform/qt/file_dialogs.h"
#include "platform/qt/message_box.h"

using namespace mokuza::platform;
using namespace Qt::StringLiterals;

namespace {

QStringList buttonTexts(const QMessageBox& box) {
  QStringList texts;
  for (QAbstractButton* button : box.buttons()) texts.append(button->text());
  texts.sort();
  return texts;
}

}  // namespace

// Every button speaks Japanese, each click answers with its own button, and
// a box closed without a button gives the harmless answer.
TEST(MessageBoxTest, JapaneseButtonsAnswerWhatWasClicked) {
  const struct {
    Buttons buttons;
    QStringList texts;
    std::vector<std::pair<QMessageBox::StandardButton, Answer>> clicks;
    Answer closed;
  } cases[] = {
      {Buttons::Ok, {u"OK"_s}, {{QMessageBox::Ok, Answer::Ok}}, Answer::Ok},
      {Buttons::OkCancel,
       {u"OK"_s, u"キャンセル"_s},
       {{QMessageBox::Ok, Answer::Ok}, {QMessageBox::Cancel, Answer::Cancel}},
       Answer::Cancel},
      {Buttons::YesNo,
       {u"いいえ"_s, u"はい"_s},
       {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No}},
       Answer::No},
      {Buttons::YesNoCancel,
       {u"いいえ"_s, u"はい"_s, u"キャンセル"_s},
       {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No}, {QMessageBox::Cancel, Answer::Cancel}},
       Answer::Cancel},
  };
  for (const auto& c : cases) {
    const MessageBoxRequest request{u"保存しますか？", u"Mokuza", c.buttons, Icon::Question};
    QStringList expected = c.texts;
    expected.sort();
    EXPECT_EQ(buttonTexts(*buildMessageBox(request, nullptr)), expected);
    for (const auto& [button, answer] : c.clicks) {
      auto box = buildMessageBox(request, nullptr);
      box->button(button)->click();
      EXPECT_EQ(answerOf(*box), answer) << box->button(button)->text().toStdString();
    }
    EXPECT_EQ(answerOf(*buildMessageBox(request, nullptr)), c.closed);
  }
  auto box = buildMessageBox({u"本文", u"エラー", Buttons::Ok, Icon::Error}, nullptr);
  EXPECT_EQ(box->icon(), QMessageBox::Critical);
  EXPECT_EQ(box->windowTitle(), u"エラー"_s);
  EXPECT_EQ(box->text(), u"本文"_s);
}

TEST(FileFilterTest, EveryPatternInBothCases) {
  EXPECT_EQ(nameFilters({{u"SGF File(*.sgf)", u"*.sgf"}, {u"すべてのファイル(*.*)", u"*.*"}}),
            (QStringList{u"SGF File (*.sgf *.SGF)"_s, u"すべてのファイル (*)"_s}));
  EXPECT_EQ(nameFilters({{u"棋譜とプレイリスト", u"*.sgf;*.Gpl"}, {u"空", u""}}),
            (QStringList{u"棋譜とプレイリスト (*.sgf *.SGF *.gpl *.GPL)"_s}));
}

TEST(ChoiceDialogTest, OptionsInOrderWithTheChoiceChecked) {
  const ChoiceRequest request{u"挿入", {u"変化図作成", u"次の手の前に挿入", u"次の手を置き換える"}, 1};
  ChoiceDialog choice = buildChoiceDialog(request, nullptr);
  ASSERT_EQ(choice.options->buttons().size(), 3);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(choice.options->button(i)->text().toStdU16String(), request.options[static_cast<std::size_t>(i)]);
  EXPECT_EQ(choice.options->checkedId(), 1);
  choice.options->button(2)->click();
  EXPECT_EQ(choice.options->checkedId(), 2);
  auto* buttons = choice.dialog->findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), u"OK"_s);
  EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), u"キャンセル"_s);

  EXPECT_EQ(buildChoiceDialog({u"", {u"a", u"b"}, 7}, nullptr).options->checkedId(), 0) << "out of range: the first";
}
