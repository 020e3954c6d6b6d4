#include "core/record/text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <utility>

#include <iconv.h>

namespace mokuza {
namespace {

constexpr char16_t kReplacement = 0xFFFD;
// A byte of a file name that is no part of UTF-8, kept in the name's text.
constexpr char16_t kEscapedByte = 0xDC00;

// The range the second byte of a sequence may take after its lead byte:
// narrower after E0, ED, F0 and F4, which would otherwise encode overlong
// forms, surrogates or values beyond U+10FFFF.
struct SecondByte {
  unsigned char low = 0x80, high = 0xBF;
};
SecondByte secondByteAfter(unsigned char lead) {
  switch (lead) {
    case 0xE0: return {0xA0, 0xBF};
    case 0xED: return {0x80, 0x9F};
    case 0xF0: return {0x90, 0xBF};
    case 0xF4: return {0x80, 0x8F};
    default: return {};
  }
}

// Decodes one UTF-8 sequence starting at i. Returns its length with `cp`
// set, or, for an ill-formed one, 0 with `skipped` set to the length of the
// maximal ill-formed subsequence there (a lead byte and the continuation
// bytes it could still take): that many bytes make one U+FFFD.
std::size_t decodeSequence(std::string_view in, std::size_t i, char32_t& cp, std::size_t& skipped) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(in[k]); };
  const unsigned char b0 = byte(i);
  std::size_t length;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    cp = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    cp = b0 & 0x07;
  } else {
    skipped = 1;
    return 0;
  }
  const SecondByte second = secondByteAfter(b0);
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char b = i + k < in.size() ? byte(i + k) : 0;
    const bool fits = k == 1 ? b >= second.low && b <= second.high : (b & 0xC0) == 0x80;
    if (!fits) {
      skipped = k;
      return 0;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  return length;
}

// Whether any of the eight bytes of a word has its high bit set or equals `b`.
constexpr bool holdsHighByteOr(std::uint64_t word, unsigned char b) {
  constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = 0x8080808080808080;
  const std::uint64_t matches = word ^ (kOnes * b);  // a zero byte where word holds b
  return ((word | ((matches - kOnes) & ~matches)) & kHighs) != 0;
}

// How many sequences of more than one byte a decoding met.
struct Utf8Tally {
  std::size_t wellFormed = 0;
  std::size_t illFormed = 0;  // maximal ill-formed subsequences, each one U+FFFD
};

// UTF-8 to UTF-16. With `unixLines` the CR of each CR LF is dropped, which
// the bytes show as well as the text: both are ASCII.
Utf8Tally decodeUtf8(std::string_view in, std::u16string& out, bool unixLines) {
  // Every unit comes from at least one byte: sized once, cut to fit at the
  // end, with room for the line feed that decodeBytes may add.
  out.reserve(in.size() + 1);
  out.resize(in.size());
  char16_t* const begin = out.data();
  char16_t* to = begin;
  const auto* const bytes = reinterpret_cast<const unsigned char*>(in.data());
  const std::size_t size = in.size();
  const unsigned char stop = unixLines ? '\r' : 0x80;
  Utf8Tally tally;
  std::size_t i = 0;
  while (i < size) {
    // ASCII runs dominate game records: sixteen bytes widened at a time, from
    // a local copy that the compiler knows no store can change.
    for (unsigned char chunk[16]; i + sizeof chunk <= size; i += sizeof chunk, to += sizeof chunk) {
      std::memcpy(chunk, bytes + i, sizeof chunk);
      std::uint64_t low, high;
      std::memcpy(&low, chunk, 8);
      std::memcpy(&high, chunk + 8, 8);
      if (holdsHighByteOr(low, stop) || holdsHighByteOr(high, stop)) break;
      for (std::size_t k = 0; k < sizeof chunk; ++k) to[k] = chunk[k];
    }
    if (i >= size) break;
    const unsigned char b = bytes[i];
    if (b < 0x80) {
      if (b != '\r' || !unixLines || i + 1 == size || bytes[i + 1] != '\n') *to++ = b;
      ++i;
      continue;
    }
    char32_t cp = 0;
    std::size_t skipped = 0;
    const std::size_t length = decodeSequence(in, i, cp, skipped);
    if (length == 0) {
      *to++ = kReplacement;
      ++tally.illFormed;
      i += skipped;
      continue;
    }
    ++tally.wellFormed;
    if (cp < 0x10000) {
      *to++ = static_cast<char16_t>(cp);
      i += length;
    } else {
      cp -= 0x10000;
      *to++ = static_cast<char16_t>(0xD800 + (cp >> 10));
      *to++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
      i += length;
    }
  }
  out.resize(static_cast<std::size_t>(to - begin));
  return tally;
}

