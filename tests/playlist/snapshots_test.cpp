// Undo and redo of playlist changes through the before and after copies of
// the playlist file.

#include <gtest/gtest.h>

#include "core/document/undo.h"
#include "playlist/list_games.h"
#include "playlist/list_order.h"
#include "playlist/snapshots.h"
#include "playlist_test_support.h"

namespace mokuza::test {
namespace {

class Snapshots : public PlaylistTest {
 protected:
  void SetUp() override {
    PlaylistTest::SetUp();
    connectPlaylistUndo(doc, playlist, services, home);
    PlaylistContext ctx = context();
    ASSERT_EQ(createPlaylistAt(ctx, playlist.path), ListOutcome::Done);
    recordUndo(doc, u"開始");
    states.push_back(file());
  }
  std::string file() const { return slurp(u8(playlist.path)); }

  std::vector<std::string> states;  // the file after each change
};

TEST_F(Snapshots, UndoAndRedoRestoreTheExactEarlierFiles) {
  PlaylistContext ctx = context();
  ASSERT_EQ(AddGames(ctx, paths({game("a.sgf", "A"), game("b.sgf", "B"), game("c.sgf", "C")})), ListOutcome::Done);
  states.push_back(file());
  select({1});
  ASSERT_EQ(MoveSelectedRows(ctx, 1), ListOutcome::Done);
  states.push_back(file());
  select({3});
  ASSERT_EQ(DeleteGames(ctx), ListOutcome::Done);
  states.push_back(file());
  ASSERT_EQ(states.size(), 4u);
  EXPECT_EQ(players(), (std::vector<std::string>{"B", "A"}));

  for (int k = 2; k >= 0; --k) {
    ASSERT_TRUE(undo(doc));
    EXPECT_EQ(file(), states[static_cast<std::size_t>(k)]) << "after undoing to state " << k;
  }
  EXPECT_EQ(playlist.gameCount(), 0) << "the playlist was read again from the restored file";
  for (int k = 1; k <= 3; ++k) {
    ASSERT_TRUE(redo(doc));
    EXPECT_EQ(file(), states[static_cast<std::size_t>(k)]) << "after redoing to state " << k;
  }
  EXPECT_EQ(players(), (std::vector<std::string>{"B", "A"}));

  ASSERT_TRUE(chooseHistoryItem(doc, kHistoryFirstCommand + 2));  // two steps back at once
  EXPECT_EQ(file(), states[1]);
  EXPECT_EQ(players(), (std::vector<std::string>{"A", "B", "C"}));
}

TEST_F(Snapshots, ANewChangeAfterUndoDiscardsTheUndoneCopies) {
  PlaylistContext ctx = context();
  ASSERT_EQ(AddGames(ctx, paths({game("a.sgf", "A"), game("b.sgf", "B")})), ListOutcome::Done);
  select({1});
  ASSERT_EQ(MoveSelectedRows(ctx, 1), ListOutcome::Done);
  const int undoneSlot = playlist.snapshots.current;
  ASSERT_TRUE(undo(doc));
  EXPECT_TRUE(fs::exists(snapshotFile(home / "temp", 2, undoneSlot)));
  select({2});
  ASSERT_EQ(DeleteGames(ctx), ListOutcome::Done);
  EXPECT_FALSE(fs::exists(snapshotFile(home / "temp", 0, undoneSlot)));
  EXPECT_FALSE(fs::exists(snapshotFile(home / "temp", 2, undoneSlot)));

  deleteSnapshotFiles(playlist.snapshots, home);
  EXPECT_TRUE(fs::is_empty(home / "temp"));
}

TEST_F(Snapshots, TheCopiesOfStatesThatLeftTheHistoryGoAtOnce) {
  PlaylistContext ctx = context();
  ASSERT_EQ(AddGames(ctx, paths({game("a.sgf", "A"), game("b.sgf", "B")})), ListOutcome::Done);
  for (int change = 1; change <= kUndoLimit + 5; ++change) {
    select({1});
    ASSERT_EQ(MoveSelectedRows(ctx, 1), ListOutcome::Done);
    states.push_back(file());
  }
  const auto copies = std::distance(fs::directory_iterator(home / "temp"), fs::directory_iterator());
  EXPECT_EQ(copies, 2 * (kUndoLimit - 1)) << "two copies for each change the history can still undo";
  ASSERT_TRUE(chooseHistoryItem(doc, kHistoryFirstCommand + doc.undoCount));
  EXPECT_EQ(file(), states[states.size() - kUndoLimit]) << "the oldest state kept comes back";
}

}  // namespace
}  // namespace mokuza::test
