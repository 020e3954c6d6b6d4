#pragma once
// The main menu as a static table: five menus of item labels, a command id
// per item (30000 + 100 × menu + item, separators counted). The menu model
// the window renders is built from it, with the fixed sub-menus, the undo
// history, the recent games and the states of now.

#include <array>
#include <span>
#include <string_view>

#include "app/application.h"

namespace mokuza::app {

inline constexpr std::u16string_view kSeparatorLabel = u"MF_SEPARATOR";
inline constexpr int kMenuFirstCommand = 30000;
inline constexpr int kMenuStride = 100;
inline constexpr int kMenuLastCommand = 30499;

struct MenuSpec {
  std::u16string_view title;
  std::span<const std::u16string_view> items;
};

std::span<const MenuSpec> menuTable();

constexpr int menuCommandId(int menu, int item) { return kMenuFirstCommand + kMenuStride * menu + item; }
// The label of a table command, empty for any id the table does not hold.
std::u16string_view menuLabel(int id);

// Ids of the table that the keys send.
inline constexpr int kOpenGameCommand = 30001;
inline constexpr int kResumePlaylistCommand = 30002;
inline constexpr int kOpenClipboardCommand = 30003;
inline constexpr int kSaveCommand = 30005;
inline constexpr int kSaveAsCommand = 30006;
inline constexpr int kCopyCommand = 30007;
inline constexpr int kPreviousGameCommand = 30107;
inline constexpr int kNextGameCommand = 30108;
inline constexpr int kAutoPlayCommand = 30111;
inline constexpr int kPlaylistShowCommand = 30112;
inline constexpr int kPlaylistCommand = 30200;  // then the event list and the figure list
inline constexpr int kEventListCommand = 30201;
inline constexpr int kFigureListCommand = 30202;
inline constexpr int kAboutCommand = 30211;
inline constexpr int kReplayModeCommand = 30300;
inline constexpr int kMusicModeCommand = 30400;

inline constexpr int kHistorySubMenu = 30102;
// The last items of the file menu, after the recent games: no item of the
// table moves for them.
inline constexpr int kLoadSettingsCommand = 30009;
inline constexpr int kSaveImageCommand = 30010;
inline constexpr int kRecentGamesLastCommand = 32850;
inline constexpr int kHistoryLastCommand = 50100;

// The whole menu bar with labels, checks and enabled states of now.
MenuModel buildMenuModel(const Application& app);

}  // namespace mokuza::app
