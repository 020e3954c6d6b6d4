#include "app/list_window.h"

#include <gtest/gtest.h>

#include <numeric>

#include "app/list_command_table.h"
#include "app/list_menu.h"
#include "app/player_aliases.h"
#include "app/search_session.h"
#include "core/record/text.h"
#include "playlist/file_moves.h"
#include "playlist/list_games.h"
#include "playlist/playlist_reader.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

using app::ListTab;
using Places = std::vector<int>;

// A playlist of 20 corpus games, copied into the test folder, the first one shown.
class ListWindowTest : public AppTest {
 protected:
  void SetUp() override {
    app = std::make_unique<app::Application>(services, window, folder);
    window.app = app.get();
    fs::remove_all(folder / "games");
    if (!listCorpusCopies(*app, folder, 20)) GTEST_SKIP() << "corpus absent";
    ASSERT_EQ(app->playlist.gameCount(), 20);
    select({0});
    run(app::ListCommand::OpenGame);
    services.calls.clear();
  }
  void select(const Places& places) {
    app->playlist.list.selected.clear();
    for (int place : places) app::clickListRow(*app, ListTab::Playlist, place, {.ctrl = true});
  }
  // The game files' names ("g10" …) in the order of the list.
  static std::vector<std::string> names(const Playlist& playlist) {
    std::vector<std::string> found;
    for (int record : playlist.displayOrder)
      found.push_back(textToPath(FilePath(playlist.entries[static_cast<std::size_t>(record)], kSgfFileLabel)).stem());
    return found;
  }
  bool run(app::ListCommand command) { return app::listWindowCommand(*app, app::listCommandId(command)); }
  app::ListTabModel shown() const { return app::listTabModel(*app, ListTab::Playlist); }
  std::vector<std::string> rows() const { return names(app->playlist); }
  Playlist reread() {
    Playlist playlist;
    PlaylistEntry design;
    ReadPlaylist(playlist, design, pathToText(folder / "list.gpl"), false, services, folder);
    return playlist;
  }
  std::vector<std::string> written() { return names(reread()); }
  Places records() const {
    Places places;
    for (const app::ListTabRow& row : shown().rows) places.push_back(row.number);
    return places;
  }
  std::string history() const { return utf16ToUtf8(app->doc.undoEntries.back().description); }
};

Places range(int from, int to) {
  Places places(static_cast<std::size_t>(to - from));
  std::iota(places.begin(), places.end(), from);
  return places;
}
Places join(std::initializer_list<Places> parts) {
  Places all;
  for (const Places& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

TEST_F(ListWindowTest, CommandsChangeRowsFileAndHistory) {
  struct Case {
    Places selected;
    std::vector<int> commands;  // 1300 … 1305: the step buttons
    Places order;
    std::string history;
  };
  const Case cases[] = {
      {{2, 3},
       {app::listCommandId(app::ListCommand::DeleteGames)},
       join({{0, 1}, range(4, 20)}),
       "リストから削除  [No.3～No.4]"},
      {{2, 3},
       {1304},
       join({{0, 1}, range(4, 14), {2, 3}, range(14, 20)}),
       "プレイリスト並べ替え [3局目～4局目→13局目～14局目]"},
      {{5}, {1300}, join({{5}, range(0, 5), range(6, 20)}), "プレイリスト並べ替え [6局目→1局目]"},
      {{19}, {1303}, range(0, 20), ""},
      {{4},
       {app::listCommandId(app::ListCommand::CopyGames), app::listCommandId(app::ListCommand::PasteGames)},
       join({range(0, 5), {20}, range(5, 20)}),  // the copy in a new record
       "貼り付け [No.6]"},
      {{0},
       {app::listCommandId(app::ListCommand::SaveOrder), 1305, app::listCommandId(app::ListCommand::RestoreOrder)},
       range(0, 20),
       "保存された並び順に戻す"},
  };
  for (const Case& c : cases) {
    SetUp();
    const std::size_t entriesBefore = app->doc.undoEntries.size();
    select(c.selected);
    for (int id : c.commands) EXPECT_TRUE(app::listWindowCommand(*app, id)) << id;
    EXPECT_EQ(records(), c.order) << c.history;
    EXPECT_EQ(written(), rows()) << c.history;
    if (c.history.empty()) EXPECT_EQ(app->doc.undoEntries.size(), entriesBefore) << "nothing moved, nothing recorded";
    else EXPECT_EQ(history(), c.history);
  }
}

// A second click on the same header reverses the order; the header shows the
// direction while the list keeps the order the click made.
TEST_F(ListWindowTest, HeaderClickSortsAndColumnsAreWrittenBack) {
  const auto blacks = [this] {
    std::vector<std::u16string> cells;
    for (const app::ListTabRow& row : shown().rows) cells.push_back(row.cells[2]);
    return cells;
  };
  const auto arrow = [this](std::size_t column) { return shown().columns.at(column).sort; };
  const std::string black = shown().columns.at(2).key;
  ASSERT_EQ(app::clickListHeader(*app, ListTab::Playlist, black), ListOutcome::Done);
  std::vector<std::u16string> sorted = blacks();
  EXPECT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));
  EXPECT_NE(records(), range(0, 20)) << "the corpus games are not in the order of their black players";
  EXPECT_EQ(arrow(2), SortDirection::Ascending);
  EXPECT_EQ(arrow(1), SortDirection::None);

  ASSERT_EQ(app::clickListHeader(*app, ListTab::Playlist, black), ListOutcome::Done);
  sorted = blacks();
  EXPECT_TRUE(std::is_sorted(sorted.rbegin(), sorted.rend()));
  EXPECT_EQ(arrow(2), SortDirection::Descending);
  EXPECT_EQ(written(), rows());
  ASSERT_EQ(app::clickListHeader(*app, ListTab::Playlist, black), ListOutcome::Done);
  EXPECT_EQ(arrow(2), SortDirection::Ascending);
  select({0});
  EXPECT_TRUE(app::listWindowCommand(*app, 1305));  // the order changes another way: no arrow
  EXPECT_EQ(arrow(2), SortDirection::None);

  EXPECT_EQ(app::resizeListColumn(*app, ListTab::Playlist, black, 177), ListOutcome::Done);
  EXPECT_EQ(app::moveListColumn(*app, ListTab::Playlist, black, 0), ListOutcome::Done);
  const std::vector<ListColumn>& columns = app->playlist.columns.columns;
  EXPECT_EQ(std::find_if(columns.begin(), columns.end(), [&](const ListColumn& c) { return c.key == black; })->alliod, 0)
      << "the column moved leads the order of all columns, the hidden ones too";
  EXPECT_TRUE(app::listWindowCommand(*app, app::kColumnToggleFirst + 1));  // "検索結果"
  const app::ListTabModel view = shown();
  EXPECT_EQ(view.columns.front().label, u"黒対局者");
  EXPECT_EQ(view.columns.front().width, 177);
  EXPECT_EQ(view.columns.back().label, u"検索結果");
  EXPECT_TRUE(app::buildListMenu(*app).menus[3].items[1].checked);
  EXPECT_EQ(reread().columns, app->playlist.columns);
}

