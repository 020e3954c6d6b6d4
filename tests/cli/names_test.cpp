// mokuza-cli names: the names of one game, the distribution over many, and
// the errors.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

class NamesCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("mokuza-names-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  CliRun run(const std::string& args) {
    const fs::path errFile = dir / "stderr.txt";
    const std::string command = std::string(MOKUZA_CLI) + " names " + args + " 2>" + errFile.string();
    CliRun result;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, got);
    const int raw = ::pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(errFile, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    result.err = text.str();
    return result;
  }

  fs::path write(const fs::path& name, const std::string& content) {
    fs::create_directories((dir / name).parent_path());
    std::ofstream(dir / name, std::ios::binary) << content;
    return dir / name;
  }

  fs::path dir;
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
