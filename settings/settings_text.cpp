#include "settings/settings_text.h"

#include <algorithm>
#include <limits>

#include "core/record/text.h"

namespace mokuza {

std::int32_t parseLeadingInt(std::u16string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                                      : std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > limit) value = limit;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

std::optional<std::size_t> parseIndex(std::u16string_view digits) {
  if (digits.empty() || digits.size() > 9) return std::nullopt;
  std::size_t value = 0;
  for (char16_t c : digits) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + static_cast<std::size_t>(c - u'0');
  }
  return value;
}

std::u16string decimal(std::int64_t value) { return asciiToUtf16(std::to_string(value)); }

std::optional<std::string> asciiKey(std::u16string_view text) {
  if (text.empty() || text.size() > kKeyMax) return std::nullopt;
  std::string key;
  for (char16_t c : text) {
    if (c <= u' ' || c >= 0x7F) return std::nullopt;
    key.push_back(static_cast<char>(c));
  }
  return key;
}

std::u16string clipText(std::u16string_view text, std::size_t limit) {
  std::size_t length = std::min(text.size(), limit);
  if (length < text.size() && length > 0 && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) --length;
  return std::u16string(text.substr(0, length));
}

}  // namespace mokuza
