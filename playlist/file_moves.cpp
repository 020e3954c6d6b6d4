#include "playlist/file_moves.h"

#include <algorithm>
#include <span>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

#include "core/document/undo.h"
#include "core/record/decimal.h"
#include "core/record/property_tables.h"
#include "core/record/text.h"
#include "playlist/file_ops.h"
#include "playlist/list_texts.h"
#include "playlist/playlist_paths.h"
#include "playlist/playlist_writer.h"
#include "playlist/snapshots.h"

namespace mokuza {
namespace {

// Names longer than this (in UTF-8 bytes) are cut, so that a name with its
// extension and a numbered suffix still fits the file systems' 255.
constexpr std::size_t kStemBytesMax = 200;

struct NameParts {
  std::u16string folder;  // with its separator
  std::u16string stem;
  std::u16string extension;  // with its dot, empty when none
};

NameParts splitName(std::u16string_view path) {
  const std::size_t cut = path.find_last_of(u"\\/");
  const std::size_t nameStart = cut == std::u16string_view::npos ? 0 : cut + 1;
  NameParts parts;
  parts.folder = std::u16string(path.substr(0, nameStart));
  const std::u16string_view name = path.substr(nameStart);
  const std::size_t dot = name.find_last_of(u'.');
  const std::size_t stemEnd = dot == std::u16string_view::npos || dot == 0 ? name.size() : dot;
  parts.stem = std::u16string(name.substr(0, stemEnd));
  parts.extension = std::u16string(name.substr(stemEnd));
  return parts;
}

bool isLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }

char16_t safeChar(char16_t c) {
  if (c < 0x20 || c == 0x7F) return u'_';
  switch (c) {
    case u'\\':
    case u'/':
    case u':':
    case u'*':
    case u'?':
    case u'"':
    case u'<':
    case u'>':
    case u'|': return u'_';
    default: return c;
  }
}

std::u16string cutToBytes(std::u16string text, std::size_t bytes) {
  while (utf16ToUtf8(text).size() > bytes && !text.empty()) {
    text.pop_back();
    if (!text.empty() && text.back() >= 0xD800 && text.back() <= 0xDBFF) text.pop_back();
  }
  return text;
}

bool exists(const std::u16string& path) {
  std::error_code ec;
  return std::filesystem::symlink_status(textToPath(path), ec).type() != std::filesystem::file_type::not_found && !ec;
}

// A path for stem + extension in the folder that no file has and no other
// planned move takes.
std::u16string freePath(const std::u16string& folder, const std::u16string& stem, const std::u16string& extension,
                        const std::unordered_set<std::u16string>& taken) {
  std::u16string candidate = folder + stem + extension;
  for (int k = 2; exists(candidate) || taken.contains(candidate); ++k)
    candidate = folder + stem + u" (" + decimalText(k) + u")" + extension;
  return candidate;
}

std::vector<int> selectedRecords(const Playlist& playlist) {
  std::vector<int> records;
  for (int place : selectedPlaces(playlist)) records.push_back(playlist.displayOrder[static_cast<std::size_t>(place)]);
  return records;
}

// The extensions a file of each field may have: a playlist from elsewhere
// must not get any other file of the user's renamed or moved.
constexpr std::u16string_view kImageExtensions[] = {u".jpg", u".jpeg", u".png", u".bmp", u".gif"};
constexpr std::u16string_view kSoundExtensions[] = {u".wav"};
constexpr std::u16string_view kGameExtensions[] = {u".sgf"};

std::span<const std::u16string_view> extensionsOf(std::u16string_view fileLabel) {
  if (fileLabel == kSgfFileLabel) return kGameExtensions;
  if (fileLabel == fieldInfo(FileField::BlackSound).label || fileLabel == fieldInfo(FileField::WhiteSound).label)
    return kSoundExtensions;
  return kImageExtensions;
}

bool fitsField(std::u16string_view extension, std::u16string_view fileLabel) {
  std::u16string lower(extension);
  for (char16_t& c : lower)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  const auto allowed = extensionsOf(fileLabel);
  return std::find(allowed.begin(), allowed.end(), lower) != allowed.end();
}

// Only a regular file (or a link to one) named by its full path, not hidden,
// with an extension of the field.
bool mayTouch(const std::u16string& path, const NameParts& parts, std::u16string_view fileLabel) {
  std::error_code ec;
  return !path.empty() && path.front() == u'/' && !parts.stem.empty() && parts.stem.front() != u'.' &&
         fitsField(parts.extension, fileLabel) && std::filesystem::is_regular_file(textToPath(path), ec);
}

// The files of the selected games, each once, with the path each should get.
template <typename Target>
std::vector<PlannedMove> plan(const Playlist& playlist, std::u16string_view fileLabel, Target target) {
  std::vector<PlannedMove> moves;
  std::unordered_set<std::u16string> seen;
  std::unordered_set<std::u16string> taken;
  for (int record : selectedRecords(playlist)) {
    const PlaylistEntry& entry = playlist.entries[static_cast<std::size_t>(record)];
    const std::u16string path = FilePath(entry, fileLabel);
    if (path.empty() || !seen.insert(path).second) continue;
    const NameParts parts = splitName(path);
    if (!mayTouch(path, parts, fileLabel)) continue;
    const std::optional<NameParts> wanted = target(entry, parts);
    if (!wanted || wanted->stem.empty()) continue;
    if (normalisedPath(wanted->folder + wanted->stem + wanted->extension) == normalisedPath(path)) continue;
    const std::u16string newPath = freePath(wanted->folder, wanted->stem, wanted->extension, taken);
    taken.insert(newPath);
    moves.push_back({path, newPath});
  }
  return moves;
}

void tell(PlaylistContext& context, std::u16string text, std::u16string_view title, platform::Icon icon) {
  context.services.messageBox({std::move(text), std::u16string(title), platform::Buttons::Ok, icon});
}

// One file field of one entry that followed a moved file.
struct PathChange {
  PlaylistEntry* entry;
  std::u16string label;
  std::u16string oldPath;
  std::u16string movedTo;  // the new path of the file it followed
};

struct FollowedMoves {
  std::vector<PathChange> changes;
  std::vector<MovedFile> movedFilesBefore;
};

// A link that names nothing since its file moved: the file's new path.
std::optional<std::u16string> whereLinkedFileWent(const std::u16string& path,
                                                  const std::unordered_map<std::u16string, std::u16string>& newPaths) {
  std::error_code ec;
  const std::filesystem::path link = textToPath(path);
  if (!std::filesystem::is_symlink(std::filesystem::symlink_status(link, ec)) || std::filesystem::exists(link, ec))
    return std::nullopt;
  const std::filesystem::path target = std::filesystem::read_symlink(link, ec);
  if (ec) return std::nullopt;
  const auto it = newPaths.find(normalisedPath(pathToText(link.parent_path() / target)));
  if (it == newPaths.end()) return std::nullopt;
  return it->second;
}

// Every entry, copied game and the shown game that used a moved file takes its
// new path; so does one that used a link to a moved file.
FollowedMoves followMoves(PlaylistContext& context, const std::vector<PlannedMove>& done) {
  std::unordered_map<std::u16string, std::u16string> newPaths;
  for (const PlannedMove& move : done) newPaths.emplace(move.oldPath, move.newPath);
  FollowedMoves followed;
  auto update = [&](PlaylistEntry& entry) {
    std::vector<std::u16string> labels;
    for (const auto& [label, folder] : entry.fileFolders) labels.push_back(label);
    for (const std::u16string& label : labels) {
      const std::u16string path = FilePath(entry, label);
      std::optional<std::u16string> newPath;
      if (auto it = newPaths.find(path); it != newPaths.end()) newPath = it->second;
      if (auto linked = whereLinkedFileWent(newPath.value_or(path), newPaths)) newPath = linked;
      if (!newPath) continue;
      followed.changes.push_back({&entry, label, path, *newPath});
      SetFilePath(entry, label, *newPath);
    }
  };
  Playlist& playlist = context.playlist;
  for (int record : playlist.displayOrder) update(playlist.entries[static_cast<std::size_t>(record)]);
  for (PlaylistEntry& copy : playlist.list.copiedGames) update(copy);
  update(context.doc.state.gameInfo);
  followed.movedFilesBefore = playlist.movedFiles;
  for (const PlannedMove& move : done) playlist.movedFiles.push_back({move.oldPath, move.newPath});
  // A long table is no longer worth carrying: the entries hold the new paths.
  if (playlist.movedFiles.size() > static_cast<std::size_t>(kFileMoveLimit)) playlist.movedFiles.clear();
  return followed;
}

// The playlist could not be written: the files go back to their old names and
// the entries with them, so that the file on disk still names them. What could
// not be put back stays in `done`, its entries following it.
void putBack(PlaylistContext& context, FileMoveOutcome& outcome, const FollowedMoves& followed) {
  std::unordered_set<std::u16string> back;
  std::vector<PlannedMove> stayed;
  for (auto move = outcome.done.rbegin(); move != outcome.done.rend(); ++move) {
    if (moveFileNoReplace(textToPath(move->newPath), textToPath(move->oldPath))) stayed.push_back(*move);
    else back.insert(move->newPath);
  }
  for (const PathChange& change : followed.changes)
    if (back.contains(change.movedTo)) SetFilePath(*change.entry, change.label, change.oldPath);
  outcome.done.assign(stayed.rbegin(), stayed.rend());
  context.playlist.movedFiles = followed.movedFilesBefore;
  for (const PlannedMove& move : outcome.done) context.playlist.movedFiles.push_back({move.oldPath, move.newPath});
}

// Undo cannot reach across files that moved: the history keeps only the
// entry of the operation itself, which is logged like every other change.
void clearHistory(PlaylistContext& context, std::u16string_view description) {
  Document& doc = context.doc;
  recordUndo(doc, description);
  if (doc.undoEntries.size() > 1) doc.undoEntries.erase(doc.undoEntries.begin(), doc.undoEntries.end() - 1);
  doc.undoIndex = doc.undoEntries.empty() ? -1 : 0;
  doc.undoCount = 0;
  SnapshotTable& table = context.playlist.snapshots;
  deleteSnapshotFiles(table, context.programFolder);
  table.current = table.counter;
  doc.state.playlistSnapshot = table.counter;
  if (!doc.undoEntries.empty()) doc.undoEntries.back().state.playlistSnapshot = table.counter;
}

// Every file the command will touch, by its full path, before anything moves.
bool confirmedWithPaths(PlaylistContext& context, const std::vector<PlannedMove>& moves, std::u16string_view action) {
  std::u16string text = u"次の" + decimalText(static_cast<std::int64_t>(moves.size())) + u"個のファイルを" +
                        std::u16string(action) + u"します。よろしいですか？\n";
  for (const PlannedMove& move : moves) text += u"\n" + move.oldPath + u"\n　→ " + move.newPath;
  return context.services.messageBox({std::move(text), u"Mokuza", platform::Buttons::OkCancel,
                                      platform::Icon::Question}) == platform::Answer::Ok;
}

// Steps 1 and 2 of both commands: the limit and the question.
bool mayProceed(PlaylistContext& context, std::size_t selected) {
  if (selected > static_cast<std::size_t>(kFileMoveLimit)) {
    tell(context,
         u"移動・名前変更は" + decimalText(kFileMoveLimit) + u"ファイルまでです（現在選択数 " +
             decimalText(static_cast<std::int64_t>(selected)) + u"）",
         u"Mokuza", platform::Icon::Warning);
    return false;
  }
  GlobalOptions& options = context.doc.globalOptions;
  const std::int32_t asked = option(options, GlobalOption::FirstConfirmation);
  bool confirmed = true;
  if (asked % 10 == 0)
    confirmed =
        context.services.messageBox({u"ファイルの移動・名前変更を行うと完了後に履歴が消去されます", u"Mokuza",
                                     platform::Buttons::OkCancel, platform::Icon::Warning, true}) == platform::Answer::Ok;
  options[GlobalOption::FirstConfirmation] = asked + 1;
  // Asked before anything moves: files renamed for a list that then cannot be
  // written would have to be put back.
  return confirmed && confirmShortenedWrite(context.playlist, context.services);
}

template <typename Planner>
FileMoveOutcome run(PlaylistContext& context, std::u16string_view actionName, std::u16string_view noneName,
                    Planner planner) {
  FileMoveOutcome outcome;
  Playlist& playlist = context.playlist;
  const std::vector<int> places = selectedPlaces(playlist);
  if (places.empty()) return outcome;
  if (places.size() > static_cast<std::size_t>(kFileMoveLimit)) outcome.status = ListOutcome::Refused;
  if (!mayProceed(context, places.size())) return outcome;
  const std::vector<PlannedMove> moves = planner();
  if (moves.empty()) {
    tell(context, std::u16string(noneName) + u"可能なファイルがありませんでした", u"エラー", platform::Icon::Error);
    return outcome;
  }
  if (!confirmedWithPaths(context, moves, noneName)) return outcome;

  storeShownDesign(context);
  const std::u16string shownFile = FilePath(context.doc.state.gameInfo, kSgfFileLabel);
  for (const PlannedMove& move : moves) {
    const std::error_code ec = moveFileNoReplace(textToPath(move.oldPath), textToPath(move.newPath));
    if (ec) {
      outcome.error = utf8ToUtf16(ec.message()) + u"\n" + move.oldPath;
      break;
    }
    outcome.done.push_back(move);
  }
  if (outcome.done.empty()) {
    tell(context, outcome.error, u"エラー", platform::Icon::Error);
    return outcome;
  }

  // Named before the file is read again, which loses the selection.
  const std::u16string description = std::u16string(actionName) + u" " + selectionText(playlist);
  bool written = false;
  FollowedMoves followed;
  {
    const FileLock lock(textToPath(playlist.path));
    if (changedOnDisk(playlist)) readPlaylistAgain(context);
    followed = followMoves(context, outcome.done);
    written = WritePlaylist(playlist, {context.programFolder, context.doc.currentMove()});
    if (written) noteFileWritten(playlist);
  }
  if (!written) {
    putBack(context, outcome, followed);
    outcome.status = ListOutcome::WriteFailed;
    std::u16string text = u"プレイリストを保存できなかったため、ファイルを元に戻しました";
    if (!outcome.done.empty()) {
      text = u"プレイリストを保存できませんでした。次のファイルは元に戻せませんでした";
      for (const PlannedMove& move : outcome.done) text += u"\n" + move.newPath;
    }
    tell(context, text, u"エラー", platform::Icon::Error);
    return outcome;
  }

  const std::u16string report = decimalText(static_cast<std::int64_t>(outcome.done.size())) + u"個の" +
                                std::u16string(actionName) + u"をおこないました";
  clearHistory(context, description);
  if (FilePath(context.doc.state.gameInfo, kSgfFileLabel) != shownFile && context.reopenShownGame)
    context.reopenShownGame();
  if (!outcome.error.empty()) {
    tell(context, outcome.error + u"\n" + report, u"エラー", platform::Icon::Error);
    outcome.status = ListOutcome::Refused;
  } else {
    outcome.status = ListOutcome::Done;
    tell(context, report, u"完了", platform::Icon::Information);
  }
  return outcome;
}

}  // namespace

