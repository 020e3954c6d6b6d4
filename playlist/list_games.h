#pragma once
// Commands that bring games into the playlist or give it a file: adding game
// files, creating a playlist, opening one, saving it under another name.

#include <functional>
#include <string>
#include <vector>

#include "platform/user_files.h"
#include "playlist/list_changes.h"

namespace mokuza {

// Why a file given to addGames was not added.
enum class SkipReason {
  NotGameFile,  // no ".sgf" name
  Listed,       // the list has it already
  FileRefused,  // missing, unreadable, a folder, not a regular file, too large
  NoGame,       // read, but it holds no game
};

struct SkippedFile {
  std::u16string path;
  SkipReason reason = SkipReason::NotGameFile;
  platform::FileProblem problem = platform::FileProblem::None;  // for FileRefused
  std::string error{};                                          // for FileRefused: the path and the reason
  bool operator==(const SkippedFile&) const = default;
};

// Adds the SGF files among `paths` that are not listed yet, each with its game
// information and total moves read from the file; the files that were not
// added go to `skipped` with the reason. The added games become the
// selection. `progress` hears the count of games read so far. The games are
// read first and merged into the playlist's file under its lock, after the
// file is read again when another program changed it. Reports the count
// ("%zd個のSGFファイルの追加をおこないました"), or that none qualified.
ListOutcome addGames(PlaylistContext& context, const std::vector<std::u16string>& paths,
                     const std::function<void(int read)>& progress = {}, std::vector<SkippedFile>* skipped = nullptr);

// Reads a game file's information into an entry: the game-information values
// and "総手数". False when the file holds no game or is refused.
bool readGameInformation(const std::u16string& path, PlaylistEntry& entry);

// "プレイリストの作成": the save dialog, then createPlaylistAt.
ListOutcome askAndCreatePlaylist(PlaylistContext& context);
// A new empty playlist file ("<playlist>") that becomes the playlist; the shown
// game then counts as one from outside.
ListOutcome createPlaylistAt(PlaylistContext& context, const std::u16string& path);

// Reads a playlist file as the playlist; the shown design starts again from
// the initial design. ListOutcome::Nothing when the file gave no text,
// ListOutcome::Refused (said) when it is no playlist.
ListOutcome openPlaylistFile(PlaylistContext& context, const std::u16string& path);

// "プレイリストを別名保存": the save dialog, then savePlaylistAs.
ListOutcome askAndSavePlaylistAs(PlaylistContext& context);

}  // namespace mokuza
