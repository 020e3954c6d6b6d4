#pragma once
// Every command of the main menu has one identity: the enum names it in code,
// the table gives its number (what the menus send and setting.dat stores),
// its label, its shortcut text and what it does. Numbers are
// 30000 + 100 × menu + place in the menu; a gap in a menu is a separator.
// Nothing recognises a command by its label.

#include <span>
#include <string_view>

namespace mokuza::app {

class Application;

enum class Command {
  NewGame,
  OpenGame,
  ResumePlaylist,
  OpenFromClipboard,
  OpenMovesFromClipboard,
  Save,
  SaveAs,
  CopyToClipboard,
  Exit,
  LoadSettings,
  SaveImage,
  Undo,
  Redo,
  History,
  OpenHistoryFile,
  OpenHistoryFolder,
  PreviousGame,
  NextGame,
  TerritoryMode,
  AutoPlay,
  PlaylistShow,
  Playlist,
  EventList,
  FigureList,
  TransparencySettings,
  BoardPositionSettings,
  MoveNumberSettings,
  AutoPlaySettings,
  PairGoColours,
  About,
  VariationMarks,
  ReplayMode,
  AutoNextFigure,
  MoveNames,
  FullPaths,
  HistoryOutput,
  ChangeHistoryFolder,
  StartupDesign,
  ImageOutput,
  TextSize,
  Rotation,
  MusicMode,
  EraseComments,
  CountBrackets,
};

using CommandAction = void (*)(Application&);

struct CommandInfo {
  Command command;
  int id;
  std::u16string_view label;
  std::u16string_view shortcut;  // shown in the menu's shortcut column; empty for none
  CommandAction action;          // null for an item that opens a sub-menu
};

inline constexpr int kMenuFirstCommand = 30000;
inline constexpr int kMenuStride = 100;
inline constexpr int kMenuLastCommand = 30499;

// In menu order; each menu's ids ascend.
std::span<const CommandInfo> commandTable();
// Null for an id the table does not hold (a separator, another range).
const CommandInfo* findCommand(int id);
const CommandInfo& commandInfo(Command command);
int commandId(Command command);

// The sub-menus whose items are consecutive ids from `firstId`; the item ids
// of the image output are what setting.dat stores as "imgoutput".
struct SubMenuInfo {
  Command parent;
  int firstId;
  std::span<const std::u16string_view> items;
};

inline constexpr int kImageOutputFirstItem = 33794;
inline constexpr int kImageOutputLastItem = 33800;
inline constexpr int kTextSizeFirstItem = 34101;  // text size 1; the stored size is the offset + 1
inline constexpr int kStartupDesignFirstItem = 34201;
inline constexpr int kRotationFirstItem = 34301;  // none, on each loop, first move top right, random

std::span<const SubMenuInfo> subMenuTable();
// The sub-menu that holds an item id, null for none.
const SubMenuInfo* findSubMenu(int itemId);

// The recent games (ten, newest first) and the undo history (newest first) items.
inline constexpr int kRecentGamesFirstCommand = 32841;
inline constexpr int kRecentGamesLastCommand = 32850;
inline constexpr int kHistoryFirstCommand = 50001;
inline constexpr int kHistoryLastCommand = 50100;

// Runs the command's action, as its menu item would.
void runCommand(Application& app, Command command);

}  // namespace mokuza::app
