// The playlist model and its .gpl file: numbering, round trips, empty values,
// paths relative to the playlist and found again when things moved, the
// moved-file table, alternative keys and aliases.

#include <gtest/gtest.h>

#include "playlist/list_games.h"
#include "playlist/playlist_paths.h"
#include "playlist/playlist_reader.h"
#include "playlist/playlist_writer.h"
#include "playlist_test_support.h"

namespace mokuza::test {
namespace {

class PlaylistFile : public PlaylistTest {
 protected:
  std::u16string text() { return playlistFileText(playlist, {home, 0}); }

  // Reads the playlist's file into a fresh playlist.
  Playlist readBack(const std::u16string& path) {
    Playlist read;
    PlaylistEntry design = makeInitialDesign();
    EXPECT_EQ(ReadPlaylist(read, design, path, false, services, home), kPlaylistReadOk);
    return read;
  }

  std::vector<PlaylistEntry> listed(const Playlist& list) {
    std::vector<PlaylistEntry> entries;
    for (int record : list.displayOrder) entries.push_back(list.entries[static_cast<std::size_t>(record)]);
    return entries;
  }
};

TEST_F(PlaylistFile, TwoHundredCorpusGamesWithVariedDesignsComeBackIdentical) {
  std::vector<fs::path> games = corpusGames();
  if (games.size() < 200) GTEST_SKIP() << "corpus not found";
  games.resize(200);
  PlaylistContext ctx = context();
  ASSERT_EQ(addGames(ctx, paths(games)), ListOutcome::Done);
  ASSERT_EQ(playlist.gameCount(), 200);

  fs::create_directories(dir / "boards");
  std::ofstream(dir / "boards" / "kaya.png") << "png";
  for (int place = 0; place < 200; ++place) {
    PlaylistEntry& entry =
        playlist.entries[static_cast<std::size_t>(playlist.displayOrder[static_cast<std::size_t>(place)])];
    entry.intFields[u"黒石透明度"] = 100 + (place % 3) * 50;
    entry.intFields[u"１手ごとの表示時間"] = 1000 + (place / 10) * 100;
    entry.intFields[u"石音"] = place % 2;
    if (place >= 100) entry.intFields[u"手数表示"] = place % 2;  // set from the middle of the list on
    if (place % 7 == 0) SetFilePath(entry, u"碁盤画像", u16(dir / "boards" / "kaya.png"));
    if (place % 11 == 0) SetFilePath(entry, u"黒石音", u16(dir / "sounds" / "missing.wav"));
    entry.figureEnds[3] = static_cast<std::uint32_t>(place);
    entry.figureEnds[15] = static_cast<std::uint32_t>(place % 4) * 100;
  }
  playlist.aliasGroups = {{{u"井山裕太", u"Iyama Yuta", u"井山"}}, {{u"張栩", u"Zhang Xu"}}};
  playlist.columns.columns = {{"No.", 40, 0, 0}, {"bname", 120, 1, 2}, {"search", 30, 2, -1}, {"wname", 110, 3, 1}};
  playlist.currentGameIndex = playlist.displayOrder[4] + 1;

  const std::u16string written = text();
  ASSERT_TRUE(WritePlaylist(playlist, {home, 17}));
  const Playlist read = readBack(playlist.path);

  EXPECT_EQ(listed(read), listed(playlist));
  EXPECT_EQ(read.columns, playlist.columns);
  EXPECT_EQ(read.aliasGroups, playlist.aliasGroups);
  EXPECT_EQ(read.currentGameIndex, 5);
  EXPECT_EQ(read.shownMove, 17);
  EXPECT_EQ(playlistFileText(read, {home, 0}), written) << "a second write gives the same text";
}

TEST_F(PlaylistFile, ValuesCannotBreakTheFileATextTheNextGameLacksIsWrittenEmptyAnIntegerCarriesOver) {
  PlaylistContext ctx = context();
  ASSERT_EQ(addGames(ctx, paths({game("a.sgf", "A", "B", 3, "GC[final]"), game("b.sgf"), game("x<y/<Game.2>.sgf")})),
            ListOutcome::Done);
  playlist.entries[0].intFields[u"ステータスバー"] = 1;
  playlist.entries[1].textFields[u"黒対局者"] = u"<Game.99>";
  playlist.entries[2].textFields[u"ゲームコメント"] = u"line one\r\nline two";
  const std::u16string out = text();
  EXPECT_NE(out.find(u"<game_comment>\n \n"), std::u16string::npos);
  for (const DesignFieldInfo& row : kDesignFields)
    EXPECT_EQ(out.find(u"<" + asciiToUtf16(row.key) + u">\n \n"), std::u16string::npos) << row.key;
  EXPECT_EQ(out.find(u"<menu_show>"), std::u16string::npos) << "no game has it";
  WritePlaylist(playlist, {home, 0});
  const Playlist read = readBack(playlist.path);
  ASSERT_EQ(read.gameCount(), 3);
  EXPECT_EQ(fieldsOf(read.entries[0], {u"ゲームコメント", u"ステータスバー"}), "final|1");
  EXPECT_EQ(fieldsOf(read.entries[1], {u"ゲームコメント", u"黒対局者", u"ステータスバー"}), "|＜Game.99>|1")
      << "no comment from the game before, a free text in its full-width form, the integer carried over";
  EXPECT_EQ(fieldsOf(read.entries[2], {u"ゲームコメント", kSgfFileLabel}),
            "line oneline two|" + (dir / "x<y" / "<Game.2>.sgf").string())
      << "a path comes back whole";
}

TEST_F(PlaylistFile, PathsAreRelativeToThePlaylistAndFoundAgainWhenCopiedOrMoved) {
  PlaylistContext ctx = context();
  ASSERT_EQ(addGames(ctx, paths({game("games/a.sgf"), game("games/b.sgf")})), ListOutcome::Done);
  const std::u16string out = text();
  EXPECT_NE(out.find(u"<sgf_folder>\n../games\n"), std::u16string::npos) << u8(out);
  EXPECT_EQ(relativePath(u"/a/b/lists/", u"/a/b/lists/"), u"") << "the playlist's own folder";
  EXPECT_EQ(relativePath(u"gra\\stone\\", u"/a/"), u"gra/stone") << "a relative path stays relative";
  EXPECT_NE(out.find(u"<before_folderA>\n" + u16(dir / "lists") + u"/\n"), std::u16string::npos);
  WritePlaylist(playlist, {home, 0});

  // A copy elsewhere finds the games through the folder the original lies in.
  fs::create_directories(dir / "elsewhere" / "sub");
  fs::copy_file(u8(playlist.path), dir / "elsewhere" / "sub" / "copy.gpl");
  const Playlist copy = readBack(u16(dir / "elsewhere" / "sub" / "copy.gpl"));
  EXPECT_EQ(FilePath(copy.entries.at(1), kSgfFileLabel), u16(dir / "games" / "b.sgf"));

  // The whole tree moves: the relative folder still finds the games.
  const fs::path moved = fs::temp_directory_path() / ("mokuza-pl-moved-" + std::to_string(::getpid()));
  fs::remove_all(moved);
  fs::rename(dir, moved);
  Playlist read;
  PlaylistEntry design = makeInitialDesign();
  const int status = ReadPlaylist(read, design, u16(moved / "lists" / "test.gpl"), false, services, home);
  fs::rename(moved, dir);
  ASSERT_EQ(status, kPlaylistReadOk);
  EXPECT_EQ(FilePath(read.entries[1], kSgfFileLabel), u16(moved / "games" / "b.sgf"));
}

TEST_F(PlaylistFile, BackslashesSeparateFoldersInEveryStoredPath) {
  const struct {
    const char* file;       // below the test folder
    const char16_t* games;  // the text after the header
  } cases[] = {
      {"home/oldlists/kifu/deep/x.sgf", u"<sgf_folder>\nkifu\\deep\n<sgf_file>\nx.sgf\n"},  // through before_folder
      {"home/gra/stone/x.sgf", u"<sgf_folder>\ngra\\stone\n<sgf_file>\nx.sgf\n"},           // on its own
      {"lists/moved/new_b.sgf", u"<sgf_folder>\n/old\n<sgf_file>\nb.sgf\n"},                // a moved file
      {"lists/B.sgf", u"<sgf_folder>\r\n/old/place\r\n<sgf_file>\r\nA.sgf\r\n"},            // under its new name, CR LF
  };
  for (const auto& c : cases) {
    fs::create_directories((dir / c.file).parent_path());
    std::ofstream(dir / c.file) << "(;B[aa])";
    const PlaylistReadResult result =
        parse(u"$/old/b.sgf>moved\\new_b.sgf|$/old/place/A.sgf>B.sgf|\r\n<before_folder>\noldlists\n<Game.1>" +
              std::u16string(c.games) + u"<Game.end>");
    ASSERT_EQ(result.entries.size(), 1u) << c.file;
    EXPECT_EQ(FilePath(result.entries[0], kSgfFileLabel), u16(dir / c.file));
  }
}

// A game found through the moved-file table gives the next games without a
// folder of their own the folder it was found in.
TEST_F(PlaylistFile, TheFolderAMovedFileWasFoundInCarriesToTheNextGames) {
  for (const char* file : {"lists/kifu/g1.sgf", "lists/moved/new_b.sgf", "lists/moved/y.sgf"}) {
    fs::create_directories((dir / file).parent_path());
    std::ofstream(dir / file) << "(;B[aa])";
  }
  const PlaylistReadResult result =
      parse(u"$old_b.sgf>moved\\new_b.sgf|\n<Game.1>\n<sgf_folder>\nkifu\n<sgf_file>\ng1.sgf\n<Game.2>\n<sgf_file>\n"
            u"old_b.sgf\n<Game.3>\n<sgf_file>\ny.sgf\n<Game.end>\n");
  ASSERT_EQ(result.entries.size(), 3u);
  EXPECT_EQ(FilePath(result.entries[0], kSgfFileLabel), u16(dir / "lists/kifu/g1.sgf"));
  EXPECT_EQ(FilePath(result.entries[1], kSgfFileLabel), u16(dir / "lists/moved/new_b.sgf"));
  EXPECT_EQ(FilePath(result.entries[2], kSgfFileLabel), u16(dir / "lists/moved/y.sgf"));
}

TEST_F(PlaylistFile, MovedFileRecordsFollowLaterMovesAndDropTheUseless) {
  std::vector<MovedFile> records = parseMovedFiles(u"$a>b|$same>same|$b>c|$c>d|<tags>");
  followMovedFiles(records);
  EXPECT_EQ(records, (std::vector<MovedFile>{{u"a", u"d"}, {u"b", u"d"}, {u"c", u"d"}}));
  EXPECT_EQ(formatMovedFiles({{u"a<b", u"c"}, {u"d", u"e|f"}, {u"g", u"h"}}), u"$g>h|\n") << "what cannot be read back";
}

TEST_F(PlaylistFile, AlternativeKeysDatesAndNumbersAreReadAsTheirFields) {
  const std::u16string source =
      u"<Game.3>\n<sgf_path>\n/g/a.sgf\n<move>\n212\n<cdate>\n \n<ldate>\n0\n<lstmv>\n150\n"
      u"<auto_speed>\n800ms\n<record7>\n77\n<record16>\n5\n<blackstone_path>\n/s/b.png\n<unknown_key>\nx\n<Game.end>\n";
  const PlaylistReadResult result = parse(source);
  ASSERT_EQ(result.entries.size(), 1u);
  const PlaylistEntry& entry = result.entries[0];
  EXPECT_EQ(entry.number, 3);
  // An empty date reads as the time of reading.
  EXPECT_EQ(fieldsOf(entry, {kSgfFileLabel, u"黒石画像", u"総手数", u"登録日", u"アクセス日", u"棋譜並べ最終手",
                             u"１手ごとの表示時間"}),
            "/g/a.sgf|/s/b.png|212|20241205120000|20241205120000|150|800");
  EXPECT_EQ(entry.figureEnds[7], 77u);
}

TEST_F(PlaylistFile, AliasGroupsKeepTheirOwnNamesAndOnlyGroupsOfTwoAreWritten) {
  PlaylistContext ctx = context();
  ASSERT_EQ(addGames(ctx, paths({game("a.sgf")})), ListOutcome::Done);
  playlist.aliasGroups = {{{u"A1", u"A2"}}, {{u"Lonely"}}, {{u"B1", u"B2", u"", u"B4"}}};
  const std::u16string out = text();
  EXPECT_EQ(out.find(u"Lonely"), std::u16string::npos);
  EXPECT_EQ(out.find(u"B4"), std::u16string::npos) << "names stop at the first empty one";
  EXPECT_NE(out.find(u"\n<plyrn2-1>\nB2"), std::u16string::npos);
}

TEST_F(PlaylistFile, AnEmptyPlaylistWritesNothingAndAnUnreadableFileChangesNothing) {
  std::ofstream(u8(playlist.path)) << "keep";
  EXPECT_TRUE(WritePlaylist(playlist, {home, 0}));
  EXPECT_EQ(slurp(u8(playlist.path)), "keep");
  PlaylistContext ctx = context();
  ASSERT_EQ(addGames(ctx, paths({game("a.sgf")})), ListOutcome::Done);
  PlaylistEntry design = makeInitialDesign();
  EXPECT_EQ(ReadPlaylist(playlist, design, u16(dir / "absent.gpl"), false, services, home), kPlaylistReadEmpty);
  EXPECT_EQ(playlist.gameCount(), 1);
}

// The model behind the file: numbering and the design a new game takes.

std::u16string path(int k) { return u"/games/g" + asciiToUtf16(std::to_string(k)) + u".sgf"; }

std::vector<int> numbers(const Playlist& playlist) {
  std::vector<int> list;
  for (int record : playlist.displayOrder) list.push_back(playlist.entries[static_cast<std::size_t>(record)].number);
  return list;
}

Playlist withNumbers(const std::vector<int>& given) {
  Playlist playlist;
  for (int number : given) addGameNumbered(playlist, makeInitialDesign(), path(number), u"20240101000000", number);
  return playlist;
}

TEST(PlaylistNumbering, ANewGameIsTheLargestPlusOneWhenFixedElseItsPlace) {
  const struct {
    std::vector<int> given;
    bool fixed;
    std::vector<int> expected;
  } cases[] = {{{1, 2, 7}, true, {1, 2, 7, 8}}, {{1, 2, 7}, false, {1, 2, 3, 4}}, {{}, true, {0}}, {{}, false, {1}}};
  for (const auto& c : cases) {
    Playlist playlist = withNumbers(c.given);
    AddGame(playlist, makeInitialDesign(), path(8), u"20240101000000", c.fixed);
    EXPECT_EQ(numbers(playlist), c.expected) << c.fixed << " " << c.given.size();
  }
}

TEST(PlaylistRecords, AddedGameCarriesTheDesignButItsOwnFileDatesAndLastMove) {
  Design shown = makeInitialDesign();
  shown.intFields[u"黒石透明度"] = 128;
  shown.intFields[u"棋譜並べ最終手"] = 42;
  SetFilePath(shown, kSgfFileLabel, u"/shown/game.sgf");
  shown.textFields[u"黒対局者"] = u"Shown player";
  Playlist playlist;
  const int record = AddGame(playlist, shown, u"/games/new.sgf", u"20241205120000", false);
  const PlaylistEntry& entry = playlist.entries[static_cast<std::size_t>(record)];
  // Game information comes from the file, not the shown game.
  EXPECT_EQ(fieldsOf(entry, {u"黒石透明度", u"棋譜並べ最終手", kSgfFileLabel, u"登録日", u"アクセス日", u"黒対局者"}),
            "128|999|/games/new.sgf|20241205120000|20241205120000|");
  EXPECT_EQ(FilePath(entry, u"黒石画像"), FilePath(shown, u"黒石画像"));
}

TEST(PlaylistRecords, InitialDesignResetsTheDesignButKeepsTheGame) {
  Design shown = makeInitialDesign();
  shown.intFields[u"碁盤Ｘ"] = 5;
  shown.intFields[u"手数表示"] = 1;
  SetFilePath(shown, u"碁盤画像", u"/mine/board.png");
  SetFilePath(shown, kSgfFileLabel, u"/games/a.sgf");
  shown.textFields[u"黒対局者"] = u"A";
  InitialDesign(shown);
  EXPECT_EQ(intField(shown, u"碁盤Ｘ", 0), -200);
  EXPECT_FALSE(shown.intFields.contains(u"手数表示"));
  EXPECT_EQ(fieldsOf(shown, {u"碁盤画像", kSgfFileLabel, u"黒対局者"}), "gra\\goban\\goban.jpg|/games/a.sgf|A");
}

}  // namespace
}  // namespace mokuza::test
