#pragma once
// The version this program writes into its game records and playlists.

#include <string_view>

namespace mokuza {

inline constexpr std::u16string_view kProgramVersion = u"5.5";

}  // namespace mokuza
