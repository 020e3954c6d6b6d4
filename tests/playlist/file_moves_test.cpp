// Moving and renaming the files of the selected games: on disk and in the
// playlist alike, never over an existing file, and consistent when it fails.

#include <gtest/gtest.h>

#include "playlist/file_moves.h"
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
    ASSERT_EQ(AddGames(ctx, paths({game("g/one.sgf", "Iyama Yuta", "Cho U", 3, "DT[2024-05-01]"),
                                   game("g/two.sgf", "Shin Jinseo", "Ke Jie", 4, "DT[2024-06-02]"),
                                   game("g/three.sgf", "Iyama Yuta", "Cho U", 5, "DT[2024-05-01]")})),
              kListDone);
    services.calls.clear();
  }
  std::string sgfPath(int place) const {
    return u8(FilePath(playlist.entries[static_cast<std::size_t>(playlist.displayOrder[static_cast<std::size_t>(place - 1)])],
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
  EXPECT_EQ(u8(expandRenamePattern(u"../<PB>", entry, kSgfFileLabel, 2)), ".._Iy");
}

TEST_F(FileMoves, TheInitialPatternDependsOnHowManyFilesAreSelected) {
  select({1, 2});
  EXPECT_EQ(u8(initialRenamePattern(playlist, kSgfFileLabel)), "<PB>-<PW>_<DT>");
  select({2});
  EXPECT_EQ(u8(initialRenamePattern(playlist, kSgfFileLabel)), "two");
}

TEST_F(FileMoves, RenamingNeverOverwritesAndKeepsPlaylistAndDiskInStep) {
  std::ofstream(dir / "g" / "Iyama Yuta-Cho U.sgf") << "someone else's";
  select({1, 2, 3});
  services.messageAnswers.push_back(platform::AnswerOk);
  PlaylistContext ctx = context();
  const FileMoveOutcome outcome = RenameFiles(ctx, kSgfFileLabel, u"<PB>-<PW>");
  ASSERT_EQ(outcome.status, kListDone);
  EXPECT_EQ(names(dir / "g"), (std::vector<std::string>{"Iyama Yuta-Cho U (2).sgf", "Iyama Yuta-Cho U (3).sgf",
                                                         "Iyama Yuta-Cho U.sgf", "Shin Jinse-Ke Jie.sgf"}));
  EXPECT_EQ(slurp(dir / "g" / "Iyama Yuta-Cho U.sgf"), "someone else's");
  EXPECT_EQ(sgfPath(1), (dir / "g" / "Iyama Yuta-Cho U (2).sgf").string());
  EXPECT_EQ(sgfPath(3), (dir / "g" / "Iyama Yuta-Cho U (3).sgf").string());

  const std::string file = slurp(u8(playlist.path));
  const std::string record =
      "$" + (dir / "g" / "one.sgf").string() + ">" + (dir / "g" / "Iyama Yuta-Cho U (2).sgf").string() + "|\r\n";
  EXPECT_EQ(file.rfind(record, 0), 0u) << file.substr(0, 300);
  Playlist read;
  PlaylistEntry design = initialDesign();
  ASSERT_EQ(ReadPlaylist(read, design, playlist.path, false, services, home), kPlaylistReadOk);
  EXPECT_EQ(u8(FilePath(read.entries[1], kSgfFileLabel)), (dir / "g" / "Shin Jinse-Ke Jie.sgf").string());

  EXPECT_EQ(messages(), (std::vector<std::string>{"Mokuza: ファイルの移動・名前変更を行うと完了後に履歴が消去されます",
                                                  "完了: 3個の名前変更をおこないました"}));
  ASSERT_EQ(doc.undoEntries.size(), 1u) << "the history starts again after the operation";
  EXPECT_EQ(u8(doc.undoEntries[0].description), "名前変更  [No.1～No.3]");
}

TEST_F(FileMoves, CancellingTheQuestionChangesNothingAndTheQuestionReturnsEveryTenthTime) {
  select({1});
  PlaylistContext ctx = context();
  EXPECT_EQ(RenameFiles(ctx, kSgfFileLabel, u"x").status, kListNothing);
  EXPECT_TRUE(fs::exists(dir / "g" / "one.sgf"));
  EXPECT_EQ(doc.globalOptions["first_confirmation"], 1);
  ASSERT_EQ(RenameFiles(ctx, kSgfFileLabel, u"x").status, kListDone) << "not asked the second time";
  EXPECT_TRUE(fs::exists(dir / "g" / "x.sgf"));
  EXPECT_EQ(services.callsOf("messageBox").size(), 2u);
}

TEST_F(FileMoves, MovingGoesToTheChosenFolderAndUpdatesEveryEntryUsingTheFile) {
  fs::create_directories(dir / "archive");
  std::ofstream(dir / "archive" / "two.sgf") << "taken";
  const std::u16string twoPath = u16(dir / "g" / "two.sgf");
  SetFilePath(playlist.entries[0], u"黒石画像", twoPath);  // an odd design that uses the game file
  select({2});
  services.messageAnswers.push_back(platform::AnswerOk);
  PlaylistContext ctx = context();
  const FileMoveOutcome outcome = MoveFiles(ctx, kSgfFileLabel, u16(dir / "archive"));
  ASSERT_EQ(outcome.status, kListDone);
  ASSERT_EQ(outcome.done.size(), 1u);
  EXPECT_EQ(sgfPath(2), (dir / "archive" / "two (2).sgf").string());
  EXPECT_EQ(u8(FilePath(playlist.entries[0], u"黒石画像")), (dir / "archive" / "two (2).sgf").string());
  EXPECT_EQ(slurp(dir / "archive" / "two.sgf"), "taken");
  EXPECT_EQ(messages().back(), "完了: 1個のファイルの移動をおこないました");
}

TEST_F(FileMoves, AFailurePartWayKeepsWhatWasDoneAndSaysSo) {
  // The second stone image's new name would be too long for the file system.
  fs::create_directories(dir / "img");
  const std::string longName = "b." + std::string(249, 'x');
  std::ofstream(dir / "img" / "a.png") << "a";
  std::ofstream(dir / "img" / longName) << "b";
  SetFilePath(playlist.entries[0], u"黒石画像", u16(dir / "img" / "a.png"));
  SetFilePath(playlist.entries[1], u"黒石画像", u16(dir / "img" / longName));
  select({1, 2});
  services.messageAnswers.push_back(platform::AnswerOk);
  PlaylistContext ctx = context();
  const FileMoveOutcome outcome = RenameFiles(ctx, u"黒石画像", u"<PB>x");
  EXPECT_NE(outcome.status, kListDone);
  ASSERT_EQ(outcome.done.size(), 1u);
  EXPECT_EQ(names(dir / "img"), (std::vector<std::string>{"Iyama Yutax.png", longName}));
  EXPECT_EQ(u8(FilePath(playlist.entries[0], u"黒石画像")), (dir / "img" / "Iyama Yutax.png").string());
  EXPECT_EQ(u8(FilePath(playlist.entries[1], u"黒石画像")), (dir / "img" / longName).string());
  EXPECT_NE(slurp(u8(playlist.path)).find("Iyama Yutax.png"), std::string::npos) << "the file says what the disk holds";
  EXPECT_EQ(messages().back().rfind("エラー: ", 0), 0u);
  EXPECT_NE(messages().back().find("1個の名前変更をおこないました"), std::string::npos);
}

TEST_F(FileMoves, MoreThanFiveThousandSelectedGamesAreRefusedBeforeAnyQuestion) {
  for (int k = 0; k < 5001; ++k)
    addGameNumbered(playlist, initialDesign(), u"/nowhere/" + u16(std::to_string(k)) + u".sgf", u"d", k + 10);
  playlist.list.selected.clear();
  for (int k = 3; k < 5004; ++k) playlist.list.selected.insert(playlist.displayOrder[static_cast<std::size_t>(k)]);
  PlaylistContext ctx = context();
  EXPECT_EQ(RenameFiles(ctx, kSgfFileLabel, u"<PB>").status, kListRefused);
  EXPECT_EQ(messages(), (std::vector<std::string>{"Mokuza: 移動・名前変更は5000ファイルまでです（現在選択数 5001）"}));
  EXPECT_EQ(doc.globalOptions.count("first_confirmation"), 0u);
}

TEST_F(FileMoves, NothingQualifiesWhenTheNameStaysOrTheFileIsGone) {
  fs::remove(dir / "g" / "two.sgf");
  select({1, 2});
  services.messageAnswers.push_back(platform::AnswerOk);
  PlaylistContext ctx = context();
  EXPECT_EQ(RenameFiles(ctx, kSgfFileLabel, u"<FN>").status, kListNothing);
  EXPECT_EQ(messages().back(), "エラー: 名前変更可能なファイルがありませんでした");
}

}  // namespace
}  // namespace mokuza::test
