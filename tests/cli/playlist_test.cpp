// mokuza-cli playlist as a user runs it: real processes, real files. What the
// list and the files become is the playlist layer's to test; the command's job
// is to reach it, say what it did, and write nothing unsure without --yes.

#include <ctime>
#include <filesystem>
#include <string>

#include "tests/cli/cli_runner.h"

namespace fs = std::filesystem;

namespace {

using namespace mokuza::testing;

class CliPlaylist : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    list = "'" + (dir / "my list.gpl").string() + "'";
    a = write("games/a.sgf", "(;GM[1]PB[Ann Arbor]PW[Bob Brown]DT[2024-03-01]RE[B+R];B[pd];W[dp])");
    b = write("games/b.sgf", "(;GM[1]PB[Cy Young]PW[Dee Dee]DT[2024-04-02]RE[W+2.5];B[pd];W[dd];B[pp])");
  }
  std::string list, a, b;  // list is quoted for the shell
};

TEST_F(CliPlaylist, NewAddListRenameAndMoveSayWhatTheyDoAndRefuseMistakes) {
  const std::string notes = write("notes.txt", "(;B[aa])").string();
  const fs::path renamed = dir / "games" / "Cy Young_2024-04-02.sgf", archived = dir / "archive" / renamed.filename();
  fs::create_directories(dir / "archive");
  const std::string rename = "playlist rename " + list + " --pattern '<PB>_<DT>' --select 2";
  expectRuns({
      {"playlist new " + list, 0, ""},
      {"playlist add " + list + " " + a + " " + notes + " " + b + " " + a, 0, "added 2 games, 2 in the playlist\n",
       "mokuza-cli playlist: skipped " + notes + ": not an .sgf file\nmokuza-cli playlist: skipped " + a +
           ": listed already\n"},
      {"playlist list " + list, 0,
       "1\t" + a + "\tAnn Arbor\tBob Brown\t2024-03-01\tB+R\n2\t" + b + "\tCy Young\tDee Dee\t2024-04-02\tW+2.5\n"},
      {"playlist list " + list + " --columns wname,totalmove,No.", 0, "Bob Brown\t2\t1\nDee Dee\t3\t2\n"},
  });
  const std::string before = slurp(dir / "my list.gpl");
  expectRuns({
      {"playlist list " + list + " --columns No.,no_such_column", 2, "", "unknown column 'no_such_column'"},
      {"playlist shuffle " + list, 2, ""},
      {"playlist new " + list, 1, ""},  // an existing file is not replaced
      {"playlist add " + list + " " + a, 1, "", "no game could be added"},
      {"playlist move " + list + " --to " + (dir / "nowhere").string() + " --yes", 1, ""},
      {rename, 1, "would rename " + b + " -> " + renamed.string() + "\n", "add --yes"},
  });
  EXPECT_TRUE(fs::exists(b));
  EXPECT_EQ(slurp(dir / "my list.gpl"), before);
  expectRuns({
      {rename + " --yes", 0, ""},
      {"playlist move " + list + " --to " + (dir / "archive").string() + " --select 2 --yes", 0,
       "moved " + renamed.string() + " -> " + archived.string() + "\n"},
  });
}

TEST_F(CliPlaylist, AddedGamesAreDatedWithTheLocalTimeOfNow) {
  ASSERT_EQ(run("playlist new " + list).status, 0);
  // Now, nine hours east of UTC, so that local time and UTC differ.
  const auto jst = [] {
    const std::time_t when = std::time(nullptr) + 9 * 3600;
    char text[16];
    std::tm utc{};
    std::strftime(text, sizeof text, "%Y%m%d%H%M%S", gmtime_r(&when, &utc));
    return std::string(text) + "\n";
  };
  const std::string before = jst();
  ASSERT_EQ(run("playlist add " + list + " " + a, "TZ=JST-9").status, 0);
  const std::string after = jst(), date = run("playlist list " + list + " --columns Regist_date").out;
  EXPECT_GE(date, before);
  EXPECT_LE(date, after);
}

// A list read in part (the reader's text budget ends it early) or with a stray
// byte (U+FFFD for it) is written only with --yes, and then every name as it
// was; a file that is no playlist is never written.
TEST_F(CliPlaylist, AFileReadUnsureIsWrittenOnlyWithYesAndAFileThatIsNoPlaylistIsKept) {
  std::string big = "<game_comment>\n" + std::string(1 << 20, 'x') + "\n<sgf_folder>\n/g\n";
  for (int k = 1; k <= 100; ++k) big += "<Game." + std::to_string(k) + ">\n<sgf_file>\n" + std::to_string(k) + ".sgf\n";
  const std::string name = "\xE6\x9C\xAC\xE5\x9B\xA0\xE5\x9D\x8A";
  std::string stray = "<sgf_folder>\n" + (dir / "games").string() + "\n";
  for (int k = 1; k <= 14; ++k)
    stray += "<Game." + std::to_string(k) + ">\n<sgf_file>\n" + std::to_string(k) + ".sgf\n<bname>\n" + name +
             std::to_string(k) + "\n";
  stray.insert(stray.find("<bname>"), "\xFF");
  for (const auto& [file, text] : {std::pair{"big.gpl", big + "<Game.end>\n"}, {"p.gpl", stray + "<Game.end>\n"}}) {
    const std::string path = write(file, text).string();
    CliRun r = run("playlist add " + path + " " + a);
    EXPECT_EQ(r.status, 1) << file;
    EXPECT_NE(r.err.find("add --yes to write it anyway"), std::string::npos) << r.err;
    EXPECT_EQ(slurp(path), text);
    r = run("playlist add " + path + " " + a + " --yes");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(slurp(path), text);
  }
  const std::string written = slurp(dir / "p.gpl");
  for (int k = 1; k <= 14; ++k) EXPECT_NE(written.find(name + std::to_string(k) + "\r\n"), std::string::npos) << k;

  write("game.gpl", "(;GM[1];B[aa])");
  expectRuns({{"playlist add " + (dir / "game.gpl").string() + " " + a + " --yes", 1, "",
               "game.gpl はプレイリストではありません"}});
  EXPECT_EQ(slurp(dir / "game.gpl"), "(;GM[1];B[aa])");
}

}  // namespace
