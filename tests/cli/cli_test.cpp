// mokuza-cli as a user runs it: real processes, real files.

#include <filesystem>
#include <fstream>
#include <string>

#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "tests/cli/cli_runner.h"

namespace fs = std::filesystem;

namespace {

using namespace mokuza::testing;
using Cli = CliTest;

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

  const fs::path huge = write("huge.sgf", "(;B[aa])");
  fs::resize_file(huge, mokuza::kSgfFileMax + 1);  // sparse: no room taken on disk
  CliRun tooLarge = run("info " + huge.string());
  EXPECT_EQ(tooLarge.status, 1);
  EXPECT_NE(tooLarge.err.find(huge.string() + ": larger than 256 MB"), std::string::npos) << tooLarge.err;

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
