#include "app/menu_table.h"

#include <algorithm>

#include "app/commands.h"
#include "core/document/recent_files.h"
#include "core/document/undo.h"
#include "settings/menu_states.h"

namespace mokuza::app {
namespace {

constexpr std::u16string_view S = kSeparatorLabel;

constexpr std::array<std::u16string_view, 10> kFileItems{
    u"新規作成(&N)",
    u"対局を開く(&E)\tCtrl+O",
    u"前回のプレイリストを再開(&O)\tO",
    u"クリップボードから開く(&V)\tCtrl+V",
    u"クリップボードから開く〈手順のみ〉(&H)",
    u"上書き保存(&S)\tCtrl+S",
    u"名前を付けて保存(&A)\tShift+Ctrl+S",
    u"クリップボードへ書き出し(&C)\tCtrl+C",
    u"終了(&X)\tAlt+F4",
    // Shown after the recent games; as item 9 it moves no other id.
    u"設定読み込み",
};

constexpr std::array<std::u16string_view, 13> kEditItems{
    u"取り消し(&Z)\tCtrl+Z",
    u"やりなおし(&Y)\tCtrl+Y",
    u"履歴(&R)",
    S,
    u"履歴ファイルを開く(&I)",
    u"履歴フォルダを開く(&U)",
    S,
    u"前の対局を開く(&H)\tH",
    u"次の対局を開く(&J)\tJ",
    S,
    u"地合計算(&C)\tC",
    u"自動再生(&A)\tA",
    u"プレイリスト自動再生(&L)\tL",
};

constexpr std::array<std::u16string_view, 13> kViewItems{
    u"プレイリスト(&P)\tP",
    u"イベントリスト(&E)\tE",
    u"フィギュアリスト(&F)\tF",
    S,
    u"透明度設定(&T)",
    u"碁盤位置設定(&G)",
    u"手数表示設定(&M)",
    u"自動再生設定(&A)",
    S,
    u"ペア碁カラー設定(&C)",
    S,
    u"バージョン情報(&I)",
    // Last, so that no item of the menu changes its id.
    u"変化の印を表示(&B)",
};

constexpr std::array<std::u16string_view, 13> kSettingsItems{
    u"棋譜並べモード(&K)\tK",
    u"次譜自動再生(&L)",
    S,
    u"囲碁用語表示(&J)",
    u"ファイル名をフルパスで表示(&F)",
    S,
    u"履歴をテキストファイルへ自動出力(&T)",
    u"履歴フォルダを変更(&C)",
    S,
    u"起動時デザイン(&D)",
    u"画像出力設定(&O)",
    u"文字・アイコンのサイズ(&W)",
    u"碁盤の自動回転(&R)",
};

constexpr std::array<std::u16string_view, 3> kDebugItems{
    u"棋楽変換(&I)\tI",
    u"クリップボードから文字コメント消去",
    u"クリップボード内のかっこの数を表示",
};

constexpr std::array<MenuSpec, 5> kMenus{{
    {u"ファイル(&F)", kFileItems},
    {u"編集(&M)", kEditItems},
    {u"表示(&V)", kViewItems},
    {u"全体設定(&S)", kSettingsItems},
    {u"デバッグ", kDebugItems},
}};

constexpr std::array<std::u16string_view, 4> kStartupDesignItems{u"プレイリストから順に選択(&A)",
                                                                 u"プレイリストからランダムに選択(&R)",
                                                                 u"現在のデザイン(&N)", u"プレイリスト自動再生(&L)"};
constexpr std::array<std::u16string_view, 7> kImageOutputItems{u"盤面(&B)",
                                                               u"左下(&L)",
                                                               u"左下＆座標(&H)",
                                                               u"全体(&Z)",
                                                               u"碁石 - 現在の大きさ (&G)",
                                                               u"碁石 - 元画像の大きさ (&O)",
                                                               u"なし(&N)"};
constexpr std::array<std::u16string_view, 4> kTextSizeItems{u"&1", u"&2", u"&3", u"&4"};
constexpr std::array<std::u16string_view, 4> kRotationItems{u"なし(&N)", u"プレイリストループの度に回転(&L)",
                                                            u"初手右上になるように回転(&F)", u"ランダム回転(&R)"};

// A sub-menu whose items take consecutive ids from `firstId`; the history
// sub-menu (30102) is built from the undo history instead.
struct SubMenuSpec {
  int parentId = 0;
  int firstId = 0;
  std::span<const std::u16string_view> items;
};

const std::array<SubMenuSpec, 4> kSubMenus{{
    {30309, kStartupDesignBase + 1, kStartupDesignItems},
    {30310, kImageOutputFirstItem, kImageOutputItems},
    {30311, kTextSizeBase + 1, kTextSizeItems},
    {30312, kRotationNoneItem, kRotationItems},
}};

MenuItem commandItem(int id, std::u16string_view label) {
  MenuItem item;
  item.id = id;
  item.label = std::u16string(label);
  item.separator = label == kSeparatorLabel;
  return item;
}

// The check and enabled state the options give an item, if any.
void applyCheck(const std::vector<MenuCheck>& checks, MenuItem& item) {
  const auto found = std::find_if(checks.begin(), checks.end(), [&](const MenuCheck& c) { return c.id == item.id; });
  if (found == checks.end()) return;
  item.checked = found->checked;
  item.enabled = found->enabled;
}

MenuItem separatorItem() { return commandItem(0, kSeparatorLabel); }

bool autoPlayRunning(const Application& app) { return app.playback.autoPlay.running(); }

// Undo and redo read the history; auto-play greys them and the history items.
void applyUndoMenu(const Application& app, MenuItem& item) {
  const UndoMenu& undo = app.doc.undoMenu;
  const bool idle = !autoPlayRunning(app);
  if (item.id == kUndoCommand || item.id == kRedoCommand) {
    const MenuItemState& state = item.id == kUndoCommand ? undo.undo : undo.redo;
    if (!state.text.empty()) item.label = state.text;
    item.enabled = state.enabled && idle;
  } else if (item.id == kHistorySubMenu) {
    for (const MenuItemState& entry : undo.history) {
      MenuItem history = commandItem(entry.id, entry.text);
      history.radio = true;
      history.checked = entry.checked;
      history.enabled = entry.enabled && idle;
      item.items.push_back(std::move(history));
    }
  }
}

void appendFileMenuTail(const Application& app, MenuItem& file) {
  MenuItem loadSettings = std::move(file.items.back());
  file.items.pop_back();
  const bool fullPaths = switchOn(app.doc.globalOptions, GlobalOption::FileFull);
  const auto recent = recentMenuItems(app.doc.recentGames, kRecentGamesFirstCommand, fullPaths);
  if (!recent.empty()) file.items.push_back(separatorItem());
  for (const RecentMenuItem& entry : recent) file.items.push_back(commandItem(entry.id, entry.text));
  file.items.push_back(separatorItem());
  file.items.push_back(std::move(loadSettings));
}

// The three list items check the tab the list window shows.
void applyListCheck(const Application& app, MenuItem& item) {
  if (item.id < kPlaylistCommand || item.id > kFigureListCommand) return;
  item.checked = app.lists.shown && static_cast<int>(app.lists.tab) == item.id - kPlaylistCommand;
}

void addSubMenuItems(MenuItem& item, const std::vector<MenuCheck>& checks) {
  const auto sub =
      std::find_if(kSubMenus.begin(), kSubMenus.end(), [&](const SubMenuSpec& s) { return s.parentId == item.id; });
  if (sub == kSubMenus.end()) return;
  for (std::size_t k = 0; k < sub->items.size(); ++k) {
    MenuItem choice = commandItem(sub->firstId + static_cast<int>(k), sub->items[k]);
    choice.radio = true;
    applyCheck(checks, choice);
    item.items.push_back(std::move(choice));
  }
}

}  // namespace

std::span<const MenuSpec> menuTable() { return kMenus; }

std::u16string_view menuLabel(int id) {
  if (id < kMenuFirstCommand || id > kMenuLastCommand) return {};
  const auto menu = static_cast<std::size_t>((id - kMenuFirstCommand) / kMenuStride);
  const auto item = static_cast<std::size_t>((id - kMenuFirstCommand) % kMenuStride);
  if (menu >= kMenus.size() || item >= kMenus[menu].items.size()) return {};
  return kMenus[menu].items[item];
}

MenuModel buildMenuModel(const Application& app) {
  const std::vector<MenuCheck> checks = applyMenuStates(app.doc.globalOptions, app.doc.state.options);

  MenuModel model;
  for (std::size_t m = 0; m < kMenus.size(); ++m) {
    MenuItem menu = commandItem(0, kMenus[m].title);
    for (std::size_t i = 0; i < kMenus[m].items.size(); ++i) {
      MenuItem item = commandItem(menuCommandId(static_cast<int>(m), static_cast<int>(i)), kMenus[m].items[i]);
      applyCheck(checks, item);
      applyUndoMenu(app, item);
      applyListCheck(app, item);
      addSubMenuItems(item, checks);
      menu.items.push_back(std::move(item));
    }
    if (m == 0) appendFileMenuTail(app, menu);
    model.menus.push_back(std::move(menu));
  }
  return model;
}

void refreshMenus(Application& app) {
  refreshUndoMenu(app.doc);
  app.menus = buildMenuModel(app);
  app.window.menusChanged();
}

}  // namespace mokuza::app
