// mokuza-cli playlist as a user runs it: real processes, real files.

#include <ctime>
#include <filesystem>
#include <string>

#include "tests/cli/cli_runner.h"

namespace fs = std::filesystem;

namespace {

using namespace mokuza::testing;

class CliPlaylist : public CliTest {
 protected:
  CliRun run(const std::string& args, const std::string& env = "") { return CliTest::run("playlist " + args, env); }
  void SetUp() override {
    CliTest::SetUp();
    list = (dir / "my list.gpl").string();
    a = write("games/a.sgf", "(;GM[1]PB[Ann Arbor]PW[Bob Brown]DT[2024-03-01]RE[B+R];B[pd];W[dp])");
    b = write("games/b.sgf", "(;GM[1]PB[Cy Young]PW[Dee Dee]DT[2024-04-02]RE[W+2.5];B[pd];W[dd];B[pp])");
  }

  std::string quoted(const std::string& path) const { return "'" + path + "'"; }

  std::string list, a, b;
};

TEST_F(CliPlaylist, NewAddAndListShowTheGamesInListOrderAndRefuseMistakes) {
  CliRun r = run("new " + quoted(list));
  ASSERT_EQ(r.status, 0) << r.err;
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
  expectRefusals({
      {"playlist list " + quoted(list) + " --columns No.,no_such_column", 2, "unknown column 'no_such_column'"},
      {"playlist shuffle " + quoted(list), 2, ""},
      {"playlist new " + quoted(list), 1, ""},  // an existing file is not replaced
      {"playlist add " + quoted(list) + " " + a, 1, "no game could be added"},
      {"playlist move " + quoted(list) + " --to " + (dir / "nowhere").string() + " --yes", 1, ""},
  });
}

TEST_F(CliPlaylist, AddedGamesAreDatedWithTheLocalTimeOfNow) {
  ASSERT_EQ(run("new " + quoted(list)).status, 0);
  // Now, nine hours east of UTC, so that local time and UTC differ.
  const auto jst = [] {
    const std::time_t when = std::time(nullptr) + 9 * 3600;
    char text[16];
    std::tm utc{};
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", gmtime_r(&when, &utc));
    return std::string(text) + "\n";
  };
  const std::string before = jst();
  const CliRun added = run("add " + quoted(list) + " " + a, "TZ=JST-9");
  const std::string after = jst();
  ASSERT_EQ(added.status, 0) << added.err;
  const std::string date = run("list " + quoted(list) + " --columns Regist_date").out;
  EXPECT_GE(date, before);
  EXPECT_LE(date, after);
}

TEST_F(CliPlaylist, AFileReadInPartIsWrittenOnlyWithYes) {
  // Every game carries the first one's megabyte of comment: the reader's text budget ends the list early.
  std::string text = "<game_comment>\n" + std::string(1 << 20, 'x') + "\n<sgf_folder>\n/g\n";
  for (int k = 1; k <= 100; ++k)
    text += "<Game." + std::to_string(k) + ">\n<sgf_file>\n" + std::to_string(k) + ".sgf\n";
  write("big.gpl", text + "<Game.end>\n");
  const std::string big = (dir / "big.gpl").string();

  CliRun r = run("add " + big + " " + a);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("add --yes to write it anyway"), std::string::npos) << r.err;
  EXPECT_EQ(slurp(big), text + "<Game.end>\n");
  r = run("add " + big + " " + a + " --yes");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(slurp(big), text + "<Game.end>\n");
}

// One stray byte in a file of Japanese names is read as UTF-8 with U+FFFD for
// it: with --yes every name is written back as it was, without it nothing.
TEST_F(CliPlaylist, AStrayByteCostsOneCharacterAndAFileThatIsNoPlaylistIsKept) {
  std::string text = "<sgf_folder>\n" + (dir / "games").string() + "\n";
  for (int k = 1; k <= 14; ++k)
    text += "<Game." + std::to_string(k) + ">\n<sgf_file>\n" + std::to_string(k) +
            ".sgf\n<bname>\n\xE6\x9C\xAC\xE5\x9B\xA0\xE5\x9D\x8A" + std::to_string(k) + "\n";
  text += "<Game.end>\n";
  const std::size_t first = text.find("<bname>");
  write("p.gpl", text.substr(0, first) + "\xFF" + text.substr(first));
  const std::string p = (dir / "p.gpl").string();
  EXPECT_EQ(run("add " + p + " " + a).status, 1);
  CliRun r = run("add " + p + " " + a + " --yes");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string written = slurp(p);
  for (int k = 1; k <= 14; ++k)
    EXPECT_NE(written.find("\xE6\x9C\xAC\xE5\x9B\xA0\xE5\x9D\x8A" + std::to_string(k) + "\r\n"), std::string::npos) << k;

  write("game.gpl", "(;GM[1];B[aa])");
  r = run("add " + (dir / "game.gpl").string() + " " + a + " --yes");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("game.gpl はプレイリストではありません"), std::string::npos) << r.err;
  EXPECT_EQ(slurp((dir / "game.gpl").string()), "(;GM[1];B[aa])");
}

// What the files become is the playlist layer's to test; the command's job is
// to say what it would do, do nothing without --yes, and report what it did.
TEST_F(CliPlaylist, RenameAndMoveSayWhatTheyWouldDoUntilConfirmed) {
  ASSERT_EQ(run("new " + quoted(list)).status, 0);
  ASSERT_EQ(run("add " + quoted(list) + " " + a + " " + b).status, 0);
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
}

}  // namespace
