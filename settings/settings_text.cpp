#include "settings/settings_text.h"

namespace mokuza {

std::optional<std::size_t> parseIndex(std::u16string_view digits) {
  if (digits.empty() || digits.size() > 9) return std::nullopt;
  std::size_t value = 0;
  for (char16_t c : digits) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + static_cast<std::size_t>(c - u'0');
  }
  return value;
}

std::optional<std::string> asciiKey(std::u16string_view text) {
  if (text.empty() || text.size() > kKeyMax) return std::nullopt;
  std::string key;
  for (char16_t c : text) {
    if (c <= u' ' || c >= 0x7F) return std::nullopt;
    key.push_back(static_cast<char>(c));
  }
  return key;
}

}  // namespace mokuza
