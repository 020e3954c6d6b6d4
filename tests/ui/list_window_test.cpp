#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QStatusBar>
#include <QTimer>

#include "app/board_input.h"
#include "app/commands.h"
#include "app/list_command_table.h"
#include "app/list_menu.h"
#include "app/list_window.h"
#include "app/player_aliases.h"
#include "app/search_session.h"
#include "core/record/text.h"
#include "playlist/list_games.h"
#include "playlist/list_texts.h"
#include "tests/ui/window_test_support.h"
#include "ui/alias_dialog.h"
#include "ui/game_info_dialog.h"
#include "ui/list_window.h"
#include "ui/rename_dialog.h"

namespace mokuza::test {
namespace {

using app::ListTab;

// The main window with a playlist of corpus games copied into its folder
// (the corpus is never written), the first game shown and the list window open.
class ListWindowUiTest : public WindowTest {
 protected:
  void open(std::size_t games) {
    window->start({});
    if (!listCorpusCopies(app(), folder, games)) GTEST_SKIP() << "corpus absent";
    app::clickListRow(app(), ListTab::Playlist, 0, {});
    app::runListCommand(app(), app::ListCommand::OpenGame);
    QTest::keyClick(&window->boardView(), Qt::Key_P);
    ASSERT_NE(lists(), nullptr);
    ASSERT_TRUE(lists()->isVisible());
    QCoreApplication::processEvents();
  }
  ui::ListWindow* lists() { return window->listWindow(); }
  ui::ListTableModel& model(ListTab tab) { return lists()->model(tab); }
  int column(ListTab tab, const std::string& key) {
    const auto& keys = model(tab).keys();
    return static_cast<int>(std::find(keys.begin(), keys.end(), key) - keys.begin());
  }
  // Every cell of the widget's table against the application's view of the tab.
  void expectCellsShowTheModel(ListTab tab) {
    const app::ListTabModel view = app::listTabModel(app(), tab);
    const ui::ListTableModel& m = model(tab);
    ASSERT_EQ(m.rowCount(), static_cast<int>(view.rows.size()));
    for (std::size_t r = 0; r < view.rows.size(); ++r)
      for (std::size_t c = 0; c < view.columns.size(); ++c)
        ASSERT_EQ(m.index(static_cast<int>(r), static_cast<int>(c)).data().toString().toStdU16String(),
                  view.rows[r].cells[c])
            << r << "," << c;
  }
};

// The table shows the application's rows; a header click reaches the
// application, whose new order the table then shows.
TEST_F(ListWindowUiTest, CellsAreTheModelsAndAHeaderClickSortsThem) {
  open(20);
  expectCellsShowTheModel(ListTab::Playlist);
  EXPECT_EQ(lists()->windowTitle().toStdU16String(), app::listWindowTitle(app()));

  const int date = column(ListTab::Playlist, "gmdate");
  ASSERT_LT(date, model(ListTab::Playlist).columnCount());
  const std::vector<int> before = app().playlist.displayOrder;
  QHeaderView& header = *lists()->table(ListTab::Playlist).horizontalHeader();
  QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                    QPoint(header.sectionViewportPosition(date) + header.sectionSize(date) / 2, header.height() / 2));
  QCoreApplication::processEvents();
  EXPECT_NE(app().playlist.displayOrder, before);
  EXPECT_TRUE(header.isSortIndicatorShown() && header.sortIndicatorSection() == date);
  EXPECT_EQ(header.sortIndicatorOrder(), Qt::AscendingOrder);
  expectCellsShowTheModel(ListTab::Playlist);
}

// A click on a row chooses it (its colours and the count under the list
// follow at once); a double click opens its game.
TEST_F(ListWindowUiTest, AClickChoosesARowAndADoubleClickOpensItsGame) {
  open(5);
  QTableView& table = lists()->table(ListTab::Playlist);
  const auto centre = [&table](int row) { return table.visualRect(table.model()->index(row, 1)).center(); };
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, centre(2));
  QCoreApplication::processEvents();
  const auto rowColour = [this](int row) {
    return model(ListTab::Playlist).index(row, 1).data(Qt::BackgroundRole).value<QBrush>().color();
  };
  const QColor chosen(0x33, 0x66, 0xcc);
  EXPECT_EQ(rowColour(2), chosen);
  EXPECT_NE(rowColour(0), chosen);
  EXPECT_EQ(lists()->statusBar()->currentMessage().toStdU16String(), selectionText(app().playlist));
  EXPECT_EQ(app().playlist.currentGameIndex, app().playlist.displayOrder[0] + 1) << "a click opens nothing";

  QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, centre(3));
  QCoreApplication::processEvents();
  EXPECT_EQ(app().playlist.currentGameIndex, app().playlist.displayOrder[3] + 1);
}

// The pattern typed into the dialog reaches the preview; nothing moves before OK.
TEST_F(ListWindowUiTest, RenameThroughTheDialogPreviewsThenMovesTheFiles) {
  open(5);
  for (int place : {1, 2}) app::clickListRow(app(), ListTab::Playlist, place, {.ctrl = true});
  std::vector<QString> preview;
  bool untouched = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = dynamic_cast<ui::RenameDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->pattern().setText(QStringLiteral("<PB>-<PW>_<DT>"));
    for (int i = 0; i < dialog->preview().count(); ++i) preview.push_back(dialog->preview().item(i)->text());
    untouched = fs::exists(folder / "games" / "g11.sgf") && fs::exists(folder / "games" / "g12.sgf");
    services.messageAnswers = {platform::Answer::Ok, platform::Answer::Ok};
    dialog->accept();
  });
  app::listWindowCommand(app(), app::kRenameFileFirst);
  EXPECT_TRUE(untouched) << "nothing moves before OK";
  ASSERT_EQ(preview.size(), 3u);
  for (const QString& line : preview) {
    const QStringList names = line.split(QStringLiteral(" → "));
    ASSERT_EQ(names.size(), 2) << line.toStdString();
    EXPECT_FALSE(fs::exists(folder / "games" / names[0].toStdU16String())) << line.toStdString();
    EXPECT_TRUE(fs::exists(folder / "games" / names[1].toStdU16String())) << line.toStdString();
  }
}

// The single dialog is modeless and its fields and buttons reach the game; a
// batch request while it is open turns it into the batch form, whose ticks
// decide what is written.
TEST_F(ListWindowUiTest, GameInformationReachesTheGameAndTheBatchFormTheChosenGames) {
  open(5);
  app::openGameInfo(app(), kGameInfoSingle);
  ui::GameInfoDialog* single = window->gameInfoDialog();
  ASSERT_NE(single, nullptr);
  EXPECT_FALSE(single->isModal());
  EXPECT_TRUE(single->tick(kBlackPlayerField).isHidden());
  EXPECT_EQ(single->field(kBlackPlayerField).maxLength(), static_cast<int>(kGameInfoTextMax));
  single->field(kBlackPlayerField).setText(QStringLiteral("黒太郎"));
  single->field(kWhitePlayerField).setText(QStringLiteral("白花子"));
  single->button(kSwapPlayersCommand)->click();
  EXPECT_EQ(single->field(kBlackPlayerField).text(), QStringLiteral("白花子"));
  single->accept();
  EXPECT_EQ(app().doc.record().header(u"黒対局者"), u"白花子");
  app::openGameInfo(app(), kGameInfoSingle);
  EXPECT_EQ(window->gameInfoDialog()->field(kWhitePlayerField).text(), QStringLiteral("黒太郎"));
  app::clickListRow(app(), ListTab::Playlist, 2, {});
  app::clickListRow(app(), ListTab::Playlist, 3, {.shift = true});
  app::runListCommand(app(), app::ListCommand::BatchGameInfo);
  ui::GameInfoDialog* batch = window->gameInfoDialog();
  ASSERT_NE(batch, nullptr);
  EXPECT_TRUE(batch->windowTitle().startsWith(QStringLiteral("ゲーム情報一括編集"))) << batch->windowTitle().toStdString();
  EXPECT_FALSE(batch->tick(kDateField).isHidden());
  EXPECT_FALSE(batch->field(kDateField).isEnabled()) << "a field is written only when ticked";
  batch->tick(kDateField).click();
  ASSERT_TRUE(batch->field(kDateField).isEnabled());
  batch->field(kDateField).setText(QStringLiteral("2001-02-03"));
  services.messageAnswers = {platform::Answer::Ok, platform::Answer::Ok, platform::Answer::Ok};
  batch->accept();
  QCoreApplication::processEvents();
  for (int place : {2, 3}) {
    const int record = app().playlist.displayOrder[static_cast<std::size_t>(place)];
    EXPECT_EQ(app().playlist.entries[static_cast<std::size_t>(record)].textFields[u"対局日"], u"2001-02-03");
  }
}

