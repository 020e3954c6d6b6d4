#pragma once
// Every conversion between bytes and the program's UTF-16 text.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mokuza {

// UTF-8 to UTF-16. Malformed sequences become U+FFFD.
std::u16string utf8ToUtf16(std::string_view bytes);
// UTF-16 to UTF-8. Unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);
// CP932 (Shift_JIS as Windows writes it) to UTF-16; undecodable bytes become U+FFFD.
std::u16string cp932ToUtf16(std::string_view bytes);

// File bytes to text: CR LF pairs become LF, the text ends with a line feed,
// and bytes that are not well-formed UTF-8 are decoded again as CP932 (a
// U+FFFD written as UTF-8 is well-formed).
std::u16string decodeBytes(std::string_view bytes);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Bytes written to a temporary file in the same folder and renamed into
// place, so that a failed write never leaves a half-written file. Returns
// false on failure.
bool writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

// LF becomes CR LF, then UTF-8 without a byte-order mark, written as
// writeFileBytes does.
bool writeTextFile(const std::filesystem::path& path, std::u16string_view text);

// ASCII-only helpers for the many short literals of the program.
std::u16string asciiToUtf16(std::string_view ascii);

// At most `limit` UTF-16 units of a text, never splitting a surrogate pair.
std::u16string clipUtf16(std::u16string_view text, std::size_t limit);

// A file name as text, and the reverse; both work on the UTF-8 form of paths.
std::u16string pathToText(const std::filesystem::path& path);
std::filesystem::path textToPath(std::u16string_view text);

}  // namespace mokuza
