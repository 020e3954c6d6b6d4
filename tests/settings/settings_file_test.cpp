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

TEST_F(SettingsFileTest, EveryOptionAndDesignValueComesBackByteForByte) {
  for (const auto& info : kGlobalOptions)
    doc.globalOptions[info.option] = info.high < kNoHigh ? info.low : 11 + static_cast<int>(info.option);
  for (const auto& info : kDocumentOptions)
    doc.state.options[info.option] = info.high < kNoHigh ? info.low : 11 + static_cast<int>(info.option);
  for (const DesignFieldInfo& info : kDesignFields)
    if (info.group != DesignGroup::Unlisted)
      setDesignValue(doc.state.design, info.field, 21 + static_cast<int>(info.field));
  const std::u16string written = settingsText(doc, settings, program);
  ASSERT_TRUE(writeSettings(doc, settings, program, context.settingsFile));
  Document back;
  Settings backSettings;
  readSettings(back, backSettings, context, context.settingsFile, true);
  EXPECT_EQ(u8(settingsText(back, backSettings, program)), u8(written));
}

TEST_F(SettingsFileTest, EverythingReadsBackAsItWasWrittenWithPathsRelativeToTheProgram) {
  doc.globalOptions[GlobalOption::MainWindowLeft] = 100;
  doc.globalOptions[GlobalOption::MainWindowRight] = 1300;
  doc.globalOptions[GlobalOption::MainWindowBottom] = 850;
  doc.globalOptions[GlobalOption::MonitorHeight] = 1040;
  doc.globalOptions[GlobalOption::ImageOutput] = 33795;
  doc.state.options[DocumentOption::LoadRotation] = 12;
  doc.state.options[DocumentOption::BoardSize] = 13;
  doc.state.design = makeInitialDesign();
  doc.state.design.intFields[u"黒石透明度"] = 128;
  doc.state.design.intFields[u"手数表示"] = 1;
  SetFilePath(doc.state.gameInfo, u"黒石画像", text(touch("program/gra/stone/b.jpg")));
  SetFilePath(doc.state.gameInfo, u"背景画像", text(touch("images/back.jpg")));
  doc.state.gameInfo.textFields[std::u16string(kTypefaceLabel)] = u"IPAGothic";
  settings.playlistPath = text(touch("program/playlists/既定.gpl"));
  fs::create_directories(root / "hist");
  settings.historyFolder = text(root / "hist");
  settings.shows = {5, kListWindowHidden, 0};
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
  EXPECT_EQ(completeGlobalOptions(back.globalOptions), completeGlobalOptions(doc.globalOptions));
  EXPECT_EQ(completeDocumentOptions(back.state.options), completeDocumentOptions(doc.state.options));
  EXPECT_EQ(back.state.design.intFields, doc.state.design.intFields);
  EXPECT_EQ(back.state.gameInfo, doc.state.gameInfo);
  EXPECT_EQ(std::tie(backSettings.playlistPath, backSettings.historyFolder, back.recentGames.paths,
                     back.recentPlaylists.paths),
            std::tie(settings.playlistPath, settings.historyFolder, doc.recentGames.paths, doc.recentPlaylists.paths));
  EXPECT_TRUE(std::tie(backSettings.shows, backSettings.playerNames, backSettings.records, backSettings.columns) ==
              std::tie(settings.shows, settings.playerNames, settings.records, settings.columns));
  EXPECT_EQ(backSettings.playlistsFolder, text(program / "playlists"));
  EXPECT_EQ(backSettings.placement.main, (Rect{100, 0, 1300, 850}));

  const std::string written = u8(settingsText(doc, settings, program));
  EXPECT_EQ(u8(settingsText(back, backSettings, program)), written);
  for (const char* piece : {"\n<blackstone_file>\ngra/stone/b.jpg\n", "\n<background_file>\n../images/back.jpg\n",
                            "\n<playlist_path>\nplaylists/既定.gpl\n<history_path>\n../hist\n",
                            "\n<recent_files>\na.sgf\n../games/b.SGF\n\n<playlist_list>\nplaylists/既定.gpl\n"})
    EXPECT_NE(written.find(piece), std::string::npos) << piece;
}