// The ticks of the alias dialog reach the application; a refused choice keeps
// the dialog open for the user to mend.
TEST_F(ListWindowUiTest, TheAliasDialogKeepsARefusedChoiceOpen) {
  open(5);
  std::optional<app::AliasSession> session = app::beginAliases(app());
  ASSERT_TRUE(session);
  ui::AliasDialog dialog(app(), *session, lists());
  ASSERT_EQ(dialog.mainName().count(), 2);
  const QList<QListWidgetItem*> opponent = dialog.players().findItems(dialog.mainName().itemText(1), Qt::MatchExactly);
  ASSERT_EQ(opponent.size(), 1);
  opponent.front()->setCheckState(Qt::Checked);
  dialog.show();
  dialog.accept();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(services.callsOf("messageBox").back().text, u"対局相手は選べません");
  EXPECT_TRUE(app().playlist.aliasGroups.empty());
}

// E turns the window to the event list; F2 edits a cell there, and the
// edit reaches the game and comes back into the table.
TEST_F(ListWindowUiTest, ACommentTypedIntoTheEventListReachesTheGame) {
  open(3);
  lists()->table(ListTab::Playlist).setFocus();
  QTest::keyClick(&lists()->table(ListTab::Playlist), Qt::Key_E);
  ASSERT_EQ(lists()->tabs().currentIndex(), 1);
  QCoreApplication::processEvents();
  QTableView& table = lists()->table(ListTab::EventList);
  const QModelIndex cell = model(ListTab::EventList).index(4, column(ListTab::EventList, "move_comment"));
  ASSERT_TRUE(cell.isValid());
  table.setFocus();
  table.setCurrentIndex(cell);
  QTest::keyClick(&table, Qt::Key_F2);
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  editor->setText(QStringLiteral("好手です"));
  QTest::keyClick(editor, Qt::Key_Return);
  // The delegate commits on a queued call; the refresh that follows is queued too.
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(model(ListTab::EventList).index(4, cell.column()).data().toString(), QStringLiteral("好手です"));
  const std::u16string* comment = app().doc.record().lineCopy[5].property(u"着手コメント");
  ASSERT_NE(comment, nullptr);
  EXPECT_EQ(*comment, u"好手です");
  lists()->tabs().setCurrentIndex(2);
  EXPECT_EQ(app().lists.tab, ListTab::FigureList);
}

// Keys in the list reach the main board and the search; while the search runs
// on its workers the window keeps handling events and says so.
TEST_F(ListWindowUiTest, ASearchFromTheWindowShowsItsProgressWhileEventsAreHandled) {
  open(1000);
  QTableView& table = lists()->table(ListTab::Playlist);
  table.setFocus();
  QTest::keyClick(&table, Qt::Key_Right);
  ASSERT_EQ(app().doc.currentMove(), 1) << "arrows step the main board";
  const int p = app().doc.lastMovePoint.index, left = p % 19 < 9 ? 0 : 9, top = p / 19 < 9 ? 0 : 9;
  app().inputMode = render::kInputRange;
  app::selectRange(app(), left + top * 19, left + 9 + (top + 9) * 19);
  QTest::keyClick(&table, Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(app::searchRunning(app()));
  bool progressShown = false;
  bool cancellable = false;
  for (int i = 0; i < 100000 && app::searchRunning(app()); ++i) {
    QTest::qWait(1);
    progressShown |= lists()->windowTitle().contains(QStringLiteral("検索中"));
    cancellable |= lists()->cancelButton().isEnabled();
  }
  EXPECT_FALSE(app::searchRunning(app()));
  EXPECT_TRUE(progressShown);
  EXPECT_TRUE(cancellable);
  // The menu's "リスト項目" reaches the application: the 検索結果 column shows.
  const auto keys = app::listColumnKeys();
  const auto search = std::find(keys.begin(), keys.end(), "search") - keys.begin();
  QAction* toggle = lists()->menus().action(app::kColumnToggleFirst + static_cast<int>(search));
  ASSERT_NE(toggle, nullptr);
  toggle->trigger();
  QCoreApplication::processEvents();
  EXPECT_TRUE(lists()->menus().action(app::kColumnToggleFirst + static_cast<int>(search))->isChecked());
  EXPECT_LT(column(ListTab::Playlist, "search"), model(ListTab::Playlist).columnCount()) << "the 検索結果 column";
}

}  // namespace
}  // namespace mokuza::test
