#pragma once
// The partial-board search as the board and the list window show it.

#include "app/application.h"

namespace mokuza::app {

// A click on the board while a search result is shown: true when the search
// took it (a follow-up move searched again with it added).
bool searchBoardClick(Application& app, int point);

}  // namespace mokuza::app
