// setting.dat written and read back: every kind of value survives the round
// trip, the text has the program's file form, and writing never leaves a
// half-written file.

#include <gtest/gtest.h>

#include "playlist/design_fields.h"
#include "settings/design_values.h"
#include "settings_test_support.h"

namespace mokuza::test {
namespace {

class SettingsFileTest : public SettingsTest {};

// Every option and design value, the paths, names, records, columns and
// lists: the text written again from what was read is the same.
TEST_F(SettingsFileTest, EverythingReadsBackAsItWasWrittenWithPathsRelativeToTheProgram) {
  for (const auto& info : kGlobalOptions)
    doc.globalOptions[info.option] = info.high < kNoHigh ? info.low : 11 + static_cast<int>(info.option);
  for (const auto& info : kDocumentOptions)
    doc.state.options[info.option] = info.high < kNoHigh ? info.low : 11 + static_cast<int>(info.option);
  for (const DesignFieldInfo& info : kDesignFields)
    if (info.group != DesignGroup::Unlisted)
      setDesignValue(doc.state.design, info.field, clampedDesignValue(info.field, 21 + static_cast<int>(info.field)));
  SetFilePath(doc.state.gameInfo, u"黒石画像", text(touch("program/gra/stone/b.jpg")));
  SetFilePath(doc.state.gameInfo, u"背景画像", text(touch("images/back.jpg")));
  doc.state.gameInfo.textFields[std::u16string(kTypefaceLabel)] = u"IPAGothic";
  settings.playlistPath = text(touch("program/playlists/既定.gpl"));
  fs::create_directories(root / "hist");
  settings.historyFolder = text(root / "hist");
  settings.shows = {5, kListWindowHidden, 0};
  settings.midiPort = u"FLUID Synth:0";
  settings.playerNames.resize(3);
  settings.playerNames[0][0] = u"山田太郎";
  settings.playerNames[2][13] = u"佐藤";
  for (int k = 0; k < kRecordSlots; ++k) settings.records[static_cast<std::size_t>(k)] = k * 10 - 30;
  settings.columns.playlist = u"No.:\n[width=40][alliod=0][iorder=0];\nbname:\n[width=120][alliod=1];\n";
  doc.recentGames.paths = {text(touch("program/a.sgf")), text(touch("games/b.SGF"))};
  doc.recentPlaylists.paths = {settings.playlistPath, text(touch("lists/x.gpl"))};

  ASSERT_TRUE(writeSettings(doc, settings, program, context.settingsFile));
  Document back;
  Settings backSettings;
  readSettings(back, backSettings, context, context.settingsFile, true);
  EXPECT_EQ(backSettings.playlistsFolder, text(program / "playlists"));
  EXPECT_EQ(back.state.design.intFields, doc.state.design.intFields);

  const std::string written = u8(settingsText(doc, settings, program));
  EXPECT_EQ(u8(settingsText(back, backSettings, program)), written);
  for (const char* piece : {"\n<blackstone_file>\ngra/stone/b.jpg\n", "\n<background_file>\n../images/back.jpg\n",
                            "\n<playlist_path>\nplaylists/既定.gpl\n<history_path>\n../hist\n",
                            "\n<figurelist_show>\n0\n<midi_port>\nFLUID Synth:0\n",
                            "\n<recent_files>\na.sgf\n../games/b.SGF\n\n<playlist_list>\nplaylists/既定.gpl\n"})
    EXPECT_NE(written.find(piece), std::string::npos) << piece;
}

TEST_F(SettingsFileTest, TheFileHasTheProgramsFormInUtf8WithCrLf) {
  ASSERT_TRUE(writeSettings(doc, settings, program, context.settingsFile));
  std::string bytes = bytesOf(context.settingsFile);
  EXPECT_TRUE(bytes.starts_with("<mokuza_version>\r\n5.5\r\n<bw_fixed>\r\n0\r\n<design_position>\r\n0\r\n"));
  EXPECT_EQ(bytes.find("\n\n"), std::string::npos) << "every line feed is stored as CR LF";
  std::erase(bytes, '\r');
  EXPECT_TRUE(bytes.ends_with("\n<record15>\n0\n<recent_files>\n\n<playlist_list>\n")) << bytes;
}

TEST_F(SettingsFileTest, TextsThatWouldBreakTheFileAreMadeSafe) {
  settings.playerNames.assign(1, {u"A<B>", u"二行\nの名前", std::u16string(40, u'長')});
  doc.state.gameInfo.textFields[std::u16string(kTypefaceLabel)] = u"<font>";
  doc.recentGames.paths = {text(touch("odd/a<b.sgf")), text(touch("odd/ok.sgf"))};
  readText(settingsText(doc, settings, program));
  EXPECT_EQ(u8(settings.playerNames.at(0)[0] + settings.playerNames[0][1]), "A＜B>二行の名前");
  EXPECT_EQ(settings.playerNames[0][2].size(), kPlayerNameMax);
  EXPECT_EQ(u8(textField(doc.state.gameInfo, kTypefaceLabel)), "＜font>");
  EXPECT_EQ(doc.recentGames.paths, std::vector<std::u16string>{text(root / "odd/ok.sgf")})
      << "a path that cannot be stored is left out, not cut";
}

TEST_F(SettingsFileTest, SquareBracketFilesAreRead) {
  touch("program/old.sgf");
  readText(u"[textsize]\n3\n[typeface]\nMS Gothic\n[recent_files]\nold.sgf\n");
  EXPECT_EQ(values({"textsize"}) + u8(textField(doc.state.gameInfo, kTypefaceLabel)), "textsize=3 MS Gothic");
  EXPECT_EQ(doc.recentGames.paths, std::vector<std::u16string>{text(program / "old.sgf")});
}

TEST_F(SettingsFileTest, RecentListsAreReplacedWhenStartingAfresh) {
  doc.recentGames.paths = {u"/kept.sgf"};
  touch("program/new.sgf");
  settings.playlistPath = text(touch("program/playlists/既定.gpl"));
  readText(u"<recent_files>\nnew.sgf\n", true);
  EXPECT_EQ(doc.recentGames.paths, std::vector<std::u16string>{text(program / "new.sgf")});
  EXPECT_EQ(doc.recentPlaylists.paths, std::vector<std::u16string>{settings.playlistPath});
}

}  // namespace
}  // namespace mokuza::test
