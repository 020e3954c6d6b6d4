// mokuza-cli search over a small playlist of real files.

#include "tests/cli/cli_runner.h"

namespace {

using namespace mokuza::testing;

class CliSearch : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    list = (dir / "list.gpl").string();
    const std::string a = write("a.sgf", "(;GM[1]SZ[19]RE[B+R];B[pd];W[dc];B[pp])").string();
    const std::string b = write("b.sgf", "(;GM[1]SZ[19]RE[W+2.5];B[dc];W[pd])").string();  // colours exchanged
    const std::string c = write("c.sgf", "(;GM[1]SZ[19]RE[ジゴ];B[cc])").string();
    ASSERT_EQ(run("playlist new " + list).status, 0);
    const CliRun added = run("playlist add " + list + " " + a + " " + b + " " + c);
    ASSERT_EQ(added.status, 0) << added.err;
  }
  std::string list;
};

// What a search finds is the search layer's to test; here each option must
// reach it, and the games found come before the summary lines.
TEST_F(CliSearch, ListsTheGamesFoundWithItsOptionsThenTheSummary) {
  // The top right quarter holds only the black stone; with fixed colours game b
  // no longer matches, and threshold 0 lists it and c as partial matches.
  const CliRun r = run("search " + list + " --game 1 --move 2 --threshold 0 --bw-fixed --range 10,1,19,9");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "1\t1\n2\t 0％\n3\t 0％\n"
            "部分図検索［list.gpl］［ja-si］(1例)\n"
            " 検索結果 (2手目)：3局中1局 黒：1勝0敗 1.000  白：0勝1敗 .000   \n"
            "□次手　Ａ：1局 0勝1敗 .000 　\n");
  const CliRun shared = run("search " + list + " --game 1 --move 2 --threshold 0 --bw-fixed --range 10,1,19,9 --threads 3");
  EXPECT_EQ(shared.out, r.out);
  expectRefusals({{"search " + list + " --game 1 --move 2 --threads 0", 2, "--threads"},
                  {"search " + list + " --game 1", 2, "--move"},
                  {"search " + list + " --game 1 --move 9", 1, ""}});  // the game has three moves
}

}  // namespace
