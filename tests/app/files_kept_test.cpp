// What the program keeps of its own files when they are damaged, when their
// names are no UTF-8, and when it is closed without anyone to answer.

#include <gtest/gtest.h>


#include "app/recovery.h"
#include "app/startup.h"
#include "core/document/editing.h"
#include "core/document/navigation.h"
#include "core/record/text.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

class FilesKeptTest : public AppTest {
 protected:
  std::vector<std::u16string> questions() const {
    std::vector<std::u16string> texts;
    for (const auto& call : services.calls)
      if (call.kind == "messageBox") texts.push_back(call.text);
    return texts;
  }
};

// Random bytes are no settings: they are kept under a free name and the user
// is told once; the close then writes a fresh file beside them.
TEST_F(FilesKeptTest, AnUnreadableSettingsFileIsKeptAndSaidOnce) {
  std::string noise;
  for (int i = 0; i < 4096; ++i) noise.push_back(static_cast<char>((i * 7919 + 13) % 251));
  write("setting.dat.unreadable", "an older one");
  write("setting.dat", noise);
  app->start({});
  EXPECT_EQ(slurp("setting.dat.unreadable.2"), noise);
  ASSERT_EQ(questions().size(), 1u);
  EXPECT_EQ(questions()[0],
            u"設定ファイルを読み込めませんでした。初期設定で起動します（元のファイルはsetting.dat.unreadable.2として残しました）");
  EXPECT_TRUE(app->requestClose());
  EXPECT_NE(slurp("setting.dat").find("<textsize>"), std::string::npos);
  EXPECT_EQ(slurp("setting.dat.unreadable"), "an older one");
  startAgain();
  EXPECT_EQ(questions().size(), 1u) << "the new file reads";
}

// One stray byte leaves every name readable; the close asks before it writes
// the file back (No by default), and No leaves the file as it was.
TEST_F(FilesKeptTest, ASettingsFileReadInPartIsWrittenOnlyWhenTheUserAgrees) {
  const std::string text = "<typeface>\n\xE6\x98\x8E\xE6\x9C\x9D\n<plyrn0-1>\n\xE6\x9C\xAC\xE5\x9D\x8A\n<note>\n\xFF\n";
  write("setting.dat", text);
  app->start({});
  EXPECT_EQ(app->settings.playerNames.at(0)[1], u"本坊");
  EXPECT_TRUE(questions().empty());
  EXPECT_TRUE(app->requestClose());
  ASSERT_EQ(services.calls.size(), 1u);
  EXPECT_EQ(services.calls[0].text, u"設定ファイルに読み込めない文字がありました。保存すると失われます。保存しますか？");
  EXPECT_TRUE(services.calls[0].declineByDefault);
  EXPECT_EQ(slurp("setting.dat"), text);

  auto again = startAgain();
  app::closeUnattended(*again);
  EXPECT_EQ(slurp("setting.dat"), text) << "nobody to ask: left as it is";
  services.messageAnswers = {platform::Answer::Yes};
  again = startAgain();
  EXPECT_TRUE(again->requestClose());
  EXPECT_NE(slurp("setting.dat").find("\xE6\x9C\xAC\xE5\x9D\x8A"), std::string::npos);
}

// The command line hands a file name on as the file system's bytes.
TEST_F(FilesKeptTest, AGameWhoseNameIsNoUtf8Opens) {
  write("g\xFF\xFE" "ame.sgf", "(;GM[1]SZ[19];B[dd];W[pp])");
  app->start({pathToText(folder / "g\xFF\xFE" "ame.sgf")});
  EXPECT_EQ(app->doc.moveCount(), 2);
  EXPECT_TRUE(questions().empty());
}

// A close nobody answers writes what a close writes, asks nothing, and keeps
// the unsaved game in recovery/, never over its file; the next start offers it.
TEST_F(FilesKeptTest, AnUnattendedCloseKeepsTheUnsavedGameForTheNextStart) {
  const std::string original = "(;GM[1]SZ[19];B[dd])";
  write("game.sgf", original);
  app->start({pathToText(folder / "game.sgf")});
  showMove(app->doc, 1);
  ASSERT_TRUE(playAt(app->doc, services, RecordPoint{3 + 15 * 19}));
  app::closeUnattended(*app);
  EXPECT_TRUE(services.calls.empty());
  EXPECT_EQ(slurp("game.sgf"), original);
  EXPECT_NE(slurp("setting.dat").find("game.sgf"), std::string::npos);
  EXPECT_NE(slurp("recovery/unsaved.sgf").find(";W[dp]"), std::string::npos);

  services.messageAnswers = {platform::Answer::Yes};
  auto again = startAgain();
  ASSERT_EQ(questions(), std::vector<std::u16string>{u"前回保存されなかった棋譜があります。開きますか？"});
  EXPECT_EQ(again->doc.moveCount(), 2);
  EXPECT_TRUE(again->doc.state.modified);
  EXPECT_TRUE(fs::exists(folder / "recovery/unsaved.sgf")) << "kept until saved or given up";
  services.messageAnswers = {platform::Answer::No};  // 保存しますか？
  EXPECT_TRUE(again->requestClose());
  EXPECT_FALSE(fs::exists(folder / "recovery/unsaved.sgf"));
  EXPECT_EQ(slurp("game.sgf"), original);
}

// Every minute the copy follows the unsaved edits; once saved it goes. A
// declined copy is set aside, not offered again.
TEST_F(FilesKeptTest, TheRecoveryCopyFollowsTheEditsAndADeclinedOneIsSetAside) {
  write("game.sgf", "(;GM[1]SZ[19];B[dd])");
  app->start({pathToText(folder / "game.sgf")});
  const fs::path copy = app::recoveryCopyPath(folder);
  app::refreshRecoveryCopy(*app);
  EXPECT_FALSE(fs::exists(copy));
  markModified(app->doc);
  app::refreshRecoveryCopy(*app);
  EXPECT_TRUE(fs::exists(copy));
  app->doc.state.modified = false;
  app::refreshRecoveryCopy(*app);
  EXPECT_FALSE(fs::exists(copy));

  markModified(app->doc);
  app::refreshRecoveryCopy(*app);
  startAgain();  // the question is answered No
  EXPECT_FALSE(fs::exists(copy));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder / "recovery"), {}), 1);
  services.calls.clear();
  startAgain();
  EXPECT_TRUE(questions().empty());
}

}  // namespace
}  // namespace mokuza::test
