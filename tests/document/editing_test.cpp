// Moving along the line and changing the moves: SGF text in, the tree, the
// current line and the shown position out.

#include <gtest/gtest.h>

#include "core/document/editing.h"
#include "core/document/undo.h"
#include "document_test_support.h"

namespace mokuza::test {
namespace {

constexpr std::u16string_view kBranched = u"(;GM[1];B[dd];W[pp](;B[dp];W[pd])(;B[qd]))";

// ---- navigation ----

using NavigationTest = DocumentTest;

TEST_F(NavigationTest, ShowMoveClampsAndShowsTheCachedPosition) {
  load(u"(;GM[1];B[dd];W[pp];B[dp])");
  showMove(doc, -4);
  EXPECT_EQ(doc.currentMove(), 0);
  EXPECT_EQ(stone("dd"), 0);
  showMove(doc, 99);
  EXPECT_EQ(doc.currentMove(), 3);
  EXPECT_EQ(stone("dd"), 1);
  EXPECT_EQ(stone("pp"), -1);
  EXPECT_EQ(stone("dp"), 1);
  showMove(doc, 1);
  EXPECT_EQ(stone("pp"), 0);
  EXPECT_EQ(doc.previousShownPosition.boardGrid.stones[recordAt("dp")], 1);
  EXPECT_EQ(doc.lastMovePoint, recordAt("dd"));
}

TEST_F(NavigationTest, ColourToPlay) {
  // Two black moves in a row tell "after the shown move" from "the next move".
  load(u"(;GM[1];B[dd];B[pp];W[dp])");
  showMove(doc, 1);
  EXPECT_EQ(doc.colourToPlay, 1) << "the next move's colour";
  setInsertionMode(kInsertBeforeNext);
  EXPECT_EQ(doc.colourToPlay, -1) << "inserting before the next move plays after the shown one";
  showMove(doc, 3);
  EXPECT_EQ(doc.colourToPlay, 1);

  load(u"(;GM[1])");
  EXPECT_EQ(doc.colourToPlay, 1);
  load(u"(;GM[1]HA[2]AB[dd][pp])");
  EXPECT_EQ(doc.colourToPlay, -1) << "white moves first after handicap stones";
  load(u"(;GM[1]AW[dd])");
  EXPECT_EQ(doc.colourToPlay, 1);
  load(u"(;GM[1]AB[dd][pp];B[dp];W[pd])");
  EXPECT_EQ(doc.colourToPlay, -1) << "insertion before the next move keeps the setup rule";
  setInsertionMode(kInsertVariation);
  EXPECT_EQ(doc.colourToPlay, 1) << "otherwise the next move decides";
}

TEST_F(NavigationTest, NearestCommentsAndPasses) {
  load(u"(;GM[1];B[dd]C[one];W[pp];B[];W[pd]C[four];B[qq])");
  showMove(doc, 2);
  EXPECT_EQ(doc.previousCommentMove, 1);
  EXPECT_EQ(doc.nextCommentMove, 4);
  showMove(doc, 1);
  EXPECT_EQ(doc.previousCommentMove, -1);
  EXPECT_EQ(doc.nextCommentMove, 4);
  showMove(doc, 4);
  EXPECT_EQ(doc.previousCommentMove, 1);
  EXPECT_EQ(doc.nextCommentMove, -1);

  showMove(doc, 3);
  EXPECT_TRUE(doc.lastMovePoint.isPass());
  EXPECT_EQ(doc.colourToPlay, -1);
}

TEST_F(NavigationTest, CurrentNodeAroundABranchPoint) {
  load(kBranched);
  const std::vector<std::tuple<int, BranchPath, int>> expected = {
      {0, {0}, 2}, {1, {0}, 2}, {2, {0}, 2}, {3, {0, 0}, 4}, {4, {0, 0}, 4}};
  for (const auto& [move, path, end] : expected) {
    showMove(doc, move);
    EXPECT_EQ(doc.pathToCurrentNode, path) << "move " << move;
    EXPECT_EQ(doc.nodeEndMove, end) << "move " << move;
  }
  showMove(doc, 1);
  EXPECT_EQ(doc.nextBranchMove, 3);
  showMove(doc, 4);
  EXPECT_EQ(doc.previousBranchMove, 3);

  doc.record().branchPath = {0, 1};
  rebuildCurrentLine(doc.record());
  const NodeLocation second = locateMove(doc.record(), 3);
  EXPECT_EQ(second.path, (BranchPath{0, 1}));
  EXPECT_EQ(second.endMove, 3);
}

// ---- playing a stone ----

using PlayAtTest = DocumentTest;

TEST_F(PlayAtTest, ThePointOfTheNextMoveOnlyAdvances) {
  load(u"(;GM[1];B[dd];W[pp];B[dp])");
  showMove(doc, 1);
  EXPECT_FALSE(playAt(doc, services, recordAt("pp")));
  EXPECT_EQ(doc.currentMove(), 2);
  EXPECT_EQ(tree(), "B dd, W pp, B dp");
  EXPECT_FALSE(doc.state.modified);
  EXPECT_TRUE(doc.undoEntries.empty());
  EXPECT_TRUE(services.choices.empty());
}

TEST_F(PlayAtTest, TheFirstMoveOfAnotherVariationSwitchesToIt) {
  load(kBranched);
  showMove(doc, 2);
  EXPECT_TRUE(playAt(doc, services, recordAt("qd")));
  EXPECT_EQ(doc.record().branchPath, (BranchPath{0, 1}));
  EXPECT_EQ(doc.currentMove(), 3);
  EXPECT_EQ(line(), "B dd, W pp, B qd");
  EXPECT_EQ(stone("qd"), 1);
  EXPECT_EQ(stone("dp"), 0);
  EXPECT_EQ(tree(), "B dd, W pp (B dp, W pd) (B qd)");
  EXPECT_FALSE(doc.state.modified);
  EXPECT_TRUE(services.choices.empty());
}

TEST_F(PlayAtTest, AMoveOfTheOtherColourOnTheNextPointIsANewMove) {
  // Inserting keeps White to play after B dd, and the next move is Black's on pp.
  load(u"(;GM[1];B[dd];B[pp];W[dp])");
  setInsertionMode(kInsertBeforeNext);
  showMove(doc, 1);
  ASSERT_EQ(doc.colourToPlay, -1);
  EXPECT_TRUE(playAt(doc, services, recordAt("pp")));
  EXPECT_EQ(tree(), "B dd, W pp, B pp, W dp");
  // Black to play: a variation that opens with White's move on qd is not followed.
  load(u"(;GM[1];B[dd];W[pp](;B[dp])(;W[qd]))");
  setInsertionMode(kInsertVariation);
  showMove(doc, 2);
  ASSERT_EQ(doc.colourToPlay, 1);
  EXPECT_TRUE(playAt(doc, services, recordAt("qd")));
  EXPECT_EQ(tree(), "B dd, W pp (B dp) (W qd) (B qd)");
}

TEST_F(PlayAtTest, VariationModeSplitsTheNode) {
  load(u"(;GM[1];B[dd];W[pp];B[dp];W[pd])");
  setInsertionMode(kInsertVariation);
  showMove(doc, 2);
  ASSERT_TRUE(playAt(doc, services, recordAt("qd")));
  EXPECT_EQ(tree(), "B dd, W pp (B dp, W pd) (B qd)");
  EXPECT_EQ(doc.record().branchPath, (BranchPath{0, 1}));
  EXPECT_EQ(line(), "B dd, W pp, B qd");
  EXPECT_EQ(doc.currentMove(), 3);
  EXPECT_EQ(stone("qd"), 1);
  EXPECT_EQ(stone("dp"), 0);
  EXPECT_TRUE(doc.state.modified);
  EXPECT_EQ(doc.undoIndex, 0);

  // At the end of a node a further alternative joins the others.
  showMove(doc, 2);
  ASSERT_TRUE(playAt(doc, services, recordAt("cc")));
  EXPECT_EQ(tree(), "B dd, W pp (B dp, W pd) (B qd) (B cc)");
  EXPECT_EQ(doc.record().branchPath, (BranchPath{0, 2}));
  EXPECT_EQ(tidyFault(doc.record()), "");
}

TEST_F(PlayAtTest, InsertMakesTheLineLongerAndReplaceKeepsItsLength) {
  load(u"(;GM[1];B[dd];W[pp];B[dp];W[pd])");
  setInsertionMode(kInsertBeforeNext);
  showMove(doc, 2);
  ASSERT_TRUE(playAt(doc, services, recordAt("qd")));
  EXPECT_EQ(line(), "B dd, W pp, B qd, B dp, W pd");
  EXPECT_EQ(doc.currentMove(), 3);

  load(u"(;GM[1];B[dd];W[pp];B[dp];W[pd])");
  setInsertionMode(kReplaceNext);
  showMove(doc, 2);
  ASSERT_TRUE(playAt(doc, services, recordAt("qd")));
  EXPECT_EQ(line(), "B dd, W pp, B qd, W pd");
  EXPECT_EQ(stone("dp"), 0);
  EXPECT_EQ(stone("qd"), 1);
  showMove(doc, 4);
  EXPECT_EQ(stone("dp"), 0) << "later positions are replayed on the new move";
  EXPECT_EQ(stone("pd"), -1);
}

TEST_F(PlayAtTest, ReplaceWhenTheNextMoveOpensAChild) {
  load(kBranched);
  setInsertionMode(kReplaceNext);
  showMove(doc, 2);
  ASSERT_TRUE(playAt(doc, services, recordAt("cc")));
  EXPECT_EQ(tree(), "B dd, W pp (B cc, W pd) (B qd)");
  EXPECT_EQ(line(), "B dd, W pp, B cc, W pd");
}

TEST_F(PlayAtTest, AskModeOffersThreeEditsAndCancelChangesNothing) {
  load(u"(;GM[1];B[dd];W[pp];B[dp])");
  showMove(doc, 1);
  EXPECT_FALSE(playAt(doc, services, recordAt("qd")));
  ASSERT_EQ(services.choices.size(), 1u);
  const platform::ChoiceRequest& asked = services.choices[0];
  EXPECT_EQ(u8(asked.title), "途中局面での着手");
  ASSERT_EQ(asked.options.size(), 3u);
  EXPECT_EQ(u8(asked.options[0]), "変化図作成");
  EXPECT_EQ(u8(asked.options[1]), "次の手の前に挿入");
  EXPECT_EQ(u8(asked.options[2]), "次の手を置き換える");
  EXPECT_EQ(asked.preselected, 0);
  EXPECT_EQ(tree(), "B dd, W pp, B dp");
  EXPECT_EQ(doc.currentMove(), 1);
  EXPECT_FALSE(doc.state.modified);

  services.choiceAnswers = {2};  // replace
  ASSERT_TRUE(playAt(doc, services, recordAt("qd")));
  EXPECT_EQ(tree(), "B dd, W qd, B dp");
}

TEST_F(PlayAtTest, OverridesFromTheBoardEditor) {
  load(u"(;GM[1];B[dd];W[pp];B[dp])");
  setInsertionMode(kInsertBeforeNext);
  showMove(doc, 1);
  ASSERT_TRUE(playAt(doc, services, recordAt("qq"), {.shiftClick = true, .droppedStone = false}));
  EXPECT_EQ(tree(), "B dd (W pp, B dp) (W qq)");
  showMove(doc, 0);
  ASSERT_TRUE(playAt(doc, services, recordAt("cc"), {.shiftClick = true, .droppedStone = true}));
  EXPECT_EQ(tree(), "B cc (W pp, B dp) (W qq)") << "a dropped stone replaces, even with Shift";
}

TEST_F(PlayAtTest, AtTheEndOfTheLineTheMoveIsAppended) {
  load(u"(;GM[1];B[dd])");
  showMove(doc, 1);
  ASSERT_TRUE(playAt(doc, services, recordAt("pp")));
  ASSERT_TRUE(playAt(doc, services, recordAt("dp")));
  EXPECT_EQ(tree(), "B dd, W pp, B dp");
  EXPECT_EQ(doc.currentMove(), 3);
  EXPECT_TRUE(services.choices.empty());
  EXPECT_TRUE(doc.state.modified);
  EXPECT_EQ(doc.undoIndex, 1);

  Document empty;
  ASSERT_TRUE(playAt(empty, services, recordAt("dd")));
  EXPECT_EQ(lineText(empty.record()), "B dd");
  EXPECT_FALSE(playAt(empty, services, RecordPoint{361})) << "not a point of the board";
}

TEST_F(PlayAtTest, AVariationAtMoveZeroMakesAlternativesBelowAnEmptyTrunk) {
  load(u"(;GM[1];B[dd];W[pp])");
  setInsertionMode(kInsertVariation);
  ASSERT_TRUE(playAt(doc, services, recordAt("qd")));
  const VariationNode& trunk = doc.record().root.children.at(0);
  EXPECT_EQ(doc.record().root.children.size(), 1u);
  EXPECT_TRUE(trunk.records.empty());
  EXPECT_EQ(tree(), "(B dd, W pp) (B qd)");
  EXPECT_EQ(line(), "B qd");
  EXPECT_EQ(doc.currentMove(), 1);

  // Clicking the first move of the other alternative switches back to it.
  showMove(doc, 0);
  ASSERT_TRUE(playAt(doc, services, recordAt("dd")));
  EXPECT_EQ(line(), "B dd, W pp");
  EXPECT_EQ(doc.currentMove(), 1);
}

// ---- switching variations ----

using SwitchVariationTest = DocumentTest;

TEST_F(SwitchVariationTest, NextVariationWrapsAndTheMainLineReturns) {
  load(u"(;GM[1];B[dd];W[pp](;B[dp];W[pd])(;B[qd];W[qq])(;B[cc]))");
  showMove(doc, 3);
  switchVariation(doc, false);
  EXPECT_EQ(line(), "B dd, W pp, B qd, W qq");
  EXPECT_EQ(doc.currentMove(), 3);
  switchVariation(doc, false);
  EXPECT_EQ(line(), "B dd, W pp, B cc");
  switchVariation(doc, false);
  EXPECT_EQ(line(), "B dd, W pp, B dp, W pd") << "wraps from the last variation to the first";

  switchVariation(doc, false);
  switchVariation(doc, false);
  showMove(doc, 1);
  switchVariation(doc, true);
  EXPECT_EQ(doc.record().branchPath, (BranchPath{0, 0}));
  EXPECT_EQ(line(), "B dd, W pp, B dp, W pd");
  EXPECT_EQ(doc.currentMove(), 3) << "the first move after the branch point";
  EXPECT_FALSE(doc.state.modified);
}

TEST_F(SwitchVariationTest, DeepInsideAVariationTheOtherOnesStonesAreShown) {
  load(u"(;GM[1];B[dd];W[pp](;B[dp];W[pd];B[qf])(;B[qd];W[qq];B[cc]))");
  showMove(doc, 5);
  switchVariation(doc, false);
  ASSERT_EQ(line(), "B dd, W pp, B qd, W qq, B cc");
  EXPECT_EQ(doc.currentMove(), 5);
  EXPECT_EQ(stone("dp"), 0);
  EXPECT_EQ(stone("pd"), 0);
  EXPECT_EQ(stone("qd"), 1);
  EXPECT_EQ(stone("qq"), -1);
  EXPECT_EQ(stone("cc"), 1);
  showMove(doc, 3);
  EXPECT_EQ(stone("qd"), 1);
  EXPECT_EQ(stone("dp"), 0);
}

// ---- deletions ----

using DeletionTest = DocumentTest;

TEST_F(DeletionTest, DeleteMoveRemovesTheShownMove) {
  load(u"(;GM[1];B[dd];W[pp];B[dp];W[pd])");
  showMove(doc, 2);
  ASSERT_TRUE(deleteMove(doc));
  EXPECT_EQ(line(), "B dd, B dp, W pd");
  EXPECT_EQ(doc.currentMove(), 2);
  EXPECT_EQ(stone("pp"), 0);
  EXPECT_TRUE(doc.state.modified);
  EXPECT_EQ(u8(doc.undoEntries.back().description), "2手目削除");
  EXPECT_EQ(tidyFault(doc.record()), "");

  showMove(doc, 0);
  EXPECT_FALSE(deleteMove(doc)) << "nothing to delete at move 0";
  EXPECT_EQ(doc.undoEntries.size(), 1u);
}

TEST_F(DeletionTest, NothingIsDeletedInReplayModeOrDuringAutoPlay) {
  load(u"(;GM[1];B[dd];W[pp])");
  showMove(doc, 2);
  EXPECT_TRUE(doc.deleteButtonsEnabled);
  doc.state.options["kifunarabe"] = 2;  // on at 1 or more
  showMove(doc, 2);
  EXPECT_FALSE(doc.deleteButtonsEnabled);
  EXPECT_FALSE(deleteMove(doc));
  doc.state.selection = {.active = true, .left = 0, .top = 0, .right = 18, .bottom = 18};
  EXPECT_FALSE(deleteRange(doc));
  doc.state.options["kifunarabe"] = -1;
  doc.autoPlayRunning = true;
  services.messageAnswers = {platform::AnswerYes};
  EXPECT_FALSE(deleteFromHere(doc, services));
  EXPECT_EQ(line(), "B dd, W pp");
  EXPECT_FALSE(doc.state.modified);
}

TEST_F(DeletionTest, DeletingTheOnlyMoveOfAVariationReturnsToTheMainLine) {
  load(kBranched);
  showMove(doc, 3);
  switchVariation(doc, false);
  ASSERT_EQ(line(), "B dd, W pp, B qd");
  ASSERT_TRUE(deleteMove(doc));
  EXPECT_EQ(tree(), "B dd, W pp, B dp, W pd");
  EXPECT_EQ(doc.record().root.children.at(0).children.size(), 0u);
  EXPECT_EQ(doc.record().branchPath, (BranchPath{0}));
  EXPECT_EQ(tidyFault(doc.record()), "");
  EXPECT_EQ(doc.currentMove(), 3);
  EXPECT_EQ(stone("dp"), 1);
  EXPECT_EQ(stone("qd"), 0);
  EXPECT_EQ(doc.record().lineCopy[3].branchCount, 0) << "the merged move opens no branch";
  EXPECT_EQ(doc.previousBranchMove, -1);
}

TEST_F(DeletionTest, DeleteFromHereAsksFirst) {
  load(u"(;GM[1];B[dd];W[pp];B[dp];W[pd])");
  showMove(doc, 3);
  EXPECT_FALSE(deleteFromHere(doc, services));  // the unscripted answer is No
  EXPECT_EQ(messages(), (std::vector<std::string>{"Mokuza: この局面から最終手まで削除しますか？"}));
  EXPECT_EQ(line(), "B dd, W pp, B dp, W pd");
  EXPECT_FALSE(doc.state.modified);

  services.messageAnswers = {platform::AnswerYes};
  ASSERT_TRUE(deleteFromHere(doc, services));
  EXPECT_EQ(line(), "B dd, W pp");
  EXPECT_EQ(doc.currentMove(), 2);
  EXPECT_EQ(u8(doc.undoEntries.back().description), "3手目以下削除");

  // From the first move of a variation the whole variation goes.
  load(kBranched);
  showMove(doc, 3);
  switchVariation(doc, false);
  services.messageAnswers = {platform::AnswerYes};
  ASSERT_TRUE(deleteFromHere(doc, services));
  EXPECT_EQ(tree(), "B dd, W pp, B dp, W pd");
  EXPECT_EQ(doc.currentMove(), 2);
  EXPECT_EQ(tidyFault(doc.record()), "");
}

TEST_F(DeletionTest, DeleteRangeRemovesMovesAndSetupStonesInTheArea) {
  load(u"(;GM[1]AB[aa][ss];B[dd];W[pp];B[dp];W[pd];B[cc])");
  doc.state.selection = {.active = true, .left = 0, .top = 0, .right = 9, .bottom = 9};
  showMove(doc, 4);
  ASSERT_TRUE(deleteRange(doc));
  EXPECT_EQ(line(), "W pp, B dp, W pd, B cc") << "moves after the shown one stay";
  EXPECT_EQ(doc.currentMove(), 3);
  EXPECT_EQ(doc.record().root.records[0].marks.find(static_cast<std::int16_t>(recordAt("aa").index)), nullptr);
  EXPECT_NE(doc.record().root.records[0].marks.find(static_cast<std::int16_t>(recordAt("ss").index)), nullptr);
  EXPECT_EQ(stone("aa"), 0);
  EXPECT_EQ(stone("ss"), 1);
  EXPECT_EQ(u8(doc.undoEntries.back().description), "範囲削除");

  // Limited to a move range, only the moves inside it go.
  load(u"(;GM[1];B[dd];W[pp];B[dp];W[pd];B[qq])");
  doc.state.selection = {.active = true,
                         .left = 0,
                         .top = 0,
                         .right = 18,
                         .bottom = 18,
                         .movesLimited = true,
                         .firstMove = 2,
                         .lastMove = 4};
  showMove(doc, 3);
  ASSERT_TRUE(deleteRange(doc));
  EXPECT_EQ(line(), "B dd, W pd, B qq");
  EXPECT_EQ(doc.currentMove(), 1);
  EXPECT_EQ(tidyFault(doc.record()), "");
}

TEST_F(DeletionTest, DeleteRangeAcrossABranchKeepsTheTreeValid) {
  load(u"(;GM[1];B[dd];W[pp](;B[dp];W[pd])(;B[cc];W[qq]))");
  showMove(doc, 3);
  switchVariation(doc, false);
  doc.state.selection = {.active = true, .left = 0, .top = 0, .right = 4, .bottom = 4};
  showMove(doc, 4);
  ASSERT_TRUE(deleteRange(doc));
  EXPECT_EQ(tidyFault(doc.record()), "");
  EXPECT_EQ(line(), "W pp, W qq");
  EXPECT_EQ(tree(), "W pp (B dp, W pd) (W qq)");
}

TEST(TidyTreeTest, EmptyNodesHandTheirChildrenToTheParent) {
  GameRecord record;
  VariationNode& trunk = record.root.children[0];
  MoveRecord move;
  move.colour = 1;
  move.point = static_cast<std::uint16_t>(recordAt("dd").index);
  trunk.records.push_back(move);
  trunk.children.resize(2);  // child 0 is empty and has two children of its own
  for (const char* point : {"pp", "dp"}) {
    move.colour = -1;
    move.point = static_cast<std::uint16_t>(recordAt(point).index);
    trunk.children[0].children.emplace_back().records.push_back(move);
  }
  move.point = static_cast<std::uint16_t>(recordAt("qd").index);
  trunk.children[1].records.push_back(move);
  record.branchPath = {0, 0, 1};  // through the empty node to its second child

  tidyTree(record);
  rebuildCurrentLine(record);
  EXPECT_EQ(treeText(record), "B dd (W pp) (W dp) (W qd)");
  EXPECT_EQ(lineText(record), "B dd, W dp") << "the path follows the same node";
  EXPECT_EQ(tidyFault(record), "");

  record.root.children.clear();
  record.branchPath = {0, 3};
  tidyTree(record);
  EXPECT_EQ(record.root.children.size(), 1u);
  EXPECT_EQ(record.branchPath, (BranchPath{0}));
}

}  // namespace
}  // namespace mokuza::test
