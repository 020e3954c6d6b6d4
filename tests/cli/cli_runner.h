#pragma once
// Runs mokuza-cli as a user does: a real process in a private folder of files.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/record/text.h"
#include "tests/test_folder.h"

namespace mokuza::testing {

namespace fs = std::filesystem;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string slurp(const fs::path& path) { return mokuza::readFileBytes(path).value_or(""); }

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { dir = mokuza::test::freshTestFolder("mokuza-cli"); }
  void TearDown() override { fs::remove_all(dir); }

  // args are passed through the shell: quote paths that may hold spaces; env
  // ("NAME=value") is set for this run only. A command that hangs (on a FIFO,
  // say) is stopped and fails with status 124.
  CliRun run(const std::string& args, const std::string& env = "") {
    const std::string out = (dir / "stdout.txt").string(), err = (dir / "stderr.txt").string();
    const std::string command = env + " timeout 30 " + MOKUZA_CLI + " " + args + " >" + out + " 2>" + err;
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, slurp(out), slurp(err)};
  }

  // One run and what it must give: its status, a piece of standard output
  // (a failed run given none must print nothing) and a piece of standard error.
  struct Expected {
    std::string args;
    int status;
    std::string out;
    std::string err = "";
    std::string env = "";
  };
  void expectRuns(const std::vector<Expected>& cases) {
    for (const Expected& c : cases) {
      const CliRun r = run(c.args, c.env);
      EXPECT_EQ(r.status, c.status) << c.args << "\n" << r.err;
      EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args << "\n" << r.err;
      const bool silent = c.status != 0 && c.out.empty();
      EXPECT_TRUE(silent ? r.out.empty() : r.out.find(c.out) != std::string::npos) << c.args << "\n" << r.out;
    }
  }

  fs::path write(const fs::path& name, const std::string& content) {
    fs::create_directories((dir / name).parent_path());
    std::ofstream(dir / name, std::ios::binary) << content;
    return dir / name;
  }

  fs::path dir;
  const std::string sample = std::string(MOKUZA_SOURCE_DIR) + "/samples/sample.sgf";
};

}  // namespace mokuza::testing
