// mokuza-cli midi and autoplay as a user runs them: real processes, real files.

#include <stdlib.h>

#include "tests/cli/cli_runner.h"
#include "tests/playback/smf_reader.h"

namespace {

using namespace mokuza::testing;

class PlaybackCli : public CliTest {
 protected:
  const std::string threeMoves = "(;SZ[9];B[aa];W[ii];B[ab])";
};

// The tempo of the default display time is the note layer's to test; the
// command's own job is --speed and the default place of the file.
TEST_F(PlaybackCli, MidiWritesOutputMidInTheProgramFolderAtTheTempoOfTheSpeed) {
  const char* home = ::getenv("MOKUZA_HOME");
  const std::string previous = home ? home : "";
  ::setenv("MOKUZA_HOME", dir.c_str(), 1);
  const CliRun r = run("midi " + sample + " --speed 1000");
  if (home) ::setenv("MOKUZA_HOME", previous.c_str(), 1);
  else ::unsetenv("MOKUZA_HOME");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out.rfind("wrote " + (dir / "output.mid").string() + " (", 0), 0u) << r.out;
  const std::string written = slurp(dir / "output.mid");
  const mokuza::test::SmfResult smf = mokuza::test::readSmf(written);
  ASSERT_TRUE(smf.ok()) << smf.error;
  EXPECT_NE(written.find(std::string("\xFF\x51\x03\x0F\x42\x40", 6)), std::string::npos) << "tempo 60";
}

TEST_F(PlaybackCli, MidiAndAutoplayRefuseWhatCannotPlay) {
  const std::string game = write("g.sgf", threeMoves).string();
  const fs::path blocked = dir / "no-folder" / "out.mid";
  expectRefusals({{"midi " + sample + " --speed 0", 2, ""},
                  {"midi " + sample + " -o " + blocked.string(), 1, "Error: could not write: " + blocked.string()},
                  {"autoplay " + game, 2, "--ticks"},
                  {"autoplay " + game + " --ticks 5 --update-time 0", 2, ""},
                  {"autoplay " + game + " --ticks 100 --start 0 --last 0", 1, "does not start"}});
  EXPECT_FALSE(fs::exists(blocked.parent_path()));
}

TEST_F(PlaybackCli, AutoplayTracesEveryShownMoveWithItsWait) {
  const std::string game = write("g.sgf", threeMoves).string();
  CliRun r = run("autoplay " + game + " --ticks 35 --speed 100");
  ASSERT_EQ(r.status, 0) << r.err;
  // 100 ms per move in 10 ms ticks; the design loops, back to move 0.
  EXPECT_EQ(r.out,
            "tick 1 game 0 move 1 wait 10\n"
            "tick 12 game 0 move 2 wait 10\n"
            "tick 23 game 0 move 3 wait 10\n"
            "tick 34 game 0 move 0 wait 0\n"
            "tick 35 game 0 move 1 wait 10\n");

  r = run("autoplay " + game + " --ticks 1000 --speed 100 --loop -1 --update-time 50");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "tick 1 game 0 move 1 wait 2\ntick 4 game 0 move 2 wait 2\ntick 7 game 0 move 3 wait 2\n");
}

TEST_F(PlaybackCli, AutoplayRunsAPlaylistShow) {
  const std::string g1 = write("g1.sgf", threeMoves).string();
  const std::string g2 = write("g2.sgf", "(;SZ[9];B[ee])").string();
  const std::string list = (dir / "p.gpl").string();
  ASSERT_EQ(run("playlist new " + list).status, 0);
  ASSERT_EQ(run("playlist add " + list + " " + g1 + " " + g2).status, 0);
  CliRun r = run("autoplay " + list + " --ticks 10000 --speed 100 --loop -200");
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
