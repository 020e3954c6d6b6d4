#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/command_table.h"
#include "app/commands.h"
#include "app/menu_table.h"
#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/record/text.h"
#include "playlist/history_log.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

using Observed = std::map<std::string, std::u16string>;
std::u16string num(std::int64_t v) { return asciiToUtf16(std::to_string(v)); }

app::KeyEvent keyEvent(app::Key key, bool ctrl = false, bool shift = false, bool alt = false) {
  app::KeyEvent event;
  event.key = key;
  event.modifiers.ctrl = ctrl;
  event.modifiers.shift = shift;
  event.modifiers.alt = alt;
  return event;
}

// A game of four moves opened from a file and shown at move 2, the history
// "opened, A, B" stepped back to A, one playlist game, a game in the clipboard.
class CommandsTest : public AppTest {
 protected:
  void prepare(bool autoPlay = false) {
    app.reset();
    services = platform::HeadlessServices{};
    window = FakeWindow{};
    app = std::make_unique<app::Application>(services, window, folder);
    window.app = app.get();
    const fs::path game = write("game.sgf", "(;GM[1]FF[4]SZ[19];B[pd];W[dp];B[pq];W[dd])");
    openGameFile(app->doc, services, game.u16string());
    recordUndo(app->doc, u"A");
    recordUndo(app->doc, u"B");
    undo(app->doc);
    showMove(app->doc, 2);
    app->doc.state.modified = true;
    AddGame(app->playlist, app->doc.state.design, game.u16string(), u"20260101000000", false);
    services.clipboard = u"(;GM[1]SZ[19];B[aa]C[note])";
    if (autoPlay) playback::ToggleAutoPlay(app->playback, false);
    app::refreshViews(*app);
  }

  Observed observe() const {
    const Document& doc = app->doc;
    Observed o{{"undo", doc.undoEntries.at(static_cast<std::size_t>(doc.undoIndex)).description},
               {"dialog", window.dialogs.empty() ? u"" : num(static_cast<int>(window.dialogs.back()))},
               {"list", window.listShown ? num(static_cast<int>(window.listTab)) : u"-"},
               {"counting", num(app->counting.countingMode)},
               {"autoplay", num(app->playback.autoPlay.running())},
               {"show", num(app->playback.autoPlay.playlistAutoPlay)},
               {"modified", num(doc.state.modified)},
               {"move", num(doc.currentMove())},
               {"moves", num(doc.moveCount())},
               {"colour", num(doc.colourToPlay)},
               {"input", num(app->inputMode)},
               {"selected", num(static_cast<int>(app->playlist.list.selected.size()))},
               {"destroyed", num(window.destroyed)},
               {"full", num(window.fullScreen)},
               {"panel", num(app->layout.panelHidden)},
               {"speed", num(designValue(doc.state.design, DesignField::AutoSpeed))}};
    if (!services.calls.empty())
      o["call"] = asciiToUtf16(services.calls.back().kind) + u":" + services.calls.back().text;
    for (const auto& [key, value] : doc.globalOptions.values) o["opt:" + key] = num(value);
    for (const auto& [key, value] : doc.state.options.values) o["opt:" + key] = num(value);
    for (const app::MenuItem& item : app->menus.menus.at(0).items)
      if (item.id == app::kRecentGamesFirstCommand) o["recent"] = item.label;
    return o;
  }

  // The key changed to a value starting with `expected`; an empty key: nothing changed.
  void expectChange(const Observed& before, const std::string& key, const std::u16string& expected) {
    const Observed after = observe();
    if (key.empty()) {
      EXPECT_EQ(before, after);
      return;
    }
    auto value = [&key](const Observed& o) { return o.count(key) ? o.at(key) : u""; };
    EXPECT_NE(value(before), value(after)) << key;
    EXPECT_TRUE(value(after).starts_with(expected)) << key << " = " << utf16ToUtf8(value(after));
  }
};

