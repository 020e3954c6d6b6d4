#include "render/offscreen_qt.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace mokuza::render {

OffscreenQt::OffscreenQt() {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Without a runtime folder of the user's own Qt warns on stderr at every start.
  std::error_code ec;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
  if (std::getenv("XDG_RUNTIME_DIR") == nullptr && !ec) {
    const std::filesystem::path runtime = temp / ("mokuza-runtime-" + std::to_string(::getuid()));
    std::filesystem::create_directory(runtime, ec);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all, ec);
    if (!ec && std::filesystem::is_directory(runtime, ec)) ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
  }
  if (QGuiApplication::instance() == nullptr) app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

}  // namespace mokuza::render
