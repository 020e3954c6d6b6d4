// The pictures mokuza-cli draws: each command must write its file, and never
// over one it may not.
#include "../cli/cli_runner.h"

namespace mokuza::testing {
namespace {

TEST_F(CliTest, RenderAndExportWriteTheirPicturesAndKeepReadOnlyOnes) {
  const std::string pro = MOKUZA_CORPUS_DIR "/pro/aeb/Tri/01_16.sgf";
  const std::string game =
      write("marks.sgf", "(;GM[1]SZ[19];B[pd];W[dp];B[pq];W[dd];B[qk];W[nc]LB[pd:A][dp:B][jj:C]TR[nc]SQ[qk]CR[dd]MA[pq])")
          .string();
  fs::create_directory(dir / "out");
  for (const fs::path& locked : {dir / "locked.png", dir / "out" / "output.jpg"}) {
    write(locked.lexically_relative(dir), "old picture");
    fs::permissions(locked, fs::perms(0444));
  }
  write("file", "");
  expectRuns({
      {"render " + game + " --coords 3 -o " + (dir / "coords.png").string(), 0, ""},
      {"export " + game + " --move 4 --mode lowerleft-coords -o " + dir.string(), 0, ""},
      {"export " + game + " --mode board -o " + (dir / "new" / "folder").string(), 0, ""},
      {"render " + game + " -o " + (dir / "x.gif").string(), 2, ""},
      {"render " + game + " --move 99 -o " + (dir / "x.png").string(), 1, ""},
      {"export " + game + " --mode sideways -o " + dir.string(), 2, ""},
      {"export " + game + " --mode board -o " + (dir / "file").string(), 1, ""},
      {"render " + game + " -o " + (dir / "locked.png").string(), 1, "", " is read-only"},
      {"export " + game + " --mode board -o " + (dir / "out").string(), 1, "", " is read-only"},
  });
  std::vector<fs::path> written{dir / "coords.png", dir / "output.jpg", dir / "new" / "folder" / "output.jpg"};
  if (fs::exists(pro)) {
    expectRuns({{"render " + pro + " --move 100 --numbers 2 -o " + (dir / "pro.png").string(), 0, ""}});
    written.push_back(dir / "pro.png");
  }
  for (const fs::path& picture : written)
    EXPECT_GT(fs::exists(picture) ? fs::file_size(picture) : 0, 1000u) << picture;
  EXPECT_FALSE(fs::exists(dir / "x.png"));
  EXPECT_EQ(slurp(dir / "locked.png"), "old picture");
  EXPECT_EQ(slurp(dir / "out" / "output.jpg"), "old picture");
}

}  // namespace
}  // namespace mokuza::testing
