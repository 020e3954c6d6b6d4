#pragma once
// File copies and moves that never leave a half-written file or overwrite one
// that is already there.

#include <filesystem>
#include <system_error>

namespace mokuza {

// Copies a text file (a playlist and its snapshots) as platform::writeUserFile
// writes: whole or not at all. False when anything failed; `to` is then as it was.
bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to);

// Moves `from` to `to` unless `to` exists. Across file systems the file is
// copied beside `to` first and the original removed only once the copy stands
// under its name. A symbolic link moves as a link that still names the same
// file. Returns the error, empty on success.
std::error_code moveFileNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace mokuza
