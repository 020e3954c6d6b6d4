// Moving and renaming the files of the selected games: on disk and in the
// playlist alike, never over an existing file, and consistent when it fails.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "playlist/file_moves.h"
#include "playlist/history_log.h"
#include "playlist/list_games.h"
#include "playlist/playlist_reader.h"
#include "playlist_test_support.h"

namespace mokuza::test {
namespace {

class FileMoves : public PlaylistTest {
 protected:
  void SetUp() override {
    PlaylistTest::SetUp();
    PlaylistContext ctx = context();
    ASSERT_EQ(addGames(ctx, paths({game("g/one.sgf", "Iyama Yuta", "Cho U", 3, "DT[2024-05-01]"),
                                   game("g/two.sgf", "Shin Jinseo", "Ke Jie", 4, "DT[2024-06-02]"),
                                   game("g/three.sgf", "Iyama Yuta", "Cho U", 5, "DT[2024-05-01]")})),
              ListOutcome::Done);
    services.calls.clear();
  }
  std::string sgfPath(int place) const {
    return u8(
        FilePath(playlist.entries[static_cast<std::size_t>(playlist.displayOrder[static_cast<std::size_t>(place - 1)])],
                 kSgfFileLabel));
  }
  std::vector<std::string> names(const fs::path& folder) const {
    std::vector<std::string> list;
    for (const auto& item : fs::directory_iterator(folder)) list.push_back(item.path().filename().string());
    std::sort(list.begin(), list.end());
    return list;
  }
};

TEST_F(FileMoves, PatternsTakeGameInformationCutAndMadeSafe) {
  PlaylistEntry entry;
  entry.textFields[u"黒対局者"] = u"Iyama Yuta";
  entry.textFields[u"白対局者"] = u"a/b:c*d";
  entry.textFields[u"対局日"] = u"2024-05-01";
  SetFilePath(entry, kSgfFileLabel, u"/g/old name.sgf");
  EXPECT_EQ(u8(expandRenamePattern(u"<PB>-<PW>_<DT>", entry, kSgfFileLabel, 10)), "Iyama Yuta-a_b_c_d_2024-05-01");
  EXPECT_EQ(u8(expandRenamePattern(u"<PB>-<PW>", entry, kSgfFileLabel, 4)), "Iyam-a_b_");
  EXPECT_EQ(u8(expandRenamePattern(u"<fn>+<XX>", entry, kSgfFileLabel, -1)), "old name+");
  // Never a hidden name.
  for (const auto& [pattern, name] : std::vector<std::pair<std::u16string, std::string>>{
           {u".", ""}, {u"..", ""}, {u"...<FN>", "old name"}, {u"../<PB>", "_Iy"}})
    EXPECT_EQ(u8(expandRenamePattern(pattern, entry, kSgfFileLabel, 2)), name) << u8(pattern);
}

TEST_F(FileMoves, RenamingNeverOverwritesAndKeepsPlaylistAndDiskInStep) {
  HistoryLog log{dir / "history"};
  connectHistoryLog(doc, services, log);
  std::ofstream(dir / "g" / "Iyama Yuta-Cho U.sgf") << "someone else's";
  select({1, 2, 3});
  services.messageAnswers.assign(2, platform::Answer::Ok);
  PlaylistContext ctx = context();
  const FileMoveOutcome outcome = renameFiles(ctx, kSgfFileLabel, u"<PB>-<PW>");
  ASSERT_EQ(outcome.status, ListOutcome::Done);
  EXPECT_EQ(names(dir / "g"), (std::vector<std::string>{"Iyama Yuta-Cho U (2).sgf", "Iyama Yuta-Cho U (3).sgf",
                                                        "Iyama Yuta-Cho U.sgf", "Shin Jinse-Ke Jie.sgf"}));
  EXPECT_EQ(slurp(dir / "g" / "Iyama Yuta-Cho U.sgf"), "someone else's");

  const std::string file = slurp(u8(playlist.path));
  const std::string record =
      "$" + (dir / "g" / "one.sgf").string() + ">" + (dir / "g" / "Iyama Yuta-Cho U (2).sgf").string() + "|\r\n";
  EXPECT_EQ(file.rfind(record, 0), 0u) << file.substr(0, 300);
  EXPECT_NE(file.find("<sgf_file>\r\nShin Jinse-Ke Jie.sgf\r\n"), std::string::npos);

  const std::string one = (dir / "g" / "one.sgf").string(), two = (dir / "g" / "two.sgf").string();
  EXPECT_EQ(messages(), (std::vector<std::string>{"Mokuza: ファイルの移動・名前変更を行うと完了後に履歴が消去されます",
                                                  "Mokuza: 次の3個のファイルを名前変更します。よろしいですか？\n\n" +
                                                      one + "\n　→ " + sgfPath(1) + "\n" + two + "\n　→ " + sgfPath(2) +
                                                      "\n" + (dir / "g" / "three.sgf").string() + "\n　→ " + sgfPath(3),
                                                  "完了: 3個の名前変更をおこないました"}));
  EXPECT_EQ(doc.undoEntries.size(), 1u) << "the history starts again after the operation";
  EXPECT_NE(slurp(historyFilePath(log.folder, services.localTime(services.now()))).find(". 名前変更  [No.1～No.3]"),
            std::string::npos);
}

TEST_F(FileMoves, OnlyRegularFilesWithAnExtensionOfTheFieldAreTouched) {
  fs::create_directories(dir / "f" / "folder.sgf");
  ASSERT_EQ(::mkfifo((dir / "f" / "fifo.sgf").c_str(), 0600), 0);
  for (const char* name : {"x.SGF", "authorized_keys", ".hidden.sgf", "s.JPEG", "s.wav"})
    std::ofstream(dir / "f" / name) << "x";
  fs::create_symlink(dir / "f" / "authorized_keys", dir / "f" / "link.sgf");
  const std::pair<std::u16string_view, std::string> cases[] = {{kSgfFileLabel, "x.SGF"},
                                                               {kSgfFileLabel, "authorized_keys"},
                                                               {kSgfFileLabel, ".hidden.sgf"},
                                                               {kSgfFileLabel, "folder.sgf"},
                                                               {kSgfFileLabel, "fifo.sgf"},
                                                               {kSgfFileLabel, "link.sgf"},
                                                               {u"黒石画像", "s.JPEG"},
                                                               {u"黒石画像", "s.wav"},
                                                               {u"黒石音", "s.wav"}};
  select({1});
  std::string touched;  // the new paths of the files that would move, below the test folder
  for (const auto& [label, name] : cases) {
    SetFilePath(playlist.entries[0], label, u16(dir / "f" / name));
    for (const PlannedMove& move : planMoves(playlist, label, u16(dir)))
      touched += u8(move.newPath).substr(dir.string().size()) + " ";
  }
  EXPECT_EQ(touched, "/x.SGF /link.sgf /s.JPEG /s.wav ");
  SetFilePath(playlist.entries[0], kSgfFileLabel, u"f/x.SGF");
  EXPECT_TRUE(planMoves(playlist, kSgfFileLabel, u16(dir)).empty()) << "only a full path shows what is touched";
}

TEST_F(FileMoves, WhenThePlaylistCannotBeWrittenTheFilesGoBack) {
  fs::remove_all(dir / "lists");
  select({1, 2});
  services.messageAnswers.assign(2, platform::Answer::Ok);
  PlaylistContext ctx = context();
  const FileMoveOutcome outcome = renameFiles(ctx, kSgfFileLabel, u"<PW>");
  EXPECT_EQ(outcome.status, ListOutcome::WriteFailed);
  EXPECT_TRUE(outcome.done.empty());
  EXPECT_EQ(names(dir / "g"), (std::vector<std::string>{"one.sgf", "three.sgf", "two.sgf"}));
  EXPECT_EQ(sgfPath(1) + sgfPath(2), (dir / "g" / "one.sgf").string() + (dir / "g" / "two.sgf").string());
  EXPECT_TRUE(playlist.movedFiles.empty());
  EXPECT_EQ(messages().back(), "エラー: プレイリストを保存できなかったため、ファイルを元に戻しました");
}

TEST_F(FileMoves, CancellingEitherQuestionChangesNothingAndTheFirstReturnsEveryTenthTime) {
  select({1});
  PlaylistContext ctx = context();
  EXPECT_EQ(renameFiles(ctx, kSgfFileLabel, u"x").status, ListOutcome::Nothing);
  EXPECT_EQ(doc.globalOptions[GlobalOption::FirstConfirmation], 1);
  EXPECT_EQ(renameFiles(ctx, kSgfFileLabel, u"x").status, ListOutcome::Nothing)
      << "the files to touch are always shown";
  EXPECT_TRUE(fs::exists(dir / "g" / "one.sgf"));
  services.messageAnswers.push_back(platform::Answer::Ok);
  ASSERT_EQ(renameFiles(ctx, kSgfFileLabel, u"x").status, ListOutcome::Done);
  EXPECT_TRUE(fs::exists(dir / "g" / "x.sgf"));
  EXPECT_EQ(services.callsOf("messageBox").size(), 4u);
}

TEST_F(FileMoves, MovingGoesToTheChosenFolderAndUpdatesEveryEntryUsingTheFile) {
  fs::create_directories(dir / "archive");
  std::ofstream(dir / "archive" / "two.sgf") << "taken";
  const std::u16string twoPath = u16(dir / "g" / "two.sgf");
  SetFilePath(playlist.entries[0], u"黒石画像", twoPath);  // an odd design that uses the game file
  select({2});
  services.messageAnswers.assign(2, platform::Answer::Ok);
  PlaylistContext ctx = context();
  const FileMoveOutcome outcome = moveFiles(ctx, kSgfFileLabel, u16(dir / "archive"));
  ASSERT_EQ(outcome.status, ListOutcome::Done);
  EXPECT_EQ(sgfPath(2), (dir / "archive" / "two (2).sgf").string());
  EXPECT_EQ(u8(FilePath(playlist.entries[0], u"黒石画像")), (dir / "archive" / "two (2).sgf").string());
  EXPECT_EQ(slurp(dir / "archive" / "two.sgf"), "taken");
  EXPECT_EQ(messages().back(), "完了: 1個のファイルの移動をおこないました");
}

TEST_F(FileMoves, AFailurePartWayKeepsWhatWasDoneAndSaysSo) {
  // The second stone image's new path would be longer than the system allows.
  fs::path deep = dir / "img";
  while (deep.string().size() < 3900) deep /= std::string(49, 'd');
  fs::create_directories(deep);
  const std::string longName = std::string(4080 - deep.string().size(), 'b') + ".png";
  std::ofstream(dir / "img" / "a.png") << "a";
  std::ofstream(deep / longName) << "b";
  SetFilePath(playlist.entries[0], u"黒石画像", u16(dir / "img" / "a.png"));
  SetFilePath(playlist.entries[1], u"黒石画像", u16(deep / longName));
  select({1, 2});
  services.messageAnswers.assign(2, platform::Answer::Ok);
  PlaylistContext ctx = context();
  const FileMoveOutcome outcome = renameFiles(ctx, u"黒石画像", u"<FN>-<PB>x");
  EXPECT_NE(outcome.status, ListOutcome::Done);
  ASSERT_EQ(outcome.done.size(), 1u);
  EXPECT_TRUE(fs::exists(dir / "img" / "a-Iyama Yutax.png") && fs::exists(deep / longName));
  EXPECT_EQ(fieldsOf(playlist.entries[0], {u"黒石画像"}) + "|" + fieldsOf(playlist.entries[1], {u"黒石画像"}),
            (dir / "img" / "a-Iyama Yutax.png").string() + "|" + (deep / longName).string());
  EXPECT_NE(slurp(u8(playlist.path)).find("a-Iyama Yutax.png"), std::string::npos)
      << "the file says what the disk holds";
  EXPECT_TRUE(messages().back().starts_with("エラー: ") &&
              messages().back().ends_with("\n1個の名前変更をおこないました"))
      << messages().back();
}

}  // namespace
}  // namespace mokuza::test
