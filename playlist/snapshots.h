#pragma once
// Undo for the playlist file: every recorded change keeps a copy of the file
// before it ("temp/gpl_0_N") and after it ("temp/gpl_2_N"); undo and redo walk
// the slots between the state on disk and the state wanted, copying them back.

#include <filesystem>

#include "core/document/document.h"
#include "platform/services.h"
#include "playlist/playlist_context.h"

namespace mokuza {

std::filesystem::path snapshotFile(const std::filesystem::path& folder, int which, int slot);

// Writes the playlist (with the shown design stored back first) and keeps its
// before and after copies in a new slot, which the document state takes so
// that its undo entry knows the file that goes with it. False when the
// playlist could not be written.
bool SavePlaylistWithSnapshots(PlaylistContext& context);

// Removes every copy (at exit, and when the history is cleared).
void deleteSnapshotFiles(SnapshotTable& table, const std::filesystem::path& programFolder);

// Lets the document's undo and redo restore the playlist through the copies:
// after the state is restored, the files are walked to its slot and the
// playlist is read again; the copies of states that left the history go.
// The references must outlive the document's hooks.
void connectPlaylistUndo(Document& doc, Playlist& playlist, platform::Services& services,
                         const std::filesystem::path& programFolder);

}  // namespace mokuza
