#include "playlist/list_games.h"

#include <system_error>
#include <unordered_set>

#include "core/document/recent_files.h"
#include "core/document/undo.h"
#include "core/record/decimal.h"
#include "core/record/sgf_reader.h"
#include "core/record/text.h"
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

// Nothing when the game was read, else why not.
std::optional<SkippedFile> readGameInformation(const std::u16string& path, PlaylistEntry& entry, GameRecord& scratch) {
  const platform::FileRead file = platform::readUserFile(textToPath(path), kTextFileMax);
  if (!file) return SkippedFile{path, SkipReason::FileRefused, file.problem, file.error};
  ReadOptions options;
  options.playlistGame = true;
  options.onPlaylistInfo = [&entry](std::u16string_view label, std::u16string_view value) {
    // An empty value is no value: the file form cannot tell them apart.
    if (value.empty()) entry.textFields.erase(std::u16string(label));
    else entry.textFields.insert_or_assign(std::u16string(label), std::u16string(value));
  };
  if (readSgf(scratch, decodeBytes(file.bytes, TextKind::GameRecord), options) != kReadOk)
    return SkippedFile{path, SkipReason::NoGame};
  return std::nullopt;
}

std::unordered_set<std::u16string> listedFiles(const Playlist& playlist) {
  std::unordered_set<std::u16string> listed;
  for (int record : playlist.displayOrder)
    listed.insert(FilePath(playlist.entries[static_cast<std::size_t>(record)], kSgfFileLabel));
  return listed;
}

struct GameFile {
  std::u16string path;
  PlaylistEntry information;
};

struct GameFiles {
  std::vector<GameFile> games;
  std::vector<SkippedFile> skipped;
  bool roomRanOut = false;  // more games were given than the list can take
};

// The games among `paths` that may be added, read before the playlist's file
// is locked: reading many games takes a while.
GameFiles readGameFiles(const Playlist& playlist, const std::vector<std::u16string>& paths,
                        const std::function<void(int read)>& progress) {
  GameFiles files;
  std::unordered_set<std::u16string> listed = listedFiles(playlist);
  const std::size_t room = static_cast<std::size_t>(kPlaylistCapacity - playlist.gameCount());
  GameRecord scratch;
  for (const std::u16string& given : paths) {
    if (!isGamePath(given)) {
      files.skipped.push_back({given, SkipReason::NotGameFile});
      continue;
    }
    const std::u16string path = fullPath(given);
    if (!listed.insert(path).second) {
      files.skipped.push_back({path, SkipReason::Listed});
      continue;
    }
    if (files.games.size() == room) {
      files.roomRanOut = true;
      break;
    }
    GameFile game{path, {}};
    if (auto skip = readGameInformation(path, game.information, scratch)) {
      files.skipped.push_back(std::move(*skip));
      continue;
    }
    files.games.push_back(std::move(game));
    if (progress) progress(static_cast<int>(files.games.size()));
  }
  return files;
}

std::u16string folderOf(const std::u16string& path) {
  const std::size_t cut = path.find_last_of(u'/');
  return cut == std::u16string::npos ? std::u16string() : path.substr(0, cut + 1);
}

}  // namespace

bool readGameInformation(const std::u16string& path, PlaylistEntry& entry) {
  GameRecord scratch;
  return !readGameInformation(path, entry, scratch);
}

ListOutcome addGames(PlaylistContext& context, const std::vector<std::u16string>& paths,
                     const std::function<void(int read)>& progress, std::vector<SkippedFile>* skipped) {
  Playlist& playlist = context.playlist;
  const std::u16string capacityText = u"プレイリストは" + decimalText(kPlaylistCapacity) + u"局までです";
  if (playlist.isFull()) {
    tell(context, capacityText, u"Mokuza", platform::Icon::Warning);
    return ListOutcome::Refused;
  }
  storeShownDesign(context);
  GameFiles files = readGameFiles(playlist, paths, progress);
  // Asked before the lock is taken; No keeps the added games in memory only.
  const bool confirmed = files.games.empty() || confirmShortenedWrite(playlist, context.services);

  std::set<int> added;
  bool written = false;
  {
    const FileLock lock(textToPath(playlist.path));
    if (changedOnDisk(playlist)) readPlaylistAgain(context);
    std::unordered_set<std::u16string> listed = listedFiles(playlist);
    const PlaylistEntry design = shownDesign(context.doc.state);
    const std::u16string now = localTimeText(context.services);
    std::int32_t number = largestNumber(playlist);
    for (GameFile& game : files.games) {
      if (!listed.insert(game.path).second) {
        files.skipped.push_back({game.path, SkipReason::Listed});
        continue;
      }
      if (playlist.isFull()) {
        files.roomRanOut = true;
        break;
      }
      const int record = addGameNumbered(playlist, design, game.path, now, ++number);
      PlaylistEntry& entry = playlist.entries[static_cast<std::size_t>(record)];
      for (auto& [label, value] : game.information.textFields)
        entry.textFields.insert_or_assign(label, std::move(value));
      added.insert(record);
    }
    if (!added.empty()) {
      renumber(playlist, numbersFixed(context));
      playlist.list.selected = added;
      playlist.list.anchor = *added.rbegin();
      written = confirmed && saveLockedPlaylist(context);
    }
  }
  if (skipped) *skipped = std::move(files.skipped);
  if (files.roomRanOut) tell(context, capacityText, u"Mokuza", platform::Icon::Warning);
  if (added.empty()) {
    tell(context, u"追加可能なSGFファイルがありませんでした", u"エラー", platform::Icon::Error);
    return ListOutcome::Nothing;
  }
  const std::u16string description = u"対局を追加 " + selectionText(playlist);
  if (!confirmed) {
    recordUndo(context.doc, description);
    return ListOutcome::NotWritten;
  }
  const ListOutcome status = recordListChange(context, description, written);
  tell(context, decimalText(static_cast<std::int64_t>(added.size())) + u"個のSGFファイルの追加をおこないました",
       u"完了", platform::Icon::Information);
  return status;
}

