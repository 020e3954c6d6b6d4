// Conversions between file bytes and UTF-16 text, and writing text files.

#include <gtest/gtest.h>

#include <unistd.h>

#include "record_test_support.h"
#include "tests/test_folder.h"

namespace mokuza {
namespace {

namespace fs = std::filesystem;

TEST(RecordText, Utf8AndUtf16IncludingSurrogatePairs) {
  const std::string utf8 = "a\xC3\xA9\xE6\x97\xA5\xF0\x9D\x84\x9E!";  // a é 日 𝄞 !
  const std::u16string text = u"a\u00E9\u65E5\xD834\xDD1E!";
  EXPECT_EQ(utf8ToUtf16(utf8), text);
  EXPECT_EQ(utf16ToUtf8(text), utf8);
  // Unpaired surrogates cannot be written as UTF-8.
  EXPECT_EQ(utf16ToUtf8(u"a\xD800z\xDC00"), "a\xEF\xBF\xBDz\xEF\xBF\xBD");
}

TEST(RecordText, MalformedUtf8BecomesReplacementWithoutLosingNeighbours) {
  EXPECT_EQ(utf8ToUtf16("a\x80z\xFFz"), u"a\uFFFDz\uFFFDz");
  EXPECT_EQ(utf8ToUtf16("a\xC0\xAFz"), u"a\uFFFD\uFFFDz");              // overlong
  EXPECT_EQ(utf8ToUtf16("a\xED\xA0\x80z"), u"a\uFFFD\uFFFD\uFFFDz");    // encoded surrogate
  EXPECT_EQ(utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // beyond U+10FFFF
  EXPECT_EQ(utf8ToUtf16("a\xE6\x97z\xF0\x9D\x84"), u"a\uFFFD\uFFFDz\uFFFD\uFFFD\uFFFD");  // cut short
}

TEST(RecordText, DecodeBytesEndsLinesWithLfAndFallsBackToCp932) {
  EXPECT_EQ(decodeBytes("(;C[a\r\nb])\r\n"), u"(;C[a\nb])\n");
  EXPECT_EQ(decodeBytes("a\rb"), u"a\rb\n");  // a lone CR is no line end here
  EXPECT_EQ(decodeBytes(""), u"\n");
  // 黒対局者 表 〜 in CP932: 表 has a backslash trail byte, and 0x81 0x60 is the
  // wave dash that CP932, unlike plain Shift_JIS, maps to U+FF5E.
  EXPECT_EQ(decodeBytes("PB[\x8D\x95\x91\xCE\x8B\xC7\x8E\xD2]C[\x95\x5C\x81\x60]"), u"PB[黒対局者]C[表\uFF5E]\n");
  EXPECT_EQ(decodeBytes("PB[\xE9\xBB\x92]"), u"PB[黒]\n");  // clean UTF-8 stays UTF-8
  EXPECT_EQ(decodeBytes("PB[\xEF\xBF\xBD\xE9\xBB\x92]"), u"PB[\uFFFD黒]\n");  // even holding U+FFFD itself
  EXPECT_EQ(cp932ToUtf16("a\x8D\x95\x80z\x8D"), u"a黒\uFFFDz\uFFFD");
}

TEST(RecordText, Cp932CorpusFilesDecodeLikeTheirUtf8Originals) {
  const fs::path variety = testing::corpusDir() / "variety";
  if (!fs::exists(variety)) GTEST_SKIP() << "no corpus at " << variety;
  const std::u16string hoensha = testing::loadCorpusText(variety / "derived__hoensha_E18-7_cp932_no-CA.sgf");
  EXPECT_EQ(hoensha, testing::loadCorpusText(variety / "aeb__hoensha_E18-7_japanese-names.sgf"));
  EXPECT_NE(hoensha.find(u"PB[梶原政之助]"), std::u16string::npos);

  std::u16string original = testing::loadCorpusText(variety / "gogamer__chikun-kajiwara_japanese-names.sgf");
  ASSERT_NE(original.find(u"CA[UTF-8]"), std::u16string::npos);
  original.replace(original.find(u"CA[UTF-8]"), 9, u"CA[SJIS]");
  EXPECT_EQ(testing::loadCorpusText(variety / "derived__chikun-kajiwara_cp932_CA-SJIS.sgf"), original);
}

class RecordTextFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::freshTestFolder("mokuza-text");
  }
  void TearDown() override { fs::remove_all(dir); }
  std::size_t files() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
  fs::path dir;
};

TEST_F(RecordTextFiles, WritesCrLfUtf8WithoutBomAndLeavesNoTemporaryFile) {
  const std::u16string text = u"(;PB[黒]\n;B[aa]C[\xD834\xDD1E])\n";
  ASSERT_TRUE(writeTextFile(dir / "game.sgf", text));
  auto bytes = readFileBytes(dir / "game.sgf");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "(;PB[\xE9\xBB\x92]\r\n;B[aa]C[\xF0\x9D\x84\x9E])\r\n");
  EXPECT_EQ(decodeBytes(*bytes), text);
  ASSERT_TRUE(writeTextFile(dir / "game.sgf", u"x"));  // a shorter text replaces it whole
  EXPECT_EQ(readFileBytes(dir / "game.sgf"), std::optional<std::string>("x"));
  EXPECT_EQ(files(), 1u);
}

TEST_F(RecordTextFiles, FailedWriteReportsAndLeavesNothingBehind) {
  EXPECT_FALSE(writeTextFile(dir / "missing" / "game.sgf", u"(;)"));
  fs::create_directories(dir / "taken.sgf" / "inner");  // the rename into place fails
  EXPECT_FALSE(writeTextFile(dir / "taken.sgf", u"(;)"));
  EXPECT_EQ(files(), 1u);
  EXPECT_FALSE(readFileBytes(dir / "absent.sgf"));
}

}  // namespace
}  // namespace mokuza