std::u16string expandRenamePattern(std::u16string_view pattern, const PlaylistEntry& entry,
                                   std::u16string_view fileLabel, int tagMax) {
  std::u16string expanded;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'<' && i + 3 < pattern.size() && isLetter(pattern[i + 1]) && isLetter(pattern[i + 2]) &&
        pattern[i + 3] == u'>') {
      std::u16string code{pattern[i + 1], pattern[i + 2]};
      for (char16_t& c : code)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
      if (code == u"FN") {
        expanded += splitName(FilePath(entry, fileLabel)).stem;
      } else if (const auto index = gameInfoIndexById(code)) {
        std::u16string value(textField(entry, kGameInfoFields[*index].label));
        if (tagMax >= 0 && value.size() > static_cast<std::size_t>(tagMax))
          value.resize(static_cast<std::size_t>(tagMax));
        expanded += value;
      }
      i += 3;
      continue;
    }
    expanded.push_back(pattern[i]);
  }
  for (char16_t& c : expanded) c = safeChar(c);
  // A leading dot would hide the file (".", ".." and "../x" give no name).
  expanded.erase(0, expanded.find_first_not_of(u'.'));
  return cutToBytes(std::move(expanded), kStemBytesMax);
}

std::u16string initialRenamePattern(const Playlist& playlist, std::u16string_view fileLabel) {
  std::unordered_set<std::u16string> files;
  const std::vector<int> records = selectedRecords(playlist);
  for (int record : records) files.insert(FilePath(playlist.entries[static_cast<std::size_t>(record)], fileLabel));
  if (files.size() > 1) return std::u16string(kDefaultRenamePattern);
  if (records.empty()) return std::u16string(kDefaultRenamePattern);
  const int anchor = playlist.list.selected.contains(playlist.list.anchor) ? playlist.list.anchor : records.front();
  return splitName(FilePath(playlist.entries[static_cast<std::size_t>(anchor)], fileLabel)).stem;
}

