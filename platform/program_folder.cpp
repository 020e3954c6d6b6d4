#include "platform/program_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "platform/default_assets.h"

namespace mokuza::platform {
namespace {

std::string envOrEmpty(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

bool isWritableFolder(const std::filesystem::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

}  // namespace

std::filesystem::path resolveProgramFolder(const ProgramFolderInputs& inputs) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!inputs.mokuzaHome.empty()) {
    // Made absolute once, so that a later change of the working folder cannot move it.
    const fs::path home = fs::absolute(inputs.mokuzaHome, ec);
    if (ec) return {};
    fs::create_directories(home, ec);
    seedDefaultAssets(inputs.defaultAssets, home);
    return home;
  }
  if (!inputs.executableDir.empty() && fs::is_directory(inputs.executableDir / "gra", ec) &&
      isWritableFolder(inputs.executableDir)) {
    return inputs.executableDir;
  }
  // Relative values are ignored, as the base-directory convention asks.
  const fs::path xdg = inputs.xdgDataHome, home = inputs.home;
  const fs::path chosen = xdg.is_absolute()    ? xdg / "mokuza"
                          : home.is_absolute() ? home / ".local" / "share" / "mokuza"
                                               : fs::path();
  if (chosen.empty()) return {};
  fs::create_directories(chosen, ec);
  seedDefaultAssets(inputs.defaultAssets, chosen);
  return chosen;
}

std::filesystem::path resolveProgramFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  ProgramFolderInputs inputs;
  inputs.mokuzaHome = envOrEmpty("MOKUZA_HOME");
  inputs.executableDir = ec ? std::filesystem::path() : exe.parent_path();
  inputs.xdgDataHome = envOrEmpty("XDG_DATA_HOME");
  inputs.home = envOrEmpty("HOME");
  inputs.defaultAssets = findDefaultAssets(envOrEmpty("MOKUZA_ASSET_DIR"), inputs.executableDir);
  return resolveProgramFolder(inputs);
}

}  // namespace mokuza::platform
