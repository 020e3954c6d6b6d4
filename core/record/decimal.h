#pragma once
// Numbers in playlist and settings texts: read as C reads them (leading blanks, a sign,
// digits up to the first non-digit), held to the range of the target instead
// of overflowing.

#include <cstdint>
#include <string>
#include <string_view>

namespace mokuza {

std::int64_t parseLeadingNumber(std::u16string_view text, std::int64_t low, std::int64_t high);

inline std::int32_t parseInt32(std::u16string_view text) {
  return static_cast<std::int32_t>(parseLeadingNumber(text, INT32_MIN, INT32_MAX));
}

// Decimal text of a number.
std::u16string decimalText(std::int64_t value);

}  // namespace mokuza
