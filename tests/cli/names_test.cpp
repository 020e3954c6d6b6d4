// mokuza-cli names: the names of one game, the distribution over many, and
// the errors.

#include <filesystem>
#include <string>

#include "tests/cli/cli_runner.h"

namespace fs = std::filesystem;

namespace {

using namespace mokuza::testing;

class NamesCommand : public CliTest {
 protected:
  CliRun run(const std::string& args) { return CliTest::run("names " + args); }
};

TEST_F(NamesCommand, OneLinePerMoveOfTheMainLine) {
  // A variation at move 2 is not listed; the node without a move is skipped.
  const fs::path game = write("g.sgf", "(;SZ[19];B[pd](;W[dc];B[];C[x];W[ce])(;W[dd]))");
  const CliRun r = run(game.string());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "1\tB\tpd\t星\n"
            "2\tW\tdc\t小目\n"
            "3\tB\tpass\t着手禁止点\n"
            "5\tW\tce\t小ゲイマジマリ\n");
}

TEST_F(NamesCommand, SummaryCountsNamesOverFilesAndFolders) {
  const fs::path one = write("one.sgf", "(;SZ[19];B[pd];W[dd])");
  write("deeper/two.sgf", "(;SZ[19];B[dd];W[jj])");
  write("deeper/skipped.txt", "(;SZ[19];B[jj])");
  const CliRun r = run("--summary " + one.string() + " " + (dir / "deeper").string());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "3\t星\n1\t天元\n");
}

TEST_F(NamesCommand, ErrorsGoToStandardError) {
  CliRun r = run("");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("usage: mokuza-cli names FILE"), std::string::npos) << r.err;
  EXPECT_EQ(run("--bogus x.sgf").status, 2);
  EXPECT_EQ(run("a.sgf b.sgf").status, 2);

  r = run((dir / "missing.sgf").string());
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find("missing.sgf"), std::string::npos) << r.err;

  const fs::path good = write("good.sgf", "(;SZ[19];B[jj])");
  r = run("--summary " + good.string() + " " + (dir / "nowhere").string());
  EXPECT_EQ(r.status, 1) << "a missing path fails the run";
  EXPECT_EQ(r.out, "1\t天元\n") << "the files that could be read are still counted";

  r = run("--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("--summary"), std::string::npos);
}

}  // namespace
