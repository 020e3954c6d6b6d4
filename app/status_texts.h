#pragma once
// The texts the window shows besides the board: the status line and the
// side panel's game-information and move-information pages.

#include <string>

#include "app/application.h"

namespace mokuza::app {

std::u16string statusText(const Application& app);
std::u16string gameInfoPageText(const Application& app);
std::u16string moveInfoPageText(const Application& app);

}  // namespace mokuza::app
