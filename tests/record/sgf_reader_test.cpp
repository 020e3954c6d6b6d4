// SGF text in, tree and game information out.

#include <gtest/gtest.h>

#include "core/record/sgf_writer.h"
#include "record_test_support.h"

namespace mokuza {
namespace {

using testing::lineText;
using testing::pointAt;

class RecordReader : public ::testing::Test {
 protected:
  void read(std::u16string_view text) { testing::readInto(record, text, options); }
  const MoveRecord& move(std::size_t number) const { return record.lineCopy.at(number); }
  std::u16string comment(std::size_t number) const {
    const std::u16string* value = move(number).property(kMoveCommentLabel);
    return value ? *value : u"<none>";
  }
  // The setup stone at a point, 9 when the point has no entry.
  int stoneAt(std::size_t number, int point) const {
    const MarkEntry* entry = move(number).marks.find(static_cast<std::int16_t>(point));
    return entry ? entry->stone : 9;
  }
  std::u16string markText(std::size_t number, int point) const {
    const MarkEntry* entry = move(number).marks.find(static_cast<std::int16_t>(point));
    return entry ? entry->text : u"<none>";
  }

  GameRecord record;
  ReadOptions options;
};

TEST_F(RecordReader, MovesPassesAndPointsOffTheBoard) {
  // ta on 19x19 would wrap to the second row if the letters were only multiplied out.
  read(u"(;GM[1];B[];W[tt];B[ta];W[a];B[sa])");
  EXPECT_EQ(lineText(record), "B[] W[] B[] W[] B[sa]");
  read(u"(;GM[1]SZ[9];B[cc];W[gg])");
  EXPECT_EQ(record.boardSize, 9);
  EXPECT_EQ(record.moveCount, 2u);
  EXPECT_FALSE(move(0).hasMove());
  EXPECT_EQ(move(2).point, pointAt(6, 6, 9));
  EXPECT_EQ(lineText(record), "B[cc] W[gg]");
  EXPECT_EQ(record.blackMoveCount, 1u);
  EXPECT_EQ(record.whiteMoveCount, 1u);
  read(u"(;GM[1]SZ[9];B[ka];W[ia];B[aj])");
  EXPECT_EQ(lineText(record), "B[] W[ia] B[]");
}

TEST_F(RecordReader, ParenthesesCollectionsAndTextWithoutAGame) {
  read(u"(;GM[1]PB[one];B[aa])\n(;GM[1]PB[two];B[bb];W[cc])");
  EXPECT_EQ(lineText(record), "B[aa]");
  EXPECT_EQ(record.header(u"黒対局者"), u"one");
  read(u"(;GM[1];B[aa](;W[bb];B[cc])");  // a missing ) ends at the end of the text
  EXPECT_EQ(lineText(record), "B[aa] W[bb](1/1) B[cc]");
  read(u"(;B[aa]))(;W[bb])");  // the first node is the root, whatever it holds
  EXPECT_EQ(record.moveCount, 0u);
  EXPECT_EQ(move(0).colour, 1);
  for (std::u16string_view text : {u"", u"hello", u"(GM[1]B[aa])", u";B[aa]", u"[;](x)"}) {
    read(u"(;GM[1]AB[aa];B[bb](;W[cc])(;W[dd]))");
    EXPECT_EQ(readSgf(record, text, options), kReadNoGame) << utf16ToUtf8(text);
    EXPECT_EQ(testing::treeDifference(record.root, GameRecord().root), "");
  }
}

TEST_F(RecordReader, BoardSizes) {
  for (std::u16string_view size : {u"1", u"20", u"-9", u"99999999999999"}) {
    read(u"(;SZ[" + std::u16string(size) + u"];B[ss])");
    EXPECT_EQ(record.boardSize, 19) << utf16ToUtf8(size);
    EXPECT_EQ(record.header(u"路数"), u"19");
    EXPECT_EQ(lineText(record), "B[ss]");
  }
  // The header is what the writer saves, so it names the board the moves were read on.
  options.defaultBoardSize = 13;
  read(u"(;SZ[];B[mm])");
  EXPECT_EQ(record.boardSize, 13);
  EXPECT_EQ(record.header(u"路数"), u"13");
  read(u"(;SZ[9]SZ[x];B[ii])");
  EXPECT_NE(writeSgf(record).find(u"SZ[9];B[ii]"), std::u16string::npos);
  read(u"(;SZ[2];B[bb];W[cc])");
  EXPECT_EQ(lineText(record), "B[bb] W[]");
}

TEST_F(RecordReader, WhatTheRecordCannotHoldIsReportedAsALoss) {
  const struct {
    std::u16string_view text;
    std::string loss;
  } cases[] = {
      {u"(;GM[1];B[];W[tt];B[ta]LB[aa:abc])\n(x)", ""},
      {u"(;SZ[1];B[aa])", ""},
      {u"(;SZ[21];B[aa];W[tt];B[ua];W[ss])",
       "a board of 21 lines read as 19, 2 moves beyond 19 lines turned into passes"},
      {u"(;SZ[20]AB[tt][aa]LB[ta:x];B[aa]AW[aa:tt])",
       "a board of 20 lines read as 19, 3 setup stones or marks beyond 19 lines dropped"},
      {u"(;GM[1];B[aa]LB[bb:long][cc:four])", "2 labels cut to 3 characters"},
      {u"(;GM[1];B[aa]W[bb])", "1 node with two moves read as its last one"},
      {u"(;GM[1];B[aa])\n( ;GM[1];B[bb])", "the games after the first of the collection"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(readSgf(record, c.text, options), kReadOk);
    EXPECT_EQ(options.loss.describe(), c.loss) << utf16ToUtf8(c.text);
    EXPECT_EQ(options.loss.any(), !c.loss.empty());
  }
}

TEST_F(RecordReader, VariationsAtTheRootHangBelowAnEmptyTrunk) {
  read(u"(;GM[1](;B[aa];W[bb])(;B[cc]))");
  ASSERT_EQ(record.root.children.size(), 1u);
  EXPECT_TRUE(record.root.children[0].records.empty());
  EXPECT_EQ(record.root.children[0].children.size(), 2u);
  EXPECT_EQ(record.branchPath, (BranchPath{0, 0}));
  EXPECT_EQ(lineText(record), "B[aa](1/2) W[bb]");
  record.branchPath = {0, 1};
  rebuildCurrentLine(record);
  EXPECT_EQ(lineText(record), "B[cc](2/2)");
  EXPECT_EQ(record.divergenceMove, 0u);
}

TEST_F(RecordReader, EscapesAndBracketsBeforeNonAsciiText) {
  read(u"(;C[a\\]b];B[aa]C[x]y];W[bb]C[日本]語];B[cc]C[back\\\\slash\\\nline])日;W[dd])");
  EXPECT_EQ(comment(0), u"a]b");
  EXPECT_EQ(comment(1), u"x");
  EXPECT_EQ(comment(2), u"日本]語");
  EXPECT_EQ(comment(3), u"back\\slash\nline");
  EXPECT_EQ(record.moveCount, 4u);  // a ) before a non-ASCII character is text too
}

TEST_F(RecordReader, LowerCaseLettersInIdentifiersAreSkipped) {
  read(u"(;GaMe[1]CoPyright[c]PlayerBlack[kuro];AddBlack[aa][bb]Comment[hi]Black[cc]AddWhite[dd])");
  EXPECT_EQ(testing::headerText(record), "著作権[c]黒対局者[kuro]");
  EXPECT_EQ(testing::describe(move(1)), "1@40 0=1'' 20=1'' 60=-1'' C[hi]");
  EXPECT_TRUE(move(0).extraProperties().empty());
}

TEST_F(RecordReader, UnknownPropertiesAreKeptAndWrittenBack) {
  read(u"(;GM[1]FF[4]CA[UTF-8]AP[Other:1]RU[Japanese];PL[W]AE[aa]TB[bb][cc]B[dd];W[ee]MN[5]XY[a\\]b])");
  EXPECT_EQ(testing::describe(move(0)), "0@0 RU[Japanese]");
  EXPECT_EQ(testing::describe(move(1)), "1@60 PL[W] AE[aa] TB[bb][cc]");
  const std::u16string written = writeSgf(record);
  for (std::u16string_view kept : {u"RU[Japanese]", u";B[dd]PL[W]AE[aa]TB[bb][cc]", u";W[ee]MN[5]XY[a\\]b]"})
    EXPECT_NE(written.find(kept), std::u16string::npos) << utf16ToUtf8(kept);
  for (std::u16string_view dropped : {u"FF[", u"CA[UTF-8]", u"AP[Other", u"GM[1]GM"})
    EXPECT_EQ(written.find(dropped), std::u16string::npos) << utf16ToUtf8(dropped);
}

TEST_F(RecordReader, MovesOnlyKeepsTheHeaderAndSkipsInformation) {
  read(u"(;GM[1]PB[kept];B[aa])");
  options.movesOnly = true;
  read(u"(;PB[new]GC[x]C[root];B[aa]C[c]N[n];W[bb]RU[x])");
  EXPECT_EQ(testing::headerText(record), "黒対局者[kept]");
  EXPECT_EQ(testing::describe(move(0)) + "," + testing::describe(move(1)) + "," + testing::describe(move(2)),
            "0@0,1@0,-1@20");
}

TEST_F(RecordReader, LabelsMarksAndCompressedPointLists) {
  read(
      u"(;GM[1]AB[aa:cc]AW[ff:ee]TR[hh:hi]CR[tt:aa]AB[ss:tt]"
      u";B[aa]LB[aa:AB][bb][cc:ABCDE][dd:][ee:AB\xD834\xDD1E][kk:mm]TR[ba]RT[ca]SQ[da]SL[ea]LO[fa]CR[ga]MA[ha]ST[ia]AB["
      u"ia]"
      u";W[bb]LB[aa])");
  EXPECT_EQ(move(0).marks.size(), 9u + 4u + 2u);  // rectangles reaching off the board are dropped
  EXPECT_EQ(stoneAt(0, pointAt(2, 2)), 1);
  EXPECT_EQ(stoneAt(0, pointAt(5, 4)), -1);
  EXPECT_EQ(markText(0, pointAt(7, 8)), u"▲");
  EXPECT_EQ(markText(1, pointAt(0, 0)), u"AB");
  EXPECT_EQ(markText(1, pointAt(1, 1)), u"a");
  EXPECT_EQ(markText(1, pointAt(2, 2)), u"ABC");
  EXPECT_EQ(markText(1, pointAt(3, 3)), u"b");
  EXPECT_EQ(markText(1, pointAt(4, 4)), u"AB");    // never half a surrogate pair
  EXPECT_EQ(markText(1, pointAt(10, 10)), u"mm");  // a label is a point and a text, never a list
  const std::u16string_view symbols[] = {u"▲", u"▼", u"■", u"□", u"◆", u"●", u"×", u"★"};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(markText(1, pointAt(i + 1, 0)), symbols[i]) << i;
  EXPECT_EQ(stoneAt(1, pointAt(8, 0)), 1);
  EXPECT_EQ(markText(2, pointAt(0, 0)), u"a");  // every node starts its letters again
}

TEST_F(RecordReader, UpperRightRotationMovesTheFirstMoveAndEverythingAfter) {
  for (int g : {10, 19}) {
    options.gobanroll = g;
    // A quarter turn and a mirror both bring dd to pd; the earlier, the turn, wins.
    read(u"(;GM[1];B[dd];W[pq]TR[ab])");
    EXPECT_EQ(lineText(record), "B[pd] W[cp]") << g;
    EXPECT_EQ(markText(2, pointAt(17, 0)), u"▲") << g;
  }
  read(u"(;GM[1];B[qd])");  // already in the upper right
  EXPECT_EQ(lineText(record), "B[qd]");
  // The centre, setup stones, a white or passed first move: no rotation.
  for (std::u16string_view text :
       {u"(;GM[1];B[jj];W[dd])", u"(;GM[1]AB[pd];B[cc];W[dd])", u"(;GM[1];W[cc];W[dd])", u"(;GM[1];B[];W[dd])"}) {
    read(text);
    EXPECT_EQ(lineText(record).substr(lineText(record).size() - 5), "W[dd]") << utf16ToUtf8(text);
  }
  read(u"(;GM[1]SZ[9];B[cc])");
  EXPECT_EQ(lineText(record), "B[gc]");
}

TEST_F(RecordReader, PlaylistRotationTransformsMovesStonesAndMarks) {
  options.gobanroll = 5;  // the fixed per-loop choice applies to playlist games only
  read(u"(;GM[1];B[dd])");
  EXPECT_EQ(lineText(record), "B[dd]");
  // 5 mod 8 is the transform that mirrors top and bottom.
  const auto flip = [](int x, int y) { return pointAt(x, 18 - y); };
  options.playlistGame = true;
  read(u"(;GM[1];B[cd]AB[ef]AW[aa:bb]TR[gh]LB[ij:X];W[kl]SQ[op])");
  EXPECT_EQ(lineText(record), "B[cp] W[kh]");
  EXPECT_EQ(stoneAt(1, flip(4, 5)), 1);
  EXPECT_EQ(stoneAt(1, flip(0, 0)) + stoneAt(1, flip(1, 0)) + stoneAt(1, flip(0, 1)) + stoneAt(1, flip(1, 1)), -4);
  EXPECT_EQ(markText(1, flip(6, 7)) + markText(1, flip(8, 9)), u"▲X");
  EXPECT_EQ(markText(2, flip(14, 15)), u"■");
}

}  // namespace
}  // namespace mokuza
