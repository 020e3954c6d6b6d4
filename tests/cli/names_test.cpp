// mokuza-cli names: the names of one game, the distribution over many, and
// the errors.

#include "tests/cli/cli_runner.h"

namespace {

using namespace mokuza::testing;
using NamesCommand = CliTest;

TEST_F(NamesCommand, OneLinePerMoveOfTheMainLine) {
  // A variation at move 2 is not listed; the node without a move is skipped.
  const fs::path game = write("g.sgf", "(;SZ[19];B[pd](;W[dc];B[];C[x];W[ce])(;W[dd]))");
  const CliRun r = run("names " + game.string());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\tB\tpd\t星\n2\tW\tdc\t小目\n3\tB\tpass\t着手禁止点\n5\tW\tce\t小ゲイマジマリ\n");
}

TEST_F(NamesCommand, SummaryCountsNamesOverFilesAndFoldersAndFailsOnAMissingPath) {
  const fs::path one = write("one.sgf", "(;SZ[19];B[pd];W[dd])");
  write("deeper/two.sgf", "(;SZ[19];B[dd];W[jj])");
  write("deeper/skipped.txt", "(;SZ[19];B[jj])");
  CliRun r = run("names --summary " + one.string() + " " + (dir / "deeper").string());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "3\t星\n1\t天元\n");
  r = run("names --summary " + one.string() + " " + (dir / "nowhere").string());
  EXPECT_EQ(r.status, 1) << "a missing path fails the run";
  EXPECT_EQ(r.out, "2\t星\n") << "the files that could be read are still counted";
  expectRefusals({{"names", 2, "usage: mokuza-cli names FILE"}, {"names a.sgf b.sgf", 2, ""}});
}

}  // namespace
