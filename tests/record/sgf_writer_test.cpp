// GameRecord in, SGF text out, and back again.

#include <gtest/gtest.h>

#include "core/record/sgf_writer.h"
#include "record_test_support.h"

namespace mokuza {
namespace {

const std::u16string kHead = u"(;GM[1]CA[utf-8]AP[Mokuza:5.5]";

// Reads text, writes it, checks that the written text reads back to the same
// game, and returns it without line breaks.
std::u16string rewrite(std::u16string_view text) {
  GameRecord record, again;
  testing::readInto(record, text);
  std::u16string written = writeSgf(record);
  testing::readInto(again, written);
  EXPECT_EQ(testing::treeDifference(record.root, again.root), "") << utf16ToUtf8(written);
  EXPECT_EQ(testing::headerText(again), testing::headerText(record));
  EXPECT_EQ(again.branchPath, record.branchPath);
  std::erase(written, u'\n');
  return written;
}

TEST(RecordWriter, ValuesAreEscapedAndEmptyOnesLeftOut) {
  EXPECT_EQ(writeSgf(GameRecord()), u"(;GM[1]CA[utf-8]AP[Mokuza:5.5])");
  EXPECT_EQ(rewrite(u"(;GM[1]FF[4]CA[UTF-8]AP[Other:2.0])"), kHead + u")");
  GameRecord record;
  record.setHeader(u"黒対局者", u"黒]\\");
  record.setHeader(u"白対局者", u"");
  record.root.records[0].setProperty(kMoveCommentLabel, record.intern(u"a]b"));
  EXPECT_EQ(writeSgf(record), kHead + u"PB[黒\\]\\\\]C[a\\]b])");
  EXPECT_EQ(rewrite(writeSgf(record)), kHead + u"PB[黒\\]\\\\]C[a\\]b])");
}

TEST(RecordWriter, MovesMarksAndVariationsAreWrittenAsTheyRead) {
  const std::pair<std::u16string_view, std::u16string_view> cases[] = {
      // Moves use the board size, passes are empty, and moves in the root stay.
      {u"SZ[9];B[cc];W[gg];B[];W[tt];B[ii])", u"SZ[9];B[cc];W[gg];B[];W[];B[ii])"},
      {u"W[aa](;B[bb])(;B[cc]))", u"W[aa](;B[bb])(;B[cc]))"},
      // Properties the record does not model are written back as read.
      {u"RU[x];B[aa]PL[W]XY[a\\]b][c])", u"RU[x];B[aa]PL[W]XY[a\\]b][c])"},
      // Marks are labels, and stones keep their labels.
      {u";B[aa]TR[dd])", u";B[aa]LB[dd:▲])"},
      {u"LB[dd:A]AB[dd]TR[cc]AW[ee]LB[ff:\\]])", u"AB[dd]AW[ee]LB[cc:▲][dd:A][ff:\\]])"},
      // Variations keep their parentheses.
      {u";B[aa](;W[bb];B[cc](;W[dd])(;W[ee]()))(;W[ff]))", u";B[aa](;W[bb];B[cc](;W[dd])(;W[ee]()))(;W[ff]))"},
      {u"(;B[aa];W[bb])(;B[cc](;W[dd])))", u"(;B[aa];W[bb])(;B[cc](;W[dd])))"},
  };
  for (const auto& [read, written] : cases)
    EXPECT_EQ(rewrite(u"(;GM[1]" + std::u16string(read)), kHead + std::u16string(written)) << utf16ToUtf8(read);
}

}  // namespace
}  // namespace mokuza
