#pragma once
// Runs mokuza-cli as a user does: a real process in a private folder of files.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_folder.h"

namespace mokuza::testing {

namespace fs = std::filesystem;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override { dir = mokuza::test::freshTestFolder("mokuza-cli"); }
  void TearDown() override { fs::remove_all(dir); }

  // args are passed through the shell: quote paths that may hold spaces. A
  // command that hangs (on a FIFO, say) is stopped and fails with status 124.
  CliRun run(const std::string& args) {
    const fs::path errFile = dir / "stderr.txt";
    const std::string command = "timeout 30 " + std::string(MOKUZA_CLI) + " " + args + " 2>" + errFile.string();
    CliRun result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, got);
    const int raw = ::pclose(pipe);
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.err = slurp(errFile);
    return result;
  }

  // Each command exits with its status, says why on standard error and prints nothing.
  struct Refusal {
    std::string args;
    int status;
    std::string err;
  };
  void expectRefusals(const std::vector<Refusal>& cases) {
    for (const Refusal& c : cases) {
      const CliRun r = run(c.args);
      EXPECT_EQ(r.status, c.status) << c.args;
      EXPECT_NE(r.err.find(c.err), std::string::npos) << c.args << "\n" << r.err;
      EXPECT_EQ(r.out, "") << c.args;
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