// A file in another encoding meets ill-formed sequences at nearly every
// non-ASCII character; a UTF-8 file with a stray byte or a character cut by
// a truncation has a handful among many good ones. Reading that one as CP932
// would garble every other character, and a later write would keep them so.
bool mostlyUtf8(const Utf8Tally& tally) {
  constexpr std::size_t kHandful = 8;
  return tally.illFormed <= kHandful && tally.wellFormed >= 4 * tally.illFormed;
}

// Readers drop the CR of CR LF (a lone CR is text), and the text ends with a line feed.
std::u16string withUnixLines(std::u16string text) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] != u'\r' || i + 1 >= text.size() || text[i + 1] != u'\n') text[kept++] = text[i];
  text.resize(kept);
  return text;
}

// One iconv conversion from a charset to UTF-16.
class Converter {
 public:
  explicit Converter(const char* charset) : cd_(iconv_open("UTF-16LE", charset)) {}
  ~Converter() {
    if (known()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool known() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  // Whether a conversion met bytes it could not convert.
  bool replaced() const { return replaced_; }

  // Invalid and cut-off sequences become U+FFFD, one per skipped byte.
  std::u16string convert(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string buffer(bytes.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
      char* outPtr = buffer.data();
      std::size_t outLeft = buffer.size();
      std::size_t result = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
      std::size_t produced = buffer.size() - outLeft;
      for (std::size_t k = 0; k + 1 < produced; k += 2)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(buffer[k]) |
                                            (static_cast<unsigned char>(buffer[k + 1]) << 8)));
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
        out.push_back(kReplacement);
        replaced_ = true;
        ++in;
        --inLeft;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

  // A charset that does not read SGF's brackets and backslash as themselves
  // cannot describe a file whose structure was found in ASCII (a 16-bit
  // charset named in an 8-bit file, or Shift_JIS taken with the yen sign).
  bool readsSgfStructure() {
    constexpr std::string_view kStructure = "(;[]\\)";
    return convert(kStructure) == u"(;[]\\)";
  }

 private:
  iconv_t cd_;
  bool replaced_ = false;
};

// A 16-bit or UTF-8 file shows itself by its byte-order mark, and a 16-bit
// file without one by the NUL high bytes of the ASCII it begins with: from
// its first character on, and on one side only (an 8-bit file may hold
// 16-bit text further on). Returns the charset, nullptr when the bytes carry
// no such sign, and the length of the mark.
const char* unicodeSignature(std::string_view bytes, std::size_t& markLength) {
  markLength = 0;
  for (const auto& [mark, charset] : {std::pair<std::string_view, const char*>{"\xEF\xBB\xBF", "UTF-8"},
                                      {"\xFF\xFE", "UTF-16LE"},
                                      {"\xFE\xFF", "UTF-16BE"}})
    if (bytes.starts_with(mark)) {
      markLength = mark.size();
      return charset;
    }
  if (bytes.size() < 2 || (bytes[0] == '\0') == (bytes[1] == '\0')) return nullptr;
  const std::size_t high = bytes[0] == '\0' ? 0 : 1;  // the side of the NULs
  const std::size_t window = std::min<std::size_t>(bytes.size(), 64) & ~std::size_t{1};
  std::size_t nuls = 0;
  for (std::size_t i = 0; i < window; ++i) {
    if (bytes[i] != '\0') continue;
    if (i % 2 != high) return nullptr;
    ++nuls;
  }
  if (nuls * 4 < window) return nullptr;
  return high == 1 ? "UTF-16LE" : "UTF-16BE";
}

bool isNameByte(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         c == '.' || c == ':';
}

// The value of CA[...] in the root node of the first game, seen as the
// reader sees it: the first ';' inside parentheses opens the node and the
// next ';', '(' or ')' outside a value ends it. Empty when there is none.
std::string declaredCharset(std::string_view bytes) {
  constexpr std::size_t kLongestKept = 64;
  const auto asciiAfter = [&](std::size_t i) {
    return i + 1 >= bytes.size() || static_cast<unsigned char>(bytes[i + 1]) < 0x80;
  };
  int depth = 0;
  bool started = false, restartIdent = false;
  std::string ident, value;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '(') {
      if (started) break;
      ++depth;
    } else if (c == ')' && started && asciiAfter(i)) {
      break;
    } else if (c == ';' && depth >= 1) {
      if (started) break;
      started = true;
    } else if (c == '[' && started) {
      // The value runs to the first ']' that no backslash escapes and no
      // non-ASCII byte follows; only that of CA is kept.
      const bool isCharset = ident == "CA";
      restartIdent = true;
      value.clear();
      for (++i; i < bytes.size() && (bytes[i] != ']' || !asciiAfter(i)); ++i) {
        if (bytes[i] == '\\' && ++i == bytes.size()) break;
        if (isCharset && value.size() < kLongestKept) value.push_back(bytes[i]);
      }
      if (i == bytes.size()) break;  // never closed
      if (isCharset) return value;
    } else if (c >= 'A' && c <= 'Z' && started) {
      if (restartIdent) ident.clear();
      restartIdent = false;
      if (ident.size() < 3) ident.push_back(c);
    }
  }
  return {};
}

