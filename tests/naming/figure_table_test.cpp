// The built-in figure table, the name map, and the figure list file: what is
// written reads back the same, and no damaged file costs the program its terms.

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "core/naming/figure_list_file.h"
#include "core/naming/figures.h"
#include "core/record/text.h"
#include "tests/naming/naming_test_support.h"
#include "tests/test_folder.h"

namespace mokuza::test {
namespace {

namespace fs = std::filesystem;
using naming::FigureRow;
using naming::FigureTable;

TEST(FigureTableTest, BuiltInRowsAreTheTermsInPriorityOrder) {
  const FigureTable table;
  ASSERT_EQ(table.count(), 98);
  for (int f = 0; f < naming::kBuiltInFigureCount; ++f)
    EXPECT_EQ(table.find(naming::kFigureNames[static_cast<std::size_t>(f)]), f) << f;
  EXPECT_EQ(table.name(97), u"トリ");
  EXPECT_EQ(table.rows()[12].music, (naming::FigureMusic{50, 120, 0, 0, -1, -1, 64, 100, 100}));
  EXPECT_EQ(table.find(u"スベリ"), naming::kNoFigure);
  EXPECT_TRUE(table.name(98).empty());
  EXPECT_TRUE(table.name(-1).empty());
}

class FigureListFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = freshTestFolder("mokuza-figures");
    fs::create_directories(folder / "figurelists");
  }
  void TearDown() override { fs::remove_all(folder); }

  void writeFile(const std::string& bytes) { std::ofstream(naming::figureListPath(folder), std::ios::binary) << bytes; }

  fs::path folder;
};

TEST_F(FigureListFileTest, WrittenTableReadsBackTheSame) {
  std::vector<FigureRow> rows = naming::builtInFigureRows();
  rows[72].music = {1, 2, 3, -4, 5, 6, 7, 8, 9};
  rows[0].stones[2] = u"FR,PX:1,PY:1";
  std::swap(rows[10], rows[20]);
  const FigureTable table(rows);
  ASSERT_TRUE(naming::saveFigureList(table, folder));

  const std::string bytes = *readFileBytes(naming::figureListPath(folder));
  EXPECT_EQ(bytes.rfind("<figurelist_name>\r\nfigure.gfg\r\n<before_folder>\r\n", 0), 0u) << bytes.substr(0, 80);
  EXPECT_NE(bytes.find("<name>\r\nハネ\r\n<in_stone1>"), std::string::npos);
  EXPECT_NE(bytes.find("<proglam_change>\r\n1\r\n<gate>\r\n2"), std::string::npos);

  const FigureTable loaded = naming::loadFigureList(folder);
  ASSERT_EQ(loaded.count(), table.count());
  for (int f = 0; f < table.count(); ++f) {
    const FigureRow& want = table.rows()[static_cast<std::size_t>(f)];
    const FigureRow& got = loaded.rows()[static_cast<std::size_t>(f)];
    EXPECT_EQ(got.name, want.name) << f;
    EXPECT_EQ(got.stones, want.stones) << f;
    EXPECT_EQ(got.music, want.music) << f;
  }
}

TEST_F(FigureListFileTest, MissingEmptyOrNamelessFilesLeaveTheBuiltInTable) {
  EXPECT_EQ(naming::loadFigureList(folder / "nowhere").count(), 98);
  writeFile("");
  EXPECT_EQ(naming::loadFigureList(folder).count(), 98);
  writeFile("<figurelist_name>\nfigure.gfg\n<in_stone1>\nFR\n<gate>\n5\n");
  EXPECT_EQ(naming::loadFigureList(folder).count(), 98);
  writeFile(std::string("\xff\xfe\x00<<<>>>\x80garbage", 18));
  EXPECT_EQ(naming::loadFigureList(folder).count(), 98);
}

TEST_F(FigureListFileTest, DamagedFilesLoadWhatTheyHold) {
  // Unknown keys, the list window's column layout, a value over several
  // lines, a number with junk after it, an unclosed tag at the end.
  writeFile(
      "<figurelist_name>\r\nfigure.gfg\r\n<listitem>\r\nname:\r\n[width=80][alliod=1];\r\n"
      "<colour>\r\nred\r\n<name>\r\nツ\r\nケ\r\n<gate>\r\n240ms\r\n<in_stone2>\r\nEN\r\n"
      "<name>\r\n\r\n<pitch>\r\n-7\r\n<name>\r\nハネ\r\n<in_stone3");
  const FigureTable table = naming::loadFigureList(folder);
  ASSERT_EQ(table.count(), 3);
  EXPECT_EQ(table.name(0), u"ツケ");
  EXPECT_EQ(table.rows()[0].music[1], 240);
  EXPECT_EQ(table.rows()[0].stones[1], u"EN");
  EXPECT_EQ(table.name(1), u"");
  EXPECT_EQ(table.rows()[1].music[3], -7);
  EXPECT_EQ(table.find(u"ハネ"), 2);
}

// The table is cut at the largest figure number; a repeated name finds its last row.
TEST_F(FigureListFileTest, ThousandsOfRowsAndRepeatedNamesLoad) {
  std::string text = "<figurelist_name>\nfigure.gfg\n";
  for (int i = 0; i < 40000; ++i) text += "<name>\n" + std::string(i % 2 ? "ハネ" : "ツケ") + "\n";
  writeFile(text);
  const FigureTable table = naming::loadFigureList(folder);
  EXPECT_EQ(table.count(), 32767);
  EXPECT_EQ(table.find(u"ツケ"), 32766);
  EXPECT_EQ(table.find(u"ハネ"), 32765);

  const std::string golden = "\n(;SZ[19]AB[dd]AW[ed];B[ec]) → ハネ\n";
  EXPECT_EQ(renamed(golden, table), golden) << "naming with such a table stays within it";
}

TEST_F(FigureListFileTest, ReorderedRowsChangeThePriority) {
  // The hane also touches the enemy stone (トナリ相手). Put that row last:
  // it now outranks every other figure, and a capture takes the row of トリ
  // wherever it is.
  std::vector<FigureRow> rows = naming::builtInFigureRows();
  std::rotate(rows.begin() + 3, rows.begin() + 4, rows.end());
  ASSERT_TRUE(naming::saveFigureList(FigureTable(rows), folder));
  const std::string golden = R"(
(;SZ[19]AB[dd]AW[ed];B[ec]) → トナリ相手
(;SZ[19]AB[jj]AW[ij][kj][ji];W[jk]) → １目トリ / トリ
)";
  EXPECT_EQ(renamed(golden, naming::loadFigureList(folder)), golden);
}

}  // namespace
}  // namespace mokuza::test
