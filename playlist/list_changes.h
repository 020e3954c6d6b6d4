#pragma once
// How every change of the list ends: the playlist file is written with undo
// copies and the change enters the operation history. Another program may
// have written the file since this playlist read it; its games are never
// overwritten unnoticed.

#include <string_view>

#include "playlist/playlist_context.h"

namespace mokuza {

enum class ListOutcome {
  Done,
  Refused,      // a message said why, or the command is not available
  Nothing,      // nothing to do: no selection, nothing qualified, a dialog cancelled
  WriteFailed,  // the change stands in memory but its file could not be written
  NotWritten,   // the change stands in memory; the user chose not to write its file
};

// Writes the playlist with snapshots and records `description`. A file the
// reader could not read whole is written only when the user agrees
// (ListOutcome::NotWritten otherwise). When another program changed the file since it
// was read, asks whether to overwrite it; No reads the file again and drops the
// change (ListOutcome::Nothing). A file that could not be written is reported
// ("プレイリストを保存できませんでした").
ListOutcome commitListChange(PlaylistContext& context, std::u16string_view description);

// Records `description` for a change whose file was written (or not) by the
// caller, and reports a failed write.
ListOutcome recordListChange(PlaylistContext& context, std::u16string_view description, bool written);

void reportWriteFailure(PlaylistContext& context);

// Whether another program replaced the playlist's file since this playlist
// last read or wrote it. A file that is gone has nothing to lose.
bool changedOnDisk(const Playlist& playlist);

// Reads the playlist's file again, keeping the document's shown design; the
// shown game keeps its entry when the file still lists it, else it counts as
// one from outside. The selection is lost.
void readPlaylistAgain(PlaylistContext& context);

// For a caller that holds the file's lock: writes with snapshots and
// remembers the state of the file written.
bool saveLockedPlaylist(PlaylistContext& context);

// After the playlist's file was written: the state it now has is this playlist's.
void noteFileWritten(Playlist& playlist);

}  // namespace mokuza
