// The playlist model: numbering, records and their pool, and the shown design.

#include "playlist/playlist.h"

#include <gtest/gtest.h>

#include "core/record/text.h"
#include "playlist/design_fields.h"
#include "playlist_test_support.h"

namespace mokuza {
namespace {

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
  EXPECT_EQ(
      test::fieldsOf(entry, {u"黒石透明度", u"棋譜並べ最終手", kSgfFileLabel, u"登録日", u"アクセス日", u"黒対局者"}),
      "128|999|/games/new.sgf|20241205120000|20241205120000|");
  EXPECT_EQ(FilePath(entry, u"黒石画像"), FilePath(shown, u"黒石画像"));
}

TEST(PlaylistRecords, DeletedRecordsAreReusedBeforeNewOnes) {
  Playlist playlist = withNumbers({1, 2, 3, 4});
  EXPECT_EQ(removeGames(playlist, {1, 2}), 1);
  const int reused = AddGame(playlist, makeInitialDesign(), path(9), u"d", false);
  EXPECT_EQ(std::pair(playlist.entries.size(),
                      FilePath(playlist.entries.at(static_cast<std::size_t>(reused)), kSgfFileLabel)),
            std::pair(std::size_t{4}, path(9)));
  EXPECT_EQ(numbers(playlist), (std::vector<int>{1, 2, 3}));
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
  EXPECT_EQ(test::fieldsOf(shown, {u"碁盤画像", kSgfFileLabel, u"黒対局者"}), "gra\\goban\\goban.jpg|/games/a.sgf|A");
}

}  // namespace
}  // namespace mokuza
