// Opening and saving game files, the save question, the recent-files lists
// and the clipboard commands: files and scripted answers in, the document,
// the disk and the call log out.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "core/document/clipboard_commands.h"
#include "core/document/editing.h"
#include "core/document/recent_files.h"
#include "core/document/undo.h"
#include "core/record/sgf_writer.h"
#include "document_test_support.h"
#include "tests/test_folder.h"

namespace mokuza::test {
namespace {

namespace fs = std::filesystem;

class GameFileTest : public DocumentTest {
 protected:
  void SetUp() override { dir = freshTestFolder("mokuza-document"); }
  void TearDown() override { fs::remove_all(dir); }

  fs::path writeFile(const std::string& name, const std::string& bytes) {
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  static std::string readFile(const fs::path& path) { return readFileBytes(path).value_or(""); }
  OpenOutcome open(const fs::path& path) { return openGameFile(doc, services, pathToText(path)); }
  // The game open, with one move played at its end.
  void openAndEdit(const fs::path& path) {
    ASSERT_EQ(open(path), OpenOutcome::Opened);
    showMove(doc, doc.moveCount());
    ASSERT_TRUE(playAt(doc, services, recordAt("qq")));
  }
  // The name the title shows, marked while modified: "game.sgf（更新）"; none without a file.
  std::string shownName() const {
    if (doc.state.fileTitle.empty()) return "";
    return u8(doc.state.fileTitle) + (doc.state.modified ? "（更新）" : "");
  }
  // The shown name and the game's file: "game.sgf|/tmp/.../game.sgf".
  std::string titleAndFile() const { return shownName() + "|" + u8(FilePath(doc.state.gameInfo, kSgfFileLabel)); }

  fs::path dir;
};

// ---- opening ----

TEST_F(GameFileTest, OpenThroughTheDialogOrTheRecentList) {
  const fs::path path = writeFile("game.sgf", "(;GM[1]PB[山田];B[dd];W[pp];B[dp])");
  services.openDialogAnswers.push_back(path);
  OpenRequest request;
  request.source = OpenRequest::Source::Dialog;
  ASSERT_EQ(openGame(doc, services, request), OpenOutcome::Opened);
  EXPECT_EQ(view() + stones("dd"), "B dd, W pp, B dp @0.");
  EXPECT_EQ(u8(doc.record().header(u"黒対局者")), "山田");
  EXPECT_EQ(titleAndFile(), "game.sgf|" + path.string());
  EXPECT_EQ(u8(doc.undoEntries.back().description), "対局を開く - game");

  EXPECT_EQ(openGame(doc, services, request), OpenOutcome::Failed) << "a cancelled dialog";
  EXPECT_EQ(line(), "B dd, W pp, B dp");

  // The recent list puts the game opened last first.
  const fs::path other = writeFile("b.sgf", "(;GM[1];B[bb])");
  ASSERT_EQ(open(other), OpenOutcome::Opened);
  EXPECT_EQ(doc.recentGames.paths, (std::vector<std::u16string>{pathToText(other), pathToText(path)}));
  request.source = OpenRequest::Source::Recent;
  request.recentIndex = 1;
  ASSERT_EQ(openGame(doc, services, request), OpenOutcome::Opened);
  EXPECT_EQ(shownName() + line(), "game.sgfB dd, W pp, B dp");
  EXPECT_EQ(doc.recentGames.paths, (std::vector<std::u16string>{pathToText(path), pathToText(other)}));

  // A playlist goes to the playlist window.
  std::u16string playlistOpened;
  doc.hooks.openPlaylist = [&](const std::u16string& opened) {
    playlistOpened = opened;
    return true;
  };
  request.source = OpenRequest::Source::Path;
  request.path = pathToText(dir / "list.GPL");
  EXPECT_EQ(openGame(doc, services, request), OpenOutcome::Opened);
  EXPECT_EQ(playlistOpened, request.path);
}

TEST_F(GameFileTest, WhatCannotBeReadLeavesThePreviousGame) {
  ASSERT_EQ(open(writeFile("game.sgf", "(;GM[1];B[dd];W[pp])")), OpenOutcome::Opened);
  showMove(doc, 1);

  EXPECT_EQ(open(dir / "missing.sgf"), OpenOutcome::Failed);
  EXPECT_EQ(open(writeFile("empty.sgf", "")), OpenOutcome::Failed);
  EXPECT_EQ(open(writeFile("other.txt", "(;GM[1];B[aa])")), OpenOutcome::Failed);
  EXPECT_TRUE(messages().empty()) << "these fail silently";

  EXPECT_EQ(open(writeFile("nogame.sgf", "GM[1] B[aa] no game here")), OpenOutcome::Failed);
  EXPECT_EQ(messages(), (std::vector<std::string>{"失敗: ファイルを開けませんでした"}));
  EXPECT_EQ(view() + stones("dd"), "B dd, W pp @1X");
  EXPECT_EQ(titleAndFile(), "game.sgf|" + (dir / "game.sgf").string());
}

TEST(RecentFilesTest, OrderCapacityAndMenuTexts) {
  RecentFiles games{kRecentGamesCapacity, {}};
  EXPECT_TRUE(recentMenuTexts(games, false).empty());
  for (int i = 0; i < 12; ++i) addRecent(games, asciiToUtf16("/games/g" + std::to_string(i) + ".sgf"));
  ASSERT_EQ(games.paths.size(), 10u);
  EXPECT_EQ(u8(games.paths.front() + games.paths.back()), "/games/g11.sgf/games/g2.sgf");
  addRecent(games, u"/games/g5.sgf");
  EXPECT_EQ(games.paths.size(), 10u);
  EXPECT_EQ(u8(games.paths[0] + games.paths[1]), "/games/g5.sgf/games/g11.sgf");

  EXPECT_EQ(u8(recentMenuTexts(games, false)[0]), "g5.sgf");
  EXPECT_EQ(u8(recentMenuTexts(games, true)[0]), "/games/g5.sgf");
}

// ---- saving ----

TEST_F(GameFileTest, SaveWritesCrLfUtf8ThatReadsBackTheSame) {
  const fs::path path = writeFile("game.sgf",
                                  "(;GM[1]PB[山田]PW[川上]GN[長い対局名で一行を超える];B[dd]C[初手\\]です];W[pp];B[dp]"
                                  "(;W[pd];B[qf];W[nc])(;W[qd]))");
  openAndEdit(path);
  ASSERT_EQ(saveGame(doc, services), SaveOutcome::Saved);
  EXPECT_EQ(view(), "B dd, W pp, B dp, W pd, B qf, W nc, B qq @7");
  EXPECT_EQ(shownName(), "game.sgf");

  const std::string bytes = readFile(path);
  EXPECT_NE(bytes.find("\r\n"), std::string::npos);
  for (std::size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
    ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "a bare line feed at byte " << i;

  Document reread;
  ASSERT_EQ(openGameFile(reread, services, pathToText(path)), OpenOutcome::Opened);
  EXPECT_EQ(treeText(reread.record()), tree());
  EXPECT_EQ(writeSgf(reread.record()), writeSgf(doc.record()));

  // The saved state is what undo and redo come back to.
  ASSERT_TRUE(undo(doc));
  ASSERT_TRUE(redo(doc));
  EXPECT_FALSE(doc.state.modified);
  EXPECT_EQ(shownName(), "game.sgf");
}

TEST_F(GameFileTest, SaveWithoutAFileGoesThroughTheDialogOnce) {
  ASSERT_TRUE(playAt(doc, services, recordAt("dd")));
  const fs::path path = dir / "new.sgf";
  services.saveDialogAnswers.push_back(path);
  ASSERT_EQ(saveGame(doc, services), SaveOutcome::Saved);
  EXPECT_EQ(view(), "B dd @1");
  EXPECT_EQ(titleAndFile(), "new.sgf|" + path.string());
  EXPECT_EQ(doc.recentGames.paths.at(0), pathToText(path));

  ASSERT_TRUE(playAt(doc, services, recordAt("pp")));
  ASSERT_EQ(saveGame(doc, services), SaveOutcome::Saved);
  EXPECT_EQ(services.callsOf("saveFileDialog").size(), 1u) << "the next save overwrites without asking";
  EXPECT_NE(readFile(path).find("W[pp]"), std::string::npos);
}

// No leaves the file as it was and the game at its start; Yes and Cancel show
// in the program's close, a save that fails in the failed write below.
TEST_F(GameFileTest, NoDiscardsTheChangesAndShowsTheStart) {
  openAndEdit(writeFile("game.sgf", "(;GM[1];B[dd])"));
  services.messageAnswers = {platform::Answer::No};
  EXPECT_EQ(askSave(doc, services), SaveQuestion::Discarded);
  EXPECT_EQ(messages(), (std::vector<std::string>{"Mokuza: 保存しますか？"}));
  EXPECT_EQ(view(), "B dd, W qq @0 *");
  EXPECT_EQ(readFile(dir / "game.sgf"), "(;GM[1];B[dd])");
}

TEST_F(GameFileTest, AFailedWriteIsReportedAndTheGameStaysModified) {
  openAndEdit(writeFile("game.sgf", "(;GM[1];B[dd])"));
  // A regular file where the folder should be makes the write fail, even for root.
  const fs::path blocker = writeFile("blocker", "");
  SetFilePath(doc.state.gameInfo, kSgfFileLabel, pathToText(blocker / "game.sgf"));
  EXPECT_NE(saveGame(doc, services), SaveOutcome::Saved);
  EXPECT_EQ(messages().size(), 1u);
  EXPECT_EQ(services.callsOf("messageBox").at(0).title, u"エラー");
  EXPECT_EQ(shownName(), "game.sgf（更新）");

  services.messageAnswers = {platform::Answer::Yes};
  EXPECT_EQ(askSave(doc, services), SaveQuestion::Cancelled) << "closing must not lose the changes";

  services.saveDialogAnswers.push_back(blocker / "other.sgf");
  EXPECT_NE(saveGameAs(doc, services), SaveOutcome::Saved);
  EXPECT_TRUE(doc.state.modified);
  EXPECT_EQ(doc.recentGames.paths.size(), 1u) << "a failed save is no recent file";
}

TEST_F(GameFileTest, AGameReadWithLossesIsNotSavedOverItsFileUnasked) {
  const std::string original = "(;GM[1]SZ[21];B[dd];W[tt])";  // W[tt] lies beyond 19 lines
  const fs::path path = writeFile("big.sgf", original);
  openAndEdit(path);
  EXPECT_EQ(doc.state.readLoss.movesOffBoard, 1);
  const std::string question = "Mokuza: " + u8(kLossyOverwriteQuestion);

  services.messageAnswers = {platform::Answer::No};
  EXPECT_EQ(saveGame(doc, services), SaveOutcome::Cancelled);
  EXPECT_EQ(messages(), std::vector<std::string>{question});
  EXPECT_EQ(readFile(path), original);
  EXPECT_TRUE(doc.state.modified);

  services.saveDialogAnswers = {dir / "copy.sgf", path};
  ASSERT_EQ(saveGameAs(doc, services), SaveOutcome::Saved) << "another file loses nothing: no question";
  EXPECT_EQ(messages().size(), 1u);
  EXPECT_FALSE(doc.state.readLoss.any()) << "the game's file is now the copy, which holds it whole";
  ASSERT_EQ(saveGameAs(doc, services), SaveOutcome::Saved);
  EXPECT_NE(readFile(path), original);

  services.messageAnswers = {platform::Answer::Yes};
  ASSERT_EQ(open(writeFile("two.sgf", "(;GM[1];B[aa])(;GM[1];B[bb])")), OpenOutcome::Opened);
  EXPECT_TRUE(doc.state.readLoss.moreGames);
  EXPECT_EQ(saveGame(doc, services), SaveOutcome::Saved);
  EXPECT_EQ(messages().back(), question);
  EXPECT_FALSE(doc.state.readLoss.any());
}

// ---- clipboard ----

using ClipboardTest = GameFileTest;

TEST_F(ClipboardTest, CopyAndOpenFromTheClipboardWhichUndoTakesBack) {
  ASSERT_EQ(open(writeFile("game.sgf", "(;GM[1]PB[甲];B[dd];W[pp])")), OpenOutcome::Opened);
  copyGameToClipboard(doc, services);
  EXPECT_EQ(services.clipboard, writeSgf(doc.record()));

  services.clipboard = u"(;GM[1]PB[乙]SZ[9];B[cc];W[gg])";
  ASSERT_EQ(openFromClipboard(doc, services, false), OpenOutcome::Opened);
  EXPECT_EQ(view(), "B cc, W gg @0 *");
  EXPECT_EQ(std::pair(doc.record().boardSize, doc.board.geometry.n), std::pair(9, 9));
  EXPECT_EQ(option(doc.state.options, DocumentOption::BoardSize), 9) << "the board-size default, as a file sets it";
  EXPECT_EQ(u8(doc.record().header(u"黒対局者")), "乙");
  EXPECT_EQ(titleAndFile(), "|");
  EXPECT_EQ(u8(doc.undoEntries.back().description), "クリップボードから開く");
  showMove(doc, 2);
  EXPECT_EQ(stones("gg"), "O");

  ASSERT_TRUE(undo(doc));
  EXPECT_EQ(doc.board.geometry.n, 19);
  EXPECT_EQ(shownName() + line(), "game.sgfB dd, W pp");
  showMove(doc, 2);
  EXPECT_EQ(stones("pp"), "O");
}

TEST_F(ClipboardTest, AClipboardWithoutAGameRestoresThePreviousOne) {
  ASSERT_EQ(open(writeFile("game.sgf", "(;GM[1]PB[甲]SZ[13];B[dd]C[注];W[jj])")), OpenOutcome::Opened);
  showMove(doc, 1);
  const std::u16string before = writeSgf(doc.record());
  services.clipboard = u"no game here";
  EXPECT_EQ(openFromClipboard(doc, services, false), OpenOutcome::Failed);
  EXPECT_EQ(messages(), (std::vector<std::string>{"失敗: ファイルを開けませんでした"}));
  EXPECT_EQ(writeSgf(doc.record()), before);
  EXPECT_EQ(doc.record().boardSize, 13);
  EXPECT_EQ(view() + stones("dd"), "B dd, W jj @1X");
  EXPECT_EQ(shownName(), "game.sgf");
}

TEST_F(ClipboardTest, MovesOnlyKeepsTheGameInformation) {
  ASSERT_EQ(open(writeFile("game.sgf", "(;GM[1]PB[甲]PW[丙];B[dd];W[pp])")), OpenOutcome::Opened);
  services.clipboard = u"(;GM[1]PB[乙]GN[別の対局];B[cc]C[comment];W[qq])";
  ASSERT_EQ(openFromClipboard(doc, services, true), OpenOutcome::Opened);
  EXPECT_EQ(line(), "B cc, W qq");
  EXPECT_EQ(u8(doc.record().header(u"黒対局者")) + u8(doc.record().header(u"白対局者")) +
                u8(doc.record().header(u"ゲーム名")),
            "甲丙");
  EXPECT_EQ(u8(doc.undoEntries.back().description), "クリップボードから開く〈手順のみ〉");
}

using ClipboardCommandTest = DocumentTest;

TEST_F(ClipboardCommandTest, EraseCommentsAndCountBracketsInTheClipboard) {
  // Each clipboard text, what the command left there and what it said, on one
  // line with line feeds shown as "/".
  std::string seen;
  const auto run = [&](std::u16string_view clipboard, void (*command)(platform::Services&)) {
    services.calls.clear();
    services.clipboard = clipboard;
    command(services);
    std::string line = u8(clipboard) + " → " + u8(services.clipboard) + " |";
    for (const std::string& message : messages()) line += " " + message;
    std::replace(line.begin(), line.end(), '\n', '/');
    seen += line + "\n";
  };
  // Comments, names and labels go; a ']' before a non-ASCII character is text.
  for (std::u16string_view text :
       {u"(;GN[x]C[y];B[dd]C[z])", u"(;B[dd]C[a\\]b]N[名前];W[pp]GC[game])", u"(;LB[aa:A][bb:B]AB[dd];B[ee]LZ[1])",
        u"(;C[日本]語];B[dd])", u"(;C[[nested]]B[dd])", u"C[only a comment]", u""})
    run(text, eraseCommentsInClipboard);
  run(u"(;GM[1];B[dd](;W[pp];B[qq])(;W[dp]C[(]))", countBracketsInClipboard);
  run(u"", countBracketsInClipboard);
  EXPECT_EQ(seen, R"((;GN[x]C[y];B[dd]C[z]) → (;GN[x];B[dd])/ | 完了: コメント等を削除してクリップボードへ書き出しました
(;B[dd]C[a\]b]N[名前];W[pp]GC[game]) → (;B[dd];W[pp]GC[game]) | 完了: コメント等を削除してクリップボードへ書き出しました
(;LB[aa:A][bb:B]AB[dd];B[ee]LZ[1]) → (;AB[dd];B[ee])/ | 完了: コメント等を削除してクリップボードへ書き出しました
(;C[日本]語];B[dd]) → (;;B[dd]) | 完了: コメント等を削除してクリップボードへ書き出しました
(;C[[nested]]B[dd]) → (;B[dd]) | 完了: コメント等を削除してクリップボードへ書き出しました
C[only a comment] → C[only a comment] | エラー: クリップボードが空です
 →  | エラー: クリップボードが空です
(;GM[1];B[dd](;W[pp];B[qq])(;W[dp]C[(])) → (;GM[1];B[dd](;W[pp];B[qq])(;W[dp]C[(])) | 括弧の数: 「(」の数: 4/「)」の数: 3/「;B」の数: 2/「;W」の数: 2/
 →  | エラー: クリップボードが空です
)");
  EXPECT_TRUE(services.callsOf("setClipboardText").empty());
}

}  // namespace
}  // namespace mokuza::test
