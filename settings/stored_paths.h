#pragma once
// Paths in the settings file: written relative to the program folder, read
// back as full paths only when they name what they should.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mokuza {

// The form written: the file name when the path lies in the program folder,
// else the path relative to it, with '/' separators and no trailing one.
std::u16string storedPath(std::u16string_view path, const std::filesystem::path& programFolder);

// Whether a path survives the file form: a tag opener or a line break in it
// would end or split its value.
bool isStorablePath(std::u16string_view path);

enum class PathKind { File, Folder };

// A stored path ('\' or '/' separators, relative to the program folder or
// absolute) as a full path without "." or ".." steps, only when it names an
// existing regular file or folder. Devices, pipes and texts with control
// characters never resolve.
std::optional<std::u16string> resolveStoredPath(std::u16string_view value, const std::filesystem::path& programFolder,
                                                PathKind kind);

// The longest stored path taken; longer ones are no paths of this system.
constexpr std::size_t kStoredPathMax = 4096;

}  // namespace mokuza
