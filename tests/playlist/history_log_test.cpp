// The monthly history log: day headers, numbering, the turn of a month and a
// year, the switch that keeps it off, and the change of folder.

#include <gtest/gtest.h>

#include "core/document/undo.h"
#include "playlist/history_log.h"
#include "playlist_test_support.h"

namespace mokuza::test {
namespace {

class HistoryLogTest : public PlaylistTest {
 protected:
  void SetUp() override {
    PlaylistTest::SetUp();
    log.folder = dir / "history";
    services.clock = 1733392800;  // 2024-12-05 10:00:00
  }
  std::string month(const std::string& year, const std::string& name) const {
    return slurp(log.folder / year / ("history - " + name + ".txt"));
  }
  HistoryLog log;
};

TEST_F(HistoryLogTest, DaysGetAHeaderMonthsAFileAndYearsAFolder) {
  for (const auto& [clock, line, position] :
       std::vector<std::tuple<std::time_t, std::u16string, int>>{
           {1733011199, u"november", 1},           // 2024-11-30 23:59:59
           {1733392800, u"対局を開く - game", 7},  // 2024-12-05 10:00:00
           {1733392805, u"リストから削除  [No.3]", 12},
           {1733477400, u"貼り付け", 13},  // the next day
           {1735689601, u"january", 3}})   // 2025-01-01 00:00:01
  {
    services.clock = clock;
    ASSERT_TRUE(AppendHistoryLine(log, services, line, position)) << u8(line);
  }
  EXPECT_EQ(month("2024", "2024-11"), "\r\n<11-30>\r\n23:59:59   1. november\r\n");
  EXPECT_EQ(month("2024", "2024-12"),
            "\r\n<12-05>\r\n10:00:00   7. 対局を開く - game\r\n10:00:05  12. リストから削除  [No.3]\r\n"
            "\r\n<12-06>\r\n09:30:00  13. 貼り付け\r\n");
  EXPECT_EQ(month("2025", "2025-01"), "\r\n<01-01>\r\n00:00:01   3. january\r\n");
}

TEST_F(HistoryLogTest, WritesOnlyWhileTheSwitchIsOnAndNeverForPositionZero) {
  connectHistoryLog(doc, services, log);
  doc.globalOptions[GlobalOption::HistoryOutput] = 0;
  recordUndo(doc, u"first");
  recordUndo(doc, u"second");
  EXPECT_FALSE(AppendHistoryLine(log, services, u"start", 0)) << "position 0 writes nothing";
  EXPECT_FALSE(fs::exists(log.folder)) << "no file or folder is touched";
  doc.globalOptions[GlobalOption::HistoryOutput] = 1;
  recordUndo(doc, u"third");
  EXPECT_EQ(month("2024", "2024-12"), "\r\n<12-05>\r\n10:00:00   2. third\r\n");
}

TEST_F(HistoryLogTest, ChangingTheFolderIsLoggedInTheOldOneAndLaterLinesGoToTheNew) {
  connectHistoryLog(doc, services, log);
  recordUndo(doc, u"start");
  const fs::path old = log.folder;
  EXPECT_FALSE(changeHistoryFolder(doc, services, log)) << "a cancelled browser changes nothing";
  EXPECT_EQ(log.folder, old);
  services.folderAnswers.push_back(dir / "elsewhere");
  ASSERT_TRUE(changeHistoryFolder(doc, services, log));
  EXPECT_EQ(log.folder, dir / "elsewhere");
  EXPECT_NE(slurp(old / "2024" / "history - 2024-12.txt")
                .find("履歴フォルダを変更：" + old.string() + " → " + (dir / "elsewhere").string()),
            std::string::npos);
  recordUndo(doc, u"after");
  EXPECT_NE(slurp(dir / "elsewhere" / "2024" / "history - 2024-12.txt").find("after"), std::string::npos);
}

TEST_F(HistoryLogTest, AMonthsFileThatCannotBeReadIsNeverReplacedAndSaidOnce) {
  const fs::path file = log.folder / "2024" / "history - 2024-12.txt";
  fs::create_directories(file.parent_path());
  fs::create_symlink(file.filename(), file);  // a link to itself: there, but no text to read
  EXPECT_FALSE(AppendHistoryLine(log, services, u"first", 1));
  EXPECT_FALSE(AppendHistoryLine(log, services, u"second", 2));
  EXPECT_TRUE(fs::is_symlink(file));
  EXPECT_EQ(messages(), std::vector<std::string>{
                            "エラー: 履歴ファイルを読み込めないため、履歴を書き込みませんでした\n" + file.string()});
}

}  // namespace
}  // namespace mokuza::test
