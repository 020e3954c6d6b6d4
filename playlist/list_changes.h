#pragma once
// How every change of the list ends: the playlist file is written with undo
// copies and the change enters the operation history.

#include <string_view>

#include "playlist/playlist_context.h"

namespace mokuza {

enum ListStatus : int {
  kListDone = 0,
  kListRefused = -1,      // a message said why, or the command is not available
  kListNothing = -2,      // nothing to do: no selection, nothing qualified, a dialog cancelled
  kListWriteFailed = -3,  // the change stands in memory but its file could not be written
  kListNotWritten = -4,   // the change stands in memory; the user chose not to write its file
};

// Writes the playlist with snapshots and records `description`. A file that
// could not be written is reported ("プレイリストを保存できませんでした"); a
// file the reader could not read whole is written only when the user agrees.
int commitListChange(PlaylistContext& context, std::u16string_view description);

void reportWriteFailure(PlaylistContext& context);

}  // namespace mokuza
