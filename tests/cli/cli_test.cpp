// mokuza-cli as a user runs it: real processes, real files.

#include <sys/stat.h>
#include <unistd.h>

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
  EXPECT_NE(r.out.find("\n" + std::string(40, ' ') + "[level 30] variation 2: move 31 (W bb)\n"), std::string::npos)
      << r.out;
}

TEST_F(Cli, InfoListsTheFieldsInTableOrder) {
  const std::string out = run("info " + sample).out;
  EXPECT_EQ(out.substr(0, out.find('\n')), "黒対局者\t黒田 一郎");
  EXPECT_LT(out.find("白対局者"), out.find("コミ\t6.5"));
  EXPECT_LT(out.find("路数\t9"), out.find("ゲーム名\t見本の対局"));
}

TEST_F(Cli, NamesListsOneLinePerMoveOfTheMainLine) {
  // A variation at move 2 is not listed; the node without a move is skipped.
  const fs::path game = write("g.sgf", "(;SZ[19];B[pd](;W[dc];B[];C[x];W[ce])(;W[dd]))");
  const CliRun r = run("names " + game.string());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\tB\tpd\t星\n2\tW\tdc\t小目\n3\tB\tpass\t着手禁止点\n5\tW\tce\t小ゲイマジマリ\n");
}

TEST_F(Cli, NamesSummaryCountsOverFilesAndFoldersAndFailsOnAMissingPath) {
  const fs::path one = write("one.sgf", "(;SZ[19];B[pd];W[dd])");
  write("deeper/two.sgf", "(;SZ[19];B[dd];W[jj])");
  write("deeper/skipped.txt", "(;SZ[19];B[jj])");
  CliRun r = run("names --summary " + one.string() + " " + (dir / "deeper").string());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "3\t星\n1\t天元\n");
  r = run("names --summary " + one.string() + " " + (dir / "nowhere").string());
  EXPECT_EQ(r.status, 1) << "a missing path fails the run";
  EXPECT_EQ(r.out, "2\t星\n") << "the files that could be read are still counted";
}

TEST_F(Cli, ScorePrintsTheLineAndTheShortResult) {
  // Black's wall on column c, White's on d; two white stones in Black's area;
  // the last move is a pass.
  const std::string game =
      write("g.sgf", "(;SZ[5]KM[6.5]AB[ca][cb][cc][cd][ce]AW[aa][ae][da][db][dc][dd][de];B[];W[ab])");
  const CliRun r = run("score " + game + " --move 1 --dead aa");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "黒：地10　アゲハマ0+2　計12目　　白：地5　アゲハマ0+0　コミ6.5　計11.5目　〈結果〉黒0.5目勝ち　　\n"
            "B+0.5\n");
}

TEST_F(Cli, LadderPrintsTheMovesThenTheRecord) {
  const std::string game = write("ladder.sgf", "(;SZ[9]AB[cd][dc][ce]AW[dd];B[ed];W[aa])");
  const CliRun r = run("ladder " + game + " --move 1 --at dd");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string moves = "W de\nB df\nW ee\nB fe\nW ef\nB eg\nW ff\nB gf\nW fg\nB fh\nW gg\nB hg\nW gh\n";
  EXPECT_EQ(r.out.rfind(moves + "(;GM[1]", 0), 0u) << r.out;
  // Inside the game the ladder is a variation beside the move that was there
  // (its shape is LadderDocumentTest's).
  EXPECT_NE(r.out.find("(;W[aa])"), std::string::npos) << r.out;
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
      {"search " + (dir / "empty.gpl").string() + " --game 1 --move 1", 1, "no games in "},
      {"show " + game + " --move", 2, "--move needs a value"},
      {"convert " + game + " " + locked, 1, locked + " is read-only"},
      {"midi " + game + " -o " + locked, 1, locked + " is read-only"},
      {"convert " + game + " " + fifo, 1, fifo + " is not a regular file"},
      {"convert " + sample + " " + (dir / "no" / "such" / "dir.sgf").string(), 1, "cannot write"},
      {"midi " + sample + " -o " + (dir / "no" / "out.mid").string(), 1, "could not write: " + dir.string()},
      {"autoplay " + game, 2, "--ticks"},
      {"autoplay " + game + " --ticks 100 --start 0 --last 0", 1, "does not start"},
      {"score " + game + " --dead ee", 1, "no stone at ee"},
      {"score " + game + " --dead dd,zz", 2, "--dead"},
      {"ladder " + game, 2, "--at"},
      {"ladder " + write("free.sgf", "(;SZ[9]AB[cd]AW[dd];B[dc])").string() + " --at dd", 1, "not in atari"},
      {"show " + sample + " --format fancy", 2, ""},
      {"names", 2, "usage: mokuza-cli names FILE"},
      {"frobnicate", 2, ""},
  });
  EXPECT_EQ(slurp(locked), "keep");
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_FALSE(fs::exists(dir / "no")) << "no folder is made for what cannot be written";
}

TEST_F(Cli, ConvertWritesTheGameReadButNeverALossyReadOverItsFile) {
  const std::string original = "(;SZ[21];B[aa];W[tt])";
  const fs::path game = write("big.sgf", original), copy = dir / "copy.sgf";
  fs::permissions(game, fs::perms(0600));
  CliRun r = run("convert " + game.string() + " " + copy.string());
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("big.sgf was not read whole: a board of 21 lines read as 19, 1 move beyond 19 lines"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(run("show " + copy.string() + " --format plain").out, run("show " + game.string() + " --format plain").out);

  EXPECT_EQ(run("convert " + game.string() + " " + game.string()).status, 1);
  EXPECT_EQ(slurp(game), original);
  r = run("convert " + game.string() + " " + game.string() + " --force");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(slurp(game), slurp(copy));
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
