// The board tools and the panel's transforms on small games: the SGF text
// before and after, the history line, and one undo giving the game back.

#include <gtest/gtest.h>

#include <functional>

#include "core/document/board_edits.h"
#include "core/document/editing.h"
#include "core/document/record_transforms.h"
#include "core/document/undo.h"
#include "core/record/sgf_writer.h"
#include "document_test_support.h"

namespace mokuza::test {
namespace {

class BoardEditTest : public DocumentTest {
 protected:
  void open(std::u16string_view sgf, int move) {
    load(sgf);
    showMove(doc, move);
    recordUndo(doc, u"開く");
  }
  // The game after the program's header, on one line.
  std::string body() const {
    std::string text = u8(writeSgf(doc.record()));
    std::erase(text, '\n');
    const std::size_t start = text.find(']', text.find("AP[")) + 1;
    return text.substr(start, text.size() - start - 1);
  }
  std::string lastDescription() const {
    return u8(doc.undoEntries[static_cast<std::size_t>(doc.undoIndex)].description);
  }
  bool transform(RecordTransform t, TransformScope scope = {}) { return transformRecord(doc, t, scope, u"変換"); }
};

using Edit = std::function<bool(Document&, std::u16string&)>;

Edit setup(const char* point, int colour) {
  return [=](Document& d, std::u16string&) { return toggleSetupStone(d, recordAt(point), colour); };
}
Edit mark(const char* point, MarkTool tool) {
  return [=](Document& d, std::u16string& field) { return toggleMark(d, recordAt(point), tool, field); };
}
Edit drag(const char* from, const char* to) {
  return [=](Document& d, std::u16string&) {
    return to ? moveStone(d, recordAt(from), recordAt(to)) : removeStone(d, recordAt(from));
  };
}

TEST_F(BoardEditTest, EachEditChangesTheTextAndOneUndoGivesItBack) {
  const struct {
    std::u16string_view sgf;
    int move;
    Edit edit;
    const char* after;  // nullptr: nothing changes
    const char* description;
    int shownAfter;
  } cases[] = {
      {u"(;GM[1];B[aa])", 1, setup("cc", 1), ";B[aa]AB[cc]", "黒石", 1},
      {u"(;GM[1];B[aa])", 1, setup("cc", -1), ";B[aa]AW[cc]", "白石", 1},
      {u"(;GM[1];B[aa]AB[cc])", 1, setup("cc", 1), ";B[aa]", "黒石", 1},
      {u"(;GM[1];B[aa]AB[cc])", 1, setup("cc", -1), ";B[aa]AW[cc]", "白石", 1},
      {u"(;GM[1];B[aa]AB[cc]LB[cc:x])", 1, setup("cc", 1), ";B[aa]LB[cc:x]", "黒石", 1},
      {u"(;GM[1];B[aa])", 1, setup("aa", -1), nullptr, "", 1},
      {u"(;GM[1];B[aa])", 1, mark("cc", MarkTool::Triangle), ";B[aa]LB[cc:▲]", "▲印", 1},
      {u"(;GM[1];B[aa])", 1, mark("cc", MarkTool::Cross), ";B[aa]LB[cc:×]", "×印", 1},
      {u"(;GM[1];B[aa]TR[cc])", 1, mark("cc", MarkTool::Triangle), ";B[aa]", "マーク削除", 1},
      {u"(;GM[1];B[aa]AB[cc]LB[cc:q])", 1, mark("cc", MarkTool::Square), ";B[aa]AB[cc]", "マーク削除", 1},
      {u"(;GM[1];B[aa];W[bb])", 2, drag("aa", "cc"), ";B[cc];W[bb]", "黒位置変更 0101 →0303", 2},
      {u"(;GM[1]AW[aa];B[bb])", 1, drag("aa", "jk"), "AW[jk];B[bb]", "白石位置変更 0101 →1011", 1},
      {u"(;GM[1];B[aa];W[bb])", 2, drag("aa", "bb"), nullptr, "", 2},
      {u"(;GM[1]AW[aa];B[bb])", 1, drag("aa", nullptr), ";B[bb]", "白石削除", 1},
      {u"(;GM[1];B[aa];W[bb];B[cc])", 3, drag("bb", nullptr), ";B[aa];B[cc]", "2手目削除", 2},
  };
  for (const auto& c : cases) {
    open(c.sgf, c.move);
    const std::string before = body();
    std::u16string field = u"a";
    const bool changed = c.edit(doc, field);
    const std::string why = u8(c.sgf) + " -> " + (c.after ? c.after : "unchanged");
    EXPECT_EQ(changed, c.after != nullptr) << why;
    EXPECT_EQ(body(), c.after ? c.after : before) << why;
    if (!changed) continue;
    EXPECT_EQ(lastDescription(), c.description) << why;
    EXPECT_EQ(doc.currentMove(), c.shownAfter) << why;
    EXPECT_TRUE(doc.state.modified) << why;
    ASSERT_TRUE(undo(doc)) << why;
    EXPECT_EQ(body(), before) << why;
  }
}

TEST_F(BoardEditTest, DraggingMove37ReplaysTheLaterCapturesFromThere) {
  // 36 moves along two rows, then Black 37 at aa helps capture White's ba at 41.
  std::u16string sgf = u"(;GM[1]";
  for (int x = 0; x < 18; ++x) {
    const auto column = static_cast<char16_t>(u'a' + x);
    sgf += u";B[" + std::u16string(1, column) + u"s];W[" + std::u16string(1, column) + u"p]";
  }
  sgf += u";B[aa];W[ba];B[ca];W[jj];B[bb])";
  open(sgf, 41);
  EXPECT_EQ(stones("aa ba jd"), "X..");
  ASSERT_TRUE(moveStone(doc, recordAt("aa"), recordAt("jd")));
  EXPECT_EQ(moveText(doc.record().lineCopy[37], 19), "B jd");
  EXPECT_EQ(doc.currentMove(), 41);
  EXPECT_EQ(stones("aa ba jd"), ".OX") << "without aa the white stone lives";
  ASSERT_TRUE(undo(doc));
  EXPECT_EQ(stones("aa ba jd"), "X..");
}

TEST_F(BoardEditTest, TheLabelFieldStepsThroughLettersAndGetsARemovedLetterBack) {
  open(u"(;GM[1];B[aa])", 1);
  std::u16string field = u"a";
  ASSERT_TRUE(toggleMark(doc, recordAt("cc"), MarkTool::Label, field));
  ASSERT_TRUE(toggleMark(doc, recordAt("dd"), MarkTool::Label, field));
  EXPECT_EQ(body() + " " + u8(field), ";B[aa]LB[cc:a][dd:b] c");
  EXPECT_EQ(lastDescription(), "文字：b");
  ASSERT_TRUE(toggleMark(doc, recordAt("cc"), MarkTool::Circle, field));
  EXPECT_EQ(body() + " " + u8(field), ";B[aa]LB[dd:b] a");
  field = u"two";
  ASSERT_TRUE(toggleMark(doc, recordAt("ee"), MarkTool::Label, field));
  ASSERT_TRUE(toggleMark(doc, recordAt("ee"), MarkTool::Label, field));
  EXPECT_EQ(u8(field), "two") << "only single letters step or come back";
  field.clear();
  EXPECT_FALSE(toggleMark(doc, recordAt("ee"), MarkTool::Label, field)) << "an empty label places nothing";
}

TEST_F(BoardEditTest, TransformsMoveEveryMoveAndEntryOfTheTree) {
  // Root setup and label, a pass, and a variation: all of it moves.
  constexpr std::u16string_view kGame = u"(;GM[1]SZ[5]AB[ab]LB[ac:x](;B[ea];W[];B[cc]LB[dd:▲])(;B[ae]))";
  const struct {
    RecordTransform transform;
    const char* after;
  } cases[] = {
      {RecordTransform::MirrorLeftRight, "SZ[5]AB[eb]LB[ec:x](;B[aa];W[];B[cc]LB[bd:▲])(;B[ee])"},
      {RecordTransform::MirrorTopBottom, "SZ[5]AB[ad]LB[ac:x](;B[ee];W[];B[cc]LB[db:▲])(;B[aa])"},
      {RecordTransform::Rotate90, "SZ[5]AB[da]LB[ca:x](;B[ee];W[];B[cc]LB[bd:▲])(;B[aa])"},
      {RecordTransform::SwapColours, "SZ[5]AW[ab]LB[ac:x](;W[ea];B[];W[cc]LB[dd:▲])(;W[ae])"},
      {RecordTransform::ShiftDown, "SZ[5]AB[ac]LB[ad:x](;B[eb];W[];B[cd]LB[de:▲])(;B[aa])"},
      {RecordTransform::ShiftLeft, "SZ[5]AB[eb]LB[ec:x](;B[da];W[];B[bc]LB[cd:▲])(;B[ee])"},
      {RecordTransform::ShiftRight, "SZ[5]AB[bb]LB[bc:x](;B[aa];W[];B[dc]LB[ed:▲])(;B[be])"},
      {RecordTransform::ShiftUp, "SZ[5]AB[aa]LB[ab:x](;B[ee];W[];B[cb]LB[dc:▲])(;B[ad])"},
  };
  for (const auto& c : cases) {
    open(kGame, 2);
    const std::string before = body();
    ASSERT_TRUE(transform(c.transform));
    EXPECT_EQ(body(), c.after) << static_cast<int>(c.transform);
    EXPECT_EQ(lastDescription(), "変換");
    ASSERT_TRUE(undo(doc));
    EXPECT_EQ(body(), before);
  }
}

TEST_F(BoardEditTest, QuarterTurnsAndColourSwapsComeBackToTheStart) {
  for (const auto& [t, times] : {std::pair{RecordTransform::Rotate90, 4}, {RecordTransform::SwapColours, 2}}) {
    open(u"(;GM[1]AB[cd]AW[pq];B[dp];W[qd];B[];W[rr]LB[ab:a])", 4);
    const std::string before = body();
    for (int i = 0; i < times; ++i) ASSERT_TRUE(transform(t));
    EXPECT_EQ(body(), before);
  }
}

TEST_F(BoardEditTest, AScopeLimitsTheTransform) {
  constexpr std::u16string_view kGame = u"(;GM[1]AB[bb][ss];B[aa];W[ss];B[bb])";
  RangeSelection corner;  // columns and rows 0..1
  corner.active = true;
  corner.right = corner.bottom = 1;
  RangeSelection firstMoves = corner;
  firstMoves.movesLimited = true;
  firstMoves.firstMove = 0;
  firstMoves.lastMove = 1;
  const std::set<int> second{2};
  const struct {
    TransformScope scope;
    const char* after;
  } cases[] = {
      {{&corner, nullptr}, "AB[rb][ss];B[sa];W[ss];B[rb]"},
      {{&firstMoves, nullptr}, "AB[rb][ss];B[sa];W[ss];B[bb]"},
      {{nullptr, &second}, "AB[bb][ss];B[aa];W[as];B[bb]"},
  };
  for (const auto& c : cases) {
    open(kGame, 3);
    ASSERT_TRUE(transform(RecordTransform::MirrorLeftRight, c.scope));
    EXPECT_EQ(body(), c.after);
  }
  open(kGame, 3);
  RangeSelection empty = corner;
  empty.left = empty.right = 10;
  const int entries = doc.undoIndex;
  EXPECT_FALSE(transform(RecordTransform::MirrorLeftRight, {&empty, nullptr})) << "nothing inside";
  EXPECT_EQ(doc.undoIndex, entries);
}

TEST_F(BoardEditTest, APassIsPlayedLikeAMove) {
  open(u"(;GM[1];B[aa])", 1);
  ASSERT_TRUE(playAt(doc, services, RecordPoint{kPassPoint}));
  EXPECT_EQ(body(), ";B[aa];W[]");
  EXPECT_EQ(lastDescription(), "2手目着手");
  EXPECT_EQ(doc.currentMove(), 2);
}

}  // namespace
}  // namespace mokuza::test
