// mokuza-cli score and ladder as a user runs them: real processes, real files.

#include "tests/cli/cli_runner.h"

namespace {

using namespace mokuza::testing;

using ScoreLadderCli = CliTest;

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
  // Missing files, bad numbers and the move range are the shared option
  // handling's, refused alike by every command (Cli.RefusalsNameThePathAndTheReason).
  expectRefusals({
      {"score " + game + " --dead ee", 1, "no stone at ee"},
      {"score " + game + " --dead dd,zz", 2, "--dead"},
      {"ladder " + game, 2, "--at"},
      {"ladder " + game + " --at d", 2, "--at"},
      {"ladder " + game + " --at ed", 1, "is Black's, and White is to play"},
      {"ladder " + write("free.sgf", "(;SZ[9]AB[cd]AW[dd];B[dc])").string() + " --at dd", 1, "not in atari"},
  });
}

}  // namespace
