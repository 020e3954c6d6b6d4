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
  // A text whose last character takes several bytes (paths, rename patterns).
  for (std::u16string_view last : {u"<FN>局", u"手", u"é", u"\xD834\xDD1E"})
    EXPECT_EQ(utf8ToUtf16(utf16ToUtf8(last)), last) << utf16ToUtf8(last);
}

TEST(RecordText, MalformedUtf8BecomesReplacementWithoutLosingNeighbours) {
  EXPECT_EQ(utf8ToUtf16("a\x80z\xFFz"), u"a\uFFFDz\uFFFDz");
  EXPECT_EQ(utf8ToUtf16("a\xC0\xAFz"), u"a\uFFFD\uFFFDz");                                // overlong
  EXPECT_EQ(utf8ToUtf16("a\xED\xA0\x80z"), u"a\uFFFD\uFFFD\uFFFDz");                      // encoded surrogate
  EXPECT_EQ(utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");                // beyond U+10FFFF
  EXPECT_EQ(utf8ToUtf16("a\xE6\x97z\xF0\x9D\x84"), u"a\uFFFD\uFFFDz\uFFFD\uFFFD\uFFFD");  // cut short
}

// Text as the bytes of a 16-bit file.
std::string utf16Bytes(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (char16_t c : text) {
    const char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

TEST(RecordText, DecodeBytesChoosesTheEncodingOfTheWholeFile) {
  using enum TextKind;
  const std::u16string game = u"(;CA[UTF-16]PB[李昌鎬])";
  const struct {
    const char* what;
    std::string bytes;
    TextKind kind;
    std::u16string text;
  } cases[] = {
      {"CR LF becomes LF", "(;C[a\r\nb])\r\n", GameRecord, u"(;C[a\nb])\n"},
      {"a lone CR is no line end", "a\rb", Plain, u"a\rb\n"},
      {"nothing", "", Plain, u"\n"},
      // 黒対局者 表 〜: 表 has a backslash trail byte, and 0x81 0x60 is the wave
      // dash that CP932, unlike plain Shift_JIS, maps to U+FF5E.
      {"not UTF-8 and no charset: CP932", "PB[\x8D\x95\x91\xCE\x8B\xC7\x8E\xD2]C[\x95\x5C\x81\x60]", GameRecord,
       u"PB[黒対局者]C[表\uFF5E]\n"},
      {"clean UTF-8", "PB[\xE9\xBB\x92]", Plain, u"PB[黒]\n"},
      {"clean UTF-8 holding U+FFFD", "PB[\xEF\xBF\xBD]PW[\xE6\x9D\x8E]", Plain, u"PB[\uFFFD]PW[李]\n"},
      {"declared UTF-8 with a cut character", "(;CA[UTF-8]PB[\xE7\xA5\x9E\xE8\xA1]BR[9\xE6\xAE\xB5])", GameRecord,
       u"(;CA[UTF-8]PB[神\uFFFD\uFFFD]BR[9段])\n"},
      {"declared charset beats clean UTF-8", "(;CA[ISO-8859-1]PB[\xC3\xA9])", GameRecord,
       u"(;CA[ISO-8859-1]PB[\u00C3\u00A9])\n"},
      {"GB2312 is read as its superset", "(;FF[4]CA[ gb2312 ]PW[\xB0\xD7\x81\x40])", GameRecord,
       u"(;FF[4]CA[ gb2312 ]PW[白丂])\n"},
      {"SJIS is read as CP932", "(;CA[SJIS]C[\x95\x5C\x81\x60])", GameRecord, u"(;CA[SJIS]C[表\uFF5E])\n"},
      {"an unknown charset falls back", "(;CA[NO-SUCH]PB[\xE9\xBB\x92])", GameRecord, u"(;CA[NO-SUCH]PB[黒])\n"},
      {"a 16-bit charset named in an 8-bit file falls back", "(;CA[UTF-16LE]C[\x95\x5C])", GameRecord,
       u"(;CA[UTF-16LE]C[表])\n"},
      {"a charset outside the root node is no declaration", "(;GM[1];CA[ISO-8859-1]C[\xC3\xA9])", GameRecord,
       u"(;GM[1];CA[ISO-8859-1]C[\u00E9])\n"},
      {"only a game record declares", "(;CA[ISO-8859-1]C[\xC3\xA9])", Plain, u"(;CA[ISO-8859-1]C[\u00E9])\n"},
      {"UTF-8 byte-order mark", "\xEF\xBB\xBFk:\xE6\x9D\x8E", Plain, u"k:李\n"},
      {"UTF-16LE with its mark", "\xFF\xFE" + utf16Bytes(game, false), Plain, game + u"\n"},
      {"UTF-16BE with its mark", "\xFE\xFF" + utf16Bytes(game, true), GameRecord, game + u"\n"},
      {"UTF-16LE without a mark", utf16Bytes(game + u"\r\n", false), GameRecord, game + u"\n"},
      {"UTF-16BE without a mark, cut short", utf16Bytes(game, true) + "\x4E", GameRecord, game + u"\uFFFD\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(decodeBytes(c.bytes, c.kind), c.text) << c.what;
  EXPECT_EQ(cp932ToUtf16("a\x8D\x95\x80z\x8D"), u"a黒\uFFFDz\uFFFD");
}

TEST(RecordText, Cp932CorpusFilesDecodeLikeTheirUtf8Originals) {
  const fs::path variety = testing::corpusDir() / "variety";
  if (!fs::exists(variety)) GTEST_SKIP() << "no corpus at " << variety;
  const std::u16string hoensha = testing::loadCorpusText(variety / "derived__hoensha_E18-7_cp932_no-CA.sgf");
  EXPECT_EQ(hoensha, testing::loadCorpusText(variety / "aeb__hoensha_E18-7_japanese-names.sgf"));
  EXPECT_NE(hoensha.find(u"PB[梶原政之助]"), std::u16string::npos);
  // Declared UTF-8 with a name cut inside a character: the next property stays.
  EXPECT_NE(testing::loadCorpusText(variety / "yenw__fox_cgi_invalid-utf8.sgf").find(u"\uFFFD\uFFFD]BR[9段]"),
            std::u16string::npos);

  std::u16string original = testing::loadCorpusText(variety / "gogamer__chikun-kajiwara_japanese-names.sgf");
  ASSERT_NE(original.find(u"CA[UTF-8]"), std::u16string::npos);
  original.replace(original.find(u"CA[UTF-8]"), 9, u"CA[SJIS]");
  EXPECT_EQ(testing::loadCorpusText(variety / "derived__chikun-kajiwara_cp932_CA-SJIS.sgf"), original);
}

class RecordTextFiles : public ::testing::Test {
 protected:
  void SetUp() override { dir = test::freshTestFolder("mokuza-text"); }
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
  EXPECT_EQ(decodeBytes(*bytes, TextKind::GameRecord), text);
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