std::vector<PlannedMove> planRenames(const Playlist& playlist, std::u16string_view fileLabel,
                                     std::u16string_view pattern, int tagMax) {
  return plan(playlist, fileLabel, [&](const PlaylistEntry& entry, const NameParts& parts) -> std::optional<NameParts> {
    return NameParts{parts.folder, expandRenamePattern(pattern, entry, fileLabel, tagMax), parts.extension};
  });
}

std::vector<PlannedMove> planMoves(const Playlist& playlist, std::u16string_view fileLabel,
                                   std::u16string_view folder) {
  const std::u16string destination = asFolder(normalisedPath(folder));
  return plan(playlist, fileLabel, [&](const PlaylistEntry&, const NameParts& parts) -> std::optional<NameParts> {
    if (destination.empty()) return std::nullopt;
    return NameParts{destination, parts.stem, parts.extension};
  });
}

FileMoveOutcome renameFiles(PlaylistContext& context, std::u16string_view fileLabel, std::u16string_view pattern) {
  const int tagMax = option(context.doc.state.options, DocumentOption::RenameTagMax);
  return run(context, u"名前変更", u"名前変更",
             [&] { return planRenames(context.playlist, fileLabel, pattern, tagMax); });
}

FileMoveOutcome moveFiles(PlaylistContext& context, std::u16string_view fileLabel, std::u16string_view folder) {
  return run(context, u"ファイルの移動", u"移動", [&] { return planMoves(context.playlist, fileLabel, folder); });
}

}  // namespace mokuza
