// The window tests need a widgets application; it draws off screen on one
// 1920 × 1080 screen, so the window lays out as on a desktop.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

class WidgetsEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    const std::filesystem::path screen = std::filesystem::temp_directory_path() / "mokuza-ui-test-screen.json";
    std::ofstream(screen) << R"({"screens":[{"name":"S","x":0,"y":0,"width":1920,"height":1080,)"
                          << R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})";
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + screen.string().c_str());
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

 private:
  int argc_ = 1;
  char name_[7] = "mokuza";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kWidgets = ::testing::AddGlobalTestEnvironment(new WidgetsEnvironment);

}  // namespace
