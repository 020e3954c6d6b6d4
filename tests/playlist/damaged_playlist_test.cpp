// Playlist files that are damaged, truncated, from a newer version or made to
// hurt: they read as far as is safe and never write anywhere.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "playlist/file_moves.h"
#include "playlist/list_games.h"
#include "playlist/list_order.h"
#include "playlist/list_texts.h"
#include "playlist/playlist_paths.h"
#include "playlist/playlist_reader.h"
#include "playlist/playlist_writer.h"
#include "playlist_test_support.h"
#include "tests/seeded_mutations.h"

namespace mokuza::test {
namespace {

class DamagedPlaylist : public PlaylistTest {
 protected:
  static std::u16string games(int count) {
    std::u16string text = u"<sgf_folder>\n/g\n";
    for (int k = 1; k <= count; ++k) text += u"<Game." + u16(std::to_string(k)) + u">\n<sgf_file>\nx.sgf\n";
    return text + u"<Game.end>\n";
  }

  // Every file below the test folder, to show that reading wrote nothing.
  std::vector<fs::path> files() const {
    std::vector<fs::path> list;
    for (const auto& item : fs::recursive_directory_iterator(dir)) list.push_back(item.path());
    std::sort(list.begin(), list.end());
    return list;
  }
};

TEST_F(DamagedPlaylist, AHundredThousandGamesStopAtTheCapacity) {
  const PlaylistReadResult result = parse(games(100000));
  EXPECT_EQ(result.entries.size(), static_cast<std::size_t>(kPlaylistCapacity));
  EXPECT_TRUE(result.stoppedEarly);
  EXPECT_EQ(result.gamesLeftOut, 90000);
}

TEST_F(DamagedPlaylist, ATruncatedFileKeepsTheGamesItCompleted) {
  const std::u16string whole = games(3);
  const std::u16string cut = whole.substr(0, whole.find(u"<Game.3>") + 12);
  const PlaylistReadResult result = parse(cut);
  EXPECT_EQ(result.entries.size(), 2u);
  EXPECT_EQ(parse(u"<Game.1>\n<sgf_file>\na.sgf\n<Game.e").entries.size(), 0u);
  EXPECT_EQ(parse(u"<Game.1><sgf_fi").entries.size(), 0u);
}

TEST_F(DamagedPlaylist, AbsurdNumbersAreHeldToTheirRange) {
  const PlaylistReadResult result = parse(
      u"<position>\n99999999999999999999\n<plmove>\n-99999999999999999999\n"
      u"<Game.999999999999999999999999>\n<margin_x>\n123456789012345\n<record9>\n-5\n<record3>\n99999999999\n"
      u"<Game.-1>\n<Game.0>\n<Game.end>\n");
  ASSERT_EQ(result.entries.size(), 3u);
  // Game numbers lie within 1..10000.
  EXPECT_EQ(std::tuple(result.entries[0].number, result.entries[1].number, result.entries[2].number, result.shownIndex),
            std::tuple(kPlaylistCapacity, 1, 1, 1));
  EXPECT_EQ(std::tuple(result.shownMove, intField(result.entries[0], u"碁盤Ｘ", 0), result.entries[0].figureEnds[9],
                       result.entries[0].figureEnds[3]),
            std::tuple(INT32_MIN, INT32_MAX, 0u, UINT32_MAX));
}

TEST_F(DamagedPlaylist, AliasNumbersOutOfRangeAreIgnored) {
  const PlaylistReadResult result = parse(
      u"<plyrn0-0>\nA\n<plyrn0-99>\nHidden\n<plyrn0-1>\nB\n<plyrn99999999999-0>\nC\n<plyrn99999999999-1>\n"
      u"01234567890123456789012345678901234\n<plyrn-1>\nbad\n<plyrnx-y>\nbad\n<Game.end>\n");
  ASSERT_EQ(result.aliasGroups.size(), 2u);
  EXPECT_EQ(result.aliasGroups[0].names, (std::vector<std::u16string>{u"A", u"B"}));
  EXPECT_EQ(result.aliasGroups[1].names.at(0) + result.aliasGroups[1].names.at(1),
            u"C" + std::u16string(u"01234567890123456789012345678901234").substr(0, kAliasNameLength));
}

TEST_F(DamagedPlaylist, ANewerVersionsUnknownTagsAndGarbageAreSkipped) {
  const PlaylistReadResult result = parse(
      u"<mokuza_version>\n9.9\n<hologram_mode>\n1\n<<>>\n<日本語キー>\nx\n<listitem>\n:;;No.:[width=abc][iorder=-4];"
      u"bname:[width=50][alliod=1][iorder=0];\n<Game.1>\n<sgf_file>\na.sgf\n<new_field_2030>\nz\n<Game.end>\n");
  ASSERT_EQ(result.entries.size(), 1u);
  ASSERT_TRUE(result.columns);
  ASSERT_EQ(result.columns->columns.size(), 2u);
  EXPECT_EQ(std::pair(result.columns->columns[0].iorder, result.columns->columns[1].width), std::pair(-1, 50));
}

TEST_F(DamagedPlaylist, PathsWithDotDotOnlyPointAtFilesAndReadingWritesNothing) {
  const std::vector<fs::path> before = files();
  const PlaylistReadResult result = parse(
      u"$../../../../etc/passwd>../../../../tmp/evil|\n<before_folder>\n../../../../../..\n"
      u"<Game.1>\n<sgf_folder>\n../../../../../../etc\n<sgf_file>\npasswd\n<blackstone_folder>\n..\n"
      u"<blackstone_file>\n../../x/../../y.png\n<Game.end>\n");
  ASSERT_EQ(result.entries.size(), 1u);
  EXPECT_EQ(FilePath(result.entries[0], kSgfFileLabel), u"/etc/passwd") << "a path is only a name to look at";
  EXPECT_EQ(files(), before);
}

TEST_F(DamagedPlaylist, AFileReadInPartIsWrittenBackOnlyWhenTheUserAgrees) {
  // Every game carries the first one's megabyte of text: the reader's text budget ends the list early.
  ASSERT_TRUE(
      writeTextFile(u8(playlist.path), u"<game_comment>\n" + std::u16string(1 << 20, u'x') + u"\n" + games(100)));
  const std::string whole = slurp(u8(playlist.path));
  PlaylistEntry design = makeInitialDesign();
  ASSERT_EQ(ReadPlaylist(playlist, design, playlist.path, false, services, home), kPlaylistReadOk);
  const int read = playlist.gameCount(), left = 100 - read;
  ASSERT_GT(left, 0);
  EXPECT_EQ(playlist.gamesLeftOut, left);

  PlaylistContext ctx = context();
  EXPECT_EQ(addGames(ctx, paths({game("new.sgf")})), ListOutcome::NotWritten);
  EXPECT_EQ(messages().at(0),
            "Mokuza: " + std::to_string(left) + "局を読み込めませんでした。保存すると失われます。保存しますか？");
  EXPECT_TRUE(services.callsOf("messageBox").at(0).declineByDefault) << "Enter must not lose the games";
  EXPECT_EQ(slurp(u8(playlist.path)), whole) << "No writes nothing";
  services.messageAnswers = {platform::Answer::Ok, platform::Answer::No};
  select({1});
  EXPECT_TRUE(renameFiles(ctx, kSgfFileLabel, u"<PB>").done.empty());
  EXPECT_EQ(messages().back(), messages().at(0)) << "asked before any file is renamed";

  services.messageAnswers.push_back(platform::Answer::Yes);
  select({1});
  ASSERT_EQ(moveSelectedRows(ctx, 1), ListOutcome::Done);
  ASSERT_EQ(ReadPlaylist(playlist, design, playlist.path, false, services, home), kPlaylistReadOk);
  EXPECT_EQ(playlist.gameCount(), read + 1) << "the added game has no comment to carry";
  EXPECT_EQ(playlist.gamesLeftOut, 0);
}

TEST_F(DamagedPlaylist, WhatIsNoRegularFileOfBoundedSizeIsNeverRead) {
  // The kinds of file the reader refuses are the platform's to test; here the playlist's own limit and a pipe.
  ASSERT_EQ(::mkfifo((dir / "fifo.gpl").c_str(), 0600), 0);
  std::ofstream(dir / "huge.gpl") << "<Game.1>";
  fs::resize_file(dir / "huge.gpl", kPlaylistFileMax + 1);
  for (const auto& [name, reason] : std::vector<std::pair<std::string, std::string>>{
           {"fifo.gpl", "is not a regular file"}, {"huge.gpl", "is larger than 64 MB"}}) {
    Playlist read;
    PlaylistEntry design = makeInitialDesign();
    services.diagnostics.clear();
    EXPECT_EQ(ReadPlaylist(read, design, u16(dir / name), false, services, home), kPlaylistReadEmpty) << name;
    EXPECT_EQ(services.diagnostics,
              std::vector<std::string>{"File Open Error: " + (dir / name).string() + " " + reason});
  }
}

TEST_F(DamagedPlaylist, AMovedFileTableOfLoopsAndLongPathsStaysBounded) {
  std::u16string source = u"$" + std::u16string(600, u'a') + u">b|$a>b|$b>a|";
  for (int k = 0; k < 12000; ++k) source += u"$p" + u16(std::to_string(k + 1)) + u">p" + u16(std::to_string(k)) + u"|";
  source += u"<Game.end>";
  std::vector<MovedFile> records = parseMovedFiles(source);
  EXPECT_EQ(records.size(), kMovedFilesMax);
  EXPECT_EQ(records[0], (MovedFile{u"a", u"b"})) << "the record with an overlong path is dropped";
  followMovedFiles(records);
  EXPECT_EQ(records[2].newPath, u"p0");
}

TEST_F(DamagedPlaylist, SeededMutantsReadAndKeepEveryGameThroughAWrite) {
  game("lists/a.sgf");
  const std::vector<std::string> sources = {
      u8(games(4)),
      "$/old/a.sgf>a.sgf|\r\n$x>y|$y>x|\r\n<plyrn0-0>\r\nA\r\n<plyrn0-1>\r\nB\r\n<position>\r\n2\r\n<Game.1>\r\n"
      "<sgf_folder>\r\n/old\r\n<sgf_file>\r\na.sgf\r\n<record3>\r\n40\r\n<gname>\r\n\xe5\x90\x8d\r\n<Game.2>\r\n"
      "<margin_x>\r\n12\r\n<Regist_date>\r\n0\r\n<Game.end>\r\n",
      "<listitem>\n:;;No.:[width=abc][iorder=-4];bname:[width=50][alliod=1][iorder=0];\n<before_folder>\n..\n"
      "<Game.7>\n<game_comment>\nabc\n<blackstone_file>\n../x.png\n<Game.end>\n"};
  test::Mutator mutate("<>\n$|.-:;[]=");
  int failures = 0;
  for (int m = 0; m < 1500 && failures < 5; ++m) {
    const std::string bytes = mutate(sources[static_cast<std::size_t>(m) % sources.size()]);
    PlaylistReadResult first = parse(decodeBytes(bytes, TextKind::Plain));
    playlist.displayOrder.clear();
    for (int k = 0; k < static_cast<int>(first.entries.size()); ++k) playlist.displayOrder.push_back(k);
    playlist.entries = std::move(first.entries);
    playlist.aliasGroups = std::move(first.aliasGroups);
    playlist.movedFiles = std::move(first.movedFiles);
    playlist.columns = first.columns ? std::move(*first.columns) : defaultPlaylistColumns();
    const std::size_t again = parse(playlistFileText(playlist, {home, 0})).entries.size();
    if (again != playlist.entries.size()) {
      ++failures;
      ADD_FAILURE() << "mutant " << m << ": " << playlist.entries.size() << " games, " << again
                    << " after a write\ninput: " << printable(bytes);
    }
  }
}

}  // namespace
}  // namespace mokuza::test