struct CommandRow {
  int id;
  std::string key;  // empty: the command changes nothing
  std::u16string expected;
};

TEST_F(CommandsTest, EveryMenuIdReachesItsAction) {
  const fs::path month = historyFilePath(folder / "history", services.localTime(services.now()));
  const std::u16string open = u"対局を開く - game";
  // clang-format off
  const std::vector<CommandRow> rows{
      {30000, "moves", u"0"}, {30001, "call", u"openFileDialog:対局を開く"},
      {30002, "undo", u"前回のプレイリストを再開"}, {30003, "undo", u"クリップボードから開く"},
      {30004, "undo", u"クリップボードから開く〈手順のみ〉"}, {30005, "modified", u"0"},
      {30006, "call", u"saveFileDialog:名前を付けて保存する"}, {30007, "call", u"setClipboardText:(;GM[1]"},
      {30008, "call", u"messageBox:保存しますか？"}, {30009, "call", u"openFileDialog:設定読み込み"},
      {30010, "call", u"saveFileDialog:画像として保存"},
      {30100, "undo", open}, {30101, "undo", u"B"},
      {30104, "call", u"openWithAssociatedProgram:" + month.u16string()},
      {30105, "call", u"openWithAssociatedProgram:" + month.parent_path().u16string()},
      {30107, "call", u"messageBox:プレイリストに２局以上"}, {30108, "call", u"messageBox:プレイリストに２局以上"},
      {30110, "counting", u"1"}, {30111, "autoplay", u"1"}, {30112, "call", u"messageBox:保存しますか？"},
      {30200, "list", u"0"}, {30201, "list", u"1"}, {30202, "list", u"2"}, {30204, "dialog", u"0"},
      {30205, "dialog", u"1"}, {30206, "dialog", u"2"}, {30207, "dialog", u"3"}, {30209, "dialog", u"4"},
      {30211, "dialog", u"5"}, {30212, "opt:variation_marks", u"0"}, {30300, "undo", u"棋譜並べモード〈オン〉"}, {30301, "undo", u"次譜自動再生〈オン〉"},
      {30303, "opt:moveinfo", u"1"}, {30304, "recent", (folder / "game.sgf").u16string()},
      {30306, "opt:histoutput", u"0"}, {30307, "call", u"browseFolder:履歴フォルダを変更"},
      {30400, "undo", u"棋楽変換〈オン〉"}, {30401, "call", u"messageBox:コメント等を削除"},
      {30402, "call", u"messageBox:「(」の数: 1"}, {50001, "undo", u"B"}, {50002, "", u""}, {50003, "undo", open},
      {50004, "", u""}, {33794, "opt:imgoutput", u"33794"}, {33799, "opt:imgoutput", u"33799"},
      {34101, "undo", u"文字・アイコンのサイズ：1"}, {34103, "undo", u"文字・アイコンのサイズ：3"},
      {34105, "", u""}, {34203, "opt:startup_design", u"3"}, {34204, "opt:startup_design", u"4"},
      {34301, "undo", u"碁盤の自動回転：なし"}, {34304, "undo", u"碁盤の自動回転：ランダム回転"},
      {32841, "undo", open}, {32842, "", u""}, {30499, "", u""}, {40000, "", u""}};
  // clang-format on
  // The separators and the items that open sub-menus do nothing themselves.
  std::vector<CommandRow> all = rows;
  for (int id = app::kMenuFirstCommand; id <= app::kMenuLastCommand; ++id) {
    if (std::any_of(rows.begin(), rows.end(), [id](const CommandRow& r) { return r.id == id; })) continue;
    const app::CommandInfo* command = app::findCommand(id);
    EXPECT_TRUE(command == nullptr || command->action == nullptr) << id;
    if (id % app::kMenuStride < 14) all.push_back({id, "", u""});
  }
  for (const CommandRow& row : all) {
    SCOPED_TRACE(row.id);
    prepare();
    const Observed before = observe();
    app->DispatchCommand(row.id);
    expectChange(before, row.key, row.expected);
  }
}

