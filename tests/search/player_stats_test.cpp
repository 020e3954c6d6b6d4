#include <gtest/gtest.h>

#include "search/player_stats.h"

namespace mokuza::test {
namespace {

class PlayerStatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    add(u"Honinbo Shusaku", u"Ota Yuzo", u"B+2");
    add(u"Ota Yuzo", u"Shusaku", u"W+R");
    add(u"Kuwahara Shusaku", u"Gennan Inseki", u"黒中押し勝ち");
    add(u"Gennan Inseki", u"Honinbo Shusaku", u"ジゴ");
  }
  void add(std::u16string black, std::u16string white, std::u16string result) {
    PlaylistEntry entry;
    entry.textFields[u"黒対局者"] = std::move(black);
    entry.textFields[u"白対局者"] = std::move(white);
    entry.textFields[u"結果"] = std::move(result);
    playlist.entries.push_back(entry);
    playlist.displayOrder.push_back(static_cast<int>(playlist.entries.size()) - 1);
  }
  std::u16string record(int entry, int side) { return search::playerDetails(playlist, entry, side).recordLine; }

  Playlist playlist;
  const std::u16string main = u"Honinbo Shusaku";
};

TEST_F(PlayerStatsTest, AliasesJoinThePlayersGames) {
  EXPECT_EQ(search::playerDetails(playlist, 0, 1).nameLine, u"PlayerName：Honinbo Shusaku");
  EXPECT_EQ(record(0, 1), u"2対局1勝0敗");
  const auto outcome = search::AddAliases(playlist, main, {u"Shusaku", u"Kuwahara Shusaku"}, 10);
  EXPECT_TRUE(outcome.changed);
  EXPECT_EQ(record(0, 1), u"4対局3勝0敗") << "a win as White under another name, a draw decides nothing";
  EXPECT_EQ(record(3, -1), record(1, -1)) << "every name of the player gives the same record";
  EXPECT_EQ(record(0, -1), u"2対局0勝2敗");
}

TEST_F(PlayerStatsTest, RefusalsChangeNothing) {
  playlist.aliasGroups.push_back({{u"Gennan Inseki", u"Inseki"}});
  const auto before = playlist.aliasGroups;
  EXPECT_EQ(search::AddAliases(playlist, main, {u"Shusaku", u"Ota Yuzo"}, 10).message, u"対局相手は選べません");
  EXPECT_EQ(search::AddAliases(playlist, main, {main}, 10).message, u"メインネームは選べません");
  EXPECT_EQ(search::AddAliases(playlist, u"Ota Yuzo", {u"Gennan Inseki"}, 10).message,
            u"すでに別名を持つ対局者は選べません");
  EXPECT_EQ(search::AddAliases(playlist, main, {u"Shusaku", u"Kuwahara Shusaku"}, 1).message, u"別名指定は1名までです");
  EXPECT_EQ(playlist.aliasGroups, before);
}

TEST_F(PlayerStatsTest, TheLimitKeepsEveryNameStorableAndAnAliasMovesToItsNewPlayer) {
  EXPECT_EQ(search::aliasLimit(10), 10);
  EXPECT_EQ(search::aliasLimit(-1), 13);
  EXPECT_EQ(search::aliasLimit(1000), 13) << "a playlist file stores 14 names per group";
  playlist.aliasGroups.push_back({{u"Gennan Inseki", u"Inseki"}});
  EXPECT_TRUE(search::AddAliases(playlist, u"Ota Yuzo", {u"Inseki"}, 10).changed);
  ASSERT_EQ(playlist.aliasGroups.size(), 1u) << "a group left with one name is dropped";
  EXPECT_EQ(playlist.aliasGroups[0].names, (std::vector<std::u16string>{u"Ota Yuzo", u"Inseki"}));
}

}  // namespace
}  // namespace mokuza::test
