#pragma once
// The main window on a fresh program folder with headless services, started
// and shown as a user sees it.

#include <QTest>

#include "tests/app/app_test_support.h"
#include "ui/board_view.h"
#include "ui/main_window.h"

namespace mokuza::test {

class WindowTest : public ::testing::Test {
 protected:
  ~WindowTest() override {
    window.reset();
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  // Start-up, then the composition and the paint it queued.
  void start(const std::vector<std::u16string>& arguments = {}) {
    window->start(arguments);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->boardView().setFocus();
    QCoreApplication::processEvents();
  }
  app::Application& app() { return window->application(); }

  fs::path folder = freshProgramFolder();
  platform::HeadlessServices services;
  std::unique_ptr<ui::MainWindow> window = std::make_unique<ui::MainWindow>(services, folder);
};

}  // namespace mokuza::test
