#pragma once
// Small text conversions of the settings file: numbers and ASCII keys.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mokuza {

// The integer at the start of a text: blanks, an optional sign, digits; 0
// when there is none. Values beyond 32 bits stop at the nearest limit.
std::int32_t parseLeadingInt(std::u16string_view text);

// The decimal digits of a whole text, or nothing when it holds anything
// else or is too long to be an index.
std::optional<std::size_t> parseIndex(std::u16string_view digits);

std::u16string decimal(std::int64_t value);

// A key of printable ASCII, or nothing. Longer keys than any the program
// writes are not keys.
std::optional<std::string> asciiKey(std::u16string_view text);
constexpr std::size_t kKeyMax = 64;

// The longest value a tag carries, the two recent lists and the column
// layouts aside.
constexpr std::size_t kValueMax = 6000;

// Cuts a text to at most `limit` UTF-16 units without splitting a surrogate pair.
std::u16string clipText(std::u16string_view text, std::size_t limit);

}  // namespace mokuza
