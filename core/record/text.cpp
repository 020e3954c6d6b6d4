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

// Decodes one UTF-8 sequence starting at i; returns its length, or 0 when malformed.
std::size_t decodeSequence(std::string_view in, std::size_t i, char32_t& cp) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(in[k]); };
  unsigned char b0 = byte(i);
  std::size_t length;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    cp = b0 & 0x1F;
    min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    cp = b0 & 0x0F;
    min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    cp = b0 & 0x07;
    min = 0x10000;
  } else return 0;
  if (i + length > in.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    unsigned char b = byte(i + k);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

// Whether any of the eight bytes of a word has its high bit set or equals `b`.
constexpr bool holdsHighByteOr(std::uint64_t word, unsigned char b) {
  constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = 0x8080808080808080;
  const std::uint64_t matches = word ^ (kOnes * b);  // a zero byte where word holds b
  return ((word | ((matches - kOnes) & ~matches)) & kHighs) != 0;
}

// UTF-8 to UTF-16; false when a sequence was malformed (each malformed byte
// becomes U+FFFD). With `unixLines` the CR of each CR LF is dropped, which
// the bytes show as well as the text: both are ASCII.
bool decodeUtf8(std::string_view in, std::u16string& out, bool unixLines) {
  // Every unit comes from at least one byte: sized once, cut to fit at the
  // end, with room for the line feed that decodeBytes may add.
  out.reserve(in.size() + 1);
  out.resize(in.size());
  char16_t* const begin = out.data();
  char16_t* to = begin;
  const auto* const bytes = reinterpret_cast<const unsigned char*>(in.data());
  const std::size_t size = in.size();
  const unsigned char stop = unixLines ? '\r' : 0x80;
  bool clean = true;
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
    const std::size_t length = decodeSequence(in, i, cp);
    if (length == 0) {
      *to++ = kReplacement;
      clean = false;
      ++i;
    } else if (cp < 0x10000) {
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
  return clean;
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

std::u16string cp932ToUtf16(std::string_view bytes) {
  Converter converter("CP932");
  if (converter.known()) return converter.convert(bytes);
  std::u16string out;
  for (unsigned char b : bytes) out.push_back(b < 0x80 ? b : kReplacement);
  return out;
}

std::u16string decodeBytes(std::string_view bytes, TextKind kind) {
  std::u16string text;
  const auto finished = [&text] {
    if (text.empty() || text.back() != u'\n') text.push_back(u'\n');
    return std::move(text);
  };
  std::size_t markLength = 0;
  if (const char* signature = unicodeSignature(bytes, markLength)) {
    const std::string_view content = bytes.substr(markLength);
    if (std::string_view(signature) == "UTF-8") {
      decodeUtf8(content, text, true);
      return finished();
    }
    Converter converter(signature);
    if (converter.known()) {
      text = withUnixLines(converter.convert(content));
      return finished();
    }
  }
  if (kind == TextKind::GameRecord) {
    const std::string charset = iconvNameFor(declaredCharset(bytes));
    if (charset == "UTF-8") {
      decodeUtf8(bytes, text, true);
      return finished();
    }
    if (!charset.empty()) {
      Converter converter(charset.c_str());
      if (converter.known() && converter.readsSgfStructure()) {
        text = withUnixLines(converter.convert(bytes));
        return finished();
      }
    }
  }
  if (!decodeUtf8(bytes, text, true)) text = withUnixLines(cp932ToUtf16(bytes));
  return finished();
}

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

std::u16string pathToText(const std::filesystem::path& path) { return utf8ToUtf16(path.string()); }

std::filesystem::path textToPath(std::u16string_view text) { return std::filesystem::path(utf16ToUtf8(text)); }

std::u16string withSlashes(std::u16string_view path) {
  std::u16string slashes(path);
  std::replace(slashes.begin(), slashes.end(), u'\\', u'/');
  return slashes;
}

}  // namespace mokuza