// What the menus show follows the document: the history's counts, the
// recent game, the checked choices and what auto-play greys.
TEST_F(CommandsTest, MenuModelFollowsTheStates) {
  prepare();
  const auto& menus = app->menus.menus;
  EXPECT_EQ(menus[1].items[0].label, u"取り消し  1/2 - A(&Z)\tCtrl+Z");
  EXPECT_TRUE(menus[1].items[2].items[1].checked);
  EXPECT_FALSE(menus[3].items[1].enabled);  // 次譜自動再生 outside replay mode
  const auto& file = menus[0].items;
  EXPECT_EQ(file[file.size() - 4].label, u"game.sgf");
  const auto& images = menus[3].items[10].items;
  EXPECT_TRUE(images.back().checked && images.back().radio);
  EXPECT_TRUE(menus[3].items[11].items[1].checked);  // text size 2

  app->DispatchCommand(30111);  // auto-play greys the history
  EXPECT_FALSE(app->menus.menus[1].items[0].enabled);
  EXPECT_FALSE(app->menus.menus[1].items[2].items.front().enabled);
}

struct KeyRow {
  app::Key key;
  bool ctrl, shift, fromList, autoPlay;
  std::string observed;
  std::u16string expected;
};

TEST_F(CommandsTest, ShortcutTable) {
  using app::Key;
  const std::u16string twoGames = u"messageBox:プレイリストに２局以上";
  // clang-format off
  const std::vector<KeyRow> rows{
      {Key::A, 0, 0, 0, 0, "autoplay", u"1"}, {Key::A, 1, 0, 0, 0, "", u""}, {Key::A, 1, 0, 1, 0, "selected", u"1"},
      {Key::B, 0, 0, 0, 0, "call", twoGames}, {Key::B, 1, 0, 0, 0, "call", twoGames}, {Key::B, 0, 0, 0, 1, "", u""},
      {Key::N, 0, 0, 1, 0, "call", twoGames}, {Key::N, 1, 0, 0, 1, "", u""}, {Key::C, 0, 0, 0, 0, "counting", u"1"},
      {Key::C, 0, 0, 0, 1, "", u""}, {Key::C, 1, 0, 0, 0, "call", u"setClipboardText"}, {Key::C, 1, 0, 0, 1, "", u""},
      {Key::E, 0, 0, 0, 0, "list", u"1"}, {Key::E, 1, 0, 1, 0, "list", u"1"}, {Key::F, 0, 0, 0, 0, "", u""},
      {Key::F, 1, 0, 0, 0, "list", u"0"}, {Key::H, 1, 0, 0, 0, "call", twoGames}, {Key::J, 0, 0, 1, 0, "call", twoGames},
      {Key::I, 0, 0, 0, 0, "undo", u"棋楽変換〈オン〉"}, {Key::K, 1, 0, 0, 0, "undo", u"棋譜並べモード〈オン〉"},
      {Key::L, 0, 0, 0, 0, "call", u"messageBox:保存しますか？"}, {Key::M, 0, 0, 0, 0, "", u""},
      {Key::M, 1, 0, 0, 1, "", u""}, {Key::O, 0, 0, 0, 0, "undo", u"前回の"},
      {Key::O, 1, 0, 0, 0, "call", u"openFileDialog:対局を開く"}, {Key::P, 0, 0, 1, 0, "list", u"0"},
      {Key::R, 0, 0, 0, 0, "list", u"2"}, {Key::R, 1, 0, 0, 0, "input", u"1013"}, {Key::S, 0, 0, 0, 0, "colour", u"-1"},
      {Key::S, 1, 0, 0, 0, "modified", u"0"}, {Key::S, 1, 1, 0, 0, "call", u"saveFileDialog"},
      {Key::V, 1, 0, 0, 0, "undo", u"クリップボードから開く"}, {Key::V, 1, 0, 0, 1, "", u""},
      {Key::Y, 0, 0, 0, 0, "", u""}, {Key::Y, 1, 0, 0, 0, "undo", u"B"}, {Key::Z, 0, 0, 1, 0, "", u""},
      {Key::Z, 1, 0, 0, 0, "undo", u"対局を開く"}, {Key::Delete, 0, 0, 1, 0, "call", u"messageBox:全削除はできません"},
      {Key::Enter, 0, 0, 1, 0, "undo", u"対局を開く - game [No.1]"}, {Key::Left, 0, 0, 0, 0, "", u""},
      // These need the other slices: the delete button, the arrows' step, F1 and F11.
      {Key::Backspace, 0, 0, 0, 0, "undo", u"2手目削除"}, {Key::Left, 0, 0, 1, 0, "move", u"1"},
      {Key::F1, 1, 0, 0, 0, "panel", u"1"}, {Key::F11, 0, 0, 0, 0, "full", u"1"}};
  // clang-format on
  for (const KeyRow& row : rows) {
    SCOPED_TRACE(std::to_string(static_cast<int>(row.key)) + (row.ctrl ? " ctrl" : "") + (row.shift ? " shift" : "") +
                 (row.fromList ? " list" : "") + (row.autoPlay ? " auto" : ""));
    prepare(row.autoPlay);
    if (row.key == Key::Enter || row.key == Key::Delete) app->playlist.list.selected = {0};
    const Observed before = observe();
    const int from = row.fromList ? static_cast<int>(app::ListTab::Playlist) : app::kFromMainWindow;
    app->ShortcutKeys(keyEvent(row.key, row.ctrl, row.shift), from, from);
    expectChange(before, row.observed, row.expected);
  }
}

