#include "core/record/text.h"

#include <algorithm>

#include <iconv.h>

#include <cerrno>
#include <fstream>
#include <system_error>
#include <unistd.h>

namespace mokuza {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

void appendCodePoint(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out.push_back(static_cast<char16_t>(cp));
  } else {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  }
}

// Decodes one UTF-8 sequence starting at i; returns its length, or 0 when malformed.
std::size_t decodeSequence(std::string_view in, std::size_t i, char32_t& cp) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(in[k]); };
  unsigned char b0 = byte(i);
  std::size_t length;
  char32_t min;
  if (b0 >= 0xC2 && b0 <= 0xDF) { length = 2; cp = b0 & 0x1F; min = 0x80; }
  else if (b0 >= 0xE0 && b0 <= 0xEF) { length = 3; cp = b0 & 0x0F; min = 0x800; }
  else if (b0 >= 0xF0 && b0 <= 0xF4) { length = 4; cp = b0 & 0x07; min = 0x10000; }
  else return 0;
  if (i + length > in.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    unsigned char b = byte(i + k);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

// As utf8ToUtf16, and tells whether any byte was malformed: a U+FFFD that
// the text holds itself is no sign of another encoding.
std::u16string decodeUtf8(std::string_view in, bool& malformed) {
  malformed = false;
  std::u16string out;
  out.reserve(in.size());
  std::size_t i = 0;
  while (i < in.size()) {
    // ASCII runs dominate game records; copy them without decoding.
    unsigned char b = static_cast<unsigned char>(in[i]);
    if (b < 0x80) {
      out.push_back(b);
      ++i;
      continue;
    }
    char32_t cp = 0;
    std::size_t length = decodeSequence(in, i, cp);
    if (length == 0) {
      out.push_back(kReplacement);
      malformed = true;
      ++i;
    } else {
      appendCodePoint(out, cp);
      i += length;
    }
  }
  return out;
}

}  // namespace

std::u16string utf8ToUtf16(std::string_view in) {
  bool malformed = false;
  return decodeUtf8(in, malformed);
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
  std::u16string out;
  iconv_t cd = iconv_open("UTF-16LE", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    for (unsigned char b : bytes) out.push_back(b < 0x80 ? b : kReplacement);
    return out;
  }
  std::string buffer(bytes.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    std::size_t produced = buffer.size() - outLeft;
    for (std::size_t k = 0; k + 1 < produced; k += 2)
      out.push_back(static_cast<char16_t>(static_cast<unsigned char>(buffer[k]) |
                                          (static_cast<unsigned char>(buffer[k + 1]) << 8)));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      // An invalid or truncated sequence: replace one byte and go on.
      out.push_back(kReplacement);
      ++in;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return out;
}

std::u16string decodeBytes(std::string_view bytes) {
  std::string normalised;
  normalised.reserve(bytes.size() + 1);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    normalised.push_back(bytes[i]);
  }
  if (normalised.empty() || normalised.back() != '\n') normalised.push_back('\n');
  bool malformed = false;
  std::u16string text = decodeUtf8(normalised, malformed);
  return malformed ? cp932ToUtf16(normalised) : text;
}

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  std::error_code ec;
  auto size = std::filesystem::file_size(path, ec);
  if (!ec) bytes.reserve(static_cast<std::size_t>(size));
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::path temp = path;
  temp += ".tmp" + std::to_string(::getpid());
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

std::u16string clipUtf16(std::u16string_view text, std::size_t limit) {
  std::size_t length = std::min(text.size(), limit);
  if (length < text.size() && length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
  return std::u16string(text.substr(0, length));
}

bool writeTextFile(const std::filesystem::path& path, std::u16string_view text) {
  std::string utf8 = utf16ToUtf8(text);
  std::string bytes;
  bytes.reserve(utf8.size() + utf8.size() / 32);
  for (char c : utf8) {
    if (c == '\n') bytes.push_back('\r');
    bytes.push_back(c);
  }
  return writeFileBytes(path, bytes);
}

std::u16string asciiToUtf16(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::u16string pathToText(const std::filesystem::path& path) { return utf8ToUtf16(path.string()); }

std::filesystem::path textToPath(std::u16string_view text) { return std::filesystem::path(utf16ToUtf8(text)); }

}  // namespace mokuza
