#include "platform/default_assets.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <string_view>
#include <system_error>

namespace mokuza::platform {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kImageFolder = "gra";
constexpr std::array<std::string_view, 2> kStoneSounds = {"black_sound.wav", "white_sound.wav"};

bool holdsImages(const fs::path& folder) {
  std::error_code ec;
  return !folder.empty() && fs::is_directory(folder / kImageFolder, ec);
}

// Copies through a private temporary name and links it into place: link()
// refuses a name that exists, so a file that appeared meanwhile (another
// starting instance, or the user) is kept, and nobody sees a half-written file.
bool copyIfMissing(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(to, ec))) return false;
  fs::create_directories(to.parent_path(), ec);
  fs::path part = to;
  part += ".part-" + std::to_string(::getpid());
  if (!fs::copy_file(from, part, fs::copy_options::overwrite_existing, ec)) {
    fs::remove(part, ec);  // a full disk leaves an empty or partial copy
    return false;
  }
  bool placed = ::link(part.c_str(), to.c_str()) == 0;
  const int linkError = placed ? 0 : errno;
  if (!placed && linkError != EEXIST && !fs::exists(fs::symlink_status(to, ec))) {
    // File systems without hard links: the check above leaves a short race only there.
    fs::rename(part, to, ec);
    placed = !ec;
  }
  fs::remove(part, ec);
  return placed;
}

}  // namespace

fs::path findDefaultAssets(const std::string& assetDirOverride, const fs::path& executableDir) {
  if (!assetDirOverride.empty()) return assetDirOverride;
  if (holdsImages(executableDir)) return executableDir;
  if (!executableDir.empty()) {
    const fs::path shared = executableDir.parent_path() / "share" / "mokuza";
    if (holdsImages(shared)) return shared;
  }
  return {};
}

int seedDefaultAssets(const fs::path& defaultsDir, const fs::path& programFolder) {
  std::error_code ec;
  if (!holdsImages(defaultsDir) || fs::equivalent(defaultsDir, programFolder, ec)) return 0;
  int copied = 0;
  std::error_code walk;
  fs::recursive_directory_iterator it(defaultsDir / kImageFolder, fs::directory_options::skip_permission_denied, walk);
  for (; !walk && it != fs::recursive_directory_iterator(); it.increment(walk)) {
    if (!it->is_regular_file(ec)) continue;
    const fs::path relative = it->path().lexically_relative(defaultsDir);
    if (copyIfMissing(it->path(), programFolder / relative)) ++copied;
  }
  for (std::string_view sound : kStoneSounds) {
    if (fs::is_regular_file(defaultsDir / sound, ec) && copyIfMissing(defaultsDir / sound, programFolder / sound)) {
      ++copied;
    }
  }
  return copied;
}

}  // namespace mokuza::platform
