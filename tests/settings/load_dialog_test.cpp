// "設定読み込み": reading another settings file over the current settings,
// and the board-size question whose Cancel brings every setting back.

#include <gtest/gtest.h>

#include "core/document/editing.h"
#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "platform/headless/headless_services.h"
#include "settings/settings_dialog.h"
#include "settings_test_support.h"

namespace mokuza::test {
namespace {

class LoadSettingsDialogTest : public SettingsTest {
 protected:
  void loadGame(std::u16string_view sgf) {
    ReadOptions options;
    ASSERT_EQ(loadRecordText(doc, sgf, options), kReadOk);
    showMove(doc, doc.moveCount());
  }
  int load(const std::string& name, const std::u16string& content) {
    EXPECT_TRUE(writeTextFile(program / name, content));
    services.openDialogAnswers.push_back(program / name);
    return loadSettingsFromDialog(doc, settings, services, context);
  }
  std::size_t questions() const { return services.callsOf("messageBox").size(); }

  platform::HeadlessServices services;
};

TEST_F(LoadSettingsDialogTest, ReadsOverTheCurrentSettingsAndKeepsTheRecentLists) {
  doc.recentGames.paths = {u"/kept.sgf"};
  settings.playerNames.assign(3, PlayerNameRow{});
  settings.playerNames[2][5] = u"古い名前";
  touch("program/new.sgf");
  EXPECT_EQ(load("other.dat", u"<textsize>\n4\n<plyrn0-1>\n新しい名前\n<recent_files>\nnew.sgf\n"), kSettingsLoaded);
  EXPECT_EQ(option("textsize"), 4);
  ASSERT_EQ(settings.playerNames.size(), 1u) << "the loaded table replaces the old one";
  EXPECT_EQ(u8(settings.playerNames[0][1]), "新しい名前");
  EXPECT_EQ(doc.recentGames.paths, (std::vector<std::u16string>{u"/kept.sgf", text(program / "new.sgf")}));
  EXPECT_EQ(u8(doc.undoEntries.back().description), "設定読み込み - other");
}

TEST_F(LoadSettingsDialogTest, ANewBoardSizeErasesTheMovesAskingFirstWhenTheGameIsModified) {
  loadGame(u"(;GM[1];B[dd];W[pp])");
  ASSERT_TRUE(playAt(doc, services, RecordPoint{3 + 15 * 19}));
  doc.state.options[DocumentOption::TextSize] = 3;  // in memory only; setting.dat on disk says 2
  ASSERT_TRUE(writeTextFile(context.settingsFile, u"<textsize>\n2\n"));

  services.messageAnswers = {platform::Answer::Cancel, platform::Answer::Ok};
  EXPECT_EQ(load("nine.dat", u"<boardsize>\n9\n<textsize>\n4\n"), kSettingsNotLoaded);
  EXPECT_EQ(u8(services.callsOf("messageBox").at(0).text), "路数を変えると手順が消去されます");
  // The settings of the moment come back, not the file's.
  EXPECT_EQ(values({"textsize", "boardsize"}) + std::to_string(doc.moveCount()), "textsize=3 boardsize=19 3");

  EXPECT_EQ(load("nine.dat", u"<boardsize>\n9\n<textsize>\n4\n"), kSettingsLoaded);
  EXPECT_EQ(values({"textsize"}) + std::to_string(doc.moveCount()), "textsize=4 0");
  EXPECT_EQ(doc.board.geometry.n, 9);
  EXPECT_EQ(u8(doc.record().header(u"路数")), "9");

  // An unmodified game is resized without a question.
  loadGame(u"(;GM[1]SZ[9];B[dd];W[ee])");
  doc.state.modified = false;  // as after saving
  EXPECT_EQ(load("thirteen.dat", u"<boardsize>\n13\n"), kSettingsLoaded);
  EXPECT_EQ(questions(), 2u) << "only the two asked above";
  EXPECT_EQ(std::pair(doc.record().boardSize, doc.moveCount()), std::pair(13, 0));
}

}  // namespace
}  // namespace mokuza::test
