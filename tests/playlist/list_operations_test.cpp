// The playlist window's commands on the model: adding, deleting, moving rows,
// sorting, saved orders, copying and pasting games and designs, the texts
// the window and the history show, and undoing them.

#include <gtest/gtest.h>

#include "core/document/game_files.h"
#include "core/document/undo.h"
#include "core/record/text.h"
#include "playlist/list_clipboard.h"
#include "playlist/list_games.h"
#include "playlist/list_order.h"
#include "playlist/list_texts.h"
#include "playlist/snapshots.h"
#include "playlist_test_support.h"

namespace mokuza::test {
namespace {

class ListOperations : public PlaylistTest {
 protected:
  // Ten games whose black players are P1..P10.
  void addTen() {
    std::vector<fs::path> files;
    for (int k = 1; k <= 10; ++k) files.push_back(game("g/" + std::to_string(k) + ".sgf", "P" + std::to_string(k)));
    PlaylistContext ctx = context();
    ASSERT_EQ(addGames(ctx, paths(files)), ListOutcome::Done);
    services.calls.clear();
  }
  std::string trace;
  std::string lastHistory() const { return doc.undoEntries.empty() ? "" : u8(doc.undoEntries.back().description); }
  // Every entry of the history, oldest first, joined by "|".
  std::string history() const {
    std::string joined;
    for (const auto& entry : doc.undoEntries) joined += (joined.empty() ? "" : "|") + u8(entry.description);
    return joined;
  }
  // One line of a session: the command, its outcome, the players in list
  // order (with "#number" where the number is not the place) and the newest
  // history entry.
  void step(const std::string& command, ListOutcome outcome) {
    static const char* const kOutcomes[] = {"done", "refused", "nothing", "write failed", "not written"};
    trace += command + ": " + kOutcomes[static_cast<int>(outcome)] + " |";
    for (int place = 1; place <= playlist.gameCount(); ++place) {
      trace += " " + u8(textField(at(place), u"黒対局者"));
      if (at(place).number != place) trace += "#" + std::to_string(at(place).number);
    }
    trace += " | " + lastHistory() + "\n";
  }
  PlaylistEntry& at(int place) {
    return playlist.entries[static_cast<std::size_t>(playlist.displayOrder[static_cast<std::size_t>(place - 1)])];
  }
};

TEST_F(ListOperations, AddingReadsEachGamesInformationAndNamesEveryFileItSkipped) {
  PlaylistContext ctx = context();
  const fs::path a = game("a.sgf", "Ann", "Bob", 5, "RE[B+R]");
  std::ofstream(dir / "notes.txt") << "(;B[aa])";
  std::ofstream(dir / "empty.sgf") << "no game here";
  std::vector<SkippedFile> skipped;
  ASSERT_EQ(addGames(ctx, paths({a, dir / "notes.txt", dir / "empty.sgf", dir / "absent.sgf", a}), {}, &skipped),
            ListOutcome::Done);
  ASSERT_EQ(skipped.size(), 4u);
  EXPECT_FALSE(skipped[2].error.empty()) << "the reader's reason is kept";
  skipped[2].error.clear();
  EXPECT_EQ(skipped, (std::vector<SkippedFile>{
                         {u16(dir / "notes.txt"), SkipReason::NotGameFile},
                         {u16(dir / "empty.sgf"), SkipReason::NoGame},
                         {u16(dir / "absent.sgf"), SkipReason::FileRefused, platform::FileProblem::Missing},
                         {u16(a), SkipReason::Listed}}));
  ASSERT_EQ(playlist.gameCount(), 1);
  EXPECT_EQ(fieldsOf(at(1), {u"黒対局者", u"結果", u"総手数", u"登録日"}), "Ann|B+R|5|20241205120000");
  EXPECT_EQ(lastHistory(), "対局を追加  [No.1]");
  EXPECT_EQ(messages().back(), "完了: 1個のSGFファイルの追加をおこないました");

  EXPECT_EQ(addGames(ctx, paths({a})), ListOutcome::Nothing);
  EXPECT_EQ(messages().back(), "エラー: 追加可能なSGFファイルがありませんでした");
  EXPECT_EQ(playlist.gameCount(), 1);
}

TEST_F(ListOperations, TwoWritersOfOnePlaylistNeverLoseEachOthersGames) {
  PlaylistContext ctx = context();
  ASSERT_EQ(addGames(ctx, paths({game("a.sgf", "A")})), ListOutcome::Done);
  // A second program on the same file.
  Playlist otherList;
  Document otherDoc;
  platform::HeadlessServices otherServices;
  otherList.snapshots.folder = dir / "other-temp";
  PlaylistContext other{otherList, otherDoc, otherServices, home, {}, {}};
  ASSERT_EQ(openPlaylistFile(other, playlist.path), ListOutcome::Done);

  ASSERT_EQ(addGames(ctx, paths({game("b.sgf", "B")})), ListOutcome::Done);
  ASSERT_EQ(addGames(other, paths({game("c.sgf", "C")})), ListOutcome::Done) << "reads the file again first";
  PlaylistEntry design = makeInitialDesign();
  Playlist onDisk;
  ASSERT_EQ(ReadPlaylist(onDisk, design, playlist.path, false, services, home), kPlaylistReadOk);
  EXPECT_EQ(onDisk.gameCount(), 3);

  // A change that cannot be merged asks first; No reads the file again.
  select({1});
  EXPECT_EQ(moveSelectedRows(ctx, 1), ListOutcome::Nothing);
  EXPECT_EQ(messages().back(),
            "Mokuza: プレイリスト〈test.gpl〉は読み込んだ後に他のプログラムで変更されています。\n上書きしますか？\n"
            "（いいえ：ファイルを読み直し、この変更は取り消します）");
  EXPECT_EQ(players(), (std::vector<std::string>{"A", "B", "C"}));
  services.messageAnswers.push_back(platform::Answer::Yes);
  ASSERT_EQ(addGames(other, paths({game("d.sgf", "D")})), ListOutcome::Done);
  select({1});
  EXPECT_EQ(moveSelectedRows(ctx, 1), ListOutcome::Done) << "Yes overwrites";
  EXPECT_EQ(players(), (std::vector<std::string>{"B", "A", "C"}));
}

TEST_F(ListOperations, MovingDeletingRestoringCopyingAndPastingRows) {
  addTen();
  PlaylistContext ctx = context();
  saveOrder(playlist);
  select({3, 4});
  step("move 3-4 by 10", moveSelectedRows(ctx, 10));
  step("again", moveSelectedRows(ctx, 1));
  select({2});
  step("move 2 by -50", moveSelectedRows(ctx, -50));
  step("restore", restoreOrder(ctx));
  select({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  step("delete all", deleteGames(ctx));
  playlist.currentGameIndex = playlist.displayOrder[3] + 1;
  select({4, 5});
  step("delete 4-5", deleteGames(ctx));
  EXPECT_EQ(textField(playlist.entries[static_cast<std::size_t>(playlist.currentGameIndex - 1)], u"黒対局者"), u"P6");
  step("restore", restoreOrder(ctx));
  saveOrder(playlist);
  step("add", addGames(ctx, paths({game("extra.sgf", "X")})));
  step("restore", restoreOrder(ctx));
  at(1).intFields[u"碁盤Ｘ"] = 11;
  select({1});
  step("copy 1", copyGames(ctx));
  EXPECT_EQ(services.clipboard.find(u"<position>"), std::u16string::npos) << "only the games";
  select({5});
  step("swap designs 1 and 5", swapDesigns(ctx));
  EXPECT_EQ(fieldsOf(at(5), {u"碁盤Ｘ", u"黒対局者"}) + "|" + fieldsOf(at(1), {u"碁盤Ｘ"}), "11|P7|-200");
  select({2});
  step("paste after 2", pasteGames(ctx));
  select({4});
  step("swap designs 3 and 4", swapDesigns(ctx));
  doc.globalOptions[GlobalOption::PlaylistNumberFixed] = 1;
  select({2});
  step("fixed numbers: move 2 by 1", moveSelectedRows(ctx, 1));
  EXPECT_EQ(trace,
            R"(move 3-4 by 10: done | P1 P2 P5 P6 P7 P8 P9 P10 P3 P4 | プレイリスト並べ替え [3局目～4局目→9局目～10局目]
again: nothing | P1 P2 P5 P6 P7 P8 P9 P10 P3 P4 | プレイリスト並べ替え [3局目～4局目→9局目～10局目]
move 2 by -50: done | P2 P1 P5 P6 P7 P8 P9 P10 P3 P4 | プレイリスト並べ替え [2局目→1局目]
restore: done | P1 P2 P3 P4 P5 P6 P7 P8 P9 P10 | 保存された並び順に戻す
delete all: refused | P1 P2 P3 P4 P5 P6 P7 P8 P9 P10 | 保存された並び順に戻す
delete 4-5: done | P1 P2 P3 P6 P7 P8 P9 P10 | リストから削除  [No.4～No.5]
restore: refused | P1 P2 P3 P6 P7 P8 P9 P10 | リストから削除  [No.4～No.5]
add: done | P1 P2 P3 P6 P7 P8 P9 P10 X | 対局を追加  [No.9]
restore: refused | P1 P2 P3 P6 P7 P8 P9 P10 X | 対局を追加  [No.9]
copy 1: done | P1 P2 P3 P6 P7 P8 P9 P10 X | 対局を追加  [No.9]
swap designs 1 and 5: done | P1 P2 P3 P6 P7 P8 P9 P10 X | デザインを入れ替え [No.1,No.5]
paste after 2: done | P1 P2 P1 P3 P6 P7 P8 P9 P10 X | 貼り付け [No.3]
swap designs 3 and 4: refused | P1 P2 P1 P3 P6 P7 P8 P9 P10 X | 貼り付け [No.3]
fixed numbers: move 2 by 1: done | P1 P1#3 P2#2 P3 P6 P7 P8 P9 P10 X | プレイリスト並べ替え [2局目→3局目]
)");
  EXPECT_EQ(messages(),
            (std::vector<std::string>{"失敗: 全削除はできません", "完了: 1個のSGFファイルの追加をおこないました",
                                      "エラー: コピー元の対局が現在のリストにないため\n入れ替えできませんでした"}));
}

TEST_F(ListOperations, SeparateRowsKeepTheirOrderWhenTheyMeetAnEnd) {
  EXPECT_EQ(orderAfterMove({0, 1, 2, 3, 4, 5}, {1, 4}, 10), (std::vector<int>{0, 2, 3, 5, 1, 4}));
  EXPECT_EQ(orderAfterMove({0, 1, 2, 3, 4, 5}, {1, 4}, -1), (std::vector<int>{1, 0, 2, 4, 3, 5}));
  EXPECT_EQ(orderAfterMove({5, 4, 3, 2, 1, 0}, {0, 1, 4}, -2), (std::vector<int>{5, 4, 1, 3, 2, 0}));
}

TEST_F(ListOperations, AGameFromOutsideNeverTakesTheEntryShownBefore) {
  addTen();
  connectOutsideGames(doc, playlist);
  const int record = playlist.displayOrder[2];
  playlist.currentGameIndex = doc.state.playlistIndex = record + 1;  // playlist game 3 is shown
  setShownDesign(doc.state, at(3));
  ASSERT_EQ(openGameFile(doc, services, u16(game("outside.sgf", "Outsider"))), OpenOutcome::Opened);
  EXPECT_EQ(playlist.currentGameIndex, -(record + 1));
  EXPECT_EQ(doc.state.playlistIndex, 0);
  EXPECT_EQ(designValue(doc.state.design, DesignField::LastMove), 999);

  PlaylistContext ctx = context();
  select({1});
  ASSERT_EQ(moveSelectedRows(ctx, 1), ListOutcome::Done);
  EXPECT_EQ(FilePath(at(3), kSgfFileLabel), u16(dir / "g" / "3.sgf"));
  EXPECT_EQ(players(), (std::vector<std::string>{"P2", "P1", "P3", "P4", "P5", "P6", "P7", "P8", "P9", "P10"}));
}

TEST_F(ListOperations, SortingByAColumnComparesNumbersAsNumbers) {
  PlaylistContext ctx = context();
  ASSERT_EQ(addGames(ctx, paths({game("a.sgf", "Cy", "W", 12), game("b.sgf", "Ann", "W", 9),
                                 game("c.sgf", "Bob", "W", 100)})),
            ListOutcome::Done);
  step("no game shown", sortByColumn(ctx, u"総手数"));
  playlist.currentGameIndex = 1;
  step("moves", sortByColumn(ctx, u"総手数"));
  step("black", sortByColumn(ctx, u"黒対局者"));
  EXPECT_EQ(trace, R"(no game shown: refused | Cy Ann Bob | 対局を追加  [No.1～No.3]
moves: done | Ann Cy Bob | 並べ替え〈総手数〉  [No.1～No.3]
black: done | Ann Bob Cy | 並べ替え〈黒対局者〉  [No.1～No.3]
)");
}

TEST_F(ListOperations, PastingTheShownDesignKeepsTheGamesOwnFilePlayersAndNumber) {
  addTen();
  PlaylistContext ctx = context();
  doc.state.design.intFields[u"黒石透明度"] = 77;
  doc.state.design.intFields[u"最終譜最少手数"] = 3;
  SetFilePath(doc.state.gameInfo, u"碁盤画像", u"/boards/kaya.png");
  SetFilePath(doc.state.gameInfo, kSgfFileLabel, u"/elsewhere/shown.sgf");
  doc.state.gameInfo.textFields[u"黒対局者"] = u"Shown";
  const PlaylistEntry before = at(2);
  select({2});
  ASSERT_EQ(pasteDesign(ctx, true), ListOutcome::Done);
  EXPECT_EQ(
      fieldsOf(at(2), {u"黒石透明度", u"碁盤画像", kSgfFileLabel, u"黒対局者", u"最終譜最少手数"}),
      "77|/boards/kaya.png|" + u8(FilePath(before, kSgfFileLabel)) + "|P2|" + fieldsOf(before, {u"最終譜最少手数"}));
  EXPECT_EQ(at(2).number, 2);
  EXPECT_EQ(lastHistory(), "現在のデザインを貼り付け [No.2]");
}

TEST_F(ListOperations, SelectionAndTitleTexts) {
  addTen();
  select({3});
  std::u16string texts = selectionText(playlist);
  select({7, 2, 5});
  texts += selectionText(playlist);
  select({});
  playlist.currentGameIndex = -4;
  texts += selectionText(playlist) + u"\n" + playlistWindowTitle(playlist) + u"\n";
  playlist.currentGameIndex = 4;
  texts += playlistWindowTitle(playlist) + u"\n" + addingWindowTitle(playlist, 3) + u"\n" + stepButtonLabel(-1) +
           stepButtonLabel(50);
  EXPECT_EQ(u8(texts),
            " [No.3] [No.2～No.7] [リスト外]\n"
            "プレイリスト　〈test.gpl〉 - 全10局\n"
            "プレイリスト　〈test.gpl〉 - No.4　全10局\n"
            "プレイリスト　〈test.gpl〉 - 追加処理中（3局）\n"
            "▲１▼50");
}

TEST_F(ListOperations, CreatingAndSavingUnderAnotherName) {
  PlaylistContext ctx = context();
  services.saveDialogAnswers.push_back(dir / "lists" / "new.gpl");
  ASSERT_EQ(askAndCreatePlaylist(ctx), ListOutcome::Done);
  EXPECT_EQ(slurp(dir / "lists" / "new.gpl"), "<playlist>");
  EXPECT_EQ(u8(playlist.path), (dir / "lists" / "new.gpl").string());
  EXPECT_EQ(doc.recentPlaylists.paths.front(), playlist.path);

  ASSERT_EQ(addGames(ctx, paths({game("a.sgf", "Ann")})), ListOutcome::Done);
  fs::create_directories(dir / "other");
  services.saveDialogAnswers.push_back(dir / "other" / "copy.gpl");
  ASSERT_EQ(askAndSavePlaylistAs(ctx), ListOutcome::Done);
  EXPECT_EQ(u8(playlist.path), (dir / "other" / "copy.gpl").string());
  EXPECT_NE(slurp(dir / "other" / "copy.gpl").find("<sgf_folder>\r\n..\r\n"), std::string::npos);
}

// Undo and redo of list changes through the before and after copies of the
// playlist file.
class Snapshots : public PlaylistTest {
 protected:
  void SetUp() override {
    PlaylistTest::SetUp();
    connectPlaylistUndo(doc, playlist, services, home);
    PlaylistContext ctx = context();
    ASSERT_EQ(createPlaylistAt(ctx, playlist.path), ListOutcome::Done);
    recordUndo(doc, u"開始");
    states.push_back(file());
  }
  std::string file() const { return slurp(u8(playlist.path)); }

  std::vector<std::string> states;  // the file after each change
};

TEST_F(Snapshots, UndoAndRedoRestoreTheExactEarlierFiles) {
  PlaylistContext ctx = context();
  ASSERT_EQ(addGames(ctx, paths({game("a.sgf", "A"), game("b.sgf", "B"), game("c.sgf", "C")})), ListOutcome::Done);
  states.push_back(file());
  select({1});
  ASSERT_EQ(moveSelectedRows(ctx, 1), ListOutcome::Done);
  states.push_back(file());
  select({3});
  ASSERT_EQ(deleteGames(ctx), ListOutcome::Done);
  states.push_back(file());
  ASSERT_EQ(states.size(), 4u);
  EXPECT_EQ(players(), (std::vector<std::string>{"B", "A"}));

  for (int k = 2; k >= 0; --k) {
    ASSERT_TRUE(undo(doc));
    EXPECT_EQ(file(), states[static_cast<std::size_t>(k)]) << "after undoing to state " << k;
  }
  EXPECT_EQ(playlist.gameCount(), 0) << "the playlist was read again from the restored file";
  for (int k = 1; k <= 3; ++k) {
    ASSERT_TRUE(redo(doc));
    EXPECT_EQ(file(), states[static_cast<std::size_t>(k)]) << "after redoing to state " << k;
  }
  EXPECT_EQ(players(), (std::vector<std::string>{"B", "A"}));

  ASSERT_TRUE(chooseHistoryEntry(doc, 2));  // two steps back at once
  EXPECT_EQ(file(), states[1]);
  EXPECT_EQ(players(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(Snapshots, TheCopiesOfStatesThatLeftTheHistoryGoAtOnce) {
  PlaylistContext ctx = context();
  ASSERT_EQ(addGames(ctx, paths({game("a.sgf", "A"), game("b.sgf", "B")})), ListOutcome::Done);
  for (int change = 1; change <= kUndoLimit + 5; ++change) {
    select({1});
    ASSERT_EQ(moveSelectedRows(ctx, 1), ListOutcome::Done);
    states.push_back(file());
  }
  const auto copies = std::distance(fs::directory_iterator(home / "temp"), fs::directory_iterator());
  EXPECT_EQ(copies, 2 * (kUndoLimit - 1)) << "two copies for each change the history can still undo";
  ASSERT_TRUE(chooseHistoryEntry(doc, doc.undoCount));
  EXPECT_EQ(file(), states[states.size() - kUndoLimit]) << "the oldest state kept comes back";
}

}  // namespace
}  // namespace mokuza::test