// An alias taken in the session is written with the playlist and counted by
// the player details at once.
TEST_F(ListWindowTest, PlayerAliasesAreCheckedKeptAndCounted) {
  for (const auto& [record, black, white, result] :
       {std::tuple{1, u"本因坊秀策", u"太田雄蔵", u"B+R"}, {2, u"桑原秀策", u"井上幻庵", u"W+R"}}) {
    // Not the shown game: its entry takes the shown game's information whenever the list is written.
    PlaylistEntry& entry = app->playlist.entries.at(static_cast<std::size_t>(app->playlist.displayOrder.at(record)));
    entry.textFields.insert_or_assign(u"黒対局者", black);
    entry.textFields.insert_or_assign(u"白対局者", white);
    entry.textFields.insert_or_assign(u"結果", result);
  }
  select({1});
  std::optional<app::AliasSession> session = app::beginAliases(*app);
  ASSERT_TRUE(session);
  EXPECT_EQ(session->mainNames, (std::vector<std::u16string>{u"本因坊秀策", u"太田雄蔵"}));
  const auto tick = [&session](std::u16string_view name) {
    const auto at = std::find(session->players.begin(), session->players.end(), name);
    ASSERT_NE(at, session->players.end());
    session->chosen.at(static_cast<std::size_t>(at - session->players.begin())) = true;
  };
  app::chooseMainName(*app, *session, 0);
  tick(u"桑原秀策");
  ASSERT_TRUE(app::applyAliases(*app, *session));
  ASSERT_TRUE(app::playerDetails(*app, 1));
  EXPECT_EQ(app::playerDetails(*app, 1)->rows.at(1), u"2対局1勝1敗");
  ASSERT_EQ(app->playlist.aliasGroups.size(), 1U);
  EXPECT_EQ(app->playlist.aliasGroups[0].names, (std::vector<std::u16string>{u"本因坊秀策", u"桑原秀策"}));
  EXPECT_EQ(reread().aliasGroups, app->playlist.aliasGroups);
}

