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
    load(sgf, move);
    recordUndo(doc, u"開く");
  }
  // The game after the program's header, on one line, and the last history line.
  std::string body() const {
    std::string text = u8(writeSgf(doc.record()));
    std::erase(text, '\n');
    const std::size_t start = text.find(']', text.find("AP[")) + 1;
    return text.substr(start, text.size() - start - 1) + " " + u8(doc.undoEntries.back().description);
  }
};

using Edit = std::function<bool(Document&, std::u16string& labelField)>;
Edit setup(const char* p, int colour) {
  return [=](Document& d, std::u16string&) { return toggleSetupStone(d, recordAt(p), colour); };
}
Edit mark(const char* p, MarkTool tool) {
  return [=](Document& d, std::u16string& field) { return toggleMark(d, recordAt(p), tool, field); };
}
Edit drag(const char* from, const char* to) {
  return [=](Document& d, std::u16string&) {
    return to ? moveStone(d, recordAt(from), recordAt(to)) : removeStone(d, recordAt(from));
  };
}
Edit turn(RecordTransform t, TransformScope scope = {}) {
  return [=](Document& d, std::u16string&) { return transformRecord(d, t, scope, u"変換"); };
}
Edit both(const Edit& first, const Edit& second) {
  return [=](Document& d, std::u16string& field) { return first(d, field) && second(d, field); };
}
Edit repeat(const Edit& edit, int times) {
  return [=](Document& d, std::u16string& field) {
    for (int i = 0; i < times; ++i)
      if (!edit(d, field)) return false;
    return true;
  };
}

// Columns and rows 0..1, and the same for moves 0..1 only.
const RangeSelection kCorner{true, 0, 0, 1, 1};
const RangeSelection kCornerEarly{true, 0, 0, 1, 1, true, 0, 1};
const std::set<int> kSecondMove{2};
// Root setup and label, a pass and a variation: a transform moves all of it but the pass.
constexpr std::u16string_view kTree = u"(;GM[1]SZ[5]AB[ab]LB[ac:x](;B[ea];W[];B[cc]LB[dd:▲])(;B[ae]))";

