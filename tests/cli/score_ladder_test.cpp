// mokuza-cli score and ladder as a user runs them: real processes, real files.

#include <filesystem>
#include <string>

#include "tests/cli/cli_runner.h"

namespace fs = std::filesystem;

namespace {

using namespace mokuza::testing;

class ScoreLadderCli : public CliTest {
 protected:
};

TEST_F(ScoreLadderCli, ScorePrintsTheLineAndTheShortResult) {
  // Black's wall on column c, White's on d; two white stones in Black's area;
  // the last move is a pass.
  const std::string game =
      write("g.sgf", "(;SZ[5]KM[6.5]AB[ca][cb][cc][cd][ce]AW[aa][ae][da][db][dc][dd][de];B[];W[ab])");
  CliRun r = run("score " + game + " --move 1 --dead aa");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "黒：地10　アゲハマ0+2　計12目　　白：地5　アゲハマ0+0　コミ6.5　計11.5目　〈結果〉黒0.5目勝ち　　\n"
            "B+0.5\n");
  // Without dead stones Black's area is shared with them.
  r = run("score " + game + " --move 1");
  EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1), "W+11.5\n");
  // By default the last move counts: White's ab is one more stone to mark.
  r = run("score " + game + " --dead aa");
  EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1), "B+1.5\n") << r.out;
}

TEST_F(ScoreLadderCli, LadderPrintsTheMovesThenTheRecord) {
  const std::string game = write("ladder.sgf", "(;SZ[9]AB[cd][dc][ce]AW[dd];B[ed];W[aa])");
  CliRun r = run("ladder " + game + " --move 1 --at dd");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string moves = "W de\nB df\nW ee\nB fe\nW ef\nB eg\nW ff\nB gf\nW fg\nB fh\nW gg\nB hg\nW gh\n";
  ASSERT_EQ(r.out.substr(0, moves.size()), moves);
  const std::string sgf = r.out.substr(moves.size());
  EXPECT_EQ(sgf.rfind("(;GM[1]", 0), 0u) << sgf;
  // Inside the game the ladder is a variation beside the move that was there.
  EXPECT_NE(sgf.find("(;W[aa])"), std::string::npos) << sgf;
  EXPECT_NE(sgf.find("(;W[de]"), std::string::npos) << sgf;
  EXPECT_NE(sgf.find(";W[gh])"), std::string::npos) << sgf;
}

TEST_F(ScoreLadderCli, FailuresSayWhyAndExitNonZero) {
  const std::string game = write("ladder.sgf", "(;SZ[9]AB[cd][dc][ce]AW[dd];B[ed])");
  const std::string missing = (dir / "none.sgf").string();
  struct Case {
    std::string args;
    int status;
    std::string message;
  };
  for (const Case& c : {
           Case{"score " + missing, 1, "no such file"},
           Case{"score " + game + " --dead ee", 1, "no stone at ee"},
           Case{"score " + game + " --dead dd,zz", 2, "--dead"},
           Case{"score " + game + " --move 7", 1, "outside 0..1"},
           Case{"score " + game + " --move x", 2, "whole number"},
           Case{"score " + game + " --bogus", 2, "unknown option"},
           Case{"score", 2, "no file given"},
           Case{"ladder " + missing + " --at dd", 1, "no such file"},
           Case{"ladder " + game, 2, "--at"},
           Case{"ladder " + game + " --at d", 2, "--at"},
           Case{"ladder " + game + " --at ee", 1, "no stone at ee"},
           Case{"ladder " + game + " --at ed", 1, "is Black's, and White is to play"},
           Case{"ladder " + game + " --move 0 --at dd", 1, "is White's, and Black is to play"},
           Case{"ladder " + game + " --move 9 --at dd", 1, "outside 0..1"},
       }) {
    const CliRun r = run(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
    EXPECT_TRUE(r.out.empty()) << c.args;
  }
  const std::string twoLiberties = write("free.sgf", "(;SZ[9]AB[cd]AW[dd];B[dc])");
  const CliRun free = run("ladder " + twoLiberties + " --at dd");
  EXPECT_EQ(free.status, 1);
  EXPECT_NE(free.err.find("not in atari"), std::string::npos) << free.err;
}

TEST_F(ScoreLadderCli, HelpForBothCommands) {
  for (const char* name : {"score", "ladder"}) {
    const CliRun r = run(std::string(name) + " --help");
    EXPECT_EQ(r.status, 0) << name;
    EXPECT_EQ(r.out.rfind(std::string("usage: mokuza-cli ") + name, 0), 0u) << r.out;
    EXPECT_NE(run("--help").out.find(name), std::string::npos) << name;
  }
}

}  // namespace
