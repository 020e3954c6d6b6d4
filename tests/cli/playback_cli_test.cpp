// mokuza-cli midi and autoplay as a user runs them: real processes, real files.

#include "tests/cli/cli_runner.h"

namespace {

using namespace mokuza::testing;
using PlaybackCli = CliTest;

const std::string kThreeMoves = "(;SZ[9];B[aa];W[ii];B[ab])";

// The tempo of the default display time and the file's form are the note
// layer's to test; the command's own job is --speed and the default place of
// the file.
TEST_F(PlaybackCli, MidiWritesOutputMidInTheProgramFolderAtTheTempoOfTheSpeed) {
  const CliRun r = run("midi " + sample + " --speed 1000", "MOKUZA_HOME=" + dir.string());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("wrote " + (dir / "output.mid").string() + " (", 0), 0u) << r.out;
  EXPECT_NE(slurp(dir / "output.mid").find(std::string("\xFF\x51\x03\x0F\x42\x40", 6)), std::string::npos)
      << "tempo 60";
}

// When each move shows is the playback layer's to test; here the options and
// a playlist must reach it, and every shown move is one line.
TEST_F(PlaybackCli, AutoplayTracesEveryShownMoveOfAGameOrAPlaylist) {
  const std::string game = write("g.sgf", kThreeMoves).string();
  // 100 ms per move in ticks of 50 ms, and no loop back to the start.
  CliRun r = run("autoplay " + game + " --ticks 1000 --speed 100 --loop -1 --update-time 50");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "tick 1 game 0 move 1 wait 2\ntick 4 game 0 move 2 wait 2\ntick 7 game 0 move 3 wait 2\n");

  const std::string list = (dir / "p.gpl").string();
  ASSERT_EQ(run("playlist new " + list).status, 0);
  ASSERT_EQ(run("playlist add " + list + " " + game + " " + write("g2.sgf", "(;SZ[9];B[ee])").string()).status, 0);
  r = run("autoplay " + list + " --ticks 10000 --speed 100 --loop -200");
  ASSERT_EQ(r.status, 0) << r.err;
  // The next game opens after the last wait and shows its first move after
  // 100 + 200 ms of pause.
  EXPECT_EQ(r.out,
            "tick 1 game 1 move 1 wait 10\n"
            "tick 12 game 1 move 2 wait 10\n"
            "tick 23 game 1 move 3 wait 10\n"
            "tick 65 game 2 move 1 wait 10\n");
}

}  // namespace
