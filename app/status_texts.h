#pragma once
// The texts the window shows besides the board: the status line and the
// side panel's game-information and move-information pages.

#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"

namespace mokuza::app {

// Between two parts of the status line, so that numbers of one part never
// run into the next.
inline constexpr std::u16string_view kStatusSeparator = u" ｜ ";

// The parts without their padding, one separator between two.
std::u16string joinStatusParts(const std::vector<std::u16string>& parts);
std::u16string statusText(const Application& app);
std::u16string gameInfoPageText(const Application& app);
std::u16string moveInfoPageText(const Application& app);
// Sets the status line and tells the panel its texts changed.
void refreshStatusText(Application& app);

}  // namespace mokuza::app
