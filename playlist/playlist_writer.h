#pragma once
// The playlist as text: the whole file, or the chosen games for the clipboard.
// A game block holds only the fields that differ from the game written before
// it; the reader carries every other field over.

#include <filesystem>
#include <string>
#include <vector>

#include "core/record/program_version.h"
#include "platform/services.h"
#include "playlist/playlist.h"

namespace mokuza {

struct PlaylistWriteContext {
  std::filesystem::path programFolder;  // before_folder is relative to it
  int shownMove = 0;                    // written as plmove while a playlist game is shown
};

// The file text (mode 0): header, shown game and move, column layout, alias
// groups, the games in list order, and the moved-file records in front.
// Empty when the playlist has no games.
std::u16string playlistFileText(const Playlist& playlist, const PlaylistWriteContext& context);

// The clipboard text (mode 1): header and the given games in the given order.
std::u16string playlistClipboardText(const Playlist& playlist, const std::vector<PlaylistEntry>& games,
                                     const PlaylistWriteContext& context);

// Whether the playlist may be written: yes, unless its file holds games the
// reader left out, which a write loses; then the user is asked, and a Yes
// clears the mark.
bool confirmShortenedWrite(Playlist& playlist, platform::Services& services);

// Writes the file text to the playlist's path through a temporary file, so
// that a failed write leaves the old file whole. Nothing is written for an
// empty playlist, nor for one whose file holds games the reader left out
// (confirmShortenedWrite first). False when the file was not written.
bool WritePlaylist(const Playlist& playlist, const PlaylistWriteContext& context);

}  // namespace mokuza
