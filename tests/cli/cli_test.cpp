// mokuza-cli as a user runs it: real processes, real files.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "tests/cli/cli_runner.h"

namespace fs = std::filesystem;

namespace {

using namespace mokuza::testing;
using Cli = CliTest;

TEST_F(Cli, ShowPrintsTheBoardPlainOrForPeople) {
  // White captures the black stone at aa on move 4.
  const std::string game = write("g.sgf", "(;SZ[5];B[aa];W[ba];B[cc];W[ab])").string();
  EXPECT_EQ(run("show " + game + " --format plain").out, ".O...\nO....\n..X..\n.....\n.....\n");
  EXPECT_EQ(run("show " + game + " --move 2 --format plain").out, "XO...\n.....\n.....\n.....\n.....\n");
  const CliRun r = run("show " + game);
  ASSERT_EQ(r.status, 0) << r.err;
  for (const char* line :
       {"   A B C D E", " 5 . O . . . 5", "Move 4 of 4 (White A4), Black to play", "Prisoners: Black 0, White 1"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
}

TEST_F(Cli, TreeShowsBranchPointsAndIndentsDeepTreesOnlyToALimit) {
  EXPECT_EQ(run("tree " + sample).out,
            "moves 1-16 (B ee .. W ic)\n"
            "branch after move 16 (2 variations)\n"
            "  variation 1: moves 17-29 (B hb .. B if)\n"
            "  variation 2: moves 17-20 (B gb .. W ib)\n"
            "1 branch point\n");
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

TEST_F(Cli, InfoListsTheFieldsInTableOrder) {
  const std::string out = run("info " + sample).out;
  EXPECT_EQ(out.substr(0, out.find('\n')), "黒対局者\t黒田 一郎");
  EXPECT_LT(out.find("白対局者"), out.find("コミ\t6.5"));
  EXPECT_LT(out.find("路数\t9"), out.find("ゲーム名\t見本の対局"));
}

TEST_F(Cli, ConvertWritesTheGameThatWasRead) {
  const fs::path out = dir / "out.sgf";
  const CliRun r = run("convert " + sample + " " + out.string());
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string written = slurp(out);
  EXPECT_EQ(written.rfind("(;GM[1]CA[utf-8]AP[Mokuza:5.5]", 0), 0u);
  EXPECT_EQ(run("show " + out.string() + " --format plain").out, run("show " + sample + " --format plain").out);
}

TEST_F(Cli, RefusalsNameThePathAndTheReason) {
  const std::string game = write("g.sgf", "(;SZ[9];B[cc])").string();
  const std::string fifo = (dir / "pipe").string(), folder = (dir / "folder.sgf").string();
  const std::string locked = write("locked.sgf", "keep").string(), big = (dir / "big.sgf").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(folder);
  fs::resize_file(write("big.sgf", "(;B[aa])"), (std::uintmax_t{256} << 20) + 1);  // sparse: no disk used
  fs::permissions(locked, fs::perms(0444));
  write("empty.gpl", "<playlist>\n");
  expectRefusals({
      {"show " + (dir / "none.sgf").string(), 1, "no such file"},
      {"info " + write("text.sgf", "just some text, no game\n").string(), 1, "no game in"},
      {"show " + folder, 1, folder + " is a folder"},
      {"show " + fifo, 1, fifo + " is not a regular file"},
      {"show " + big, 1, big + " is larger than 256 MB"},
      {"render " + game + " --design " + fifo + " -o " + (dir / "x.png").string(), 1, fifo + " is not a regular file"},
      {"search " + (dir / "empty.gpl").string() + " --game 1 --move 1", 1, "no games in "},
      {"show " + game + " --move", 2, "--move needs a value"},
      {"convert " + game + " " + locked, 1, locked + " is read-only"},
      {"midi " + game + " -o " + locked, 1, locked + " is read-only"},
      {"convert " + game + " " + fifo, 1, fifo + " is not a regular file"},
      {"convert " + sample + " " + (dir / "no" / "such" / "dir.sgf").string(), 1, "cannot write"},
      {"show " + sample + " --move 99", 1, ""},
      {"show " + sample + " --move x", 2, ""},
      {"show " + sample + " --format fancy", 2, ""},
      {"show", 2, ""},
      {"convert " + sample, 2, ""},
      {"frobnicate", 2, ""},
  });
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

TEST_F(Cli, HelpForTheToolAndEverySubcommand) {
  const std::string help = run("--help").out;
  for (const char* name : {"show", "tree", "info", "convert", "names", "score", "ladder", "playlist", "search", "midi",
                           "autoplay", "render", "export"}) {
    EXPECT_NE(help.find(std::string("\n  ") + name + " "), std::string::npos) << name;
    const CliRun sub = run(std::string(name) + " --help");
    EXPECT_EQ(sub.status, 0) << name;
    EXPECT_EQ(sub.out.rfind(std::string("usage: mokuza-cli ") + name, 0), 0u) << sub.out;
  }
}

TEST_F(Cli, LongGamesShowTheLastKeptPosition) {
  std::string text = "(;SZ[19]";
  for (int i = 0; i < 1200; ++i) text += i % 2 ? ";W[]" : ";B[]";
  const fs::path game = write("long.sgf", text + ")");
  const CliRun r = run("show " + game.string() + " --format plain");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("1200 moves"), std::string::npos) << r.err;
  EXPECT_EQ(run("show " + game.string() + " --move 1100").status, 1);
}

}  // namespace
