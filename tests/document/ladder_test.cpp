#include <gtest/gtest.h>

#include "core/document/ladder.h"
#include "tests/document/document_test_support.h"

namespace mokuza::test {
namespace {

// Black's move 1 puts White's stone at dd in atari; the ladder runs to the
// lower right.
constexpr char16_t kAtari[] = u"(;SZ[9]AB[cd][dc][ce]AW[dd];B[ed])";
constexpr char16_t kAtariThenMore[] = u"(;SZ[9]AB[cd][dc][ce]AW[dd];B[ed];W[aa];B[ii])";
constexpr const char* kLadderLine = "W de, B df, W ee, B fe, W ef, B eg, W ff, B gf, W fg, B fh, W gg, B hg, W gh";

class LadderDocumentTest : public DocumentTest {
 protected:
  LadderOutcome readLadder(std::string_view point) {
    return ReadLadder(doc, services, recordAt(point, doc.record().boardSize),
                      [this](const LadderRun& run) { runs.push_back(run); });
  }

  std::vector<LadderRun> runs;
};

TEST_F(LadderDocumentTest, AtTheEndTheMovesAreAppended) {
  load(kAtari, 1);
  const std::size_t undoEntries = doc.undoEntries.size();
  const LadderOutcome outcome = readLadder("dd");
  ASSERT_EQ(outcome.status, LadderStatus::Added);
  // The start of the run is shown and every added position is ready.
  EXPECT_EQ(view() + stones("de"), std::string("B ed, ") + kLadderLine + " @1 *.");
  ASSERT_EQ(doc.board.history.computed(), 15);
  EXPECT_EQ(doc.board.history.boardGrids[14].stones[recordAt("gh", 9)], kStoneWhite);
  EXPECT_EQ(doc.board.history.boardGrids[14].stones[recordAt("hg", 9)], kStoneBlack);

  // Auto-play is handed the run; the history entry waits for its end.
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(std::tuple(runs[0].startMove, runs[0].lastMove, runs[0].defender, runs[0].points.size()),
            std::tuple(1, 14, kStoneWhite, std::size_t{13}));
  EXPECT_EQ(doc.undoEntries.size(), undoEntries);
  EXPECT_EQ(u8(ladderRunDescription(runs[0].startMove + 1, runs[0].lastMove)), "〔2手目～14手目〕［シチョウ］");
}

TEST_F(LadderDocumentTest, InsideTheRecordTheLadderBecomesAVariation) {
  // The second game's variation opens with the other colour and is not followed.
  const std::pair<std::u16string_view, std::string> cases[] = {
      {kAtariThenMore, "B ed (W aa, B ii) ("},
      {u"(;SZ[9]AB[cd][dc][ce]AW[dd];B[ed](;W[aa])(;B[de]))", "B ed (W aa) (B de) ("}};
  for (const auto& [sgf, trunk] : cases) {
    load(sgf);
    setInsertionMode(kInsertVariation);
    showMove(doc, 1);
    ASSERT_EQ(readLadder("dd").status, LadderStatus::Added);
    EXPECT_EQ(tree(), trunk + kLadderLine + ")");
    EXPECT_EQ(view(), std::string("B ed, ") + kLadderLine + " @1 *");
    EXPECT_TRUE(services.choices.empty());
    EXPECT_EQ(tidyFault(doc.record()), "");
  }
}

TEST_F(LadderDocumentTest, MovesTheLineAlreadyHasAreFollowed) {
  load(u"(;SZ[9]AB[cd][dc][ce]AW[dd];B[ed];W[de];B[df];W[aa])");
  setInsertionMode(kInsertVariation);
  showMove(doc, 1);
  ASSERT_EQ(readLadder("dd").status, LadderStatus::Added);
  EXPECT_EQ(tree(), "B ed, W de, B df (W aa) (W ee, B fe, W ef, B eg, W ff, B gf, W fg, B fh, W gg, B hg, W gh)");
  EXPECT_EQ(line(), std::string("B ed, ") + kLadderLine);
}

TEST_F(LadderDocumentTest, OnlyAStoneInAtariOfTheColourToPlayIsRead) {
  load(kAtari, 1);
  EXPECT_EQ(readLadder("ed").status, LadderStatus::NotToPlay);  // Black's stone, White to play
  EXPECT_EQ(readLadder("ee").status, LadderStatus::NoStone);
  EXPECT_EQ(ReadLadder(doc, services, RecordPoint{81}, nullptr).status, LadderStatus::NoStone);
  doc.hooks.autoPlayRunning = [] { return true; };
  EXPECT_EQ(readLadder("dd").status, LadderStatus::Busy);
  doc.hooks.autoPlayRunning = nullptr;
  showMove(doc, 0);
  doc.colourToPlay = kStoneWhite;
  EXPECT_EQ(readLadder("dd").status, LadderStatus::NotInAtari);  // two liberties before move 1
  // The choice of edit is asked only when there is a ladder to add.
  services.choiceAnswers = {-1};
  load(kAtariThenMore, 1);
  EXPECT_EQ(readLadder("dd").status, LadderStatus::Cancelled);
  EXPECT_EQ(services.choices.size(), 1u);
  EXPECT_EQ(tree(), "B ed, W aa, B ii");
  EXPECT_FALSE(doc.state.modified);
  EXPECT_TRUE(runs.empty());
}

}  // namespace
}  // namespace mokuza::test
