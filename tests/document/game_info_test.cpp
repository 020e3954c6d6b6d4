// The game-information dialog: the form and its commands, OK on the loaded
// game and on a batch of playlist games saved to their files, and the move
// dialog. Forms and scripted answers in; the document, files and call log out.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>

#include "core/document/editing.h"
#include "core/document/game_info.h"
#include "core/document/game_info_apply.h"
#include "core/document/undo.h"
#include "document_test_support.h"
#include "tests/test_folder.h"

namespace mokuza::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kEventField = 14;  // "大会名"

// ---- the form and its commands ----

class GameInfoFormTest : public DocumentTest {};

TEST_F(GameInfoFormTest, ShowingFillsTheFieldsFromTheGameOrTheFirstSelectedEntry) {
  load(u"(;GM[1]SZ[13]PB[山田]BR[3段]EV[本因坊戦];B[dd])");
  doc.state.playlistIndex = 4;
  const GameInfoForm form = showGameInfo(doc);
  EXPECT_EQ(u8(form.title), "ゲーム情報 [4局目]");
  EXPECT_EQ(u8(form.values[kBlackPlayerField] + form.values[kBlackRankField] + form.values[kEventField]),
            "山田3段本因坊戦");
  EXPECT_EQ(u8(form.values[kBoardSizeField]), "13");
  EXPECT_TRUE(form.fieldEnabled(kBoardSizeField));

  PlaylistEntry first, second;
  first.textFields[u"黒対局者"] = u"一番";
  second.textFields[u"黒対局者"] = u"二番";
  GameInfoForm batch = showBatchGameInfo({&first, &second}, u" [No.3～No.8]");
  EXPECT_EQ(u8(batch.title), "ゲーム情報一括編集  [No.3～No.8]");
  EXPECT_EQ(u8(batch.values[kBlackPlayerField]), "一番");
  for (std::size_t i = 0; i < kGameInfoFieldCount; ++i) EXPECT_FALSE(batch.fieldEnabled(i)) << i;
  for (int box : {kHandicapField, kBoardSizeField})
    gameInfoCommand(batch, kBatchBoxFirst + box, true, doc, services, {});
  EXPECT_TRUE(batch.fieldEnabled(kHandicapField));
  EXPECT_FALSE(batch.fieldEnabled(kBoardSizeField)) << "a batch never resizes boards";
  gameInfoCommand(batch, kAutoHandicapBox, true, doc, services, {});
  EXPECT_FALSE(batch.fieldEnabled(kHandicapField));
  EXPECT_FALSE(gameInfoCommand(batch, kSwapPlayersCommand, false, doc, services, {})) << "hidden in batch mode";
}

TEST_F(GameInfoFormTest, CommandsFillTheResultSwapThePlayersAndSetTheDate) {
  EXPECT_EQ(u8(automaticResult(65, 1) + u" " + automaticResult(-5, 1) + u" " + automaticResult(0, 1)), "B+6.5 W+0.5 0");
  load(u"(;GM[1];B[dd];W[pp])");
  GameInfoForm form = showGameInfo(doc);
  showMove(doc, 2);
  gameInfoCommand(form, kAutoResultCommand, false, doc, services, std::nullopt);
  EXPECT_EQ(u8(form.values[kResultField]), "W+R") << "black to move resigns";
  showMove(doc, 1);
  gameInfoCommand(form, kAutoResultCommand, false, doc, services, std::nullopt);
  EXPECT_EQ(u8(form.values[kResultField]), "B+R");

  // Swapping works once per showing; the date is the local hour.
  load(u"(;GM[1]PB[黒]BR[初段]PW[白]WR[二段])");
  form = showGameInfo(doc);
  EXPECT_TRUE(swapPlayers(form));
  EXPECT_EQ(u8(form.values[0] + form.values[1] + form.values[2] + form.values[3]), "白黒二段初段");
  EXPECT_FALSE(swapPlayers(form));
  EXPECT_EQ(u8(form.values[kBlackPlayerField]), "白");

  services.clock = 1714834800;  // 2024-05-04 15:00 on the fake clock
  gameInfoCommand(form, kCurrentDateCommand, false, doc, services, {});
  EXPECT_EQ(u8(form.values[kDateField]), "2024-05-04-15");
}

TEST(DateWithWeekday, InsertsTheWeekdayOnlyAfterAPlainDate) {
  // January counts in the year before; a leap day; year 0.
  std::string dated;
  for (std::u16string_view text :
       {u"2024-05-04", u"2024-01-01", u"2000-02-29", u"1999-12-31", u"0000-01-01", u"2024-05-05-13"})
    dated += u8(dateWithWeekday(text)) + " ";
  EXPECT_EQ(dated, "2024-05-04(土) 2024-01-01(月) 2000-02-29(火) 1999-12-31(金) 0000-01-01(土) 2024-05-05(日)-13 ");
  for (std::u16string_view text : {u"2024/05/04", u"2024-13-01", u"2024-05-4x"})
    EXPECT_EQ(dateWithWeekday(text), text) << u8(text);
}

