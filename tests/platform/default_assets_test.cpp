#include "platform/default_assets.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "platform/program_folder.h"
#include "tests/test_folder.h"

namespace fs = std::filesystem;
using namespace mokuza::platform;

class DefaultAssets : public ::testing::Test {
 protected:
  void SetUp() override {
    root = mokuza::test::freshTestFolder("mokuza-seed");
    defaults = root / "defaults";
    write(defaults / "gra" / "stone" / "blackmarble01.jpg", "shipped black");
    write(defaults / "gra" / "command" / "Mundo.jpg", "shipped undo");
    write(defaults / "black_sound.wav", "shipped click");
    write(defaults / "setting.dat", "the build's own settings");
  }
  void TearDown() override { fs::remove_all(root); }

  static void write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }
  // Every file below the folder, sorted, as "path:contents ".
  static std::string files(const fs::path& folder, const std::string& prefix = "") {
    std::map<std::string, std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      std::ifstream in(entry.path(), std::ios::binary);
      if (entry.is_regular_file())
        found[prefix + entry.path().lexically_relative(folder).string()] = {std::istreambuf_iterator<char>(in), {}};
    }
    std::string listed;
    for (const auto& [path, bytes] : found) listed += path + ":" + bytes + " ";
    return listed;
  }

  fs::path root, defaults;
};

TEST_F(DefaultAssets, SeedingFillsInMissingFilesAndKeepsTheUsersOwn) {
  const fs::path folder = root / "program";
  write(folder / "gra" / "stone" / "blackmarble01.jpg", "the user's black");

  EXPECT_EQ(seedDefaultAssets(defaults, folder), 2);
  // Only images and stone sounds are defaults; no temporary copy stays behind.
  EXPECT_EQ(files(folder),
            "black_sound.wav:shipped click gra/command/Mundo.jpg:shipped undo "
            "gra/stone/blackmarble01.jpg:the user's black ");

  EXPECT_EQ(seedDefaultAssets(defaults, folder), 0) << "a second start copies nothing";
  EXPECT_EQ(seedDefaultAssets(root / "nowhere", folder), 0);
  EXPECT_EQ(seedDefaultAssets(defaults, defaults), 0);
}

TEST_F(DefaultAssets, TheDataFolderAndAChosenFolderAreSeededAlike) {
  const fs::path exe = root / "bin";
  fs::create_directories(exe);
  ProgramFolderInputs in{"", exe, (root / "xdg").string(), root.string(), defaults};
  const fs::path xdg = resolveProgramFolder(in);
  EXPECT_EQ(xdg, root / "xdg" / "mokuza");
  EXPECT_EQ(files(xdg), "black_sound.wav:shipped click " + files(defaults / "gra", "gra/"));

  write(root / "chosen" / "black_sound.wav", "the user's click");
  in.mokuzaHome = (root / "chosen").string();
  EXPECT_EQ(resolveProgramFolder(in), root / "chosen");
  EXPECT_EQ(files(root / "chosen"), "black_sound.wav:the user's click " + files(defaults / "gra", "gra/"));
}

TEST_F(DefaultAssets, DefaultsAreFoundBesideTheProgramOrInItsShareFolder) {
  EXPECT_EQ(findDefaultAssets((root / "override").string(), defaults), root / "override");
  EXPECT_EQ(findDefaultAssets("", defaults), defaults);
  const fs::path installed = root / "usr";
  fs::create_directories(installed / "bin");
  fs::create_directories(installed / "share" / "mokuza" / "gra");
  EXPECT_EQ(findDefaultAssets("", installed / "bin"), installed / "share" / "mokuza");
  EXPECT_EQ(findDefaultAssets("", root / "empty"), fs::path());
  EXPECT_EQ(findDefaultAssets("", fs::path()), fs::path());
}
