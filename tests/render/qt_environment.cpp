// The picture tests draw text, which needs a Qt application object.
#include <gtest/gtest.h>

#include <memory>

#include "render/offscreen_qt.h"

namespace {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { qt_ = std::make_unique<mokuza::render::OffscreenQt>(); }
  void TearDown() override { qt_.reset(); }

 private:
  std::unique_ptr<mokuza::render::OffscreenQt> qt_;
};

[[maybe_unused]] ::testing::Environment* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
