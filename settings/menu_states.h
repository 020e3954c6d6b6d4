#pragma once
// Which menu items the options check or select, as data for the menus, and
// the switching between the load-time rotation choices.

#include <cstdint>
#include <string_view>
#include <vector>

#include "settings/options.h"

namespace mokuza {

struct MenuCheck {
  int id = 0;
  bool checked = false;
  bool enabled = true;
};

constexpr int kVariationMarksItem = 30212;
constexpr int kReplayModeItem = 30300;
constexpr int kAutoNextGameItem = 30301;
constexpr int kMoveNamesItem = 30303;
constexpr int kFullPathsItem = 30304;
constexpr int kHistoryOutputItem = 30306;
constexpr int kMusicModeItem = 30400;
constexpr int kImageOutputFirstItem = 33794;
constexpr int kImageOutputLastItem = 33800;
constexpr int kTextSizeBase = 34100;
constexpr int kStartupDesignBase = 34200;
constexpr int kRotationNoneItem = 34301;
constexpr int kRotationLoopItem = 34302;
constexpr int kRotationFirstMoveItem = 34303;
constexpr int kRotationRandomItem = 34304;

// Every check item and every item of the four radio groups, with its state.
std::vector<MenuCheck> applyMenuStates(const GlobalOptions& global, const DocumentOptions& document);

// The rotation item that a gobanroll value selects.
int rotationMenuItem(std::int32_t gobanroll);

// The gobanroll value after choosing a rotation item: the last digit of the
// value survives every switch, so the fixed transform and the off state keep
// what was chosen before. An unknown item leaves the value as it is.
std::int32_t chooseRotation(std::int32_t gobanroll, int itemId);

// The label of a rotation item, empty for any other identifier.
std::u16string_view rotationItemLabel(int itemId);

}  // namespace mokuza
