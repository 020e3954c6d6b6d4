#include "core/record/decimal.h"

namespace mokuza {

std::int64_t parseLeadingNumber(std::u16string_view text, std::int64_t low, std::int64_t high) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  std::int64_t value = 0;
  const std::int64_t limit = negative ? -low : high;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value >= limit) {
      value = limit;
      break;
    }
  }
  return negative ? -value : value;
}

std::u16string decimalText(std::int64_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace mokuza
