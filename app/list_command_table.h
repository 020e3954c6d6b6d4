#pragma once
// Every command of the list window has one identity: the enum names it in
// code, the table gives its number (what the menus, buttons and keys send),
// its label, its shortcut text and what it does. The numbers are the ones the
// list window always had; numbered items (the step buttons, the file
// sub-menus, "リスト項目", the recent playlists) are ranges beside the table.
// Nothing recognises a command by its label.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mokuza::app {

class Application;

enum class ListCommand {
  CreatePlaylist,
  OpenPlaylist,
  SavePlaylistAs,
  CloseWindow,
  OpenGame,
  AddGames,
  DeleteGames,
  CopyGames,
  CopyShownGame,
  PasteDesign,
  PasteGames,
  PasteShownDesign,
  SwapDesigns,
  SaveOrder,
  RestoreOrder,
  SelectAll,
  BatchGameInfo,
  PartialSearch,
  BlackPlayerDetails,
  WhitePlayerDetails,
  PlayerAliases,
};

using ListCommandAction = void (*)(Application&);

struct ListCommandInfo {
  ListCommand command;
  int id;
  std::u16string_view label;
  std::u16string_view shortcut;  // shown in the menu's shortcut column; empty for none
  ListCommandAction action;
};

// The buttons under the playlist move the selected rows by these steps.
inline constexpr int kStepButtonFirst = 1300;
inline constexpr std::array<int, 6> kRowSteps{-50, -10, -1, 1, 10, 50};
// The three file sub-menus: one item per file field, in the order of the fields.
inline constexpr int kRevealFileFirst = 32941;
inline constexpr int kRenameFileFirst = 32953;
inline constexpr int kMoveFileFirst = 32961;
inline constexpr int kFileCommandCount = 8;
// "リスト項目": one item per column of listColumnKeys(), in that order.
inline constexpr int kColumnToggleFirst = 33500;
// The recent playlists of the file menu, newest first.
inline constexpr int kRecentPlaylistsFirstCommand = 52841;

// In enum order.
std::span<const ListCommandInfo> listCommandTable();
// Null for an id the table does not hold (a range item, another window's id).
const ListCommandInfo* findListCommand(int id);
const ListCommandInfo& listCommandInfo(ListCommand command);
int listCommandId(ListCommand command);

// A command of the list window's menu, its buttons or its keys, by id; true
// when the id is one the window carries out.
bool listWindowCommand(Application& app, int id);
// Runs the command's action, as its menu item would.
void runListCommand(Application& app, ListCommand command);

// Files dropped on the list window: game files are added, a playlist file
// is opened as the playlist.
void onListDrop(Application& app, const std::vector<std::u16string>& paths);

}  // namespace mokuza::app
