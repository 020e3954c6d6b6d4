#pragma once
// Every conversion between bytes and the program's UTF-16 text.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/user_files.h"

namespace mokuza {

// UTF-8 to UTF-16. Each maximal ill-formed subsequence becomes one U+FFFD.
std::u16string utf8ToUtf16(std::string_view bytes);
// UTF-16 to UTF-8. Unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);
// CP932 (Shift_JIS as Windows writes it) to UTF-16; undecodable bytes become U+FFFD.
std::u16string cp932ToUtf16(std::string_view bytes);

// What a file holds: only a game record can name its charset (CA[...] in the
// root node of its first game).
enum class TextKind { Plain, GameRecord };

// File bytes as text, and whether some bytes could not be decoded: such a
// file is read in part, and writing it back loses what they held.
struct DecodedText {
  std::u16string text;
  bool readInPart = false;
};

// File bytes to text: CR LF pairs become LF and the text ends with a line
// feed. A byte-order mark, or the NUL bytes of a 16-bit file, decide first;
// then a charset the game record names that iconv knows (invalid sequences
// become U+FFFD); otherwise UTF-8 is UTF-8, even when it holds U+FFFD itself
// or a handful of ill-formed sequences among many good ones (each maximal
// ill-formed subsequence becomes one U+FFFD), and anything else is CP932.
DecodedText decodeFileText(std::string_view bytes, TextKind kind);
std::u16string decodeBytes(std::string_view bytes, TextKind kind);

// The largest text file the program reads: a game, a playlist, a list, a log.
constexpr std::uintmax_t kTextFileMax = std::uintmax_t{256} << 20;

// The whole of a regular file of at most kTextFileMax bytes, or nothing; for
// readers that stay silent about failures (platform::readUserFile says why).
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// LF becomes CR LF, then UTF-8 without a byte-order mark, written whole or not
// at all by platform::writeUserFile.
platform::FileStatus writeTextFile(const std::filesystem::path& path, std::u16string_view text);

// ASCII-only helpers for the many short literals of the program.
std::u16string asciiToUtf16(std::string_view ascii);

// At most `limit` UTF-16 units of a text, never splitting a surrogate pair.
std::u16string clipUtf16(std::u16string_view text, std::size_t limit);

// '\' becomes '/': stored paths may come from the Windows form of these files.
std::u16string withSlashes(std::u16string_view path);

// A file name as text, and the reverse: a name that is not UTF-8 keeps its
// bytes through both (shown, each such byte reads as U+FFFD).
std::u16string pathToText(const std::filesystem::path& path);
std::filesystem::path textToPath(std::u16string_view text);

}  // namespace mokuza
