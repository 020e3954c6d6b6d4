// Moving along the line and changing the moves: SGF text in, the tree, the
// current line and the shown position out.

#include <gtest/gtest.h>

#include "core/document/editing.h"
#include "core/document/stone_colour.h"
#include "core/document/undo.h"
#include "document_test_support.h"

namespace mokuza::test {
namespace {

constexpr std::u16string_view kBranched = u"(;GM[1];B[dd];W[pp](;B[dp];W[pd])(;B[qd]))";
constexpr std::u16string_view kFour = u"(;GM[1];B[dd];W[pp];B[dp];W[pd])";

// ---- navigation ----

using NavigationTest = DocumentTest;

TEST_F(NavigationTest, ShowMoveClampsAndShowsTheCachedPosition) {
  load(u"(;GM[1];B[dd];W[pp];B[dp])", -4);
  EXPECT_EQ(view() + stones("dd"), "B dd, W pp, B dp @0.");
  showMove(doc, 99);
  EXPECT_EQ(view() + stones("dd pp dp"), "B dd, W pp, B dp @3XOX");
  showMove(doc, 1);
  EXPECT_EQ(stones("pp"), ".");
  EXPECT_EQ(doc.previousShownPosition.boardGrid.stones[recordAt("dp")], 1);
  EXPECT_EQ(doc.lastMovePoint, recordAt("dd"));
}

TEST_F(NavigationTest, ColourToPlay) {
  // Two black moves in a row tell "after the shown move" from "the next move".
  const struct {
    std::u16string_view sgf;
    int move, mode, colour;
    const char* why;
  } cases[] = {
      {u"(;GM[1];B[dd];B[pp];W[dp])", 1, kInsertAsk, 1, "the next move's colour"},
      {u"(;GM[1];B[dd];B[pp];W[dp])", 1, kInsertBeforeNext, -1, "inserting plays after the shown move"},
      {u"(;GM[1]HA[2]AB[dd][pp])", 0, kInsertBeforeNext, -1, "white moves first after handicap stones"},
      {u"(;GM[1]AB[dd][pp];B[dp];W[pd])", 0, kInsertBeforeNext, -1, "insertion keeps the setup rule"},
      {u"(;GM[1]AB[dd][pp];B[dp];W[pd])", 0, kInsertVariation, 1, "otherwise the next move decides"},
  };
  for (const auto& c : cases) {
    load(c.sgf, c.move);
    setInsertionMode(c.mode);
    EXPECT_EQ(doc.colourToPlay, c.colour) << c.why;
  }
}

TEST_F(NavigationTest, NearestCommentsAndPasses) {
  load(u"(;GM[1];B[dd]C[one];W[pp];B[];W[pd]C[four];B[qq])");
  for (const auto& [move, previous, next] : {std::tuple{2, 1, 4}, {1, -1, 4}, {4, 1, -1}}) {
    showMove(doc, move);
    EXPECT_EQ(std::pair(doc.previousCommentMove, doc.nextCommentMove), std::pair(previous, next)) << move;
  }
  showMove(doc, 3);
  EXPECT_TRUE(doc.lastMovePoint.isPass());
  EXPECT_EQ(doc.colourToPlay, -1);
}

TEST_F(NavigationTest, CurrentNodeAroundABranchPoint) {
  load(kBranched);
  const std::vector<std::tuple<int, BranchPath, int>> expected = {{2, {0}, 2}, {3, {0, 0}, 4}};
  for (const auto& [move, path, end] : expected) {
    showMove(doc, move);
    EXPECT_EQ(doc.pathToCurrentNode, path) << "move " << move;
    EXPECT_EQ(doc.nodeEndMove, end) << "move " << move;
  }
  showMove(doc, 1);
  EXPECT_EQ(doc.nextBranchMove, 3);
  showMove(doc, 4);
  EXPECT_EQ(doc.previousBranchMove, 3);
}

// ---- playing a stone ----

using PlayAtTest = DocumentTest;

TEST_F(PlayAtTest, ThePointOfTheNextMoveOrOfAnotherVariationOnlyMovesAlong) {
  load(u"(;GM[1];B[dd];W[pp];B[dp])", 1);
  EXPECT_FALSE(playAt(doc, services, recordAt("pp")));
  EXPECT_EQ(view(), "B dd, W pp, B dp @2");
  EXPECT_TRUE(doc.undoEntries.empty());

  load(kBranched, 2);
  EXPECT_TRUE(playAt(doc, services, recordAt("qd")));
  EXPECT_EQ(doc.record().branchPath, (BranchPath{0, 1}));
  EXPECT_EQ(view() + stones("qd dp"), "B dd, W pp, B qd @3X.");
  EXPECT_EQ(tree(), "B dd, W pp (B dp, W pd) (B qd)");
  EXPECT_TRUE(services.choices.empty());
}

TEST_F(PlayAtTest, EachInsertionModeChangesTheLineItsOwnWay) {
  // Rows 4 and 5: a move of the other colour on the next point, and a variation
  // opening with the other colour, are new moves.
  const struct {
    std::u16string_view sgf;
    int mode, move;
    const char *point, *tree, *view;
    PlayOverrides overrides = {};
  } cases[] = {
      {kFour, kInsertVariation, 2, "cc", "B dd, W pp (B dp, W pd) (B cc)", "B dd, W pp, B cc @3 * X."},
      {kFour, kInsertBeforeNext, 2, "cc", "B dd, W pp, B cc, B dp, W pd", "B dd, W pp, B cc, B dp, W pd @3 * X."},
      {kFour, kReplaceNext, 2, "cc", "B dd, W pp, B cc, W pd", "B dd, W pp, B cc, W pd @3 * X."},
      {u"(;GM[1];B[dd];B[pp];W[dp])", kInsertBeforeNext, 1, "pp", "B dd, W pp, B pp, W dp",
       "B dd, W pp, B pp, W dp @2 * O."},
      {u"(;GM[1];B[dd];W[pp](;B[dp])(;W[qd]))", kInsertVariation, 2, "qd", "B dd, W pp (B dp) (W qd) (B qd)",
       "B dd, W pp, B qd @3 * X."},
      {kBranched, kReplaceNext, 2, "cc", "B dd, W pp (B cc, W pd) (B qd)", "B dd, W pp, B cc, W pd @3 * X."},
      // At move 0 a variation makes alternatives below an empty trunk.
      {kFour, kInsertVariation, 0, "qd", "(B dd, W pp, B dp, W pd) (B qd)", "B qd @1 * X."},
      // From the board editor: Shift makes a variation, a dropped stone replaces even with Shift.
      {kFour, kInsertBeforeNext, 1, "qq", "B dd (W pp, B dp, W pd) (W qq)", "B dd, W qq @2 * O.", {.shiftClick = true}},
      {kFour,
       kInsertBeforeNext,
       0,
       "cc",
       "B cc, W pp, B dp, W pd",
       "B cc, W pp, B dp, W pd @1 * X.",
       {.shiftClick = true, .droppedStone = true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tree);
    load(c.sgf);
    setInsertionMode(c.mode);
    showMove(doc, c.move);
    ASSERT_TRUE(playAt(doc, services, recordAt(c.point), c.overrides));
    EXPECT_EQ(tree(), c.tree);
    EXPECT_EQ(view() + " " + stones(c.point + std::string(" dp")), c.view);
    EXPECT_EQ(tidyFault(doc.record()), "");
  }
  showMove(doc, 4);
  EXPECT_EQ(stones("dd cc"), ".X") << "later positions are replayed on the new move";

  // At the end of a node a further alternative joins the others.
  load(kFour);
  setInsertionMode(kInsertVariation);
  showMove(doc, 2);
  ASSERT_TRUE(playAt(doc, services, recordAt("cc")));
  showMove(doc, 2);
  ASSERT_TRUE(playAt(doc, services, recordAt("qd")));
  EXPECT_EQ(tree(), "B dd, W pp (B dp, W pd) (B cc) (B qd)");
  EXPECT_EQ(doc.record().branchPath, (BranchPath{0, 2}));
}

TEST_F(PlayAtTest, AskModeOffersThreeEditsAndCancelChangesNothing) {
  load(u"(;GM[1];B[dd];W[pp];B[dp])", 1);
  EXPECT_FALSE(playAt(doc, services, recordAt("qd")));
  ASSERT_EQ(services.choices.size(), 1u);
  const platform::ChoiceRequest& asked = services.choices[0];
  std::string offered = u8(asked.title);
  for (const std::u16string& option : asked.options) offered += "|" + u8(option);
  EXPECT_EQ(offered, "途中局面での着手|変化図作成|次の手の前に挿入|次の手を置き換える");
  EXPECT_EQ(asked.preselected, 0);
  EXPECT_EQ(view(), "B dd, W pp, B dp @1");

  services.choiceAnswers = {2};  // replace
  ASSERT_TRUE(playAt(doc, services, recordAt("qd")));
  EXPECT_EQ(tree(), "B dd, W qd, B dp");
}

// Appending at the end is what every edit test does; an empty game takes a
// first move, and no point off the board.
TEST_F(PlayAtTest, AnEmptyGameTakesAFirstMoveAndNoPointOffTheBoard) {
  Document empty;
  ASSERT_TRUE(playAt(empty, services, recordAt("dd")));
  EXPECT_EQ(lineText(empty.record()), "B dd");
  EXPECT_FALSE(playAt(empty, services, RecordPoint{361})) << "not a point of the board";
}

// Clicking the first move of the other alternative at move 0 switches to it.
TEST_F(PlayAtTest, AtMoveZeroTheFirstMoveOfAnotherAlternativeSwitchesToIt) {
  load(u"(;GM[1](;B[dd];W[pp])(;B[qd]))");
  ASSERT_TRUE(playAt(doc, services, recordAt("qd")));
  EXPECT_EQ(view(), "B qd @1");
  EXPECT_EQ(tidyFault(doc.record()), "");
}

// ---- switching variations ----

using SwitchVariationTest = DocumentTest;

TEST_F(SwitchVariationTest, NextVariationWrapsAndTheMainLineReturns) {
  load(u"(;GM[1];B[dd];W[pp](;B[dp];W[pd])(;B[qd];W[qq])(;B[cc]))", 3);
  std::vector<std::string> seen;
  for (int k = 0; k < 3; ++k) {
    switchVariation(doc, false);
    seen.push_back(view());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"B dd, W pp, B qd, W qq @3", "B dd, W pp, B cc @3",
                                            "B dd, W pp, B dp, W pd @3"}));

