#pragma once
// The recent-games and recent-playlists lists, newest first.

#include <string>
#include <string_view>
#include <vector>

namespace mokuza {

constexpr int kRecentGamesCapacity = 10;
constexpr int kRecentPlaylistsCapacity = 100;
constexpr int kRecentGamesFirstCommand = 32841;
constexpr int kRecentPlaylistsFirstCommand = 52841;
constexpr std::size_t kRecentPathMax = 640;

struct RecentFiles {
  int capacity = kRecentGamesCapacity;
  std::vector<std::u16string> paths;
};

struct RecentMenuItem {
  int id = 0;
  std::u16string text;
};

bool isPlaylistPath(std::u16string_view path);
bool isGamePath(std::u16string_view path);

// Moves (or puts) the path to the front; the oldest falls off when full.
void addRecent(RecentFiles& list, std::u16string_view path);
// The menu items after the separator: the file name, or the full path when
// fullPaths is set. Empty when the list is empty (no separator either).
std::vector<RecentMenuItem> recentMenuItems(const RecentFiles& list, int firstCommand, bool fullPaths);

// The name after the last '\' or '/'.
std::u16string_view fileNameOf(std::u16string_view path);
// The name without its extension.
std::u16string_view stemOf(std::u16string_view path);

}  // namespace mokuza