// ---- OK on the loaded game ----

class ApplyGameInfoTest : public DocumentTest {};

TEST_F(ApplyGameInfoTest, StoresEveryFieldInTheGameAndItsPlaylistEntry) {
  load(u"(;GM[1]PB[古い];B[dd])");
  doc.state.playlistIndex = 2;
  PlaylistEntry entry;
  GameInfoForm form = showGameInfo(doc);
  form.values[kBlackPlayerField] = u"新しい";
  form.values[kEventField] = std::u16string(600, u'長');
  GameInfoTargets targets;
  targets.loadedEntry = &entry;
  ASSERT_EQ(applyGameInfo(doc, services, form, targets), GameInfoOutcome::Applied);
  EXPECT_EQ(u8(doc.record().header(u"黒対局者")) + u8(textField(entry, u"黒対局者")) +
                u8(textField(doc.state.gameInfo, u"黒対局者")),
            "新しい新しい新しい");
  EXPECT_EQ(doc.record().header(u"大会名").size(), kGameInfoTextMax);
  EXPECT_EQ(view(), "B dd @0 *");
  EXPECT_EQ(form.mode, kGameInfoIdle);
  EXPECT_EQ(u8(doc.undoEntries.back().description), "ゲーム情報編集");
}

TEST_F(ApplyGameInfoTest, ANewBoardSizeAsksBeforeErasingTheMovesAndCancelKeepsEverything) {
  load(u"(;GM[1]PB[山田];B[dd];W[pp])");
  GameInfoForm form = showGameInfo(doc);
  form.values[kBoardSizeField] = u"9";
  form.values[kBlackPlayerField] = u"別人";
  services.messageAnswers = {platform::Answer::Cancel, platform::Answer::Ok};
  EXPECT_EQ(applyGameInfo(doc, services, form, {}), GameInfoOutcome::Cancelled);
  EXPECT_EQ(messages(), std::vector<std::string>{"Mokuza: 路数を変えると手順が消去されます"});
  EXPECT_EQ(line(), "B dd, W pp");
  EXPECT_EQ(u8(doc.record().header(u"黒対局者")), "山田");
  EXPECT_EQ(option(doc.state.options, DocumentOption::BoardSize), 19);

  EXPECT_EQ(applyGameInfo(doc, services, form, {}), GameInfoOutcome::Applied);
  EXPECT_EQ(doc.board.geometry.n, 9);
  EXPECT_EQ(u8(doc.record().header(u"路数")) + u8(doc.record().header(u"黒対局者")) + line(), "9別人");
  EXPECT_EQ(option(doc.state.options, DocumentOption::BoardSize), 9);
}

// ---- OK on a batch of playlist games ----

class BatchGameInfoTest : public DocumentTest {
 protected:
  void SetUp() override { dir = freshTestFolder("mokuza-gameinfo"); }
  void TearDown() override { fs::remove_all(dir); }

  PlaylistEntry& addGame(const std::string& name, const std::string& sgf) {
    std::ofstream(dir / name, std::ios::binary) << sgf;
    PlaylistEntry& entry = entries.emplace_back();
    entry.number = static_cast<int>(entries.size());
    SetFilePath(entry, kSgfFileLabel, pathToText(dir / name));
    return entry;
  }
  std::unique_ptr<GameRecord> readBack(const std::string& name) {
    auto record = std::make_unique<GameRecord>();
    ReadOptions options;
    EXPECT_EQ(readSgf(*record, loadTextFile(dir / name, services, TextKind::GameRecord), options), kReadOk) << name;
    return record;
  }
  std::string info(const std::string& name, std::u16string_view label) { return u8(readBack(name)->header(label)); }
  // Every game selected, "大会名" ticked and set to "新".
  GameInfoOutcome applyToAll(bool autoHandicap = false) {
    std::vector<const PlaylistEntry*> games(entries.size());
    GameInfoTargets targets;
    targets.playlistName = u"名局集.gpl";
    targets.playlistGameCount = 12;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      games[i] = &entries[i];
      targets.selectedGames.push_back(&entries[i]);
    }
    targets.showProgress = [this](const std::u16string& title) { progress.push_back(u8(title)); };
    GameInfoForm form = showBatchGameInfo(games, u" [No.1～No.3]");
    form.values[kEventField] = u"新";
    form.values[kBlackPlayerField] = u"書かれない";  // edited, not ticked
    tickField(form, kEventField, true);
    form.autoHandicap = autoHandicap;
    return applyGameInfo(doc, services, form, targets);
  }

  fs::path dir;
  std::deque<PlaylistEntry> entries;  // stable addresses
  std::vector<std::string> progress;
};

