#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QWheelEvent>
#include <sys/stat.h>

#include "app/command_table.h"
#include "app/menu_table.h"
#include "core/document/undo.h"
#include "core/record/text.h"
#include "tests/ui/window_test_support.h"
#include "ui/cursors.h"

namespace mokuza::test {
namespace {

class MainWindowTest : public WindowTest {
 protected:
  fs::path writeGame(const std::string& name, const std::string& sgf) const {
    std::ofstream(folder / name, std::ios::binary) << sgf;
    return folder / name;
  }
  // The centre of a board point in widget pixels of the board view.
  QPoint centreOf(int x, int y) {
    const render::BoardGeometry& g = app().layout.geometry;
    const double ratio = window->boardView().devicePixelRatioF();
    return QPoint(static_cast<int>((g.boardLeft + x * g.pitch + g.halfPitch) / ratio),
                  static_cast<int>((g.boardTop + y * g.pitch + g.halfPitch) / ratio));
  }
  int stoneAt(int x, int y) {
    const int n = app().doc.record().boardSize;
    return app().doc.shownPosition.boardGrid.stones[RecordPoint{x + y * n}];
  }
};

TEST_F(MainWindowTest, MenuBarHoldsTheFiveMenusWithEveryLabelOfTheTableAndNoShortcut) {
  start();
  const auto titles = app::menuTitles();
  const QList<QAction*> menus = window->menuBar()->actions();
  ASSERT_EQ(menus.size(), static_cast<qsizetype>(titles.size()));
  for (std::size_t m = 0; m < titles.size(); ++m)
    EXPECT_EQ(menus[static_cast<qsizetype>(m)]->text(), QString::fromStdU16String(std::u16string(titles[m])));
  for (const app::CommandInfo& command : app::commandTable()) {
    const QAction* action = window->menus().action(command.id);
    ASSERT_NE(action, nullptr) << command.id;
    std::u16string text(command.label);
    if (!command.shortcut.empty()) text.append(u"\t").append(command.shortcut);
    // Undo and redo carry the history's counts in their labels.
    if (command.command != app::Command::Undo && command.command != app::Command::Redo) {
      EXPECT_EQ(action->text(), QString::fromStdU16String(text)) << command.id;
    }
    EXPECT_TRUE(action->shortcut().isEmpty()) << command.id;
  }
  // The shortcut column is text: Ctrl+O does not open the open dialog.
  QTest::keyClick(&window->boardView(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_TRUE(services.callsOf("openFileDialog").size() == 1)
      << "the key acts once, on release, through the application";
}

TEST_F(MainWindowTest, ReleaseOfCTogglesCountingAndAnAutoRepeatedReleaseDoesNothing) {
  start();
  QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_C, Qt::NoModifier, "c", true);
  QApplication::sendEvent(&window->boardView(), &repeated);
  EXPECT_FALSE(app().counting.countingMode);
  QTest::keyPress(&window->boardView(), Qt::Key_C);
  EXPECT_FALSE(app().counting.countingMode) << "keys act on release";
  QTest::keyRelease(&window->boardView(), Qt::Key_C);
  EXPECT_TRUE(app().counting.countingMode);
}

// Each notch of the wheel is one step, and letters with Ctrl reach their commands.
TEST_F(MainWindowTest, TheWheelStepsByNotchesAndCtrlZUndoes) {
  start({writeGame("six.sgf", "(;GM[1]SZ[19];B[pd];W[dp];B[pq];W[dd];B[fc];W[cf])").u16string()});
  ui::BoardView& board = window->boardView();
  for (int i = 0; i < 3; ++i) {
    const QPointF at(board.width() / 2.0, board.height() / 2.0);
    QWheelEvent wheel(at, board.mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&board, &wheel);
  }
  EXPECT_EQ(app().doc.currentMove(), 3);

  recordUndo(app().doc, u"X");
  const int entry = app().doc.undoIndex;
  QTest::keyClick(&board, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(app().doc.undoIndex, entry - 1);
}

TEST_F(MainWindowTest, ClickAtACellCentrePlaysThereAndTheBoardViewChangesOnlyInThatCell) {
  start({writeGame("empty.sgf", "(;GM[1]SZ[19])").u16string()});
  ASSERT_TRUE(window->statusBar()->isVisible());
  ui::BoardView& board = window->boardView();
  const QImage before = board.grab().toImage();
  QTest::mouseClick(&board, Qt::LeftButton, Qt::NoModifier, centreOf(15, 3));
  QCoreApplication::processEvents();
  EXPECT_EQ(stoneAt(15, 3), 1);
  EXPECT_EQ(app().doc.moveCount(), 1);

  const QImage after = board.grab().toImage();
  ASSERT_EQ(before.size(), after.size());
  const render::BoardGeometry& g = app().layout.geometry;
  const QRect boardArea(g.boardLeft, g.boardTop, g.extent, g.extent);
  const QRect cell(g.boardLeft + 15 * g.pitch, g.boardTop + 3 * g.pitch, g.pitch, g.pitch);
  QRect changed;
  for (int y = boardArea.top(); y <= boardArea.bottom(); ++y)
    for (int x = boardArea.left(); x <= boardArea.right(); ++x)
      if (before.pixel(x, y) != after.pixel(x, y)) changed |= QRect(x, y, 1, 1);
  EXPECT_FALSE(changed.isEmpty());
  EXPECT_TRUE(cell.contains(changed)) << "changed " << changed.x() << "," << changed.y() << " " << changed.width()
                                      << "x" << changed.height();
}

// A file manager drags a name that is no UTF-8 as its percent-encoded bytes,
// parsed or as the text a drag between programs carries: the window takes the
// drag and opens that very file.
TEST_F(MainWindowTest, ADroppedUrlOpensTheFileEvenWhenItsNameIsNoUtf8) {
  start();
  for (const bool uriList : {false, true}) {
    const fs::path game = writeGame(std::string("g\xff\xfe") + (uriList ? "2.sgf" : "1.sgf"),
                                    uriList ? "(;SZ[19];B[pd];W[dp])" : "(;SZ[19];B[pd])");
    const QByteArray url = "file://" + QByteArray::fromStdString(game.string()).toPercentEncoding("/");
    QMimeData data;
    if (uriList) data.setData(QStringLiteral("text/uri-list"), url + "\r\n");
    else data.setUrls({QUrl(QString::fromLatin1(url))});
    QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_EQ(app().doc.state.currentFileName, pathToText(game));
    EXPECT_EQ(app().doc.moveCount(), uriList ? 2 : 1);
  }
}

// A FIFO or a file no image reader takes in gra/cursor/ never holds up the
// start: the board falls back to the system's cursors.
TEST(BoardCursors, AFifoOrAnUnreadableImageGivesTheStandardCursor) {
  const fs::path folder = freshTestFolder("mokuza-cursors");
  fs::create_directories(folder / "gra" / "cursor");
  ASSERT_EQ(::mkfifo((folder / "gra" / "cursor" / "step.png").c_str(), 0600), 0);
  std::ofstream(folder / "gra" / "cursor" / "pickup.png") << "no image";
  const ui::BoardCursors cursors = ui::loadBoardCursors(folder);
  EXPECT_EQ(cursors.step.shape(), Qt::SizeHorCursor);
  EXPECT_EQ(cursors.pickedStone.shape(), Qt::ClosedHandCursor);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace mokuza::test
