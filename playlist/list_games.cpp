#include "playlist/list_games.h"

#include <system_error>
#include <unordered_set>

#include "core/document/recent_files.h"
#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "playlist/decimal.h"
#include "playlist/design_fields.h"
#include "playlist/list_texts.h"
#include "playlist/local_time.h"
#include "playlist/playlist_paths.h"
#include "playlist/playlist_reader.h"
#include "playlist/playlist_writer.h"

namespace mokuza {
namespace {

constexpr std::u16string_view kEmptyPlaylistText = u"<playlist>";

std::vector<platform::FileFilter> playlistFilters() { return {{u"GPL File(*.gpl)", u"*.gpl"}}; }

void tell(PlaylistContext& context, std::u16string text, std::u16string_view title, platform::Icon icon) {
  context.services.messageBox({std::move(text), std::u16string(title), platform::Buttons::Ok, icon});
}

std::u16string fullPath(const std::u16string& path) {
  std::error_code ec;
  const std::filesystem::path absolute = std::filesystem::absolute(textToPath(path), ec);
  return normalisedPath(ec ? path : pathToText(absolute));
}

bool readGameInformation(const std::u16string& path, PlaylistEntry& entry, GameRecord& scratch) {
  const auto bytes = readFileBytes(textToPath(path));
  if (!bytes) return false;
  ReadOptions options;
  options.playlistGame = true;
  options.onPlaylistInfo = [&entry](std::u16string_view label, std::u16string_view value) {
    // An empty value is no value: the file form cannot tell them apart.
    if (value.empty()) entry.textFields.erase(std::u16string(label));
    else entry.textFields.insert_or_assign(std::u16string(label), std::u16string(value));
  };
  return readSgf(scratch, decodeBytes(*bytes), options) == kReadOk;
}

std::u16string folderOf(const std::u16string& path) {
  const std::size_t cut = path.find_last_of(u'/');
  return cut == std::u16string::npos ? std::u16string() : path.substr(0, cut + 1);
}

}  // namespace

bool readGameInformation(const std::u16string& path, PlaylistEntry& entry) {
  GameRecord scratch;
  return readGameInformation(path, entry, scratch);
}

int AddGames(PlaylistContext& context, const std::vector<std::u16string>& paths,
             const std::function<void(int added)>& progress) {
  Playlist& playlist = context.playlist;
  const std::u16string capacityText =
      u"プレイリストは" + decimalText(kPlaylistCapacity) + u"局までです";
  if (playlist.isFull()) {
    tell(context, capacityText, u"Mokuza", platform::Icon::Warning);
    return kListRefused;
  }
  storeShownDesign(context);
  std::unordered_set<std::u16string> listed;
  for (int record : playlist.displayOrder)
    listed.insert(FilePath(playlist.entries[static_cast<std::size_t>(record)], kSgfFileLabel));

  const PlaylistEntry design = shownDesign(context.doc.state);
  const std::u16string now = localTimeText(context.services);
  std::int32_t number = largestNumber(playlist);
  std::set<int> added;
  GameRecord scratch;
  for (const std::u16string& given : paths) {
    if (!isGamePath(given)) continue;
    const std::u16string path = fullPath(given);
    if (listed.contains(path)) continue;
    if (playlist.isFull()) {
      tell(context, capacityText, u"Mokuza", platform::Icon::Warning);
      break;
    }
    PlaylistEntry information;
    if (!readGameInformation(path, information, scratch)) continue;
    const int record = addGameNumbered(playlist, design, path, now, ++number);
    PlaylistEntry& entry = playlist.entries[static_cast<std::size_t>(record)];
    for (auto& [label, value] : information.textFields) entry.textFields.insert_or_assign(label, std::move(value));
    listed.insert(path);
    added.insert(record);
    if (progress) progress(static_cast<int>(added.size()));
  }
  if (added.empty()) {
    tell(context, u"追加可能なSGFファイルがありませんでした", u"エラー", platform::Icon::Error);
    return kListNothing;
  }
  renumber(playlist, numbersFixed(context));
  playlist.list.selected = added;
  playlist.list.anchor = *added.rbegin();
  const int status = commitListChange(context, u"対局を追加 " + selectionText(playlist));
  tell(context, decimalText(static_cast<std::int64_t>(added.size())) + u"個のSGFファイルの追加をおこないました", u"完了",
       platform::Icon::Information);
  return status;
}

int createPlaylistAt(PlaylistContext& context, const std::u16string& path) {
  const std::u16string full = fullPath(path);
  if (!writeTextFile(textToPath(full), kEmptyPlaylistText)) {
    reportWriteFailure(context);
    return kListWriteFailed;
  }
  Playlist& playlist = context.playlist;
  SnapshotTable snapshots = std::move(playlist.snapshots);
  playlist = Playlist();
  playlist.snapshots = std::move(snapshots);
  playlist.path = full;
  playlist.folder = folderOf(full);
  playlist.beforeFolder = playlist.folder;
  // The shown game is no longer one of the playlist's.
  context.doc.state.playlistIndex = 0;
  context.doc.state.design.intFields.insert_or_assign(std::u16string(kLastMoveField.label), kLastMoveField.initial);
  addRecent(context.doc.recentPlaylists, full);
  return kListDone;
}

int CreatePlaylist(PlaylistContext& context) {
  platform::FileDialogRequest dialog;
  dialog.title = u"プレイリストの作成";
  dialog.filters = playlistFilters();
  dialog.defaultExtension = u"gpl";
  dialog.initialName = textToPath(u"無題のプレイリスト");
  dialog.overwritePrompt = true;
  const auto chosen = context.services.saveFileDialog(dialog);
  if (!chosen) return kListNothing;
  return createPlaylistAt(context, pathToText(*chosen));
}

int openPlaylistFile(PlaylistContext& context, const std::u16string& path) {
  PlaylistEntry design = shownDesign(context.doc.state);
  if (ReadPlaylist(context.playlist, design, path, false, context.services, context.programFolder) != kPlaylistReadOk)
    return kListNothing;
  setShownDesign(context.doc.state, design);
  context.doc.state.playlistIndex = 0;
  addRecent(context.doc.recentPlaylists, context.playlist.path);
  return kListDone;
}

int savePlaylistAs(PlaylistContext& context, const std::u16string& path) {
  if (!confirmShortenedWrite(context.playlist, context.services)) return kListNotWritten;
  storeShownDesign(context);
  Playlist& playlist = context.playlist;
  const std::u16string full = fullPath(path);
  const std::u16string oldPath = playlist.path, oldFolder = playlist.folder, oldBefore = playlist.beforeFolder;
  playlist.path = full;
  playlist.folder = folderOf(full);
  playlist.beforeFolder = playlist.folder;
  const bool written = playlist.displayOrder.empty()
                           ? writeTextFile(textToPath(full), kEmptyPlaylistText)
                           : WritePlaylist(playlist, {context.programFolder, context.doc.currentMove()});
  if (!written) {
    playlist.path = oldPath;
    playlist.folder = oldFolder;
    playlist.beforeFolder = oldBefore;
    reportWriteFailure(context);
    return kListWriteFailed;
  }
  addRecent(context.doc.recentPlaylists, full);
  return kListDone;
}

int SavePlaylistAs(PlaylistContext& context) {
  platform::FileDialogRequest dialog;
  dialog.title = u"プレイリストを別名保存";
  dialog.filters = playlistFilters();
  dialog.defaultExtension = u"gpl";
  dialog.initialName = textToPath(fileNameOf(context.playlist.path));
  dialog.overwritePrompt = true;
  const auto chosen = context.services.saveFileDialog(dialog);
  if (!chosen) return kListNothing;
  return savePlaylistAs(context, pathToText(*chosen));
}

}  // namespace mokuza
