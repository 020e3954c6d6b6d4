#pragma once
// The recent-games and recent-playlists lists, newest first.

#include <string>
#include <string_view>
#include <vector>

namespace mokuza {

constexpr int kRecentGamesCapacity = 10;
constexpr int kRecentPlaylistsCapacity = 100;
constexpr std::size_t kRecentPathMax = 640;

struct RecentFiles {
  int capacity = kRecentGamesCapacity;
  std::vector<std::u16string> paths;
};

bool isPlaylistPath(std::u16string_view path);
bool isGamePath(std::u16string_view path);

// Moves (or puts) the path to the front; the oldest falls off when full.
void addRecent(RecentFiles& list, std::u16string_view path);
// The menu texts after the separator, newest first: the file name, or the
// full path when fullPaths is set. Empty when the list is empty (no separator
// either).
std::vector<std::u16string> recentMenuTexts(const RecentFiles& list, bool fullPaths);

// The name after the last '\' or '/'.
std::u16string_view fileNameOf(std::u16string_view path);
// The name without its extension.
std::u16string_view stemOf(std::u16string_view path);

}  // namespace mokuza