TEST_F(BoardEditTest, EachEditChangesTheTextAndOneUndoGivesItBack) {
  using enum RecordTransform;
  const struct {
    std::u16string_view sgf;
    int move;
    Edit edit;
    const char* after;  // with the history line; nullptr: nothing changes
  } cases[] = {
      {u"(;GM[1];B[aa])", 1, setup("cc", 1), ";B[aa]AB[cc] 黒石 a"},
      {u"(;GM[1];B[aa]AB[cc])", 1, setup("cc", 1), ";B[aa] 黒石 a"},
      {u"(;GM[1];B[aa]AB[cc]LB[cc:x])", 1, setup("cc", 1), ";B[aa]LB[cc:x] 黒石 a"},
      {u"(;GM[1];B[aa])", 1, setup("aa", -1), nullptr},
      {u"(;GM[1];B[aa])", 1, mark("cc", MarkTool::Label), ";B[aa]LB[cc:a] 文字：a b"},
      {u"(;GM[1];B[aa])", 1, both(mark("cc", MarkTool::Label), mark("dd", MarkTool::Label)),
       ";B[aa]LB[cc:a][dd:b] 文字：b c"},
      {u"(;GM[1];B[aa]LB[cc:c])", 1, mark("cc", MarkTool::Circle), ";B[aa] マーク削除 c"},
      {u"(;GM[1];B[aa]LB[cc:two])", 1, mark("cc", MarkTool::Label), ";B[aa] マーク削除 a"},
      {u"(;GM[1];B[aa]AB[cc]LB[cc:q])", 1, mark("cc", MarkTool::Square), ";B[aa]AB[cc] マーク削除 q"},
      {u"(;GM[1];B[aa];W[bb])", 2, drag("aa", "cc"), ";B[cc];W[bb] 黒位置変更 0101 →0303 a"},
      {u"(;GM[1]AW[aa];B[bb])", 1, drag("aa", "jk"), "AW[jk];B[bb] 白石位置変更 0101 →1011 a"},
      {u"(;GM[1];B[aa];W[bb])", 2, drag("aa", "bb"), nullptr},
      {u"(;GM[1]AW[aa];B[bb])", 1, drag("aa", nullptr), ";B[bb] 白石削除 a"},
      {u"(;GM[1];B[aa];W[bb];B[cc])", 3, drag("bb", nullptr), ";B[aa];B[cc] 2手目削除 a"},
      {kTree, 2, turn(MirrorLeftRight), "SZ[5]AB[eb]LB[ec:x](;B[aa];W[];B[cc]LB[bd:▲])(;B[ee]) 変換 a"},
      {kTree, 2, turn(MirrorTopBottom), "SZ[5]AB[ad]LB[ac:x](;B[ee];W[];B[cc]LB[db:▲])(;B[aa]) 変換 a"},
      {kTree, 2, turn(Rotate90), "SZ[5]AB[da]LB[ca:x](;B[ee];W[];B[cc]LB[bd:▲])(;B[aa]) 変換 a"},
      {kTree, 2, turn(SwapColours), "SZ[5]AW[ab]LB[ac:x](;W[ea];B[];W[cc]LB[dd:▲])(;W[ae]) 変換 a"},
      {kTree, 2, turn(ShiftDown), "SZ[5]AB[ac]LB[ad:x](;B[eb];W[];B[cd]LB[de:▲])(;B[aa]) 変換 a"},
      {kTree, 2, turn(ShiftLeft), "SZ[5]AB[eb]LB[ec:x](;B[da];W[];B[bc]LB[cd:▲])(;B[ee]) 変換 a"},
      {kTree, 2, turn(ShiftRight), "SZ[5]AB[bb]LB[bc:x](;B[aa];W[];B[dc]LB[ed:▲])(;B[be]) 変換 a"},
      {kTree, 2, turn(ShiftUp), "SZ[5]AB[aa]LB[ab:x](;B[ee];W[];B[cb]LB[dc:▲])(;B[ad]) 変換 a"},
      {kTree, 2, repeat(turn(Rotate90), 4), "SZ[5]AB[ab]LB[ac:x](;B[ea];W[];B[cc]LB[dd:▲])(;B[ae]) 変換 a"},
      {kTree, 2, repeat(turn(SwapColours), 2), "SZ[5]AB[ab]LB[ac:x](;B[ea];W[];B[cc]LB[dd:▲])(;B[ae]) 変換 a"},
      {u"(;AB[bb];B[aa];W[ss];B[bb])", 3, turn(MirrorLeftRight, {&kCorner}), "AB[rb];B[sa];W[ss];B[rb] 変換 a"},
      {u"(;AB[bb];B[aa];W[ss];B[bb])", 3, turn(MirrorLeftRight, {&kCornerEarly}), "AB[rb];B[sa];W[ss];B[bb] 変換 a"},
      {u"(;AB[bb];B[aa];W[ss];B[bb])", 3, turn(MirrorLeftRight, {nullptr, &kSecondMove}),
       "AB[bb];B[aa];W[as];B[bb] 変換 a"},
      {u"(;GM[1];W[bb])", 1, turn(ShiftUp, {&kCorner, &kSecondMove}), nullptr},
  };
  for (const auto& c : cases) {
    open(c.sgf, c.move);
    const std::string before = body();
    const int entries = doc.undoIndex;
    std::u16string field = u"a";
    SCOPED_TRACE(u8(c.sgf) + " -> " + (c.after ? c.after : "unchanged"));
    EXPECT_EQ(c.edit(doc, field), c.after != nullptr);
    EXPECT_EQ(body() + " " + u8(field), std::string(c.after ? c.after : before + " a"));
    if (!c.after || doc.undoIndex != entries + 1) continue;  // repeated edits undo step by step
    ASSERT_TRUE(undo(doc));
    EXPECT_EQ(body().substr(0, before.find(' ')), before.substr(0, before.find(' ')));
  }
}

TEST_F(BoardEditTest, DraggingMove37ReplaysTheLaterCapturesFromThere) {
  // 36 moves along two rows, then Black 37 at aa helps capture White's ba at 41.
  std::u16string sgf = u"(;GM[1]";
  for (char16_t column = u'a'; column < u'a' + 18; ++column)
    sgf += std::u16string(u";B[") + column + u"s];W[" + column + u"p]";
  open(sgf + u";B[aa];W[ba];B[ca];W[jj];B[bb])", 41);
  EXPECT_EQ(stones("aa ba jd"), "X..");
  ASSERT_TRUE(moveStone(doc, recordAt("aa"), recordAt("jd")));
  EXPECT_EQ(moveText(doc.record().lineCopy[37], 19) + " @" + std::to_string(doc.currentMove()), "B jd @41");
  EXPECT_EQ(stones("aa ba jd"), ".OX") << "without aa the white stone lives";
}

}  // namespace
}  // namespace mokuza::test
