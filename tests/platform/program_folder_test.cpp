#include "platform/program_folder.h"
#include "tests/test_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

namespace fs = std::filesystem;
using mokuza::platform::ProgramFolderInputs;
using mokuza::platform::resolveProgramFolder;

class ProgramFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root = mokuza::test::freshTestFolder("mokuza-folder");
    fs::create_directories(root / "exe");
  }
  void TearDown() override {
    fs::permissions(root / "exe", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(root);
  }
  fs::path root;
};

TEST_F(ProgramFolder, EnvironmentVariableWinsAndIsCreated) {
  fs::create_directories(root / "exe" / "gra");
  ProgramFolderInputs in{(root / "home-override").string(), root / "exe", (root / "xdg").string(), root.string(), {}};
  EXPECT_EQ(resolveProgramFolder(in), root / "home-override");
  EXPECT_TRUE(fs::is_directory(root / "home-override"));
}

TEST_F(ProgramFolder, PortableLayoutNeedsGraAndWriteAccess) {
  ProgramFolderInputs in{"", root / "exe", (root / "xdg").string(), root.string(), {}};
  EXPECT_EQ(resolveProgramFolder(in), root / "xdg" / "mokuza") << "no gra/ beside the program";

  fs::create_directories(root / "exe" / "gra");
  EXPECT_EQ(resolveProgramFolder(in), root / "exe");

  if (::geteuid() != 0) {  // root writes everywhere, so the read-only case cannot be shown
    fs::permissions(root / "exe", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(resolveProgramFolder(in), root / "xdg" / "mokuza");
  }
}

TEST_F(ProgramFolder, FallsBackToLocalShareUnderHome) {
  ProgramFolderInputs in{"", root / "exe", "", (root / "user").string(), {}};
  EXPECT_EQ(resolveProgramFolder(in), root / "user" / ".local" / "share" / "mokuza");
  EXPECT_TRUE(fs::is_directory(root / "user" / ".local" / "share" / "mokuza"));
}

TEST_F(ProgramFolder, NeverRelativeToTheWorkingFolder) {
  const fs::path working = fs::current_path();
  fs::current_path(root);
  const struct {
    std::string mokuzaHome, xdg, home;
    fs::path expected;
  } cases[] = {
      {"", "", "", {}},
      {"", "relative/xdg", "relative/home", {}},
      {"", "relative/xdg", (root / "user").string(), root / "user" / ".local" / "share" / "mokuza"},
      {"chosen", "", "", root / "chosen"},
  };
  for (const auto& c : cases) {
    ProgramFolderInputs in{c.mokuzaHome, root / "exe", c.xdg, c.home, {}};
    EXPECT_EQ(resolveProgramFolder(in), c.expected) << c.mokuzaHome << "|" << c.xdg << "|" << c.home;
  }
  EXPECT_FALSE(fs::exists(root / ".local")) << "nothing made in the working folder";
  fs::current_path(working);
}
