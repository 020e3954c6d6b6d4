#pragma once
// One record type for a playlist entry, the shown design and the design
// clipboard: integer values and texts by their Japanese labels. The document
// keeps the current game's information and design in it; the playlist keeps
// one per game.

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace mokuza {

using LabelMap = std::map<std::u16string, std::u16string, std::less<>>;

struct PlaylistEntry {
  std::int32_t number = 0;
  std::array<std::uint32_t, 16> figureEnds{};
  std::map<std::u16string, std::int32_t, std::less<>> intFields;
  LabelMap textFields;
  LabelMap fileFolders;  // file fields split at the last '\' or '/'
  LabelMap fileNames;

  bool operator==(const PlaylistEntry&) const = default;
};

using Design = PlaylistEntry;

inline constexpr std::u16string_view kSgfFileLabel = u"SGFファイル";

// Stores a path under a file label, split into folder (with its separator) and name.
void SetFilePath(PlaylistEntry& entry, std::u16string_view label, std::u16string_view path);
// The joined path of a file label, empty when absent.
std::u16string FilePath(const PlaylistEntry& entry, std::u16string_view label);

std::int32_t intField(const PlaylistEntry& entry, std::u16string_view label, std::int32_t fallback);
std::u16string_view textField(const PlaylistEntry& entry, std::u16string_view label);

}  // namespace mokuza
