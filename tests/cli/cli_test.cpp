// mokuza-cli as a user runs it: real processes, real files. What each command
// computes is its library's to test; here the options must reach it, the
// command must print what it found and refuse, naming why, what it cannot do.

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tests/cli/cli_runner.h"

namespace fs = std::filesystem;

namespace {

using namespace mokuza::testing;
using Cli = CliTest;

TEST_F(Cli, EachCommandPrintsWhatItFound) {
  const std::string capture = write("capture.sgf", "(;SZ[5];B[aa];W[ba];B[cc];W[ab])").string();  // W takes aa
  // A variation at move 2 is not named; the node without a move is skipped.
  const std::string branched = write("branched.sgf", "(;SZ[19];B[pd](;W[dc];B[];C[x];W[ce])(;W[dd]))").string();
  const std::string one = write("one.sgf", "(;SZ[19];B[pd];W[dd])").string();
  write("deeper/two.sgf", "(;SZ[19];B[dd];W[jj])");
  write("deeper/skipped.txt", "(;SZ[19];B[jj])");
  // Black's wall on column c, White's on d; two white stones in Black's area; the last move is a pass.
  const std::string scored =
      write("scored.sgf", "(;SZ[5]KM[6.5]AB[ca][cb][cc][cd][ce]AW[aa][ae][da][db][dc][dd][de];B[];W[ab])").string();
  const std::string ladder = write("ladder.sgf", "(;SZ[9]AB[cd][dc][ce]AW[dd];B[ed];W[aa])").string();
  std::string deep = "(;GM[1];B[dd]";
  for (int level = 0; level < 30; ++level) deep += "(;B[aa]";
  for (int level = 0; level < 30; ++level) deep += ")(;W[bb])";
  const std::string deepFile = write("deep.sgf", deep + ")").string();
  // A search list of three games; b has the colours of a exchanged.
  const std::string list = (dir / "list.gpl").string(), a = write("a.sgf", "(;GM[1]SZ[19]RE[B+R];B[pd];W[dc];B[pp])");
  ASSERT_EQ(run("playlist new " + list).status, 0);
  ASSERT_EQ(run("playlist add " + list + " " + a + " " + write("b.sgf", "(;GM[1]SZ[19]RE[W+2.5];B[dc];W[pd])").string() +
                " " + write("c.sgf", "(;GM[1]SZ[19]RE[ジゴ];B[cc])").string())
                .status,
            0);
  // The top right quarter holds only the black stone; with fixed colours game b
  // no longer matches, and threshold 0 lists it and c as partial matches.
  const std::string search = "search " + list + " --game 1 --move 2 --threshold 0 --bw-fixed --range 10,1,19,9";
  const std::string found =
      "1\t1\n2\t 0％\n3\t 0％\n"
      "部分図検索［list.gpl］［ja-si］(1例)\n"
      " 検索結果 (2手目)：3局中1局 黒：1勝0敗 1.000  白：0勝1敗 .000   \n"
      "□次手　Ａ：1局 0勝1敗 .000 　\n";
  expectRuns({
      {"show " + capture + " --format plain", 0, ".O...\nO....\n..X..\n.....\n.....\n"},
      {"show " + capture, 0, " 5 . O . . . 5\n"},
      {"show " + capture, 0, "Move 4 of 4 (White A4), Black to play\nPrisoners: Black 0, White 1\n"},
      {"tree " + sample, 0,
       "moves 1-16 (B ee .. W ic)\nbranch after move 16 (2 variations)\n  variation 1: moves 17-29 (B hb .. B if)\n"
       "  variation 2: moves 17-20 (B gb .. W ib)\n1 branch point\n"},
      {"tree " + deepFile, 0, "\n" + std::string(40, ' ') + "[level 30] variation 2: move 31 (W bb)\n"},
      {"info " + sample, 0, "黒対局者\t黒田 一郎\n"},
      {"names " + branched, 0, "1\tB\tpd\t星\n2\tW\tdc\t小目\n3\tB\tpass\t着手禁止点\n5\tW\tce\t小ゲイマジマリ\n"},
      {"names --summary " + one + " " + (dir / "deeper").string(), 0, "3\t星\n1\t天元\n"},
      // A missing path fails the run, but the files that could be read are counted.
      {"names --summary " + one + " " + (dir / "nowhere").string(), 1, "2\t星\n"},
      {"score " + scored + " --move 1 --dead aa", 0,
       "黒：地10　アゲハマ0+2　計12目　　白：地5　アゲハマ0+0　コミ6.5　計11.5目　〈結果〉黒0.5目勝ち　　\nB+0.5\n"},
      // The moves, then the record with the ladder beside the move that was there.
      {"ladder " + ladder + " --move 1 --at dd", 0,
       "W de\nB df\nW ee\nB fe\nW ef\nB eg\nW ff\nB gf\nW fg\nB fh\nW gg\nB hg\nW gh\n(;GM[1]"},
      {"ladder " + ladder + " --move 1 --at dd", 0, "(;W[aa])"},
      {search, 0, found},
      {search + " --threads 3", 0, found},
      // 100 ms per move in ticks of 50 ms, and no loop back to the start.
      {"autoplay " + a + " --ticks 1000 --speed 100 --loop -1 --update-time 50", 0,
       "tick 1 game 0 move 1 wait 2\ntick 4 game 0 move 2 wait 2\ntick 7 game 0 move 3 wait 2\n"},
      // The next game opens after the last wait and shows its first move after 100 + 200 ms of pause.
      {"autoplay " + list + " --ticks 10000 --speed 100 --loop -200", 0,
       "tick 1 game 1 move 1 wait 10\ntick 12 game 1 move 2 wait 10\ntick 23 game 1 move 3 wait 10\n"
       "tick 65 game 2 move 1 wait 10\ntick 76 game 2 move 2 wait 10\ntick 118 game 3 move 1 wait 10\n"},
      {"midi " + sample + " --speed 1000", 0, "wrote " + (dir / "output.mid").string() + " (", "",
       "MOKUZA_HOME=" + dir.string()},
  });
  EXPECT_NE(slurp(dir / "output.mid").find(std::string("\xFF\x51\x03\x0F\x42\x40", 6)), std::string::npos)
      << "tempo 60";
}

TEST_F(Cli, RefusalsAndWarningsNameThePathAndTheReason) {
  const std::string game = write("g.sgf", "(;SZ[9];B[cc])").string();
  const std::string fifo = (dir / "pipe").string(), folder = (dir / "folder.sgf").string();
  const std::string locked = write("locked.sgf", "keep").string(), big = (dir / "big.sgf").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directory(folder);
  fs::resize_file(write("big.sgf", "(;B[aa])"), (std::uintmax_t{256} << 20) + 1);  // sparse: no disk used
  fs::permissions(locked, fs::perms(0444));
  write("empty.gpl", "<playlist>\n");
  const std::string list = (dir / "list.gpl").string();
  ASSERT_EQ(run("playlist new " + list).status, 0);
  ASSERT_EQ(run("playlist add " + list + " " + game).status, 0);
  std::string longGame = "(;SZ[19]";
  for (int i = 0; i < 1200; ++i) longGame += i % 2 ? ";W[]" : ";B[]";
  const std::string longFile = write("long.sgf", longGame + ")").string();
  expectRuns({
      {"show " + (dir / "none.sgf").string(), 1, "", "no such file"},
      {"info " + write("text.sgf", "just some text, no game\n").string(), 1, "", "no game in"},
      {"show " + folder, 1, "", folder + " is a folder"},
      {"show " + fifo, 1, "", fifo + " is not a regular file"},
      {"show " + big, 1, "", big + " is larger than 256 MB"},
      {"show " + longFile + " --format plain", 0, "", "the game has 1200 moves; showing move 998"},
      {"show " + longFile + " --move 1100", 1, "", "after move 998 are not kept"},
      {"search " + (dir / "empty.gpl").string() + " --game 1 --move 1", 1, "", "no games in "},
      {"search " + list + " --game 1 --move 1 --threads 0", 2, "", "--threads"},
      {"search " + list + " --game 1", 2, "", "--move"},
      {"search " + list + " --game 1 --move 9", 1, ""},  // the game has one move
      {"show " + game + " --move", 2, "", "--move needs a value"},
      {"convert " + game + " " + locked, 1, "", locked + " is read-only"},
      {"midi " + game + " -o " + locked, 1, "", locked + " is read-only"},
      {"convert " + game + " " + fifo, 1, "", fifo + " is not a regular file"},
      {"convert " + sample + " " + (dir / "no" / "such" / "dir.sgf").string(), 1, "", "cannot write"},
      {"midi " + sample + " -o " + (dir / "no" / "out.mid").string(), 1, "", "could not write: " + dir.string()},
      {"autoplay " + game, 2, "", "--ticks"},
      {"autoplay " + game + " --ticks 100 --start 0 --last 0", 1, "", "does not start"},
      {"score " + game + " --dead ee", 1, "", "no stone at ee"},
      {"score " + game + " --dead dd,zz", 2, "", "--dead"},
      {"ladder " + game, 2, "", "--at"},
      {"ladder " + write("free.sgf", "(;SZ[9]AB[cd]AW[dd];B[dc])").string() + " --at dd", 1, "", "not in atari"},
      {"show " + sample + " --format fancy", 2, ""},
      {"names", 2, "", "usage: mokuza-cli names FILE"},
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

}  // namespace
