#pragma once
// The Qt application object that drawing text needs, for programs without a
// window: the command-line tool, the tests and the benchmarks.

#include <QGuiApplication>

#include <memory>

namespace mokuza::render {

// Creates the application unless one exists. Without a display Qt would stop,
// so it draws off screen unless QT_QPA_PLATFORM says otherwise.
class OffscreenQt {
 public:
  OffscreenQt();
  OffscreenQt(const OffscreenQt&) = delete;
  OffscreenQt& operator=(const OffscreenQt&) = delete;

 private:
  int argc_ = 1;
  char name_[7] = "mokuza";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace mokuza::render
