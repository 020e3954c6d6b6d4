#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "app/event_list.h"
#include "app/list_tab_model.h"
#include "app/panel_model.h"
#include "app/startup.h"
#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/record/text.h"
#include "playback/music_mode.h"
#include "tests/app/app_test_support.h"
#include "tests/corpus_files.h"

namespace mokuza::test {
namespace {

using app::ListTab;

class EventListTest : public AppTest {
 protected:
  EventListTest() { app->start({}); }
  void open(app::Application& a, const fs::path& game) {
    ASSERT_EQ(app::openPath(a, pathToText(game)), OpenOutcome::Opened);
  }
  std::u16string lastUndo() const {
    return app->doc.undoEntries[static_cast<std::size_t>(app->doc.undoIndex)].description;
  }
  std::u16string lastMessage() const {
    const auto boxes = services.callsOf("messageBox");
    return boxes.empty() ? u"" : boxes.back().text;
  }
  // The names `mokuza-cli names` prints for the shown game.
  static std::vector<std::u16string> names(const app::Application& a) {
    std::vector<std::u16string> result;
    for (int m = 1; m <= lastShowableMove(a.doc); ++m) result.emplace_back(a.doc.classifier.moveName(m));
    return result;
  }
  fs::path corpusGame() const {
    const std::vector<fs::path> games = corpusGames("pro");
    return games.empty() ? fs::path() : games[games.size() / 2];
  }
};

// The comment reaches the saved file; the loudness reaches output.mid, and
// undoing it gives the file of before back. Refused values change nothing.
TEST_F(EventListTest, EditedCommentAndNoteReachTheSavedGameAndTheMidiFile) {
  open(*app, write("game.sgf", "(;GM[1]FF[4]SZ[19];B[pd];W[dp];B[pq];W[dd])"));
  playback::toggleMusicMode(app->playback);
  const std::string midiBefore = slurp("output.mid");
  ASSERT_FALSE(midiBefore.empty());

  EXPECT_TRUE(app::editListCell(*app, ListTab::EventList, 2, "move_comment", u"好手\r\nです"));
  EXPECT_EQ(lastUndo(), u"イベントリスト編集〈着手コメント〉 2手目");
  EXPECT_TRUE(app::editListCell(*app, ListTab::EventList, 2, "velocity_move", u" 90 "));
  EXPECT_EQ(app::eventCellText(*app, 2, "velocity_move"), u"90");
  EXPECT_TRUE(app->doc.state.modified);
  const std::string midiEdited = slurp("output.mid");
  EXPECT_NE(midiEdited, midiBefore);

  ASSERT_EQ(saveGame(app->doc, services), SaveOutcome::Saved);
  EXPECT_NE(slurp("game.sgf").find("W[dp]C[好手\r\nです]"), std::string::npos) << slurp("game.sgf");
  ASSERT_TRUE(undo(app->doc));
  EXPECT_EQ(slurp("output.mid"), midiBefore);
  ASSERT_TRUE(redo(app->doc));
  // A figure's instrument is what its moves play.
  const int star = app->doc.classifier.moveFigure(1);
  EXPECT_TRUE(app::editListCell(*app, ListTab::FigureList, star, "proglam_change", u"7"));
  EXPECT_EQ(lastUndo(), u"型の音色変更〈星〉 50→7");
  EXPECT_EQ(app::eventCellText(*app, 1, "proglam_change"), u"7");

  for (const auto& [move, key, text, message] :
       {std::tuple{2, "velocity_move", u"200", u"音量は0～127の整数で入力してください"},
        {2, "pitch", u"6O", u"音高は0～127の整数で入力してください"},
        {2, "black_timeleft", u"12:30", u"黒残り時間は秒数（数字と小数点）で入力してください"},
        {2, "proglam_change", u"3", u""},   // the instrument is the figure's
        {2, "tick", u"-1", u""},            // the value it holds
        {5, "move_comment", u"x", u""}}) {  // no such move
    SCOPED_TRACE(std::string(key) + " " + std::to_string(move));
    const std::size_t boxes = services.callsOf("messageBox").size();
    const int entries = app->doc.undoIndex;
    EXPECT_FALSE(app::editListCell(*app, ListTab::EventList, move, key, text));
    EXPECT_EQ(app->doc.undoIndex, entries);
    EXPECT_EQ(services.callsOf("messageBox").size(), boxes + (*message ? 1 : 0));
    if (*message) {
      EXPECT_EQ(lastMessage(), message);
    }
  }
  EXPECT_TRUE(app::editListCell(*app, ListTab::EventList, 3, "black_timeleft", u"1234.5"));
  EXPECT_EQ(*app->doc.record().lineCopy[3].property(u"黒残り時間"), u"1234.5");
}

// Rows, selection and columns of a real game.
TEST_F(EventListTest, RowsFollowTheRecordOfACorpusGame) {
  const fs::path game = corpusGame();
  if (game.empty()) GTEST_SKIP() << "no corpus";
  open(*app, game);
  playback::toggleMusicMode(app->playback);
  showMove(app->doc, 10);
  app::ListTabModel model = app::listTabModel(*app, ListTab::EventList);
  ASSERT_EQ(model.rows.size(), static_cast<std::size_t>(app->doc.moveCount()));
  const auto place = [&](std::string_view key) {
    return static_cast<std::size_t>(std::find_if(model.columns.begin(), model.columns.end(),
                                                 [&](const app::ListTabColumn& c) { return c.key == key; }) -
                                    model.columns.begin());
  };
  int resonating = 0;
  for (const app::ListTabRow& row : model.rows) {
    const auto m = static_cast<std::size_t>(row.number);
    const MoveRecord& record = app->doc.record().lineCopy[m];
    EXPECT_EQ(row.cells[place("No.")], asciiToUtf16(std::to_string(m)));
    EXPECT_EQ(row.cells[place("move_name")], app->doc.classifier.moveName(row.number));
    EXPECT_EQ(row.cells[place("move_comment")],
              record.property(u"着手コメント") ? *record.property(u"着手コメント") : u"");
    EXPECT_EQ(row.shown, row.number == 10);
    // Each resonating note is the note of an earlier move.
    const std::u16string& notes = row.cells[place("reso_sound")];
    for (std::size_t open = notes.find(u'['); open != std::u16string::npos; open = notes.find(u'[', open + 1)) {
      const std::u16string note = notes.substr(open + 1, notes.find(u']', open) - open - 1);
      EXPECT_TRUE(std::any_of(model.rows.begin(), model.rows.begin() + row.number - 1,
                              [&](const app::ListTabRow& r) { return r.cells[place("pitch")] == note; }));
      ++resonating;
    }
  }
  EXPECT_GT(resonating, 0);

  EXPECT_EQ(app::resizeListColumn(*app, ListTab::EventList, "move_comment", 333), ListOutcome::Done);
  app::setListNumberFixed(*app, ListTab::EventList, true);
  EXPECT_EQ(app::moveListColumn(*app, ListTab::EventList, "move_comment", 0), ListOutcome::Done);  // held behind "No."
  EXPECT_EQ(app::moveListColumn(*app, ListTab::EventList, "No.", 4), ListOutcome::Nothing);        // stays
  model = app::listTabModel(*app, ListTab::EventList);
  EXPECT_EQ(model.columns[0].key, "No.");
  EXPECT_EQ(model.columns[1], (app::ListTabColumn{"move_comment", u"着手コメント", 333, true}));
  EXPECT_TRUE(model.hasNumberFixed && model.numberFixed);
  EXPECT_FALSE(app::listTabModel(*app, ListTab::FigureList).hasNumberFixed);
}

// Rows are chosen by clicks as the playlist's are: Ctrl adds or removes a
// row, Shift takes the rows from the anchor. The board shows the move
// clicked, a transform keeps to the moves chosen, and the choice (its
// anchor too) belongs to the game it was made in.
TEST_F(EventListTest, ClicksChooseMovesForTheTransforms) {
  const fs::path game = write("game.sgf", "(;GM[1]FF[4]SZ[19];B[pd];W[dp];B[pq];W[dd];B[qk];W[cj])");
  open(*app, game);
  const auto click = [&](int place, app::Modifiers modifiers) {
    app::clickListRow(*app, ListTab::EventList, place, modifiers);
  };
  const auto chosen = [&] {
    std::set<int> rows;
    for (const app::ListTabRow& row : app::listTabModel(*app, ListTab::EventList).rows)
      if (row.selected) rows.insert(row.number);
    EXPECT_EQ(rows, app::chosenEventMoves(*app)) << "the rows show what the transforms use";
    return rows;
  };
  click(1, {});
  EXPECT_EQ(chosen(), (std::set<int>{2}));
  EXPECT_EQ(app->doc.currentMove(), 2);
  click(3, {.ctrl = true});
  EXPECT_EQ(chosen(), (std::set<int>{2, 4}));
  EXPECT_EQ(app->doc.currentMove(), 4);
  click(1, {.ctrl = true});  // out again; the anchor all the same
  EXPECT_EQ(chosen(), (std::set<int>{4}));
  click(4, {.shift = true});
  EXPECT_EQ(chosen(), (std::set<int>{2, 3, 4, 5}));
  click(0, {.ctrl = true, .shift = true});
  EXPECT_EQ(chosen(), (std::set<int>{1, 2, 3, 4, 5}));
  click(6, {.ctrl = true});  // no such row
  app::clickListRow(*app, ListTab::FigureList, 0, {.ctrl = true});
  EXPECT_EQ(chosen(), (std::set<int>{1, 2, 3, 4, 5}));
  click(2, {});
  click(4, {.ctrl = true});
  EXPECT_EQ(chosen(), (std::set<int>{3, 5}));

  std::vector<int> before;
  for (const MoveRecord& move : app->doc.record().lineCopy) before.push_back(move.point);
  app->onPanelCommand(app::kFirstTransformButton);  // 左右反転
  for (int move = 1; move <= 6; ++move)
    EXPECT_EQ(
        app->doc.record().lineCopy[static_cast<std::size_t>(move)].point == before[static_cast<std::size_t>(move)],
        move != 3 && move != 5)
        << move;

  open(*app, game);  // a game loaded again has none of them chosen, and no anchor
  EXPECT_TRUE(chosen().empty());
  click(3, {.shift = true});
  EXPECT_EQ(chosen(), (std::set<int>{4}));
}

// Renaming a term and raising a figure change the names of a real game; both
// survive a close and a start.
TEST_F(EventListTest, TermEditorChangesTheNamesAndSurvivesARestart) {
  const fs::path game = corpusGame();
  if (game.empty()) GTEST_SKIP() << "no corpus";
  open(*app, game);
  const std::vector<std::u16string> before = names(*app);
  const int first = app->doc.classifier.moveFigure(1);

  for (const auto& [text, message] : {std::pair{u"トリ", u"「トリ」は型No.97の型名です"},
                                      {u"ツ<ケ", u"型名に「<」「>」と改行は使えません"},
                                      {u" ", u"型名を入力してください"}}) {
    EXPECT_FALSE(app::editListCell(*app, ListTab::FigureList, first, "name", text));
    EXPECT_EQ(lastMessage(), message);
  }
  EXPECT_TRUE(app::editListCell(*app, ListTab::FigureList, first, "name", u"試し型"));
  EXPECT_EQ(app::listTabModel(*app, ListTab::FigureList).rows[static_cast<std::size_t>(first)].cells[1], u"試し型");
  const std::vector<std::u16string> renamed = names(*app);
  EXPECT_NE(renamed, before);
  EXPECT_EQ(std::count(renamed.begin(), renamed.end(), before[0]), 0);

  // "ナナメ味方" just below the captures: every move beside a diagonal own stone takes its name.
  EXPECT_TRUE(app::editListCell(*app, ListTab::FigureList, 0, "number", u"96"));
  EXPECT_EQ(lastUndo(), u"型の優先順位変更〈ナナメ味方〉 0→96");
  const std::vector<std::u16string> raised = names(*app);
  EXPECT_GT(std::count(raised.begin(), raised.end(), u"ナナメ味方"),
            std::count(renamed.begin(), renamed.end(), u"ナナメ味方"));

  ASSERT_TRUE(app->requestClose());
  const auto second = startAgain();
  open(*second, game);
  EXPECT_EQ(names(*second), raised);
  EXPECT_EQ(second->doc.classifier.figureTable().name(96), u"ナナメ味方");
}

}  // namespace
}  // namespace mokuza::test
