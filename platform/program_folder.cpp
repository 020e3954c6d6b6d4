#include "platform/program_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace mokuza::platform {
namespace {

std::string envOrEmpty(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

bool isWritableFolder(const std::filesystem::path& folder) {
  return ::access(folder.c_str(), W_OK) == 0;
}

}  // namespace

std::filesystem::path resolveProgramFolder(const ProgramFolderInputs& inputs) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path chosen;
  if (!inputs.mokuzaHome.empty()) {
    chosen = inputs.mokuzaHome;
  } else if (!inputs.executableDir.empty() && fs::is_directory(inputs.executableDir / "gra", ec) &&
             isWritableFolder(inputs.executableDir)) {
    chosen = inputs.executableDir;
  } else if (!inputs.xdgDataHome.empty()) {
    chosen = fs::path(inputs.xdgDataHome) / "mokuza";
  } else {
    chosen = fs::path(inputs.home.empty() ? "." : inputs.home) / ".local" / "share" / "mokuza";
  }
  fs::create_directories(chosen, ec);
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
  return resolveProgramFolder(inputs);
}

}  // namespace mokuza::platform