TEST_F(CommandsTest, KeyPressAndReleaseEdges) {
  prepare();
  Observed before = observe();
  app::KeyEvent repeated = keyEvent(app::Key::A), withSystemKey = repeated;
  repeated.autoRepeat = true;
  withSystemKey.modifiers.meta = true;
  app->onKeyUp(repeated);
  app->onKeyUp(withSystemKey);
  EXPECT_EQ(before, observe());
  app->onKeyDown(keyEvent(app::Key::Slash, false, false, true));
  EXPECT_EQ(window.dialogs, std::vector{app::DialogKind::About});
  window.modal = true;
  app->onKeyDown(keyEvent(app::Key::Question, false, false, true));
  EXPECT_EQ(window.dialogs.size(), 1u);

  prepare();  // a shown search result holds the arrows: they light their hints, not step the game
  app->search.display.shown = true;
  app->onKeyDown(keyEvent(app::Key::Left));
  EXPECT_TRUE(app->search.display.heldKeys.test(render::kKeyLeft));
  app->onKeyUp(keyEvent(app::Key::Left));
  EXPECT_FALSE(app->search.display.heldKeys.any());
  EXPECT_EQ(app->doc.currentMove(), 2);

  prepare(true);  // during auto-play the arrows change the display time by seconds
  app->onKeyDown(keyEvent(app::Key::Right));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::AutoSpeed), 400);
  app->onKeyDown(keyEvent(app::Key::Right));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::AutoSpeed), 0);
  app->onKeyDown(keyEvent(app::Key::Left));
  EXPECT_EQ(designValue(app->doc.state.design, DesignField::AutoSpeed), 1000);
}

