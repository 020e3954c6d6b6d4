// The pictures mokuza-cli draws: each command must write its file.
#include "../cli/cli_runner.h"

namespace mokuza::testing {
namespace {

const std::string kCorpus = MOKUZA_CORPUS_DIR;
const std::string kProGame = kCorpus + "/pro/aeb/Tri/01_16.sgf";
const std::string kMarks =
    "(;GM[1]SZ[19];B[pd];W[dp];B[pq];W[dd];B[qk];W[nc]LB[pd:A][dp:B][jj:C]TR[nc]SQ[qk]CR[dd]MA[pq])";

class RenderCliTest : public CliTest {
 protected:
  void expectPicture(const std::string& args, const std::string& output) {
    const CliRun result = run(args + " -o " + (dir / output).string());
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_GT(fs::exists(dir / output) ? fs::file_size(dir / output) : 0, 1000u) << args;
  }
};

TEST_F(RenderCliTest, RenderDrawsRealGamesMarksAndCoordinates) {
  const std::string marks = write("marks.sgf", kMarks).string();
  if (fs::exists(kProGame)) expectPicture("render " + kProGame + " --move 100 --numbers 2", "pro100.png");
  expectPicture("render " + marks + " --coords 3", "coords.png");
  const std::string x = (dir / "x.png").string();
  expectRefusals({{"render " + marks + " -o " + (dir / "x.gif").string(), 2, ""},
                  {"render " + marks + " --move 99 -o " + x, 1, ""},
                  {"export " + marks + " --mode sideways -o " + dir.string(), 2, ""}});
  EXPECT_FALSE(fs::exists(x));
}

TEST_F(RenderCliTest, ExportWritesOutputJpg) {
  const fs::path game = write("marks.sgf", kMarks);
  const CliRun result = run("export " + game.string() + " --move 4 --mode lowerleft-coords -o " + dir.string());
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(fs::exists(dir / "output.jpg"));
  const CliRun fresh = run("export " + game.string() + " --mode board -o " + (dir / "new" / "folder").string());
  EXPECT_EQ(fresh.status, 0) << fresh.err;
  EXPECT_TRUE(fs::exists(dir / "new" / "folder" / "output.jpg"));
  write("file", "");
  EXPECT_EQ(run("export " + game.string() + " --mode board -o " + (dir / "file").string()).status, 1);
}

TEST_F(RenderCliTest, ReadOnlyPicturesAreRefusedAndKept) {
  const std::string game = write("marks.sgf", kMarks).string();
  fs::create_directory(dir / "out");
  for (const fs::path& locked : {dir / "locked.png", dir / "out" / "output.jpg"}) {
    write(locked.lexically_relative(dir), "old picture");
    fs::permissions(locked, fs::perms(0444));
  }
  for (const std::string& args : {"render " + game + " -o " + (dir / "locked.png").string(),
                                  "export " + game + " --mode board -o " + (dir / "out").string()}) {
    const CliRun result = run(args);
    EXPECT_EQ(result.status, 1) << args;
    EXPECT_NE(result.err.find(" is read-only"), std::string::npos) << result.err;
  }
  EXPECT_EQ(slurp(dir / "locked.png"), "old picture");
  EXPECT_EQ(slurp(dir / "out" / "output.jpg"), "old picture");
}

}  // namespace
}  // namespace mokuza::testing
