#include "core/document/recent_files.h"

#include <algorithm>

namespace mokuza {

bool isPlaylistPath(std::u16string_view path) { return path.ends_with(u".gpl") || path.ends_with(u".GPL"); }
bool isGamePath(std::u16string_view path) { return path.ends_with(u".sgf") || path.ends_with(u".SGF"); }

std::u16string_view fileNameOf(std::u16string_view path) {
  const std::size_t cut = path.find_last_of(u"\\/");
  return cut == std::u16string_view::npos ? path : path.substr(cut + 1);
}

std::u16string_view stemOf(std::u16string_view path) {
  std::u16string_view name = fileNameOf(path);
  const std::size_t dot = name.rfind(u'.');
  return dot == std::u16string_view::npos || dot == 0 ? name : name.substr(0, dot);
}

void addRecent(RecentFiles& list, std::u16string_view path) {
  std::u16string entry(path.substr(0, kRecentPathMax));
  auto found = std::find(list.paths.begin(), list.paths.end(), entry);
  if (found != list.paths.end()) list.paths.erase(found);
  list.paths.insert(list.paths.begin(), std::move(entry));
  if (static_cast<int>(list.paths.size()) > list.capacity) list.paths.resize(static_cast<std::size_t>(list.capacity));
}

std::vector<std::u16string> recentMenuTexts(const RecentFiles& list, bool fullPaths) {
  std::vector<std::u16string> texts;
  for (const std::u16string& path : list.paths) texts.push_back(fullPaths ? path : std::u16string(fileNameOf(path)));
  return texts;
}

}  // namespace mokuza
