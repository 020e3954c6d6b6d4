#pragma once
// A folder of its own for the running test.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace mokuza::test {

// An empty folder named after the prefix, the process and the running test;
// whatever an earlier run left there is removed first.
inline std::filesystem::path freshTestFolder(const std::string& prefix) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      (prefix + "-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

}  // namespace mokuza::test
