// mokuza-cli as a user runs it: real processes, real files.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "tests/cli/cli_runner.h"

namespace fs = std::filesystem;

namespace {

using namespace mokuza::testing;
using Cli = CliTest;

// Should a command wait on the FIFO for a writer (the fault under test), this
// writer ends its wait at once, so that the test fails instead of hanging.
class FifoRelease {
 public:
  explicit FifoRelease(const fs::path& fifo)
      : thread_([this, fifo] {
          while (!done_) {
            if (const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) ::close(fd);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
          }
        }) {}
  ~FifoRelease() {
    done_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> done_{false};
  std::thread thread_;
};

TEST_F(Cli, ShowPlainPrintsExactlyTheBoard) {
  const fs::path game = write("g.sgf", "(;SZ[5];B[bb];W[cb];B[dd];W[bc])");
  CliRun r = run("show " + game.string() + " --format plain");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            ".....\n"
            ".XO..\n"
            ".O...\n"
            "...X.\n"
            ".....\n");
  r = run("show " + game.string() + " --move 2 --format plain");
  EXPECT_EQ(r.out, ".....\n.XO..\n.....\n.....\n.....\n");
}

TEST_F(Cli, ShowForPeopleNamesTheMoveColourAndPrisoners) {
  // White captures the black stone at aa on move 4.
  const fs::path game = write("g.sgf", "(;SZ[5];B[aa];W[ba];B[cc];W[ab])");
  CliRun r = run("show " + game.string());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("   A B C D E"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find(" 5 . O . . . 5"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Move 4 of 4 (White A4), Black to play"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("Prisoners: Black 0, White 1"), std::string::npos) << r.out;
}

TEST_F(Cli, TreeShowsBranchPointsAndVariations) {
  CliRun r = run("tree " + sample);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "moves 1-16 (B ee .. W ic)\n"
            "branch after move 16 (2 variations)\n"
            "  variation 1: moves 17-29 (B hb .. B if)\n"
            "  variation 2: moves 17-20 (B gb .. W ib)\n"
            "1 branch point\n");
}

TEST_F(Cli, InfoListsTheFieldsInTableOrder) {
  CliRun r = run("info " + sample);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "黒対局者\t黒田 一郎");
  EXPECT_LT(r.out.find("白対局者"), r.out.find("コミ\t6.5"));
  EXPECT_LT(r.out.find("路数\t9"), r.out.find("ゲーム名\t見本の対局"));
}

TEST_F(Cli, ConvertWritesWhatReadsBackTheSame) {
  const fs::path out = dir / "out.sgf";
  CliRun r = run("convert " + sample + " " + out.string());
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string written = slurp(out);
  EXPECT_EQ(written.rfind("(;GM[1]CA[utf-8]AP[Mokuza:5.5]", 0), 0u);
  EXPECT_NE(written.find("\r\n"), std::string::npos);
  CliRun again = run("convert " + out.string() + " " + (dir / "again.sgf").string());
  ASSERT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(slurp(dir / "again.sgf"), written);
  EXPECT_EQ(run("show " + out.string() + " --format plain").out, run("show " + sample + " --format plain").out);
}

TEST_F(Cli, FailuresSayWhyAndExitNonZero) {
  CliRun missing = run("show " + (dir / "none.sgf").string());
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("no such file"), std::string::npos) << missing.err;
  EXPECT_TRUE(missing.out.empty());

  CliRun noGame = run("info " + write("empty.sgf", "just some text, no game\n").string());
  EXPECT_EQ(noGame.status, 1);
  EXPECT_NE(noGame.err.find("no game in"), std::string::npos) << noGame.err;

  // Garbage around "(;" is a damaged game, read as far as it goes.
  CliRun damaged = run("tree " + write("bin.sgf", std::string("\x00\xff(;[\x01)", 8)).string());
  EXPECT_EQ(damaged.status, 0) << damaged.err;
  EXPECT_EQ(damaged.out, "no moves\n0 branch points\n");

  EXPECT_EQ(run("show " + sample + " --move 99").status, 1);
  EXPECT_EQ(run("show " + sample + " --move x").status, 2);
  EXPECT_EQ(run("show " + sample + " --format fancy").status, 2);
  EXPECT_EQ(run("show").status, 2);
  EXPECT_EQ(run("convert " + sample).status, 2);
  EXPECT_EQ(run("frobnicate").status, 2);
  CliRun cannotWrite = run("convert " + sample + " " + (dir / "no" / "such" / "dir.sgf").string());
  EXPECT_EQ(cannotWrite.status, 1);
  EXPECT_NE(cannotWrite.err.find("cannot write"), std::string::npos);
}

