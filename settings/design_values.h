#pragma once
// The typeface of the board texts, kept in the current game's information.

#include <string_view>

namespace mokuza {

inline constexpr std::u16string_view kTypefaceLabel = u"書体";
inline constexpr std::string_view kTypefaceKey = "typeface";

}  // namespace mokuza