TEST_F(SettingsFileTest, TheFileHasTheProgramsFormInUtf8WithCrLf) {
  ASSERT_TRUE(writeSettings(doc, settings, program, context.settingsFile));
  std::string bytes = bytesOf(context.settingsFile);
  EXPECT_TRUE(bytes.starts_with("<mokuza_version>\r\n5.5\r\n<bw_fixed>\r\n0\r\n<design_position>\r\n0\r\n"));
  EXPECT_EQ(bytes.find("\n\n"), std::string::npos) << "every line feed is stored as CR LF";
  std::erase(bytes, '\r');
  EXPECT_NE(bytes.find("<kifunarabe>\n-1\n<kigaku_mode>\n-1\n<layoutno>\n1\n<rename_tag_max>\n10\n<textsize>\n2\n"),
            std::string::npos);
  std::string tail =
      "\n<design_position>\n0\n<typeface>\n\n<playlist_path>\n\n<history_path>\n"
      "\n<playlist_show>\n65535\n<eventlist_show>\n65535\n<figurelist_show>\n65535";
  for (int k = 1; k <= 15; ++k) tail += "\n<record" + std::to_string(k) + ">\n0";
  EXPECT_TRUE(bytes.ends_with(tail + "\n<recent_files>\n\n<playlist_list>\n")) << bytes;
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
  readText(u"[textsize]\n3\n[typeface]\nMS Gothic\n[margin_x]\n-150\n[recent_files]\nold.sgf\n");
  EXPECT_EQ(values({"textsize"}) + u8(textField(doc.state.gameInfo, kTypefaceLabel)), "textsize=3 MS Gothic");
  EXPECT_EQ(intField(doc.state.design, u"碁盤Ｘ", 0), -150);
  EXPECT_EQ(doc.recentGames.paths, std::vector<std::u16string>{text(program / "old.sgf")});
  readText(u"<typeface>\n[Font]\n<textsize>\n4\n");
  EXPECT_EQ(values({"textsize"}) + u8(textField(doc.state.gameInfo, kTypefaceLabel)), "textsize=4 [Font]");
}

// Reading over the current settings keeps the lists (see the load dialog).
TEST_F(SettingsFileTest, RecentListsAreReplacedWhenStartingAfresh) {
  doc.recentGames.paths = {u"/kept.sgf"};
  readSettings(doc, settings, context, program / "absent.dat", true);
  EXPECT_EQ(doc.recentGames.paths.size(), 1u) << "a missing file changes nothing";
  EXPECT_EQ(settings.placement.main, (Rect{0, 0, 1440, 780})) << "three quarters, fitted to the 1040 work area";

  touch("program/new.sgf");
  settings.playlistPath = text(touch("program/playlists/既定.gpl"));
  readText(u"<recent_files>\nnew.sgf\n", true);
  EXPECT_EQ(doc.recentGames.paths, std::vector<std::u16string>{text(program / "new.sgf")});
  EXPECT_EQ(doc.recentPlaylists.paths, std::vector<std::u16string>{settings.playlistPath});
}

TEST_F(SettingsFileTest, WritingReplacesTheFileWholeOrFailsWithoutTraces) {
  touch("program/setting.dat", "old settings");
  doc.state.options[DocumentOption::TextSize] = 4;
  ASSERT_TRUE(writeSettings(doc, settings, program, context.settingsFile));
  EXPECT_NE(bytesOf(context.settingsFile).find("<textsize>\r\n4\r\n"), std::string::npos);

  fs::create_directories(program / "blocked.dat");  // a folder where the file should go
  EXPECT_FALSE(writeSettings(doc, settings, program, program / "blocked.dat"));
  EXPECT_FALSE(writeSettings(doc, settings, program, root / "no-folder" / "setting.dat"));
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(program)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"blocked.dat", "setting.dat"}));
  EXPECT_FALSE(fs::exists(root / "no-folder"));
}

}  // namespace
}  // namespace mokuza::test
