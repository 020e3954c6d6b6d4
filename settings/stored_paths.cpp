#include "settings/stored_paths.h"

#include <algorithm>
#include <system_error>

#include "core/record/text.h"

namespace mokuza {
namespace {

namespace fs = std::filesystem;

// The folder without a trailing separator, so that relative paths are taken
// from the folder itself.
fs::path normalFolder(const fs::path& folder) {
  fs::path normal = folder.lexically_normal();
  if (!normal.has_filename() && normal.has_parent_path() && normal != normal.root_path()) normal = normal.parent_path();
  return normal;
}

std::u16string withoutTrailingSeparator(std::u16string text) {
  while (text.size() > 1 && text.back() == u'/') text.pop_back();
  return text;
}

}  // namespace

std::u16string storedPath(std::u16string_view path, const fs::path& programFolder) {
  const fs::path target = textToPath(withSlashes(path)).lexically_normal();
  if (target.is_relative()) return withoutTrailingSeparator(pathToText(target));
  const fs::path relative = target.lexically_relative(normalFolder(programFolder));
  return withoutTrailingSeparator(pathToText(relative.empty() ? target : relative));
}

bool isStorablePath(std::u16string_view path) {
  if (path.empty() || path.size() > kStoredPathMax) return false;
  return std::none_of(path.begin(), path.end(), [](char16_t c) { return c < u' ' || c == u'<'; });
}

std::optional<std::u16string> resolveStoredPath(std::u16string_view value, const fs::path& programFolder,
                                                PathKind kind) {
  if (!isStorablePath(value)) return std::nullopt;
  fs::path path = textToPath(withSlashes(value));
  if (path.is_relative()) path = normalFolder(programFolder) / path;
  path = path.lexically_normal();
  std::error_code ec;
  const bool found = kind == PathKind::File ? fs::is_regular_file(path, ec) : fs::is_directory(path, ec);
  if (!found || ec) return std::nullopt;
  return withoutTrailingSeparator(pathToText(path));
}

}  // namespace mokuza