TEST_F(Cli, HostileFilesAreRefusedWithThePathAndTheReason) {
  const std::string game = write("g.sgf", "(;SZ[9];B[cc])").string();
  const std::string fifo = (dir / "pipe").string(), folder = (dir / "folder.sgf").string();
  const std::string locked = write("locked.sgf", "keep").string(), big = (dir / "big.sgf").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(folder);
  fs::resize_file(write("big.sgf", "(;B[aa])"), (std::uintmax_t{256} << 20) + 1);  // sparse: no disk used
  fs::permissions(locked, fs::perms(0444));
  write("empty.gpl", "<playlist>\n");
  const FifoRelease release(fifo);
  const struct {
    std::string args;
    int status;
    std::string error;
  } cases[] = {
      {"show " + folder, 1, folder + " is a folder"},
      {"show " + fifo, 1, fifo + " is not a regular file"},
      {"show " + big, 1, big + " is larger than 256 MB"},
      {"render " + game + " --design " + fifo + " -o " + (dir / "x.png").string(), 1, fifo + " is not a regular file"},
      {"search " + (dir / "empty.gpl").string() + " --game 1 --move 1", 1, "no games in "},
      {"show " + game + " --move", 2, "--move needs a value"},
      {"convert " + game + " " + locked, 1, locked + " is read-only"},
      {"midi " + game + " -o " + locked, 1, locked + " is read-only"},
      {"convert " + game + " " + fifo, 1, fifo + " is not a regular file"},
  };
  for (const auto& c : cases) {
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_NE(r.err.find(c.error), std::string::npos) << c.args << "\n" << r.err;
  }
  EXPECT_EQ(slurp(locked), "keep");
  EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(Cli, ConvertNeverWritesALossyReadOverItsFile) {
  const std::string original = "(;SZ[21];B[aa];W[tt])";
  const fs::path game = write("big.sgf", original);
  fs::permissions(game, fs::perms(0600));
  const std::string loss = "big.sgf was not read whole: a board of 21 lines read as 19, 1 move beyond 19 lines";
  CliRun r = run("convert " + game.string() + " " + game.string());
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find(loss), std::string::npos) << r.err;
  EXPECT_EQ(slurp(game), original);

  r = run("convert " + game.string() + " " + (dir / "copy.sgf").string());
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find(loss), std::string::npos) << "said even when the original stays";
  r = run("convert " + game.string() + " " + game.string() + " --force");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(slurp(game), slurp(dir / "copy.sgf"));
  EXPECT_EQ(fs::status(game).permissions(), fs::perms(0600)) << "a file written in place keeps its permissions";
}

TEST_F(Cli, DeepTreesAreIndentedOnlyToALimit) {
  std::string text = "(;GM[1];B[dd]";
  for (int level = 0; level < 30; ++level) text += "(;B[aa]";
  for (int level = 0; level < 30; ++level) text += ")(;W[bb])";
  const CliRun r = run("tree " + write("deep.sgf", text + ")").string());
  ASSERT_EQ(r.status, 0) << r.err;
  std::size_t longest = 0;
  for (std::size_t start = 0, end; (end = r.out.find('\n', start)) != std::string::npos; start = end + 1)
    longest = std::max(longest, end - start);
  EXPECT_LE(longest, 90u);
  EXPECT_NE(r.out.find(std::string(40, ' ') + "[level 30] variation 2: move 31 (W bb)\n"), std::string::npos) << r.out;
}

TEST_F(Cli, HelpForTheToolAndEverySubcommand) {
  CliRun help = run("--help");
  EXPECT_EQ(help.status, 0);
  for (const char* name : {"show", "tree", "info", "convert"}) {
    EXPECT_NE(help.out.find(name), std::string::npos) << name;
    CliRun sub = run(std::string(name) + " --help");
    EXPECT_EQ(sub.status, 0) << name;
    EXPECT_NE(sub.out.find(std::string("mokuza-cli ") + name), std::string::npos) << sub.out;
  }
}

TEST_F(Cli, LongGamesShowTheLastKeptPosition) {
  std::string text = "(;SZ[19]";
  for (int i = 0; i < 1200; ++i) text += i % 2 ? ";W[]" : ";B[]";
  text += ")";
  const fs::path game = write("long.sgf", text);
  CliRun r = run("show " + game.string() + " --format plain");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("1200 moves"), std::string::npos) << r.err;
  EXPECT_EQ(run("show " + game.string() + " --move 1100").status, 1);
}

}  // namespace
