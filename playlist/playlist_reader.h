#pragma once
// Reading playlist text: tags one after another, every field carried over from
// the game before unless the block names it again, and the paths looked up
// where the files are now.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/services.h"
#include "playlist/playlist.h"

namespace mokuza {

// Texts carried over from game to game are copied into every entry; a file
// that would make the entries hold more than this many characters is read only
// up to the game that reaches it.
constexpr std::size_t kReadTextBudget = std::size_t{64} << 20;
// The largest .gpl file that is read at all.
constexpr std::uintmax_t kPlaylistFileMax = std::uintmax_t{64} << 20;

struct PlaylistReadContext {
  std::filesystem::path programFolder;
  std::u16string playlistFolder;  // relative paths start here
  std::u16string beforeFolder;    // and, failing that, here
  PlaylistEntry base;             // the first game starts as a copy of this
  std::u16string now;             // "%Y%m%d%H%M%S", for empty dates
  std::function<void(int gamesRead)> gameRead;  // after each game taken
};

struct PlaylistReadResult {
  std::vector<PlaylistEntry> entries;
  int shownIndex = 0;  // 1-based entry whose number the file names as shown; 0 for none
  int shownMove = 0;
  std::u16string beforeFolder;          // full path, empty when the text names none
  std::u16string beforeFolderAbsolute;  // as the text gives it
  std::optional<ColumnLayout> columns;
  std::vector<AliasGroup> aliasGroups;
  std::vector<MovedFile> movedFiles;
  bool stoppedEarly = false;  // capacity or text budget reached
  int gamesLeftOut = 0;       // games of the text after that point, not read
};

PlaylistReadResult parsePlaylistText(std::u16string_view text, const PlaylistReadContext& context);

constexpr int kPlaylistReadOk = 0;
constexpr int kPlaylistReadEmpty = -1;    // no text: nothing changed
constexpr int kPlaylistReadForeign = -2;  // a file that is no playlist: nothing changed

// Reads the file `source`, or the clipboard text when fromClipboard. From a
// file, the text's games replace the playlist's, the playlist takes the file's
// path and notes the games the reader had to leave out, and the shown design
// goes back to the initial design; from the clipboard, the games become the
// copied games and nothing else changes.
// `gameRead` hears the count of games taken from a file so far.
int ReadPlaylist(Playlist& playlist, PlaylistEntry& shownDesign, const std::u16string& source, bool fromClipboard,
                 platform::Services& services, const std::filesystem::path& programFolder,
                 const std::function<void(int gamesRead)>& gameRead = {});

// The main window's title while a playlist file is read.
std::u16string playlistLoadingTitle(std::u16string_view fileName, int gamesRead);

}  // namespace mokuza
