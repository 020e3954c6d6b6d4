// mokuza-cli playlist as a user runs it: real processes, real files.

#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "tests/cli/cli_runner.h"

namespace fs = std::filesystem;

namespace {

using namespace mokuza::testing;

class CliPlaylist : public CliTest {
 protected:
  CliRun run(const std::string& args) { return CliTest::run("playlist " + args); }
  void SetUp() override {
    CliTest::SetUp();
    list = (dir / "my list.gpl").string();
    a = write("games/a.sgf", "(;GM[1]PB[Ann Arbor]PW[Bob Brown]DT[2024-03-01]RE[B+R];B[pd];W[dp])");
    b = write("games/b.sgf", "(;GM[1]PB[Cy Young]PW[Dee Dee]DT[2024-04-02]RE[W+2.5];B[pd];W[dd];B[pp])");
  }

  std::string quoted(const std::string& path) const { return "'" + path + "'"; }

  // A playlist holding a and b.
  void makeList() {
    ASSERT_EQ(run("new " + quoted(list)).status, 0);
    const CliRun added = run("add " + quoted(list) + " " + a + " " + b);
    ASSERT_EQ(added.status, 0) << added.err;
  }

  std::string list, a, b;
};

TEST_F(CliPlaylist, NewAddAndListShowTheGamesInListOrder) {
  CliRun r = run("new " + quoted(list));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(slurp(list), "<playlist>");
  write("notes.txt", "(;B[aa])");
  r = run("add " + quoted(list) + " " + a + " " + (dir / "notes.txt").string() + " " + b + " " + a);
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "added 2 games, 2 in the playlist\n");
  EXPECT_EQ(r.err, "mokuza-cli playlist: skipped " + (dir / "notes.txt").string() + ": not an .sgf file\n" +
                       "mokuza-cli playlist: skipped " + a + ": listed already\n");

  r = run("list " + quoted(list));
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "1\t" + a + "\tAnn Arbor\tBob Brown\t2024-03-01\tB+R\n" + "2\t" + b +
                       "\tCy Young\tDee Dee\t2024-04-02\tW+2.5\n");
  r = run("list " + quoted(list) + " --columns wname,totalmove,No.");
  EXPECT_EQ(r.out, "Bob Brown\t2\t1\nDee Dee\t3\t2\n");
}

TEST_F(CliPlaylist, AddedGamesAreDatedWithTheLocalTimeOfNow) {
  ASSERT_EQ(run("new " + quoted(list)).status, 0);
  // Nine hours east of UTC, so that local time and UTC differ.
  const char* zone = std::getenv("TZ");
  const std::string saved = zone ? zone : "";
  ::setenv("TZ", "JST-9", 1);
  auto jst = [](std::time_t when) {
    when += 9 * 3600;
    char text[16];
    std::tm utc{};
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", gmtime_r(&when, &utc));
    return std::string(text);
  };
  const std::string before = jst(std::time(nullptr));
  const CliRun added = run("add " + quoted(list) + " " + a);
  const std::string after = jst(std::time(nullptr));
  zone ? ::setenv("TZ", saved.c_str(), 1) : ::unsetenv("TZ");
  ASSERT_EQ(added.status, 0) << added.err;
  const std::string date = run("list " + quoted(list) + " --columns Regist_date").out;
  EXPECT_GE(date, before + "\n");
  EXPECT_LE(date, after + "\n");
}

TEST_F(CliPlaylist, AFileReadInPartIsWrittenOnlyWithYes) {
  // Every game carries the first one's megabyte of comment: the reader's text budget ends the list early.
  std::string text = "<game_comment>\n" + std::string(1 << 20, 'x') + "\n<sgf_folder>\n/g\n";
  for (int k = 1; k <= 100; ++k)
    text += "<Game." + std::to_string(k) + ">\n<sgf_file>\n" + std::to_string(k) + ".sgf\n";
  write("big.gpl", text + "<Game.end>\n");
  const std::string big = (dir / "big.gpl").string();

  CliRun r = run("list " + big + " --columns No.");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("more were left out"), std::string::npos) << r.err;
  r = run("add " + big + " " + a);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("add --yes to write it anyway"), std::string::npos) << r.err;
  EXPECT_EQ(slurp(big), text + "<Game.end>\n");
  r = run("add " + big + " " + a + " --yes");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(slurp(big), text + "<Game.end>\n");
}

