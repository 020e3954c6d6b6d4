// Conversions between file bytes and UTF-16 text, and writing text files.

#include <gtest/gtest.h>

#include <fstream>
#include <utility>

#include "platform/headless/headless_services.h"
#include "record_test_support.h"
#include "tests/seeded_mutations.h"
#include "tests/test_folder.h"

namespace mokuza {
namespace {

namespace fs = std::filesystem;

// Clean UTF-8 both ways is the decoding table's and the file writer's to test.
TEST(RecordText, Utf8ReadsWhatIsMalformedAsReplacementAndWritesNoLoneSurrogate) {
  EXPECT_EQ(utf8ToUtf16(utf16ToUtf8(u"<FN>局")), u"<FN>局");  // a last character of several bytes, as in patterns
  EXPECT_EQ(utf16ToUtf8(u"a\xD800z\xDC00"), "a\xEF\xBF\xBDz\xEF\xBF\xBD");
  const std::pair<std::string, std::u16string> malformed[] = {
      {"a\x80z\xFFz", u"a\uFFFDz\uFFFDz"},
      {"a\xC0\xAFz", u"a\uFFFD\uFFFDz"},                                // overlong
      {"a\xED\xA0\x80z", u"a\uFFFD\uFFFD\uFFFDz"},                      // encoded surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},                // beyond U+10FFFF
      {"a\xE6\x97z\xF0\x9D\x84", u"a\uFFFDz\uFFFD"},  // cut short: one per maximal ill-formed subsequence
      {"\xE0\x80\xAF\xF0\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},  // E0 and F0 take no 80 after them
      {"\xF4\x8F\xBF\xE4", u"\uFFFD\uFFFD"},
  };
  for (const auto& [bytes, decoded] : malformed) EXPECT_EQ(utf8ToUtf16(bytes), decoded) << test::printable(bytes);
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
      {"clean UTF-8", "PB[\xE9\xBB\x92]C[\xC3\xA9\xF0\x9D\x84\x9E]", Plain, u"PB[黒]C[\u00E9\xD834\xDD1E]\n"},
      {"clean UTF-8 holding U+FFFD", "PB[\xEF\xBF\xBD]PW[\xE6\x9D\x8E]", Plain, u"PB[\uFFFD]PW[李]\n"},
      {"declared UTF-8 with a cut character", "(;CA[UTF-8]PB[\xE7\xA5\x9E\xE8\xA1]BR[9\xE6\xAE\xB5])", GameRecord,
       u"(;CA[UTF-8]PB[神\uFFFD]BR[9段])\n"},
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

// A stray byte or a cut character among many good UTF-8 ones is not another
// encoding: read as CP932 every other name would come back garbled, and a
// later write would keep them so. What was replaced marks the text read in part.
TEST(RecordText, AFewIllFormedSequencesInUtf8AreReplacedAndMarkTheTextReadInPart) {
  std::string names;
  for (int i = 0; i < 14; ++i) names += "<bname>\xE6\x9C\xAC\xE5\x9B\xA0\xE5\x9D\x8A\r\n";  // 本因坊
  const DecodedText strayByte = decodeFileText("\xFF" + names, TextKind::Plain);
  EXPECT_TRUE(strayByte.readInPart);
  EXPECT_TRUE(strayByte.text.starts_with(u"\uFFFD<bname>本因坊\n<bname>本因坊\n"));
  const DecodedText cut = decodeFileText(names + "<bname>\xE6\x9C", TextKind::Plain);
  EXPECT_TRUE(cut.readInPart);
  EXPECT_TRUE(cut.text.ends_with(u"<bname>本因坊\n<bname>\uFFFD\n"));

  EXPECT_FALSE(decodeFileText(names, TextKind::Plain).readInPart);
  EXPECT_FALSE(decodeFileText("\x95\x5C", TextKind::Plain).readInPart) << "CP932 read whole";
  const std::u16string mostlyIllFormed = decodeBytes("\xE6\x9C\xAC\x95\x5C\x95\x5C", TextKind::Plain);
  EXPECT_TRUE(mostlyIllFormed.ends_with(u"\uFF6C表表\n")) << "CP932";
}

// A file name that is no UTF-8 keeps its bytes through the program's text.
TEST(RecordText, FileNamesKeepTheirBytesThroughText) {
  for (const std::string name : {"g\xFF\xFE" "ame.sgf", "\xE6\x9C\xAC\xE6.sgf", "/a/\xED\xA0\x80/\xC3", "plain"}) {
    const std::u16string text = pathToText(fs::path(name));
    EXPECT_EQ(textToPath(text).native(), name) << test::printable(name);
    EXPECT_EQ(utf16ToUtf8(text).find('\xFF'), std::string::npos);
  }
  EXPECT_EQ(pathToText(fs::path("\xE6\x9C\xAC")), u"本");
  EXPECT_EQ(textToPath(u"\xD834\xDD1E").native(), "\xF0\x9D\x84\x9E") << "a pair is no escaped byte";
}

// ASCII is decoded in blocks and everything else byte by byte: a line end,
// a lone CR or a character of several bytes decodes the same at every offset
// from a block's start, and a bad byte there still sends the file to CP932.
TEST(RecordText, WhatEndsARunOfAsciiDecodesTheSameAtEveryOffset) {
  const std::u16string_view breaks[] = {u"\r\n", u"\r", u"\u00E9", u"李", u"\xD834\xDD1E"};
  for (std::u16string_view inner : breaks)
    for (std::size_t offset = 0; offset < 40; ++offset) {
      const std::u16string text = std::u16string(offset, u'a') + std::u16string(inner) + u"z;B[pd]";
      std::u16string lines = text;
      if (inner == u"\r\n") lines.erase(offset, 1);
      EXPECT_EQ(decodeBytes(utf16ToUtf8(text), TextKind::GameRecord), lines + u"\n") << offset;
    }
  for (std::size_t offset = 0; offset < 40; ++offset) {
    const std::string bytes = std::string(offset, 'a') + "\r\n\x95\x5C\r\n";  // 表 in CP932
    EXPECT_EQ(decodeBytes(bytes, TextKind::Plain), std::u16string(offset, u'a') + u"\n表\n") << offset;
  }
}

TEST(RecordText, FilesAreWrittenCrLfUtf8WholeOrNotAtAllAndReadWithinTheSizeLimit) {
  const fs::path dir = test::freshTestFolder("mokuza-text");
  ASSERT_TRUE(writeTextFile(dir / "game.sgf", u"(;PB[黒]\n;B[aa]C[\xD834\xDD1E])\n"));
  EXPECT_EQ(readFileBytes(dir / "game.sgf"),
            std::optional<std::string>("(;PB[\xE9\xBB\x92]\r\n;B[aa]C[\xF0\x9D\x84\x9E])\r\n"));
  ASSERT_TRUE(writeTextFile(dir / "game.sgf", u"x"));  // a shorter text replaces it whole
  EXPECT_EQ(readFileBytes(dir / "game.sgf"), std::optional<std::string>("x"));

  EXPECT_FALSE(writeTextFile(dir / "missing" / "game.sgf", u"(;)"));
  fs::create_directories(dir / "taken.sgf" / "inner");  // the rename into place fails
  EXPECT_FALSE(writeTextFile(dir / "taken.sgf", u"(;)"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 2) << "no temporary file is left behind";
  EXPECT_FALSE(readFileBytes(dir / "absent.sgf"));

  std::ofstream(dir / "huge.sgf") << "(;B[aa])";
  fs::resize_file(dir / "huge.sgf", kTextFileMax + 1);  // sparse: no room taken on disk
  platform::HeadlessServices services;
  EXPECT_TRUE(loadTextFile(dir / "huge.sgf", services, TextKind::GameRecord).empty());
  EXPECT_EQ(services.diagnostics,
            std::vector<std::string>{"File Open Error: " + (dir / "huge.sgf").string() + " is larger than 256 MB"});
  fs::remove_all(dir);
}

}  // namespace
}  // namespace mokuza
