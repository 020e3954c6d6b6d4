#include "core/document/playlist_entry.h"

namespace mokuza {

void SetFilePath(PlaylistEntry& entry, std::u16string_view label, std::u16string_view path) {
  const std::size_t cut = path.find_last_of(u"\\/");
  const std::size_t split = cut == std::u16string_view::npos ? 0 : cut + 1;
  entry.fileFolders.insert_or_assign(std::u16string(label), std::u16string(path.substr(0, split)));
  entry.fileNames.insert_or_assign(std::u16string(label), std::u16string(path.substr(split)));
}

std::u16string FilePath(const PlaylistEntry& entry, std::u16string_view label) {
  std::u16string path;
  if (auto it = entry.fileFolders.find(label); it != entry.fileFolders.end()) path = it->second;
  if (auto it = entry.fileNames.find(label); it != entry.fileNames.end()) path += it->second;
  return path;
}

std::int32_t intField(const PlaylistEntry& entry, std::u16string_view label, std::int32_t fallback) {
  auto it = entry.intFields.find(label);
  return it == entry.intFields.end() ? fallback : it->second;
}

std::u16string_view textField(const PlaylistEntry& entry, std::u16string_view label) {
  auto it = entry.textFields.find(label);
  return it == entry.textFields.end() ? std::u16string_view() : std::u16string_view(it->second);
}

}  // namespace mokuza
