#pragma once
// Start-up, close, opening files, and the document's calls upwards.

#include <string>

#include "app/application.h"
#include "core/document/game_files.h"

namespace mokuza::app {

void connectDocumentHooks(Application& app);
// setting.dat with the window placement of now; false when not written.
bool saveSettings(Application& app);
// A .sgf opens as a game, a .gpl as the playlist.
OpenOutcome openPath(Application& app, const std::u16string& path);

}  // namespace mokuza::app
