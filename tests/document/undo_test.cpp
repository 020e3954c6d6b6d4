// The operation history: what an entry restores, how the history is bounded,
// and the texts of the undo, redo and history menu items.

#include <gtest/gtest.h>

#include "core/document/editing.h"
#include "core/document/undo.h"
#include "document_test_support.h"

namespace mokuza::test {
namespace {

class UndoTest : public DocumentTest {
 protected:
  void SetUp() override {
    load(u"(;GM[1];B[dd];W[pp])", 2);
    recordUndo(doc, u"開く");
  }
};

TEST_F(UndoTest, UndoAndRedoRestoreTheTreeAndTheShownMove) {
  ASSERT_TRUE(playAt(doc, services, recordAt("dp")));
  ASSERT_TRUE(playAt(doc, services, recordAt("pd")));
  ASSERT_EQ(line(), "B dd, W pp, B dp, W pd");
  showMove(doc, 1);

  ASSERT_TRUE(undo(doc));
  EXPECT_EQ(view() + stones("dp"), "B dd, W pp, B dp @3 *X") << "the move shown when the entry was recorded";
  ASSERT_TRUE(undo(doc));
  EXPECT_EQ(view() + stones("dp"), "B dd, W pp @2.");
  EXPECT_FALSE(undo(doc)) << "the first entry is the oldest state";

  ASSERT_TRUE(redo(doc));
  ASSERT_TRUE(redo(doc));
  EXPECT_EQ(view() + stones("pd"), "B dd, W pp, B dp, W pd @4 *O");
  EXPECT_FALSE(redo(doc));
  EXPECT_EQ(tidyFault(doc.record()), "");

  // A new change discards the redo side.
  ASSERT_TRUE(undo(doc));
  recordUndo(doc, u"x");
  EXPECT_EQ(std::pair(doc.undoIndex, doc.undoCount), std::pair(2, 2));
  EXPECT_EQ(u8(doc.undoEntries.back().description), "x");
  EXPECT_FALSE(redo(doc));
}

TEST_F(UndoTest, UndoReachesBackThroughBranchesAndDeletions) {
  load(u"(;GM[1];B[dd];W[pp](;B[dp];W[pd])(;B[qd]))", 3);
  switchVariation(doc, false);
  recordUndo(doc, u"開く");
  const std::string before = tree();
  ASSERT_TRUE(deleteMove(doc));
  ASSERT_NE(tree(), before);
  ASSERT_TRUE(undo(doc));
  EXPECT_EQ(tree(), before);
  EXPECT_EQ(view(), "B dd, W pp, B qd @3") << "the branch path is part of the entry";
}

// An edited term table goes back with the entry that named the moves by it.
TEST_F(UndoTest, TheFigureTableComesBackWithItsEntry) {
  const naming::FigureTable builtIn = doc.classifier.figureTable();
  std::vector<naming::FigureRow> rows = builtIn.rows();
  rows.front().name = u"改名";
  doc.classifier.setFigureTable(naming::FigureTable(rows));
  recordUndo(doc, u"型名変更");
  ASSERT_TRUE(undo(doc));
  EXPECT_EQ(doc.classifier.figureTable().rows(), builtIn.rows());
  ASSERT_TRUE(redo(doc));
  EXPECT_EQ(doc.classifier.figureTable().rows().front().name, u"改名");
}

TEST_F(UndoTest, TheWindowLayoutStaysAsItIsThroughUndoAndRedo) {
  doc.state.design.intFields[u"黒石透明度"] = 100;
  recordUndo(doc, u"a");
  doc.state.design.intFields[u"黒石透明度"] = 200;
  const std::pair<const char16_t*, std::int32_t> layout[] = {{u"碁盤Ｘ", 31}, {u"碁盤サイズ指定", 33}, {u"背景Ｙ", 35}};
  for (const auto& [label, value] : layout) doc.state.design.intFields[label] = value;
  doc.state.options[DocumentOption::LayoutNo] = 3;
  doc.state.options[DocumentOption::TextSize] = 4;
  recordUndo(doc, u"b");
  for (const auto& [label, value] : layout) doc.state.design.intFields[label] = value + 10;
  ASSERT_TRUE(undo(doc));
  EXPECT_EQ(doc.state.design.intFields[u"黒石透明度"], 100) << "the rest of the design goes back";
  for (const auto& [label, value] : layout) EXPECT_EQ(doc.state.design.intFields[label], value + 10) << u8(label);
  EXPECT_EQ(std::pair(option(doc.state.options, DocumentOption::LayoutNo),
                      option(doc.state.options, DocumentOption::TextSize)),
            std::pair(3, 4));
  ASSERT_TRUE(redo(doc));
  EXPECT_EQ(doc.state.design.intFields[u"碁盤Ｘ"], 41);
}

TEST_F(UndoTest, TheHistoryIsBounded) {
  for (int i = 1; i <= 100; ++i) recordUndo(doc, asciiToUtf16("change " + std::to_string(i)));
  EXPECT_EQ(std::pair(doc.undoIndex, doc.undoCount), std::pair(99, 99));
  ASSERT_EQ(doc.undoEntries.size(), 100u);
  EXPECT_EQ(u8(doc.undoEntries.front().description), "change 1") << "the oldest entry is dropped";
  recordUndo(doc, u"one more");
  EXPECT_EQ(doc.undoIndex, 99);
  EXPECT_EQ(u8(doc.undoEntries.front().description), "change 2");

  // A copy of a large playlist travels with every entry.
  Document other;
  other.hooks.snapshotPlaylist = [] { return std::vector<PlaylistEntry>(6000); };
  std::vector<std::size_t> restoredSizes;
  other.hooks.restorePlaylist = [&](const std::vector<PlaylistEntry>& entries) {
    restoredSizes.push_back(entries.size());
  };
  for (const char16_t* description : {u"a", u"b", u"c", u"d", u"e"}) recordUndo(other, description);
  EXPECT_EQ(other.undoEntries.size(), 2u) << "three copies would pass 15000 stored entries";
  EXPECT_EQ(other.undoIndex, 1);
  EXPECT_EQ(u8(other.undoEntries.front().description), "d");
  ASSERT_TRUE(undo(other));
  EXPECT_EQ(restoredSizes, (std::vector<std::size_t>{6000}));
}

TEST_F(UndoTest, TheLetterNAndAutoPlayRecordNothingAndTheLogFollowsTheOption) {
  std::vector<std::string> logged;
  doc.hooks.appendHistoryLine = [&](std::u16string_view description, int) { logged.push_back(u8(description)); };
  recordUndo(doc, u"n");
  recordUndo(doc, u"記録");
  doc.globalOptions[GlobalOption::HistoryOutput] = -1;
  recordUndo(doc, u"記録しない");
  doc.globalOptions[GlobalOption::HistoryOutput] = 2;
  recordUndo(doc, u"これも");
  doc.hooks.autoPlayRunning = [] { return true; };
  recordUndo(doc, u"自動再生中");
  EXPECT_EQ(logged, (std::vector<std::string>{"記録"}));
  std::string kept;
  for (const UndoEntry& entry : doc.undoEntries) kept += u8(entry.description) + " ";
  EXPECT_EQ(kept, "開く 記録 記録しない これも ") << "the history keeps what the log leaves out";
  // A show in progress leaves the history where it is.
  const int index = doc.undoIndex;
  EXPECT_FALSE(undo(doc) || chooseHistoryEntry(doc, 1));
  EXPECT_EQ(doc.undoIndex, index);
}

}  // namespace
}  // namespace mokuza::test
