#pragma once
// The playlist tab's own menu as data, and what its commands do. Every
// command ends through the playlist's commands, so each change is written to
// the playlist file and recorded in the operation history.

#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "app/menu_model.h"

namespace mokuza::app {

inline constexpr int kCreatePlaylistCommand = 1121;
inline constexpr int kOpenPlaylistCommand = 32771;
inline constexpr int kSavePlaylistAsCommand = 32772;
inline constexpr int kCloseListWindowCommand = 1;
inline constexpr int kOpenListGameCommand = 32975;
inline constexpr int kAddGamesCommand = 1129;
inline constexpr int kDeleteGamesCommand = 1130;
inline constexpr int kCopyGamesCommand = 1122;
inline constexpr int kCopyShownGameCommand = 1124;
inline constexpr int kPasteDesignCommand = 1123;
inline constexpr int kPasteGamesCommand = 1131;
inline constexpr int kPasteShownDesignCommand = 1125;
inline constexpr int kSwapDesignsCommand = 1126;
inline constexpr int kSaveOrderCommand = 1127;
inline constexpr int kRestoreOrderCommand = 1128;
inline constexpr int kBatchGameInfoCommand = 32924;
inline constexpr int kPartialSearchCommand = 32931;
inline constexpr int kRevealFileFirst = 32941;
inline constexpr int kRenameFileFirst = 32953;
inline constexpr int kMoveFileFirst = 32961;
inline constexpr int kFileCommandCount = 8;
inline constexpr int kBlackPlayerDetailsCommand = 32971;
inline constexpr int kWhitePlayerDetailsCommand = 32972;
inline constexpr int kPlayerAliasesCommand = 32973;
inline constexpr int kSelectAllCommand = 32917;
// "リスト項目": one item per column of listColumnKeys(), in that order.
inline constexpr int kColumnToggleFirst = 33500;
// The recent playlists of the list window's file menu, newest first.
inline constexpr int kRecentPlaylistsFirstCommand = 52841;

// Every column the list can show, in the order "リスト項目" lists them.
std::vector<std::string_view> listColumnKeys();

// The menu bar of the playlist tab with the states of now.
MenuModel buildListMenu(const Application& app);

// A command of the playlist tab's menu, its buttons or its keys; true when
// the id is one it carries out. Search and player details are not: they
// belong to the search.
bool listWindowCommand(Application& app, int id);

// Files dropped on the list window: game files are added, a playlist file
// is opened as the playlist.
void onListDrop(Application& app, const std::vector<std::u16string>& paths);

}  // namespace mokuza::app