  switchVariation(doc, false);
  switchVariation(doc, false);
  showMove(doc, 1);
  switchVariation(doc, true);
  EXPECT_EQ(doc.record().branchPath, (BranchPath{0, 0}));
  EXPECT_EQ(view(), "B dd, W pp, B dp, W pd @3") << "the first move after the branch point";
}

TEST_F(SwitchVariationTest, DeepInsideAVariationTheOtherOnesStonesAreShown) {
  load(u"(;GM[1];B[dd];W[pp](;B[dp];W[pd];B[qf])(;B[qd];W[qq];B[cc]))", 5);
  switchVariation(doc, false);
  EXPECT_EQ(view() + stones("dp pd qd qq cc"), "B dd, W pp, B qd, W qq, B cc @5..XOX");
  showMove(doc, 3);
  EXPECT_EQ(stones("qd dp"), "X.");
}

// ---- deletions ----

using DeletionTest = DocumentTest;

TEST_F(DeletionTest, NothingIsDeletedInReplayModeOrDuringAutoPlay) {
  load(u"(;GM[1];B[dd];W[pp])", 2);
  doc.state.options[DocumentOption::ReplayMode] = 2;  // on at 1 or more
  EXPECT_FALSE(deleteMove(doc));
  doc.state.options[DocumentOption::ReplayMode] = -1;
  doc.hooks.autoPlayRunning = [] { return true; };
  services.messageAnswers = {platform::Answer::Yes};
  EXPECT_FALSE(deleteFromHere(doc, services));
  EXPECT_EQ(view(), "B dd, W pp @2");
}

TEST_F(DeletionTest, DeletingTheOnlyMoveOfANodeKeepsTheTreeTidy) {
  load(kBranched, 3);
  switchVariation(doc, false);
  ASSERT_EQ(line(), "B dd, W pp, B qd");
  ASSERT_TRUE(deleteMove(doc));
  EXPECT_EQ(tree(), "B dd, W pp, B dp, W pd");
  EXPECT_EQ(doc.record().branchPath, (BranchPath{0}));
  EXPECT_EQ(tidyFault(doc.record()), "");
  EXPECT_EQ(view() + stones("dp qd"), "B dd, W pp, B dp, W pd @3 *X.");
  EXPECT_EQ(doc.record().lineCopy[3].branchCount, 0) << "the merged move opens no branch";
  EXPECT_EQ(doc.previousBranchMove, -1);

  // A node left empty hands its children to its parent; the line stays on the same one.
  load(u"(;GM[1];B[dd](;W[pp](;B[dp])(;B[pd]))(;W[qd]))", 3);
  switchVariation(doc, false);
  showMove(doc, 2);
  ASSERT_TRUE(deleteMove(doc));
  EXPECT_EQ(tree(), "B dd (B dp) (B pd) (W qd)");
  EXPECT_EQ(line(), "B dd, B pd");
  EXPECT_EQ(tidyFault(doc.record()), "");
}

TEST_F(DeletionTest, DeleteFromHereAsksFirst) {
  load(kFour, 3);
  EXPECT_FALSE(deleteFromHere(doc, services));  // the unscripted answer is No
  EXPECT_EQ(messages(), (std::vector<std::string>{"Mokuza: この局面から最終手まで削除しますか？"}));
  EXPECT_EQ(view(), "B dd, W pp, B dp, W pd @3");

  services.messageAnswers = {platform::Answer::Yes};
  ASSERT_TRUE(deleteFromHere(doc, services));
  EXPECT_EQ(view(), "B dd, W pp @2 *");
  EXPECT_EQ(u8(doc.undoEntries.back().description), "3手目以下削除");

  // From the first move of a variation the whole variation goes.
  load(kBranched, 3);
  switchVariation(doc, false);
  services.messageAnswers = {platform::Answer::Yes};
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
  EXPECT_EQ(view(), "W pp, B dp, W pd, B cc @3 *") << "moves after the shown one stay";
  EXPECT_EQ(stones("aa ss"), ".X");
  EXPECT_EQ(u8(doc.undoEntries.back().description), "範囲削除");

  // Limited to a move range, only the moves inside it go.
  load(u"(;GM[1];B[dd];W[pp];B[dp];W[pd];B[qq])");
  doc.state.selection = {
      .active = true, .right = 18, .bottom = 18, .movesLimited = true, .firstMove = 2, .lastMove = 4};
  showMove(doc, 3);
  ASSERT_TRUE(deleteRange(doc));
  EXPECT_EQ(view(), "B dd, W pd, B qq @1 *");
  EXPECT_EQ(tidyFault(doc.record()), "");

  // Across a branch the tree stays valid.
  load(u"(;GM[1];B[dd];W[pp](;B[dp];W[pd])(;B[cc];W[qq]))", 3);
  switchVariation(doc, false);
  doc.state.selection = {.active = true, .left = 0, .top = 0, .right = 4, .bottom = 4};
  showMove(doc, 4);
  ASSERT_TRUE(deleteRange(doc));
  EXPECT_EQ(tidyFault(doc.record()), "");
  EXPECT_EQ(line(), "W pp, W qq");
  EXPECT_EQ(tree(), "W pp (B dp, W pd) (W qq)");
}

// ---- reversing a placed stone ----

using ReverseStoneTest = DocumentTest;

TEST_F(ReverseStoneTest, TheMoveOrSetupThatPlacedTheStoneChangesColour) {
  // Black's ba helps capture aa; as a white move it joins aa, which then lives.
  load(u"(;GM[1]AW[cc];B[ba];W[aa];B[ab])", 3);
  ASSERT_TRUE(reversePlacedStone(doc, recordAt("ba")));
  EXPECT_EQ(view() + stones("ba aa ab"), "W ba, W aa, B ab @3 *OOX");
  EXPECT_EQ(doc.record().root.children[0].records[0].colour, -1);
  EXPECT_EQ(doc.undoEntries.size(), 1U);

  // The setup stone of the root record turns black; the moves stay.
  ASSERT_TRUE(reversePlacedStone(doc, recordAt("cc")));
  EXPECT_EQ(doc.record().root.records[0].marks.find(static_cast<std::int16_t>(recordAt("cc").index))->stone, 1);
  EXPECT_EQ(view() + stones("cc"), "W ba, W aa, B ab @3 *X");

  // Nothing placed there, or no point at all: nothing changes.
  for (RecordPoint nothing : {recordAt("qq"), RecordPoint{-1}, RecordPoint{19 * 19}})
    EXPECT_FALSE(reversePlacedStone(doc, nothing)) << nothing.index;
  EXPECT_EQ(doc.undoEntries.size(), 2U);
}

}  // namespace
}  // namespace mokuza::test