// A game that cannot be opened is reported and the others are saved.
TEST_F(BatchGameInfoTest, WritesOnlyTickedFieldsIntoEverySelectedGameAndSavesEach) {
  addGame("a.sgf", "(;GM[1]PB[甲]EV[旧]HA[9]AB[cc][qq];B[dd];W[pp])");
  addGame("gone.sgf", "");
  fs::remove(dir / "gone.sgf");
  addGame("b.sgf", "(;GM[1]SZ[9]PB[丁]HA[2];B[cc];W[gg])");
  doc.state.options[DocumentOption::LoadRotation] = 10;  // load-time rotation never turns the saved games
  services.messageAnswers.push_back(platform::Answer::Ok);
  ASSERT_EQ(applyToAll(true), GameInfoOutcome::PartlyFailed);
  EXPECT_EQ(messages(), (std::vector<std::string>{
                            "Mokuza: 選択されている対局のゲーム情報を書き換えてそれぞれのSGFファイルへ上書き保存します"
                            "（完了後に取り消しをしても保存されたファイルは修正されません）",
                            "エラー: ゲーム情報を保存できなかった対局があります\ngone.sgf"}));
  // The handicap comes from the setup stones.
  EXPECT_EQ(info("a.sgf", u"大会名") + info("a.sgf", u"黒対局者") + info("a.sgf", u"置石"), "新甲2");
  EXPECT_EQ(info("b.sgf", u"大会名") + info("b.sgf", u"黒対局者") + info("b.sgf", u"置石"), "新丁");
  EXPECT_EQ(lineText(*readBack("a.sgf")) + "|" + lineText(*readBack("b.sgf")), "B dd, W pp|B cc, W gg");
  EXPECT_FALSE(fs::exists(dir / "gone.sgf"));
  EXPECT_EQ(option(doc.state.options, DocumentOption::LoadRotation), 10);
  EXPECT_EQ(u8(textField(entries[2], u"大会名")), "新");
  ASSERT_EQ(progress.size(), 3u) << "one line per game, opened or not";
  EXPECT_EQ(progress[2], "プレイリスト　〈名局集.gpl〉 No.3を編集中 - 全12局");
  EXPECT_FALSE(doc.batchMode);
  EXPECT_EQ(u8(doc.undoEntries.back().description), "ゲーム情報編集");

  services.messageAnswers.push_back(platform::Answer::Cancel);
  std::ofstream(dir / "a.sgf", std::ios::binary) << "(;GM[1]EV[旧];B[dd])";
  EXPECT_EQ(applyToAll(), GameInfoOutcome::Cancelled);
  EXPECT_EQ(info("a.sgf", u"大会名"), "旧");
}

TEST_F(BatchGameInfoTest, TheShownGameComesBackWithItsUnsavedChangesAndTheNewValues) {
  PlaylistEntry& shown = addGame("a.sgf", "(;GM[1]EV[旧];B[dd])");
  OpenRequest request;
  request.path = FilePath(shown, kSgfFileLabel);
  request.playlistEntry = &shown;
  ASSERT_EQ(openGame(doc, services, request), OpenOutcome::Opened);
  showMove(doc, 1);
  ASSERT_TRUE(playAt(doc, services, recordAt("pp")));
  ASSERT_EQ(applyToAll(), GameInfoOutcome::Applied);
  EXPECT_EQ(view() + u8(doc.record().header(u"大会名")), "B dd, W pp @2 *新");
  EXPECT_EQ(lineText(*readBack("a.sgf")), "B dd") << "the file gets the values, not the unsaved move";
}

// ---- the move dialog ----

TEST_F(ApplyGameInfoTest, MoveDialogStoresItsFieldsInTheShownMove) {
  load(u"(;GM[1];B[dd]C[古い];W[pp])", 1);
  MoveInfoForm form = editMoveInfo(doc);
  EXPECT_EQ(u8(form.title + form.values[1]), "着手の編集［1手目］古い");
  form.values[0] = u"星";
  form.values[1] = u"";
  ASSERT_TRUE(applyMoveInfo(doc, form));
  EXPECT_EQ(u8(*doc.record().lineCopy[1].property(u"着手名")), "星");
  EXPECT_EQ(doc.record().lineCopy[1].property(u"着手コメント"), nullptr) << "an emptied field removes it";
  EXPECT_EQ(doc.record().lineCopy[2].property(u"着手名"), nullptr);
  EXPECT_EQ(u8(doc.undoEntries.back().description), "コメント編集");
}

}  // namespace
}  // namespace mokuza::test
