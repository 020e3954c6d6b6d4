#include "platform/default_assets.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <set>
#include <string>

#include "platform/program_folder.h"
#include "tests/test_folder.h"

namespace fs = std::filesystem;
using namespace mokuza::platform;

class DefaultAssets : public ::testing::Test {
 protected:
  void SetUp() override {
    root = mokuza::test::freshTestFolder("mokuza-seed");
    exe = root / "usr" / "bin";
    fs::create_directories(exe);
    defaults = root / "usr" / "share" / "mokuza";
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
  static std::string files(const fs::path& folder) {
    std::set<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      found.insert(entry.path().lexically_relative(folder).string() + ":" +
                   std::string(std::istreambuf_iterator<char>(in), {}) + " ");
    }
    return std::accumulate(found.begin(), found.end(), std::string());
  }

  fs::path root, exe, defaults;
};

// Only images and stone sounds are defaults; no temporary copy stays behind.
TEST_F(DefaultAssets, ResolvingAFolderSeedsMissingFilesAndKeepsTheUsersOwn) {
  ProgramFolderInputs in{"", exe, (root / "xdg").string(), root.string(), findDefaultAssets("", exe)};
  EXPECT_EQ(files(resolveProgramFolder(in)),
            "black_sound.wav:shipped click gra/command/Mundo.jpg:shipped undo "
            "gra/stone/blackmarble01.jpg:shipped black ");

  const fs::path chosen = root / "chosen";
  write(chosen / "gra" / "stone" / "blackmarble01.jpg", "the user's black");
  in.mokuzaHome = chosen.string();
  EXPECT_EQ(resolveProgramFolder(in), chosen);
  EXPECT_EQ(files(chosen),
            "black_sound.wav:shipped click gra/command/Mundo.jpg:shipped undo "
            "gra/stone/blackmarble01.jpg:the user's black ");
  EXPECT_EQ(seedDefaultAssets(defaults, chosen), 0) << "a second start copies nothing";
}

// A copy that fails half-way (a full disk, here a file size limit) leaves no
// partial file behind, under its own name or a temporary one.
TEST_F(DefaultAssets, AFailedCopyLeavesNoPartFile) {
  write(defaults / "gra" / "back" / "big.jpg", std::string(64 << 10, 'x'));
  const fs::path target = root / "target";
  fs::create_directories(target);
  rlimit before{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
  const auto ignoring = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = before;
  limited.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
  seedDefaultAssets(defaults, target);
  ::setrlimit(RLIMIT_FSIZE, &before);
  std::signal(SIGXFSZ, ignoring);
  for (const auto& entry : fs::recursive_directory_iterator(target))
    EXPECT_EQ(entry.path().string().find(".part-"), std::string::npos) << entry.path();
  EXPECT_FALSE(fs::exists(target / "gra" / "back" / "big.jpg"));
}

TEST_F(DefaultAssets, DefaultsAreFoundBesideTheProgramOrInItsShareFolder) {
  EXPECT_EQ(findDefaultAssets((root / "override").string(), exe), root / "override");
  EXPECT_EQ(findDefaultAssets("", defaults), defaults) << "a folder with gra/ holds them";
  EXPECT_EQ(findDefaultAssets("", exe), defaults);
  EXPECT_EQ(findDefaultAssets("", root / "empty"), fs::path());
}
