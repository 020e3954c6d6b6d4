#include "platform/user_files.h"
#include "tests/test_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;
using mokuza::platform::FileStatus;
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
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
  }
  static unsigned mode(const fs::path& path) { return static_cast<unsigned>(fs::status(path).permissions()); }

  fs::path dir;
};

// Every refusal names the path and the reason, never blocks, and leaves the
// target as it was.
TEST_F(UserFiles, ReadAndWriteRefuseWhatIsNoRegularFileOrMayNotChange) {
  put("game.sgf", "(;B[aa])");
  put("big.sgf", std::string(101, 'x'));
  const fs::path locked = put("locked.sgf", "keep", fs::perms(0444));
  fs::create_symlink("pipe", dir / "to-pipe");
  const auto said = [](const FileStatus& status) { return status.ok() ? std::string("ok") : status.error; };
  // "name: reading | writing", the folder shown as "D".
  std::string seen;
  for (const char* name :
       {"game.sgf", "absent.sgf", "folder.sgf", "pipe", "to-pipe", "big.sgf", "locked.sgf", "none/x.sgf"}) {
    const std::string read = said(readUserFile(dir / name, 100));
    seen += std::string(name) + ": " + read + " | " + said(writeUserFile(dir / name, "new")) + "\n";
  }
  for (std::size_t at = seen.find(dir.string()); at != std::string::npos; at = seen.find(dir.string()))
    seen.replace(at, dir.string().size(), "D");
  EXPECT_EQ(seen, R"(game.sgf: ok | ok
absent.sgf: cannot open D/absent.sgf: no such file | ok
folder.sgf: D/folder.sgf is a folder | D/folder.sgf is a folder
pipe: D/pipe is not a regular file | D/pipe is not a regular file
to-pipe: D/to-pipe is not a regular file | D/to-pipe is not a regular file
big.sgf: D/big.sgf is larger than 100 bytes | ok
locked.sgf: ok | D/locked.sgf is read-only
none/x.sgf: cannot open D/none/x.sgf: no such file | cannot write D/none/x.sgf: no such folder
)");
  EXPECT_EQ(fs::status(dir / "pipe").type(), fs::file_type::fifo);
  EXPECT_EQ(slurp(locked), "keep");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 7) << "nothing left behind";

  // Files of /proc say they are empty and yet hold text.
  EXPECT_EQ(readUserFile("/proc/self/maps", 16).problem, mokuza::platform::FileProblem::TooLarge);
  EXPECT_GT(readUserFile("/proc/self/maps", 1u << 20).bytes.size(), 16u);
}

TEST_F(UserFiles, WriteReplacesWholeThroughLinksKeepsPermissionsAndLeavesNoTemporary) {
  fs::create_directory(dir / "real");
  const fs::path target = put("real/game.sgf", "old and longer", fs::perms(0640));
  fs::create_symlink("real/game.sgf", dir / "link.sgf");
  fs::create_symlink("link.sgf", dir / "chain.sgf");
  fs::create_symlink("real/new.sgf", dir / "dangling.sgf");
  for (const char* name : {"link.sgf", "chain.sgf", "dangling.sgf"})
    ASSERT_TRUE(writeUserFile(dir / name, name)) << name;
  EXPECT_TRUE(fs::is_symlink(dir / "link.sgf") && fs::is_symlink(dir / "chain.sgf"));
  EXPECT_EQ(slurp(target) + " " + slurp(dir / "real" / "new.sgf"), "chain.sgf dangling.sgf");
  EXPECT_EQ(mode(target), 0640u);

  const mode_t umask = ::umask(027);
  ASSERT_TRUE(writeUserFile(dir / "real" / "fresh.sgf", "x"));
  ::umask(umask);
  EXPECT_EQ(mode(dir / "real" / "fresh.sgf"), 0640u) << "a new file is made as the umask says";
  EXPECT_EQ(std::distance(fs::directory_iterator(dir / "real"), {}), 3) << "no temporary stays behind";
}

// A write killed before its rename leaves a hidden temporary; the next write
// of that file removes it once it is old, and nothing of anyone else's.
TEST_F(UserFiles, TheNextWriteRemovesTemporariesAKilledWriteLeft) {
  const auto aged = [](const fs::path& file) {
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::hours(1));
    return file;
  };
  const fs::path stale = aged(put(".game.sgf.k3j9x0a1b2c3.tmp", ""));
  const fs::path others[] = {aged(put(".game.sgf.notours.tmp", "")), aged(put(".other.sgf.k3j9x0a1b2c3.tmp", "")),
                             put(".game.sgf.abcdefghijkl.tmp", "a write under way")};
  ASSERT_TRUE(writeUserFile(dir / "game.sgf", "(;)"));
  EXPECT_FALSE(fs::exists(stale));
  for (const fs::path& other : others) EXPECT_TRUE(fs::exists(other)) << other;
}

}  // namespace
