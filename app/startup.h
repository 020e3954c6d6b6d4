#pragma once
// Start-up, close, opening files, and the document's calls upwards.

#include <filesystem>
#include <string>

#include "app/application.h"
#include "core/document/game_files.h"

namespace mokuza::app {

void connectDocumentHooks(Application& app);
// setting.dat with the window placement of now; false when it could not be
// written (a file read in part is left alone unless the close's question let it go).
bool saveSettings(Application& app);
// A .sgf opens as a game, a .gpl as the playlist; a path that names no
// readable file says so.
OpenOutcome openPath(Application& app, const std::u16string& path);

// The playlist file used until another one is opened or created.
std::filesystem::path defaultPlaylistPath(const std::filesystem::path& programFolder);

// After settings were read (at start, from a dropped file, "設定読み込み"):
// the history folder, the main window's place, the move classifier's display
// options and the music output follow them.
void followSettings(Application& app);

// A close nobody can answer (SIGTERM, a logout): the settings and the
// playlist are written as a close writes them, nothing is asked, and a game
// with unsaved edits is kept as the recovery copy, never over its file.
void closeUnattended(Application& app);

// Whether a path the user gave names a file that can be read; when not, a
// message says why (a folder or a FIFO is never opened).
bool fileUsable(Application& app, const std::u16string& path);

}  // namespace mokuza::app
