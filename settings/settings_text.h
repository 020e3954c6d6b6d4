#pragma once
// Small text conversions of the settings file: numbers and ASCII keys.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mokuza {

// The decimal digits of a whole text, or nothing when it holds anything
// else or is too long to be an index.
std::optional<std::size_t> parseIndex(std::u16string_view digits);

// A key of printable ASCII, or nothing. Longer keys than any the program
// writes are not keys.
std::optional<std::string> asciiKey(std::u16string_view text);
constexpr std::size_t kKeyMax = 64;

// The longest value a tag carries, the two recent lists and the column
// layouts aside.
constexpr std::size_t kValueMax = 6000;

}  // namespace mokuza
