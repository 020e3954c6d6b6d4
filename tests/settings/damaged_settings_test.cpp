// Settings files the program did not write: values out of range, keys from
// elsewhere, paths that point where they should not, files cut short. Each
// reads as far as is safe.

#include <gtest/gtest.h>

#include <climits>

#include "settings_test_support.h"
#include "tests/seeded_mutations.h"

namespace mokuza::test {
namespace {

class DamagedSettingsTest : public SettingsTest {
 protected:
  // A settings file with an option, a player name, a layout and a recent game set.
  std::u16string fullText() {
    doc.state.options[DocumentOption::TextSize] = 4;
    settings.playerNames.resize(2);
    settings.playerNames[1][3] = u"名前";
    settings.columns.playlist = u"No.:\n[width=40];\n";
    doc.recentGames.paths = {text(touch("program/a.sgf"))};
    return settingsText(doc, settings, program);
  }
};

// Numbers fall back to defaults or are clamped; keys from elsewhere are ignored.
TEST_F(DamagedSettingsTest, NumbersTheProgramCannotUseAndKeysFromElsewhere) {
  readText(
      u"<boardsize>\n25\n<textsize>\n99\n<update_time>\n0\n<imgoutput>\n5\n<rename_tag_max>\n-7\n"
      u"<black_transparency>\n999\n<stop_base>\nabc\n<first_confirmation>\n99999999999999999999\n"
      u"<pl_number_fixed>\n-99999999999\n<margin_x>\n 12px\n"
      u"<mokuza_version>\n9.9\n<future>\n5\n<record99>\n7\n<record0>\n7\n<record15>\n42\n<plyrn999999999-0>\nx\n"
      u"<plyrn3-14>\nx\n<plyrn-1>\nx\n<plyrn1-2>\n名\n<playlist_show>\n-1\n<" +
      std::u16string(100, u'k') + u">\n1\n<sgf_file>\nx.sgf\n");
  // A timer period of 0 would divide by zero.
  EXPECT_EQ(values({"boardsize", "textsize", "update_time", "imgoutput", "rename_tag_max", "stop_base"}),
            "boardsize=19 textsize=2 update_time=10 imgoutput=33800 rename_tag_max=10 stop_base=0 ");
  EXPECT_EQ(std::pair(option("first_confirmation"), option("pl_number_fixed")), std::pair(INT_MAX, INT_MIN));
  EXPECT_EQ(std::pair(intField(doc.state.design, u"黒石透明度", 0), intField(doc.state.design, u"碁盤Ｘ", 0)),
            std::pair(255, 12));
  EXPECT_EQ(settings.records[14], 42);
  EXPECT_EQ(std::count(settings.records.begin(), settings.records.end(), 0), kRecordSlots - 1);
  ASSERT_EQ(settings.playerNames.size(), 2u) << "rows only up to the one named by a valid tag";
  EXPECT_EQ(u8(settings.playerNames[1][2]), "名");
  EXPECT_EQ(settings.shows.playlist, kListWindowHidden);
  EXPECT_FALSE(doc.globalOptions.values.contains("future"));
  EXPECT_EQ(FilePath(doc.state.gameInfo, kSgfFileLabel), u"");
}

TEST_F(DamagedSettingsTest, PathsAreTakenOnlyWhenTheyNameWhatTheyShould) {
  touch("victim.txt");
  touch("lists/x.gpl");
  touch("images/back.jpg");
  fs::create_directories(root / "hist");
  settings.playlistPath = u"/previous/list.gpl";
  // The playlist is written back to its path, so no other file may become it.
  readText(u"<playlist_path>\n../victim.txt\n<history_path>\n../victim.txt\n");
  EXPECT_EQ(u8(settings.playlistPath), "/previous/list.gpl");
  EXPECT_EQ(settings.historyFolder, u"");

  readText(
      u"<playlist_path>\n..\\lists\\.\\x.gpl\n<history_path>\n../hist/\n<blackstone_file>\n/dev/zero\n"
      u"<whitestone_file>\ngra/missing.jpg\n<background_file>\n../images/../images/back.jpg\n"
      u"<goban_file>\ngra/b\x01.jpg\n<star_file>\n../images\n");
  // Only the background names an image.
  std::u16string taken = settings.playlistPath + u"|" + settings.historyFolder;
  for (std::u16string_view label : {u"背景画像", u"黒石画像", u"白石画像", u"碁盤画像", u"星画像"})
    taken += u"|" + FilePath(doc.state.gameInfo, label);
  EXPECT_EQ(taken,
            text(root / "lists/x.gpl") + u"|" + text(root / "hist") + u"|" + text(root / "images/back.jpg") + u"||||");
}

TEST_F(DamagedSettingsTest, RecentListsTakeExistingGamesOnceAndNoMoreThanTheyHold) {
  std::u16string lines =
      u"<recent_files>\n../../../../etc/passwd\n/dev/null.sgf\n../games/g0.sgf\n../games/./g0.sgf\n" +
      std::u16string(700, u'a') + u".sgf\n";
  std::vector<std::u16string> expected;
  for (int i = 0; i < 12; ++i) {
    const std::string name = "games/g" + std::to_string(i) + ".sgf";
    if (expected.size() < 10) expected.push_back(text(touch(name)));
    else touch(name);
    lines += u"../" + asciiToUtf16(name) + u"\n";
  }
  readText(lines + u"<playlist_list>\n../games/g1.sgf\n");
  EXPECT_EQ(doc.recentGames.paths, expected);
  EXPECT_TRUE(doc.recentPlaylists.paths.empty()) << "a game is no playlist";
}

// Recent paths below the program folder, beside it and absolute all name their games.
TEST_F(DamagedSettingsTest, RecentPathsResolveFromTheProgramFolderWhateverTheirForm) {
  const fs::path below = touch("program/games/a.sgf"), beside = touch("games/b.sgf"), deep = touch("x/c.gpl");
  readText(u"<recent_files>\ngames/a.sgf\n../games/b.sgf\ngames\\a.sgf\n<playlist_list>\n" + text(deep) + u"\n");
  EXPECT_EQ(doc.recentGames.paths, (std::vector{text(below), text(beside)}));
  EXPECT_EQ(doc.recentPlaylists.paths, std::vector{text(deep)});
}

TEST_F(DamagedSettingsTest, AFileCutOffAnywhereReads) {
  const std::u16string full = fullText();
  for (std::size_t length = 0; length <= full.size(); length += 3) {
    readText(full.substr(0, length));
    ASSERT_TRUE(option("textsize") >= 1 && option("textsize") <= 4) << length;
    ASSERT_LE(settings.playerNames.size(), 2u) << length;
  }
}

TEST_F(DamagedSettingsTest, SeededMutantsReadAndWhatIsWrittenReadsBackAsItself) {
  const std::vector<std::string> sources = {
      u8(fullText()), "[boardsize]\n13\n[plyrn0-1]\nx\n[record3]\n7\n[playlist_show]\n2\n[recent_files]\na.sgf\n",
      "<margin_x>\n 12px\n<pl_listitem>\n\nNo.:\n[width=40];\n\n<history_path>\n../\n<typeface>\n\xe6\x98\x8e\n"};
  // The file a fresh program would write after reading the one at `file`.
  const auto readAndWriteBack = [this](const fs::path& file) {
    Document fresh;
    Settings read;
    setGlobalDefaults(fresh);
    readSettings(fresh, read, context, file, true);
    EXPECT_TRUE(writeSettings(fresh, read, program, file));
    return bytesOf(file);
  };
  test::Mutator mutate("<>[]\n-0");
  int failures = 0;
  for (int m = 0; m < 300 && failures < 5; ++m) {
    const std::string bytes = mutate(sources[static_cast<std::size_t>(m) % sources.size()]);
    const fs::path file = touch("program/mutant.dat", bytes);
    const std::string first = readAndWriteBack(file);
    if (readAndWriteBack(file) != first) {
      ++failures;
      ADD_FAILURE() << "mutant " << m << " reads back differently once written\ninput: " << printable(bytes);
    }
  }
}

}  // namespace
}  // namespace mokuza::test
