#pragma once
// Which keys of the settings file are design values and design files.

#include <cstdint>
#include <string_view>

namespace mokuza {

// The typeface of the board texts, kept in the current game's information.
inline constexpr std::u16string_view kTypefaceLabel = u"書体";
inline constexpr std::string_view kTypefaceKey = "typeface";

// What a key names in the design: an integer value (design fields, display
// options) or a file (images and sounds; the game file is not a design file).
// The label is empty for any other key.
struct DesignKey {
  std::u16string_view label;
  bool file = false;
};
DesignKey designKey(std::string_view key);

// The label of an integer design key, empty for any other key.
std::u16string_view designLabelForKey(std::string_view key);

// The label of a design file key (images and sounds; the game file is not a
// design file), empty for any other key.
std::u16string_view designFileLabelForKey(std::string_view key);

// Opacities outside 0..255 would wrap in the colour matrices; they are held
// to that range.
std::int32_t sanitisedDesignValue(std::u16string_view label, std::int32_t value);

}  // namespace mokuza