// A shortcut takes the modifiers of its key's press, since a hand often lets
// go of Ctrl a moment before the letter; a release whose press went to a
// dialog or the other window does nothing.
TEST_F(CommandsTest, ShortcutsActWithThePressModifiersAndOnlyAfterTheirPress) {
  using app::Key;
  prepare();
  const int colour = app->doc.colourToPlay;
  app->onKeyDown(keyEvent(Key::Control, true));
  app->onKeyDown(keyEvent(Key::S, true));
  app->onKeyUp(keyEvent(Key::Control));
  app->onKeyUp(keyEvent(Key::S));
  EXPECT_FALSE(app->doc.state.modified) << "saved";
  EXPECT_EQ(app->doc.colourToPlay, colour);

  // Ctrl+O with a playlist row chosen; Enter closes the dialog on its press,
  // and its release reaches the window after the game opened.
  prepare();
  app->DispatchCommand(30200);
  app->playlist.list.selected = {0};
  services.openDialogAnswers = {write("other.sgf", "(;GM[1]SZ[19];B[aa])")};
  app->onKeyDown(keyEvent(Key::O, true));
  app->onKeyUp(keyEvent(Key::O, true));
  ASSERT_EQ(app->doc.moveCount(), 1);
  const Observed opened = observe();
  app->onKeyUp(keyEvent(Key::Enter));
  app->onListKeyDown(keyEvent(Key::Enter), static_cast<int>(app::ListTab::Playlist));
  app->onKeyUp(keyEvent(Key::Enter));
  EXPECT_EQ(observe(), opened);
  app->onListKeyDown(keyEvent(Key::Enter), static_cast<int>(app::ListTab::Playlist));
  app->onListKeyUp(keyEvent(Key::Enter), static_cast<int>(app::ListTab::Playlist));
  EXPECT_TRUE(app->doc.undoEntries.back().description.starts_with(u"対局を開く - game [No.1]"));
}

TEST_F(CommandsTest, ListWindowKeepsOnScreenAndRemembersItsShowState) {
  prepare();
  app->settings.placement.playlist = {-700, 100, -600, 400};
  app->DispatchCommand(30200);
  EXPECT_EQ(window.listRect, (Rect{0, 100, 480, 400}));
  EXPECT_NE(app->settings.shows.playlist, kListWindowHidden);
  EXPECT_TRUE(app->menus.menus[2].items[0].checked);
  app->DispatchCommand(30202);  // the same window turns to the figure list
  EXPECT_EQ(window.listTab, app::ListTab::FigureList);
  EXPECT_EQ(app->settings.shows.playlist, kListWindowHidden);
  app->DispatchCommand(30202);
  EXPECT_FALSE(window.listShown);
  EXPECT_EQ(app->settings.shows.figureList, kListWindowHidden);
  EXPECT_FALSE(app->menus.menus[2].items[2].checked);
}

TEST_F(CommandsTest, ReplayModeGoesToTheEndOfTheShownFigure) {
  prepare();
  app->doc.state.design.figureEnds = {3};
  setDesignValue(app->doc.state.design, DesignField::RcFraction, 1);
  app->DispatchCommand(30300);
  EXPECT_EQ(app->doc.currentMove(), 3);
  EXPECT_EQ(app->doc.classifier.kifunarabe, 1);
  EXPECT_TRUE(app->menus.menus[3].items[1].enabled);
  app->ShortcutKeys(keyEvent(app::Key::R, true), app::kFromMainWindow, app::kFromMainWindow);
  EXPECT_EQ(app->doc.undoEntries.back().description, u"棋譜並べモード→選択範囲");
  EXPECT_EQ(option(app->doc.state.options, DocumentOption::ReplayMode), 0);
}

// Counting turns the panel to its second page; leaving it brings back the play tool.
TEST_F(CommandsTest, TerritoryToggleMovesPanelAndTool) {
  prepare();
  app->inputMode = render::kInputRange;
  app->DispatchCommand(30110);
  EXPECT_EQ(window.panelPage, 1);
  EXPECT_TRUE(app->paintState.flags.rebuildImages);
  app->ShortcutKeys(keyEvent(app::Key::C), app::kFromMainWindow, app::kFromMainWindow);
  EXPECT_FALSE(app->counting.countingMode);
  EXPECT_EQ(app->inputMode, render::kInputPlay);
}

}  // namespace
}  // namespace mokuza::test
