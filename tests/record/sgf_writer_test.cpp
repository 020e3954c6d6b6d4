// GameRecord in, SGF text out, and back again.

#include <gtest/gtest.h>

#include "core/record/sgf_writer.h"
#include "record_test_support.h"

namespace mokuza {
namespace {

const std::u16string kHead = u"(;GM[1]CA[utf-8]AP[Mokuza:5.5]";

// Reads text, writes it, checks that the written text reads back to the same
// game, and returns it without line breaks.
std::u16string rewrite(std::u16string_view text, bool oneLine = true) {
  GameRecord record, again;
  testing::readInto(record, text);
  std::u16string written = writeSgf(record);
  testing::readInto(again, written);
  EXPECT_EQ(testing::treeDifference(record.root, again.root), "") << utf16ToUtf8(written);
  EXPECT_EQ(testing::headerText(again), testing::headerText(record));
  EXPECT_EQ(again.branchPath, record.branchPath);
  if (oneLine) std::erase(written, u'\n');
  return written;
}

TEST(RecordWriter, ValuesAreEscapedAndEmptyOnesLeftOut) {
  EXPECT_EQ(writeSgf(GameRecord()), u"(;GM[1]CA[utf-8]AP[Mokuza:5.5])");
  EXPECT_EQ(rewrite(u"(;GM[1]FF[4]CA[UTF-8]AP[Other:2.0])"), kHead + u")");
  EXPECT_EQ(formatProperty(u"C", u"a]b\\c[d"), u"C[a\\]b\\\\c[d]");
  EXPECT_EQ(formatProperty(u"C", u"") + formatProperty(u"", u"x"), u"");
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

TEST(RecordWriter, LinesBreakOnlyBetweenProperties) {
  std::u16string text = u"(;GM[1]PB[a long name of the black player]PW[white]EV[event name]GC[game comment]";
  for (int i = 0; i < 120; ++i) {
    text += std::u16string(i % 2 ? u";W[" : u";B[") + static_cast<char16_t>(u'a' + i % 19) +
            static_cast<char16_t>(u'a' + i / 19) + u"]";
    if (i % 7 == 0) text += u"AB[ss]LB[rs:abc]TR[sr]";
    if (i % 5 == 1) text += u"C[" + std::u16string(static_cast<std::size_t>(i % 40), u'x') + u"]";
    if (i == 60) text += u"(;B[sa];W[sb])(;B[sc]";
  }
  text += u"))";
  const std::u16string written = rewrite(text, false);
  std::size_t breaks = 0;
  bool inValue = false;
  for (std::size_t i = 1; i + 1 < written.size(); ++i) {
    const char16_t c = written[i];
    if (inValue) {
      i += c == u'\\';
      inValue = c != u']';
    } else if (c == u'[') {
      inValue = true;
    } else if (c == u'\n') {
      ++breaks;
      EXPECT_NE(std::u16string_view(u"]);(").find(written[i - 1]), std::u16string_view::npos) << i;
      const char16_t after = written[i + 1];
      EXPECT_TRUE(after == u';' || after == u'(' || after == u')' || (after >= u'A' && after <= u'Z')) << i;
    }
  }
  EXPECT_GE(breaks, written.size() / 100);
}

}  // namespace
}  // namespace mokuza