ListOutcome createPlaylistAt(PlaylistContext& context, const std::u16string& path) {
  const std::u16string full = fullPath(path);
  if (!writeTextFile(textToPath(full), kEmptyPlaylistText)) {
    reportWriteFailure(context);
    return ListOutcome::WriteFailed;
  }
  Playlist& playlist = context.playlist;
  SnapshotTable snapshots = std::move(playlist.snapshots);
  playlist = Playlist();
  playlist.snapshots = std::move(snapshots);
  playlist.path = full;
  playlist.folder = folderOf(full);
  playlist.beforeFolder = playlist.folder;
  noteFileWritten(playlist);
  // The shown game is no longer one of the playlist's.
  context.doc.state.playlistIndex = 0;
  setDesignValue(context.doc.state.design, DesignField::LastMove, kLastMoveWhole);
  addRecent(context.doc.recentPlaylists, full);
  return ListOutcome::Done;
}

ListOutcome askAndCreatePlaylist(PlaylistContext& context) {
  platform::FileDialogRequest dialog;
  dialog.title = u"プレイリストの作成";
  dialog.filters = playlistFilters();
  dialog.defaultExtension = u"gpl";
  dialog.initialName = textToPath(u"無題のプレイリスト");
  dialog.overwritePrompt = true;
  const auto chosen = context.services.saveFileDialog(dialog);
  if (!chosen) return ListOutcome::Nothing;
  return createPlaylistAt(context, pathToText(*chosen));
}

ListOutcome openPlaylistFile(PlaylistContext& context, const std::u16string& path) {
  PlaylistEntry design = shownDesign(context.doc.state);
  std::function<void(int)> gameRead;
  if (context.showLoading)
    gameRead = [&context, name = fileNameOf(path)](int games) {
      context.showLoading(playlistLoadingTitle(name, games));
    };
  const int read =
      ReadPlaylist(context.playlist, design, path, false, context.services, context.programFolder, gameRead);
  if (read == kPlaylistReadForeign) {
    context.services.messageBox({std::u16string(fileNameOf(path)) + u" はプレイリストではありません", u"エラー",
                                 platform::Buttons::Ok, platform::Icon::Error});
    return ListOutcome::Refused;
  }
  if (read != kPlaylistReadOk) return ListOutcome::Nothing;
  setShownDesign(context.doc.state, design);
  context.doc.state.playlistIndex = 0;
  addRecent(context.doc.recentPlaylists, context.playlist.path);
  return ListOutcome::Done;
}

namespace {

ListOutcome savePlaylistAs(PlaylistContext& context, const std::u16string& path) {
  if (!confirmShortenedWrite(context.playlist, context.services)) return ListOutcome::NotWritten;
  storeShownDesign(context);
  Playlist& playlist = context.playlist;
  const std::u16string full = fullPath(path);
  const std::u16string oldPath = playlist.path, oldFolder = playlist.folder, oldBefore = playlist.beforeFolder;
  playlist.path = full;
  playlist.folder = folderOf(full);
  playlist.beforeFolder = playlist.folder;
  bool written = false;
  {
    const FileLock lock(textToPath(full));
    written = playlist.displayOrder.empty()
                  ? writeTextFile(textToPath(full), kEmptyPlaylistText).ok()
                  : WritePlaylist(playlist, {context.programFolder, context.doc.currentMove()});
  }
  if (!written) {
    playlist.path = oldPath;
    playlist.folder = oldFolder;
    playlist.beforeFolder = oldBefore;
    reportWriteFailure(context);
    return ListOutcome::WriteFailed;
  }
  noteFileWritten(playlist);
  addRecent(context.doc.recentPlaylists, full);
  return ListOutcome::Done;
}

}  // namespace

ListOutcome askAndSavePlaylistAs(PlaylistContext& context) {
  platform::FileDialogRequest dialog;
  dialog.title = u"プレイリストを別名保存";
  dialog.filters = playlistFilters();
  dialog.defaultExtension = u"gpl";
  dialog.initialName = textToPath(fileNameOf(context.playlist.path));
  dialog.overwritePrompt = true;
  const auto chosen = context.services.saveFileDialog(dialog);
  if (!chosen) return ListOutcome::Nothing;
  return savePlaylistAs(context, pathToText(*chosen));
}

}  // namespace mokuza
