#pragma once
// The default images (gra/) and stone sounds shipped with the program, and
// the seeding of a program folder that does not hold them yet.

#include <filesystem>
#include <string>

namespace mokuza::platform {

// The folder holding the shipped defaults: `assetDirOverride` ($MOKUZA_ASSET_DIR)
// when not empty; else the program's own folder when it holds gra/; else
// ../share/mokuza beside it when that holds gra/; else an empty path.
std::filesystem::path findDefaultAssets(const std::string& assetDirOverride,
                                        const std::filesystem::path& executableDir);

// Copies gra/ (with its subfolders) and the two stone sounds from
// `defaultsDir` into `programFolder`, file by file, skipping every file that
// is already there so a user's own images and sounds are never replaced.
// Returns the number of files copied; a missing `defaultsDir` copies nothing.
int seedDefaultAssets(const std::filesystem::path& defaultsDir, const std::filesystem::path& programFolder);

}  // namespace mokuza::platform