// The iconv name for a declared charset: the Windows supersets that writers
// of these labels produce (Shift_JIS files carry NEC symbols and a backslash,
// GB2312 files GBK characters), and empty where the declaration adds nothing
// to the fallback rule (ASCII) or is no plain charset name.
std::string iconvNameFor(std::string_view declared) {
  while (!declared.empty() && (declared.front() == ' ' || declared.front() == '\t')) declared.remove_prefix(1);
  while (!declared.empty() && (declared.back() == ' ' || declared.back() == '\t')) declared.remove_suffix(1);
  if (declared.empty() || declared.size() > 40 || !std::all_of(declared.begin(), declared.end(), isNameByte)) return {};
  std::string key;
  for (char c : declared)
    if (c != '-' && c != '_' && c != '.') key.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  if (key == "ASCII" || key == "USASCII") return {};
  if (key == "SJIS" || key == "SHIFTJIS" || key == "MSKANJI" || key == "WINDOWS31J" || key == "CP932" || key == "XSJIS")
    return "CP932";
  if (key == "GB2312" || key == "GBK" || key == "CP936" || key == "EUCCN") return "GB18030";
  if (key == "UTF8") return "UTF-8";
  return std::string(declared);
}

}  // namespace

std::u16string utf8ToUtf16(std::string_view in) {
  std::u16string out;
  decodeUtf8(in, out, false);
  return out;
}