TEST_F(ListWindowTest, SelectionTitleAndMarks) {
  app::clickListRow(*app, ListTab::Playlist, 3, {});
  app::clickListRow(*app, ListTab::Playlist, 6, {.shift = true});
  app::clickListRow(*app, ListTab::Playlist, 4, {.ctrl = true});
  EXPECT_EQ(app->playlist.list.selected, (std::set<int>{3, 5, 6}));
  run(app::ListCommand::SelectAll);
  EXPECT_EQ(app->playlist.list.selected.size(), 20u);

  search::SearchResults results;
  search::GameSearchResult& hit = results.games.emplace_back();
  std::tie(hit.entry, hit.listed, hit.text) = std::tuple{7, true, u"42"};
  app->search.results = results;
  app->search.resultsKey = app::playlistGamesKey(app->playlist);
  app::toggleListColumn(*app, "search");
  const app::ListTabModel view = shown();
  EXPECT_EQ(app::listWindowTitle(*app), u"プレイリスト　〈list.gpl〉 - No.1　全20局");
  EXPECT_TRUE(view.rows[0].shown);
  EXPECT_TRUE(view.rows[7].hit && !view.rows[6].hit);
  EXPECT_EQ(view.rows[7].cells.back(), u"42");
}

// The files go to the folder chosen in the dialog.
TEST_F(ListWindowTest, MoveTakesTheFolderChosen) {
  fs::create_directories(folder / "moved");
  select({0, 1});
  services.folderAnswers = {folder / "moved"};
  services.messageAnswers = {platform::Answer::Ok, platform::Answer::Ok};
  EXPECT_TRUE(app::listWindowCommand(*app, app::kMoveFileFirst));
  for (const char* name : {"g10.sgf", "g11.sgf"}) EXPECT_TRUE(fs::exists(folder / "moved" / name)) << name;
  EXPECT_EQ(written(), rows());
}

TEST_F(ListWindowTest, FileLimitIsCheckedBeforeAnyDialog) {
  app->playlist.entries.resize(kFileMoveLimit + 1, app->playlist.entries[0]);
  app->playlist.displayOrder.resize(app->playlist.entries.size());
  std::iota(app->playlist.displayOrder.begin(), app->playlist.displayOrder.end(), 0);
  app::selectAllRows(*app);
  services.calls.clear();
  for (int id : {app::kRenameFileFirst, app::kMoveFileFirst}) EXPECT_TRUE(app::listWindowCommand(*app, id));
  ASSERT_EQ(services.calls.size(), 2u) << "only the refusal, no question, no folder browser";
  EXPECT_EQ(services.calls[0].text, u"移動・名前変更は5000ファイルまでです（現在選択数 5001）");
  EXPECT_TRUE(window.dialogs.empty());
}

// "対局を追加" takes every file chosen in its dialog at once.
TEST_F(ListWindowTest, AddingGamesTakesEveryFileChosen) {
  std::vector<fs::path> chosen;
  for (const char* name : {"a", "b", "c"}) {
    chosen.push_back(folder / "games" / (std::string(name) + ".sgf"));
    fs::copy_file(folder / "games" / "g10.sgf", chosen.back());
  }
  services.openFilesAnswers = {chosen};
  EXPECT_TRUE(run(app::ListCommand::AddGames));
  EXPECT_EQ(app->playlist.gameCount(), 23);
  EXPECT_EQ(services.callsOf("messageBox").back().text, u"3個のSGFファイルの追加をおこないました");
}

TEST_F(ListWindowTest, DropsOpenAndReveal) {
  select({5});
  EXPECT_TRUE(run(app::ListCommand::OpenGame));
  EXPECT_EQ(app->playlist.currentGameIndex, app->playlist.displayOrder[5] + 1);
  EXPECT_TRUE(app::listWindowCommand(*app, app::kRevealFileFirst));
  EXPECT_EQ(services.callsOf("revealInFileManager").back().text, pathToText(folder / "games" / "g15.sgf"));
  EXPECT_TRUE(app::listWindowCommand(*app, app::kRevealFileFirst + 1));  // a design file named from the program folder
  EXPECT_EQ(services.callsOf("revealInFileManager").back().text, pathToText(folder / "gra/stone/blackmarble01.jpg"));
  EXPECT_TRUE(run(app::ListCommand::PartialSearch) && app::searchRunning(*app));
  EXPECT_TRUE(run(app::ListCommand::BatchGameInfo));
  EXPECT_EQ(window.dialogs, std::vector{app::DialogKind::BatchGameInfo});

  fs::copy_file(folder / "list.gpl", folder / "other.gpl");
  app::onListDrop(*app, {pathToText(folder / "other.gpl")});
  EXPECT_EQ(app->playlist.path, pathToText(folder / "other.gpl"));
  EXPECT_EQ(history(), "プレイリストを開く");
  const app::MenuItem recent = app::buildListMenu(*app).menus[0].items.back();
  EXPECT_EQ(recent.id, 52842);
  EXPECT_EQ(recent.label, u"list.gpl") << "the playlist opened before, after the newest";
}

}  // namespace
}  // namespace mokuza::test
