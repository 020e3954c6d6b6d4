#include "platform/user_files.h"
#include "tests/test_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;
using mokuza::platform::FileProblem;
using mokuza::platform::readUserFile;
using mokuza::platform::writeUserFile;

namespace {

class UserFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = mokuza::test::freshTestFolder("mokuza-files");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    fs::create_directory(dir / "folder.sgf");
  }
  void TearDown() override { fs::remove_all(dir); }

  fs::path put(const std::string& name, const std::string& bytes, fs::perms mode = fs::perms(0644)) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    fs::permissions(dir / name, mode);
    return dir / name;
  }
  std::string slurp(const fs::path& path) {
    std::stringstream buffer;
    buffer << std::ifstream(path, std::ios::binary).rdbuf();
    return buffer.str();
  }
  std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
  static unsigned mode(const fs::path& path) { return static_cast<unsigned>(fs::status(path).permissions()); }

  fs::path dir;
};

TEST_F(UserFiles, ReadRefusesWhatIsNoRegularFileWithoutBlocking) {
  put("game.sgf", "(;B[aa])");
  put("big.sgf", std::string(101, 'x'));
  const struct {
    fs::path path;
    FileProblem problem;
    std::string error;
  } cases[] = {
      {dir / "game.sgf", FileProblem::None, ""},
      {dir / "absent.sgf", FileProblem::Missing, "cannot open " + (dir / "absent.sgf").string() + ": no such file"},
      {dir / "folder.sgf", FileProblem::Folder, (dir / "folder.sgf").string() + " is a folder"},
      {dir / "pipe", FileProblem::NotRegular, (dir / "pipe").string() + " is not a regular file"},
      {"/dev/zero", FileProblem::NotRegular, "/dev/zero is not a regular file"},
      {dir / "big.sgf", FileProblem::TooLarge, (dir / "big.sgf").string() + " is larger than 100 bytes"},
  };
  for (const auto& c : cases) {
    const auto read = readUserFile(c.path, 100);
    EXPECT_EQ(read.problem, c.problem) << c.path;
    EXPECT_EQ(read.error, c.error);
  }
  EXPECT_EQ(readUserFile(dir / "game.sgf", 100).bytes, "(;B[aa])");
  EXPECT_EQ(readUserFile(dir / "big.sgf", 2u << 20).bytes.size(), 101u);
  // Files of /proc say they are empty and yet hold text.
  EXPECT_EQ(readUserFile("/proc/self/maps", 16).problem, FileProblem::TooLarge);
  EXPECT_GT(readUserFile("/proc/self/maps", 1u << 20).bytes.size(), 16u);
}

TEST_F(UserFiles, WriteReplacesWholeKeepsPermissionsAndLeavesNoTemporary) {
  const fs::path game = put("game.sgf", "old and longer", fs::perms(0600));
  ASSERT_TRUE(writeUserFile(game, "new"));
  EXPECT_EQ(slurp(game) + " " + std::to_string(mode(game)), "new " + std::to_string(0600));

  const mode_t umask = ::umask(027);
  ASSERT_TRUE(writeUserFile(dir / "fresh.sgf", "x"));
  ::umask(umask);
  EXPECT_EQ(mode(dir / "fresh.sgf"), 0640u) << "a new file is made as the umask says";
  EXPECT_EQ(entries(), 4u) << "pipe, folder.sgf, game.sgf, fresh.sgf";
}

TEST_F(UserFiles, WriteGoesThroughSymbolicLinksToTheirTarget) {
  fs::create_directory(dir / "real");
  const fs::path target = put("real/game.sgf", "old", fs::perms(0640));
  fs::create_symlink("real/game.sgf", dir / "link.sgf");
  fs::create_symlink("link.sgf", dir / "chain.sgf");
  fs::create_symlink("real/new.sgf", dir / "dangling.sgf");
  for (const char* name : {"link.sgf", "chain.sgf", "dangling.sgf"})
    ASSERT_TRUE(writeUserFile(dir / name, name)) << name;
  EXPECT_TRUE(fs::is_symlink(dir / "link.sgf") && fs::is_symlink(dir / "chain.sgf"));
  EXPECT_EQ(slurp(target) + " " + slurp(dir / "real" / "new.sgf"), "chain.sgf dangling.sgf");
  EXPECT_EQ(mode(target), 0640u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), {}), 2);
}

TEST_F(UserFiles, WriteRefusesAndLeavesTheTargetAsItWas) {
  const fs::path locked = put("locked.sgf", "keep", fs::perms(0444));
  fs::create_symlink("pipe", dir / "to-pipe");
  const struct {
    fs::path path;
    FileProblem problem;
    std::string error;
  } cases[] = {
      {dir / "folder.sgf", FileProblem::Folder, (dir / "folder.sgf").string() + " is a folder"},
      {dir / "pipe", FileProblem::NotRegular, (dir / "pipe").string() + " is not a regular file"},
      {dir / "to-pipe", FileProblem::NotRegular, (dir / "to-pipe").string() + " is not a regular file"},
      {locked, FileProblem::ReadOnly, locked.string() + " is read-only"},
      {dir / "none" / "x.sgf", FileProblem::Missing,
       "cannot write " + (dir / "none" / "x.sgf").string() + ": no such folder"},
  };
  for (const auto& c : cases) {
    const auto written = writeUserFile(c.path, "new");
    EXPECT_EQ(written.problem, c.problem) << c.path;
    EXPECT_EQ(written.error, c.error);
  }
  EXPECT_EQ(fs::status(dir / "pipe").type(), fs::file_type::fifo);
  EXPECT_EQ(slurp(locked), "keep");
  EXPECT_EQ(entries(), 4u) << "nothing left behind";
}

}  // namespace
