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

// The variable, then a writable program folder with gra/ beside it, then
// XDG_DATA_HOME, then HOME: what is chosen is created, and nothing is relative
// to the working folder.
TEST_F(ProgramFolder, ChoosesInOrderAndNeverRelativeToTheWorkingFolder) {
  const fs::path working = fs::current_path();
  fs::current_path(root);
  const fs::path share = root / "user" / ".local" / "share" / "mokuza";
  const struct {
    std::string mokuzaHome, xdg, home;
    fs::path expected;
  } cases[] = {
      {"", "", (root / "user").string(), share}, {"", "", "", {}},
      {"", "relative/xdg", "relative/home", {}}, {"", "relative/xdg", (root / "user").string(), share},
      {"chosen", "", "", root / "chosen"},
  };
  for (const auto& c : cases) {
    ProgramFolderInputs in{c.mokuzaHome, root / "exe", c.xdg, c.home, {}};
    EXPECT_EQ(resolveProgramFolder(in), c.expected) << c.mokuzaHome << "|" << c.xdg << "|" << c.home;
    EXPECT_TRUE(c.expected.empty() || fs::is_directory(c.expected)) << c.expected;
  }
  EXPECT_FALSE(fs::exists(root / ".local")) << "nothing made in the working folder";
  fs::current_path(working);

  fs::create_directories(root / "exe" / "gra");
  ProgramFolderInputs in{"", root / "exe", (root / "xdg").string(), "", {}};
  EXPECT_EQ(resolveProgramFolder(in), root / "exe");
  if (::geteuid() != 0) {  // root writes everywhere, so the read-only case cannot be shown
    fs::permissions(root / "exe", fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_EQ(resolveProgramFolder(in), root / "xdg" / "mokuza");
  }
  in.mokuzaHome = (root / "override").string();
  EXPECT_EQ(resolveProgramFolder(in), root / "override") << "the variable beats a portable layout";
}
