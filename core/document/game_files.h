#pragma once
// Opening and saving game files, and the save question.

#include <string>

#include "core/document/document.h"
#include "core/record/sgf_reader.h"
#include "platform/services.h"
#include "platform/user_files.h"

namespace mokuza {

struct OpenRequest {
  enum class Source { Dialog, Recent, Path };
  Source source = Source::Path;
  int recentIndex = 0;                           // for Source::Recent: the place in the list, newest first
  bool recentPlaylist = false;                   // the recent playlists rather than the recent games
  std::u16string path;                           // for Source::Path (the command line, a drop)
  const PlaylistEntry* playlistEntry = nullptr;  // set when a playlist game is opened
};

enum class OpenOutcome { Opened, Failed };

// Opens a game (or hands a playlist to hooks.openPlaylist).
OpenOutcome openGame(Document& doc, platform::Services& services, const OpenRequest& request);

// The shown game is one from outside the playlist now (a file, the clipboard):
// no playlist entry takes its information, figure replay shows it whole, and
// hooks.outsideGameOpened tells the playlist.
void leavePlaylistGame(Document& doc);

// Loads a game from a path without the open dialog; shows move 0.
OpenOutcome openGameFile(Document& doc, platform::Services& services, const std::u16string& path);

enum class SaveOutcome { Saved, Cancelled, Failed };

// Asked before a game read with losses is saved over its file.
inline constexpr std::u16string_view kLossyOverwriteQuestion =
    u"この棋譜は正しく読み込めなかった部分があります。上書きすると失われます。保存しますか？";

// Saving over the file the game was read from asks kLossyOverwriteQuestion
// first when reading it lost something; No saves nothing (SaveOutcome::Cancelled).
SaveOutcome saveGame(Document& doc, platform::Services& services);
SaveOutcome saveGameAs(Document& doc, platform::Services& services);

// What the question "保存しますか？" before the game is replaced ended in:
// Cancelled also when the save it asked for did not happen.
enum class SaveQuestion { NothingToSave, Saved, Discarded, Cancelled };

SaveQuestion askSave(Document& doc, platform::Services& services);

// Reads SGF text into the document and computes every position; the view
// is left at the last move. kReadOk or kReadNoGame (the record is then empty).
int loadRecordText(Document& doc, std::u16string_view text, ReadOptions& options);

// Writes the game to a file (UTF-8, CR LF); the status says why it could not.
platform::FileStatus writeGameFile(const GameRecord& record, const std::u16string& path);

}  // namespace mokuza