TEST_F(CliPlaylist, MistakesAreReportedWithTheirExitCodes) {
  ASSERT_EQ(::mkfifo((dir / "fifo.gpl").c_str(), 0600), 0);
  makeList();
  expectRefusals({
      {"playlist add " + (dir / "fifo.gpl").string() + " " + a, 1,
       "mokuza-cli playlist: " + (dir / "fifo.gpl").string() + " is not a regular file\n"},
      {"playlist list " + quoted(list) + " --columns No.,no_such_column", 2, "unknown column 'no_such_column'"},
      {"playlist shuffle " + quoted(list), 2, ""},
      {"playlist new " + quoted(list), 1, ""},  // an existing file is not replaced
      {"playlist add " + quoted(list) + " " + a, 1, "no game could be added"},
      {"playlist rename " + quoted(list), 2, ""},
      {"playlist rename " + quoted(list) + " --pattern x --select 3-7", 2, ""},
      {"playlist move " + quoted(list) + " --to " + (dir / "nowhere").string() + " --yes", 1, ""},
  });
}

TEST_F(CliPlaylist, TwoAddsRunningAtOnceKeepEachOthersGames) {
  ASSERT_EQ(run("new " + quoted(list)).status, 0);
  for (const char* folder : {"x", "y"})
    for (int k = 0; k < 400; ++k)
      write(fs::path(folder) / (std::to_string(k) + ".sgf"), "(;GM[1]PB[" + std::to_string(k) + "];B[pd])");
  const std::string add = std::string(MOKUZA_CLI) + " playlist add " + quoted(list) + " ";
  const std::string both = "(" + add + (dir / "x").string() + "/*.sgf >/dev/null 2>&1 & " + add + (dir / "y").string() +
                           "/*.sgf >/dev/null 2>&1; wait)";
  ASSERT_EQ(std::system(both.c_str()), 0);
  const std::string listed = run("list " + quoted(list) + " --columns No.").out;
  EXPECT_EQ(std::count(listed.begin(), listed.end(), '\n'), 800);
}

// What the files become is the playlist layer's to test; the command's job is
// to say what it would do, do nothing without --yes, and report what it did.
TEST_F(CliPlaylist, RenameAndMoveSayWhatTheyWouldDoUntilConfirmed) {
  makeList();
  const std::string before = slurp(list);
  const fs::path renamed = dir / "games" / "Cy Young_2024-04-02.sgf", archived = dir / "archive" / renamed.filename();
  CliRun r = run("rename " + quoted(list) + " --pattern '<PB>_<DT>' --select 2");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "would rename " + b + " -> " + renamed.string() + "\n");
  EXPECT_NE(r.err.find("add --yes"), std::string::npos);
  EXPECT_TRUE(fs::exists(b));
  EXPECT_EQ(slurp(list), before);

  ASSERT_EQ(run("rename " + quoted(list) + " --pattern '<PB>_<DT>' --select 2 --yes").status, 0);
  fs::create_directories(dir / "archive");
  r = run("move " + quoted(list) + " --to " + (dir / "archive").string() + " --select 2 --yes");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "moved " + renamed.string() + " -> " + archived.string() + "\n");
  EXPECT_EQ(run("list " + quoted(list) + " --columns No.,sgf_file,bname").out,
            "1\t" + a + "\tAnn Arbor\n2\t" + archived.string() + "\tCy Young\n");
  EXPECT_TRUE(fs::exists(archived));
}

}  // namespace