std::string utf16ToUtf8(std::u16string_view in) {
  std::string out;
  out.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    char32_t cp = in[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (in[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacement;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

namespace {

DecodedText cp932Text(std::string_view bytes) {
  Converter converter("CP932");
  if (converter.known()) {
    std::u16string text = converter.convert(bytes);
    return {std::move(text), converter.replaced()};
  }
  DecodedText decoded;
  for (unsigned char b : bytes) decoded.text.push_back(b < 0x80 ? b : kReplacement);
  decoded.readInPart = std::any_of(bytes.begin(), bytes.end(), [](char b) { return (b & 0x80) != 0; });
  return decoded;
}

DecodedText withCharset(std::string_view bytes, Converter& converter) {
  std::u16string text = withUnixLines(converter.convert(bytes));
  return {std::move(text), converter.replaced()};
}

DecodedText asUtf8(std::string_view bytes) {
  DecodedText decoded;
  decoded.readInPart = decodeUtf8(bytes, decoded.text, true).illFormed > 0;
  return decoded;
}

DecodedText decodeUnended(std::string_view bytes, TextKind kind) {
  std::size_t markLength = 0;
  if (const char* signature = unicodeSignature(bytes, markLength)) {
    const std::string_view content = bytes.substr(markLength);
    if (std::string_view(signature) == "UTF-8") return asUtf8(content);
    Converter converter(signature);
    if (converter.known()) return withCharset(content, converter);
  }
  if (kind == TextKind::GameRecord) {
    const std::string charset = iconvNameFor(declaredCharset(bytes));
    if (charset == "UTF-8") return asUtf8(bytes);
    if (!charset.empty()) {
      Converter converter(charset.c_str());
      if (converter.known() && converter.readsSgfStructure()) return withCharset(bytes, converter);
    }
  }
  DecodedText decoded;
  const Utf8Tally tally = decodeUtf8(bytes, decoded.text, true);
  if (tally.illFormed == 0) return decoded;
  if (mostlyUtf8(tally)) {
    decoded.readInPart = true;
    return decoded;
  }
  decoded = cp932Text(bytes);
  decoded.text = withUnixLines(std::move(decoded.text));
  return decoded;
}

}  // namespace

std::u16string cp932ToUtf16(std::string_view bytes) { return cp932Text(bytes).text; }

DecodedText decodeFileText(std::string_view bytes, TextKind kind) {
  DecodedText decoded = decodeUnended(bytes, kind);
  if (decoded.text.empty() || decoded.text.back() != u'\n') decoded.text.push_back(u'\n');
  return decoded;
}

std::u16string decodeBytes(std::string_view bytes, TextKind kind) { return decodeFileText(bytes, kind).text; }

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
  platform::FileRead read = platform::readUserFile(path, kTextFileMax);
  if (!read) return std::nullopt;
  return std::move(read.bytes);
}

std::u16string clipUtf16(std::u16string_view text, std::size_t limit) {
  std::size_t length = std::min(text.size(), limit);
  if (length < text.size() && length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
  return std::u16string(text.substr(0, length));
}

platform::FileStatus writeTextFile(const std::filesystem::path& path, std::u16string_view text) {
  std::string utf8 = utf16ToUtf8(text);
  std::string bytes;
  bytes.reserve(utf8.size() + utf8.size() / 32);
  for (char c : utf8) {
    if (c == '\n') bytes.push_back('\r');
    bytes.push_back(c);
  }
  return platform::writeUserFile(path, bytes);
}

std::u16string asciiToUtf16(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// A file name need not be UTF-8: each byte no UTF-8 sequence takes is kept
// as a lone surrogate U+DC80..U+DCFF, which no decoded text holds, so that
// the name goes back to the same bytes while what is shown of it is U+FFFD.
std::u16string pathToText(const std::filesystem::path& path) {
  const std::string& bytes = path.native();
  std::u16string text;
  if (decodeUtf8(bytes, text, false).illFormed == 0) return text;
  text.clear();
  for (std::size_t i = 0; i < bytes.size();) {
    char32_t cp = 0;
    std::size_t skipped = 0;
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      text.push_back(b);
      ++i;
    } else if (const std::size_t length = decodeSequence(bytes, i, cp, skipped); length > 0) {
      text += utf8ToUtf16(std::string_view(bytes).substr(i, length));
      i += length;
    } else {
      for (std::size_t k = 0; k < skipped; ++k)
        text.push_back(static_cast<char16_t>(kEscapedByte | static_cast<unsigned char>(bytes[i + k])));
      i += skipped;
    }
  }
  return text;
}

std::filesystem::path textToPath(std::u16string_view text) {
  std::string bytes;
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool afterHigh = i > 0 && text[i - 1] >= 0xD800 && text[i - 1] <= 0xDBFF;
    if (text[i] < kEscapedByte + 0x80 || text[i] > kEscapedByte + 0xFF || afterHigh) continue;
    bytes += utf16ToUtf8(text.substr(from, i - from));
    bytes.push_back(static_cast<char>(text[i] & 0xFF));
    from = i + 1;
  }
  bytes += utf16ToUtf8(text.substr(from));
  return std::filesystem::path(std::move(bytes));
}

std::u16string withSlashes(std::u16string_view path) {
  std::u16string slashes(path);
  std::replace(slashes.begin(), slashes.end(), u'\\', u'/');
  return slashes;
}

}  // namespace mokuza
