#include "playlist/snapshots.h"

#include <string>
#include <system_error>

#include "core/record/text.h"
#include "playlist/file_ops.h"
#include "playlist/playlist_reader.h"
#include "playlist/playlist_writer.h"

namespace mokuza {
namespace {

constexpr int kBefore = 0;
constexpr int kAfter = 2;

bool copyIfPresent(const std::filesystem::path& from, const std::u16string& to) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(from, ec)) return false;
  return copyFileAtomically(from, textToPath(to));
}

void removeSlot(SnapshotTable& table, const std::filesystem::path& folder, int slot) {
  std::error_code ec;
  std::filesystem::remove(snapshotFile(folder, kBefore, slot), ec);
  std::filesystem::remove(snapshotFile(folder, kAfter, slot), ec);
  table.paths.erase(slot);
}

// The folder of the copies: the table's own, or the program folder's "temp".
std::filesystem::path snapshotFolder(const SnapshotTable& table, const std::filesystem::path& programFolder) {
  return table.folder.empty() ? programFolder / "temp" : table.folder;
}

}  // namespace

std::filesystem::path snapshotFile(const std::filesystem::path& folder, int which, int slot) {
  return folder / ("gpl_" + std::to_string(which) + "_" + std::to_string(slot));
}

bool SavePlaylistWithSnapshots(PlaylistContext& context) {
  SnapshotTable& table = context.playlist.snapshots;
  const std::filesystem::path folder = snapshotFolder(table, context.programFolder);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);

  // Slots above the state on disk belong to changes that were undone; the
  // change recorded now discards them from the history.
  while (!table.paths.empty() && table.paths.rbegin()->first > table.current)
    removeSlot(table, folder, table.paths.rbegin()->first);

  storeShownDesign(context);
  const int slot = ++table.counter;
  const std::u16string& path = context.playlist.path;
  table.paths[slot] = path;
  copyIfPresent(textToPath(path), pathToText(snapshotFile(folder, kBefore, slot)));
  const bool written = WritePlaylist(context.playlist, {context.programFolder, context.doc.currentMove()});
  copyIfPresent(textToPath(path), pathToText(snapshotFile(folder, kAfter, slot)));
  table.current = slot;
  context.doc.state.playlistSnapshot = slot;
  return written;
}

namespace {

// Puts the playlist files back as they were in `slot`: downwards copying the
// before-copies, upwards the after-copies. Returns whether a file was copied.
bool restoreSnapshotSlot(SnapshotTable& table, const std::filesystem::path& programFolder, int slot) {
  const std::filesystem::path folder = snapshotFolder(table, programFolder);
  bool copied = false;
  for (; table.current > slot; --table.current)
    if (auto it = table.paths.find(table.current); it != table.paths.end())
      copied = copyIfPresent(snapshotFile(folder, kBefore, table.current), it->second) || copied;
  for (; table.current < slot && table.current < table.counter;) {
    ++table.current;
    if (auto it = table.paths.find(table.current); it != table.paths.end())
      copied = copyIfPresent(snapshotFile(folder, kAfter, table.current), it->second) || copied;
  }
  return copied;
}

// Removes the copies of every slot up to `slot`, once the history holds no
// state before it.
void dropSnapshotsThrough(SnapshotTable& table, const std::filesystem::path& programFolder, int slot) {
  const std::filesystem::path folder = snapshotFolder(table, programFolder);
  while (!table.paths.empty() && table.paths.begin()->first <= slot)
    removeSlot(table, folder, table.paths.begin()->first);
}

}  // namespace

void deleteSnapshotFiles(SnapshotTable& table, const std::filesystem::path& programFolder) {
  const std::filesystem::path folder = snapshotFolder(table, programFolder);
  while (!table.paths.empty()) removeSlot(table, folder, table.paths.begin()->first);
}

void connectPlaylistUndo(Document& doc, Playlist& playlist, platform::Services& services,
                         const std::filesystem::path& programFolder) {
  // The playlist of each undo entry is its file copy, named by the state's
  // slot; no in-memory copy of the entries is needed.
  doc.hooks.snapshotPlaylist = nullptr;
  doc.hooks.restorePlaylist = [&doc, &playlist, &services, programFolder](const std::vector<PlaylistEntry>&) {
    if (!restoreSnapshotSlot(playlist.snapshots, programFolder, doc.state.playlistSnapshot)) return;
    if (playlist.path.empty()) return;
    // The shown design is the document's own: only the list is read again.
    PlaylistEntry unused;
    ReadPlaylist(playlist, unused, playlist.path, false, services, programFolder);
  };
  doc.hooks.dropPlaylistSnapshots = [&playlist, programFolder](int oldestKept) {
    dropSnapshotsThrough(playlist.snapshots, programFolder, oldestKept);
  };
}

}  // namespace mokuza
