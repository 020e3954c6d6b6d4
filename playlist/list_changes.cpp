#include "playlist/list_changes.h"

#include <cstdlib>

#include "core/document/recent_files.h"
#include "core/document/undo.h"
#include "core/record/text.h"
#include "playlist/design_fields.h"
#include "playlist/playlist_reader.h"
#include "playlist/playlist_writer.h"
#include "playlist/snapshots.h"

namespace mokuza {
namespace {

bool mayOverwrite(PlaylistContext& context) {
  const std::u16string text = u"プレイリスト〈" + std::u16string(fileNameOf(context.playlist.path)) +
                              u"〉は読み込んだ後に他のプログラムで変更されています。\n上書きしますか？\n"
                              u"（いいえ：ファイルを読み直し、この変更は取り消します）";
  return context.services.messageBox({text, u"Mokuza", platform::Buttons::YesNo, platform::Icon::Warning, true}) ==
         platform::Answer::Yes;
}

}  // namespace

void reportWriteFailure(PlaylistContext& context) {
  context.services.messageBox(
      {u"プレイリストを保存できませんでした", u"エラー", platform::Buttons::Ok, platform::Icon::Error});
}

bool changedOnDisk(const Playlist& playlist) {
  const std::optional<FileStamp> now = fileStampOf(textToPath(playlist.path));
  return now && now != playlist.fileStamp;
}

void noteFileWritten(Playlist& playlist) { playlist.fileStamp = fileStampOf(textToPath(playlist.path)); }

void readPlaylistAgain(PlaylistContext& context) {
  Playlist& playlist = context.playlist;
  DocumentState& state = context.doc.state;
  const bool showingListed = state.playlistIndex > 0;
  const std::u16string shownFile = FilePath(state.gameInfo, kSgfFileLabel);
  PlaylistEntry unused;
  if (ReadPlaylist(playlist, unused, playlist.path, false, context.services, context.programFolder) !=
          kPlaylistReadOk ||
      !showingListed)
    return;
  state.playlistIndex = 0;
  for (int record : playlist.displayOrder)
    if (FilePath(playlist.entries[static_cast<std::size_t>(record)], kSgfFileLabel) == shownFile) {
      state.playlistIndex = playlist.currentGameIndex = record + 1;
      return;
    }
  playlist.currentGameIndex = -std::abs(playlist.currentGameIndex);
}

bool saveLockedPlaylist(PlaylistContext& context) {
  const bool written = SavePlaylistWithSnapshots(context);
  if (written) noteFileWritten(context.playlist);
  return written;
}

ListOutcome recordListChange(PlaylistContext& context, std::u16string_view description, bool written) {
  recordUndo(context.doc, description);
  if (written) return ListOutcome::Done;
  reportWriteFailure(context);
  return ListOutcome::WriteFailed;
}

ListOutcome commitListChange(PlaylistContext& context, std::u16string_view description) {
  // Asked before the lock is taken, as every question is.
  if (!confirmShortenedWrite(context.playlist, context.services)) {
    recordUndo(context.doc, description);
    return ListOutcome::NotWritten;
  }
  const std::filesystem::path file = textToPath(context.playlist.path);
  std::optional<bool> written;
  {
    const FileLock lock(file);
    if (!changedOnDisk(context.playlist)) written = saveLockedPlaylist(context);
  }
  if (!written) {
    // Asked without the lock: the question may stay open for long.
    if (!mayOverwrite(context)) {
      readPlaylistAgain(context);
      return ListOutcome::Nothing;
    }
    const FileLock lock(file);
    written = saveLockedPlaylist(context);
  }
  return recordListChange(context, description, *written);
}

}  // namespace mokuza
