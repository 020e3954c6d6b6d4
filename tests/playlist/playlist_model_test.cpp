// The playlist model: numbering, records and their pool, the capacity, file
// paths split into folder and name, and the shown design.

#include "playlist/playlist.h"

#include <gtest/gtest.h>

#include "core/record/text.h"
#include "playlist/design_fields.h"

namespace mokuza {
namespace {

std::u16string path(int k) { return u"/games/g" + asciiToUtf16(std::to_string(k)) + u".sgf"; }

std::vector<int> numbers(const Playlist& playlist) {
  std::vector<int> list;
  for (int record : playlist.displayOrder) list.push_back(playlist.entries[static_cast<std::size_t>(record)].number);
  return list;
}

Playlist withNumbers(std::initializer_list<int> given) {
  Playlist playlist;
  for (int number : given) addGameNumbered(playlist, makeInitialDesign(), path(number), u"20240101000000", number);
  return playlist;
}

TEST(PlaylistNumbering, FixedNumbersGiveANewGameTheLargestPlusOne) {
  Playlist playlist = withNumbers({1, 2, 7});
  AddGame(playlist, makeInitialDesign(), path(8), u"20240101000000", true);
  EXPECT_EQ(numbers(playlist), (std::vector<int>{1, 2, 7, 8}));
}

TEST(PlaylistNumbering, FreeNumbersFollowThePlacesInTheList) {
  Playlist playlist = withNumbers({1, 2, 7});
  AddGame(playlist, makeInitialDesign(), path(8), u"20240101000000", false);
  EXPECT_EQ(numbers(playlist), (std::vector<int>{1, 2, 3, 4}));
}

TEST(PlaylistNumbering, ALoneGameIsZeroWhenFixedAndOneOtherwise) {
  Playlist fixed;
  AddGame(fixed, makeInitialDesign(), path(1), u"d", true);
  Playlist free;
  AddGame(free, makeInitialDesign(), path(1), u"d", false);
  EXPECT_EQ(numbers(fixed), (std::vector<int>{0}));
  EXPECT_EQ(numbers(free), (std::vector<int>{1}));
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
  EXPECT_EQ(intField(entry, u"黒石透明度", 0), 128);
  EXPECT_EQ(intField(entry, u"棋譜並べ最終手", 0), 999);
  EXPECT_EQ(FilePath(entry, kSgfFileLabel), u"/games/new.sgf");
  EXPECT_EQ(FilePath(entry, u"黒石画像"), FilePath(shown, u"黒石画像"));
  EXPECT_EQ(textField(entry, u"登録日"), u"20241205120000");
  EXPECT_EQ(textField(entry, u"アクセス日"), u"20241205120000");
  EXPECT_TRUE(textField(entry, u"黒対局者").empty()) << "game information comes from the file, not the shown game";
}

TEST(PlaylistRecords, DeletedRecordsAreReusedBeforeNewOnes) {
  Playlist playlist = withNumbers({1, 2, 3, 4});
  EXPECT_EQ(removeGames(playlist, {1, 2}), 1);
  EXPECT_EQ(playlist.gameCount(), 2);
  const int reused = AddGame(playlist, makeInitialDesign(), path(9), u"d", false);
  EXPECT_TRUE(reused == 1 || reused == 2);
  EXPECT_EQ(playlist.entries.size(), 4u);
  EXPECT_EQ(FilePath(playlist.entries[static_cast<std::size_t>(reused)], kSgfFileLabel), path(9));
  EXPECT_EQ(numbers(playlist), (std::vector<int>{1, 2, 3}));
}

TEST(PlaylistRecords, TheTenThousandAndFirstGameIsRefused) {
  Playlist playlist;
  for (int k = 0; k < kPlaylistCapacity; ++k) addGameNumbered(playlist, Design(), path(k), u"d", k + 1);
  EXPECT_TRUE(playlist.isFull());
  EXPECT_EQ(AddGame(playlist, Design(), path(-1), u"d", false), -1);
  EXPECT_EQ(playlist.gameCount(), kPlaylistCapacity);
}

TEST(PlaylistRecords, SlashPathsSplitAfterTheLastSlashAndJoinBack) {
  PlaylistEntry entry;
  SetFilePath(entry, u"黒石画像", u"/home/u/stones/black 01.png");
  EXPECT_EQ(entry.fileFolders.at(u"黒石画像"), u"/home/u/stones/");
  EXPECT_EQ(entry.fileNames.at(u"黒石画像"), u"black 01.png");
  EXPECT_EQ(FilePath(entry, u"黒石画像"), u"/home/u/stones/black 01.png");
  SetFilePath(entry, u"白石画像", u"gra\\stone\\white.jpg");
  EXPECT_EQ(entry.fileFolders.at(u"白石画像"), u"gra\\stone\\");
  EXPECT_EQ(FilePath(entry, u"白石画像"), u"gra\\stone\\white.jpg");
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
  EXPECT_EQ(FilePath(shown, u"碁盤画像"), u"gra\\goban\\goban.jpg");
  EXPECT_EQ(FilePath(shown, kSgfFileLabel), u"/games/a.sgf");
  EXPECT_EQ(textField(shown, u"黒対局者"), u"A");
}

TEST(PlaylistFieldKeys, AlternativeAndOlderKeysNameTheSameFields) {
  EXPECT_EQ(fieldForKey("move")->label, u"総手数");
  EXPECT_EQ(fieldForKey("cdate")->label, u"登録日");
  EXPECT_EQ(fieldForKey("ldate")->label, u"アクセス日");
  EXPECT_EQ(fieldForKey("lstmv")->label, u"棋譜並べ最終手");
  EXPECT_EQ(fieldForKey("lstmv")->kind, FieldKind::Integer);
  EXPECT_EQ(fieldForKey("blackstone_path")->label, u"黒石画像");
  EXPECT_EQ(fieldForKey("sgf_folder")->kind, FieldKind::Folder);
  EXPECT_EQ(fieldForKey("sgf_file")->kind, FieldKind::FileName);
  EXPECT_EQ(fieldForKey("bname")->kind, FieldKind::Text);
  EXPECT_FALSE(fieldForKey("no_such_key"));
}

}  // namespace
}  // namespace mokuza
