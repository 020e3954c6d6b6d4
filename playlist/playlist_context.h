#pragma once
// What the list operations work with: the playlist, the document whose
// operation history records them and whose shown design they read, the
// platform services, and the program folder.

#include <filesystem>
#include <functional>

#include "core/document/document.h"
#include "platform/services.h"
#include "playlist/playlist.h"

namespace mokuza {

struct PlaylistContext {
  Playlist& playlist;
  Document& doc;
  platform::Services& services;
  std::filesystem::path programFolder;
  // Opens the shown game again after its entry or its file changed; set by
  // the window, empty where no game is shown.
  std::function<void()> reopenShownGame;
  // Shows the title a long read of a playlist file gives the main window.
  std::function<void(const std::u16string& title)> showLoading;
};

// The shown design as one record: the design values of the document with the
// current game's information, files and dates.
PlaylistEntry shownDesign(const DocumentState& state);
// Makes a record the shown design (the inverse of shownDesign).
void setShownDesign(DocumentState& state, const PlaylistEntry& design);

// Before the playlist changes: the shown game's live design goes back into its
// entry (its number stays the list's).
void storeShownDesign(PlaylistContext& context);
// After the shown game's entry changed: the shown design follows it, and the
// window reopens the game.
void showEntryDesign(PlaylistContext& context);

bool numbersFixed(const PlaylistContext& context);

// Makes a game opened from outside the playlist turn currentGameIndex
// negative (keeping the place the show goes on from), so that no later change
// of the list stores that game into the entry shown before. The playlist must
// outlive the document's hooks.
void connectOutsideGames(Document& doc, Playlist& playlist);

}  // namespace mokuza
