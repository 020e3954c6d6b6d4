#include "playlist/playlist_reader.h"

#include <algorithm>
#include <map>
#include <set>
#include <system_error>

#include "core/record/decimal.h"
#include "core/record/text.h"
#include "platform/user_files.h"
#include "playlist/design_fields.h"
#include "playlist/local_time.h"
#include "playlist/playlist_paths.h"

namespace mokuza {
namespace {

bool isEmptyValue(std::u16string_view value) { return value.empty() || value == u" "; }

bool startsWith(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The next '<' that opens a tag: "<>" stands for a '<' inside a path value.
std::size_t nextTagOpen(std::u16string_view text, std::size_t from) {
  std::size_t at = text.find(u'<', from);
  while (at != std::u16string_view::npos && at + 1 < text.size() && text[at + 1] == u'>') at = text.find(u'<', at + 2);
  return at;
}

// The characters an entry holds, for the text budget.
std::size_t entrySize(const PlaylistEntry& entry) {
  std::size_t size = 0;
  for (const LabelMap* map : {&entry.textFields, &entry.fileFolders, &entry.fileNames})
    for (const auto& [label, value] : *map) size += label.size() + value.size();
  return size + entry.intFields.size() * 8;
}

class Reader {
 public:
  Reader(const PlaylistReadContext& context, std::vector<MovedFile> movedFiles)
      : context_(context),
        resolver_(context.playlistFolder, context.beforeFolder, context.programFolder, std::move(movedFiles)),
        working_(context.base) {
    working_.number = 1;
  }

  PlaylistReadResult run(std::u16string_view text) {
    std::size_t pos = nextTagOpen(text, 0);
    while (pos != std::u16string_view::npos) {
      const std::size_t close = text.find(u'>', pos + 1);
      if (close == std::u16string_view::npos) break;
      const std::size_t next = nextTagOpen(text, close + 1);
      const std::size_t end = next == std::u16string_view::npos ? text.size() : next;
      handle(text.substr(pos + 1, close - pos - 1), unescaped(text.substr(close + 1, end - close - 1)));
      pos = next;
    }
    flushAliasGroup();
    const int count = static_cast<int>(result_.entries.size());
    if (result_.shownIndex < 1 || result_.shownIndex > count) result_.shownIndex = count > 0 ? 1 : 0;
    return std::move(result_);
  }

 private:
  // The value with each "<>" back as '<'; values without one are used as they stand.
  std::u16string_view unescaped(std::u16string_view value) {
    if (value.find(u'<') == std::u16string_view::npos) return value;
    unescaped_.clear();
    for (std::size_t i = 0; i < value.size(); ++i) {
      unescaped_.push_back(value[i]);
      if (value[i] == u'<') ++i;
    }
    return unescaped_;
  }

  void handle(std::u16string_view name, std::u16string_view value) {
    if (result_.stoppedEarly) {
      // Only counted from here on: the games the list cannot hold.
      if (const std::size_t at = name.find(u"Game."); at != std::u16string_view::npos) startGame(name.substr(at + 5));
      return;
    }
    if (startsWith(name, u"plyrn")) {
      aliasName(name.substr(5), value);
      return;
    }
    flushAliasGroup();
    if (const std::size_t at = name.find(u"Game."); at != std::u16string_view::npos) {
      startGame(name.substr(at + 5));
      return;
    }
    if (name == u"position") {
      position_ = parseInt32(value);
    } else if (name == u"plmove") {
      result_.shownMove = parseInt32(value);
    } else if (name == u"before_folder") {
      result_.beforeFolder =
          asFolder(normalisedPath(joinPath(pathToText(context_.programFolder), isEmptyValue(value) ? u"" : value)));
      useBeforeFolder();
    } else if (name == u"before_folderA") {
      result_.beforeFolderAbsolute = isEmptyValue(value) ? std::u16string() : asFolder(normalisedPath(value));
      useBeforeFolder();
    } else if (name == u"listitem") {
      result_.columns = parseColumnLayout(value);
    } else if (startsWith(name, u"record") && (name.size() == 7 || name.size() == 8) && isDigit(name[6]) &&
               isDigit(name.back())) {
      const std::int64_t k = parseLeadingNumber(name.substr(6), 0, 99);
      if (k >= 1 && k < static_cast<std::int64_t>(working_.figureEnds.size()))
        working_.figureEnds[static_cast<std::size_t>(k)] =
            static_cast<std::uint32_t>(parseLeadingNumber(value, 0, UINT32_MAX));
    } else {
      field(name, value);
    }
  }

  // The folder the playlist was written in, where files that stayed behind
  // are looked for: before_folder, or its absolute form when only that exists
  // (the program folder of the reader may not be the writer's).
  void useBeforeFolder() {
    const std::u16string& relative = result_.beforeFolder;
    const std::u16string& absolute = result_.beforeFolderAbsolute;
    const std::u16string& folder = !pathExists(relative) && pathExists(absolute) ? absolute : relative;
    if (!folder.empty()) resolver_.setBeforeFolder(folder);
  }

  void startGame(std::u16string_view digits) {
    if (inGame_) commit();
    const bool starts = digits != u"end";
    if (result_.stoppedEarly) {
      if (starts) ++result_.gamesLeftOut;
      return;
    }
    inGame_ = starts;
    if (inGame_)
      working_.number = static_cast<std::int32_t>(std::clamp<std::int64_t>(
          parseLeadingNumber(digits.substr(0, 255), INT32_MIN, INT32_MAX), 1, kPlaylistCapacity));
  }

  void commit() {
    inGame_ = false;
    if (result_.entries.size() >= static_cast<std::size_t>(kPlaylistCapacity)) {
      leaveOut();
      return;
    }
    resolvePendingFiles();
    textHeld_ += entrySize(working_);
    if (textHeld_ > kReadTextBudget) {
      leaveOut();
      return;
    }
    result_.entries.push_back(working_);
    if (context_.gameRead) context_.gameRead(static_cast<int>(result_.entries.size()));
    if (working_.number == position_) result_.shownIndex = static_cast<int>(result_.entries.size());
  }

  void leaveOut() {
    result_.stoppedEarly = true;
    ++result_.gamesLeftOut;
  }

  void field(std::u16string_view name, std::u16string_view value) {
    std::string key;
    key.reserve(name.size());
    for (char16_t c : name) {
      if (c >= 128) return;
      key.push_back(static_cast<char>(c));
    }
    const std::optional<KeyedField> keyed = fieldForKey(key);
    if (!keyed) return;
    const std::u16string label(keyed->label);
    switch (keyed->kind) {
      case FieldKind::Folder:
        storedFolders_.insert_or_assign(label, std::u16string(isEmptyValue(value) ? u"" : value));
        pending_.insert(label);
        break;
      case FieldKind::FileName:
        if (isEmptyValue(value)) {
          working_.fileFolders.erase(label);
          working_.fileNames.erase(label);
          pendingNames_.erase(label);
          pending_.erase(label);
          break;
        }
        pendingNames_.insert_or_assign(label, std::u16string(value));
        pending_.insert(label);
        break;
      case FieldKind::Text:
        if ((label == kRegisteredLabel || label == kAccessedLabel) && (isEmptyValue(value) || value == u"0"))
          working_.textFields.insert_or_assign(label, context_.now);
        else if (isEmptyValue(value)) working_.textFields.erase(label);
        else working_.textFields.insert_or_assign(label, std::u16string(value));
        break;
      case FieldKind::Integer:
        if (isEmptyValue(value)) working_.intFields.erase(label);
        else working_.intFields.insert_or_assign(label, parseInt32(value));
        break;
      case FieldKind::Column: break;
    }
  }

  // A folder value as a full folder: the first candidate that exists, else
  // below the playlist's folder.
  std::u16string folderFor(std::u16string_view stored) const {
    std::u16string found = resolver_.resolve(stored, u"");
    if (found.empty()) found = normalisedPath(joinPath(resolver_.playlistFolder(), stored));
    return asFolder(found);
  }

  // The file fields the block named, resolved once it is complete. A file is
  // looked for as its stored folder and name together below each base folder
  // (an empty folder is the playlist's own, which the file may have left); a
  // field whose folder the text never named keeps the folder it has.
  void resolvePendingFiles() {
    for (const std::u16string& label : pending_) {
      const auto stored = storedFolders_.find(label);
      const auto named = pendingNames_.find(label);
      const auto held = working_.fileNames.find(label);
      if (named == pendingNames_.end() && held == working_.fileNames.end()) {
        working_.fileFolders.insert_or_assign(label, folderFor(stored->second));
        continue;
      }
      const std::u16string name = named != pendingNames_.end() ? named->second : held->second;
      const std::u16string folder = stored != storedFolders_.end() ? stored->second : currentFolder(label);
      std::u16string found = resolver_.resolve(name, folder);
      if (!found.empty() && stored != storedFolders_.end()) {
        // Where the file was found (through the moved-file table, too) is
        // the folder the next entries without one carry on from.
        storedFolders_.erase(stored);
      } else if (found.empty()) {
        found = withSlashes(joinPath(stored != storedFolders_.end() ? folderFor(folder) : folder, name));
      }
      SetFilePath(working_, label, found);
    }
    pending_.clear();
    pendingNames_.clear();
  }

  std::u16string currentFolder(const std::u16string& label) const {
    auto it = working_.fileFolders.find(label);
    return it == working_.fileFolders.end() ? std::u16string() : it->second;
  }

  // "plyrnG-N": name N of group G. A new group number, or any other tag,
  // closes the group being read.
  void aliasName(std::u16string_view numbers, std::u16string_view value) {
    const std::size_t dash = numbers.find(u'-');
    if (dash == 0 || dash == std::u16string_view::npos || dash + 1 >= numbers.size() || !isDigit(numbers[0]) ||
        !isDigit(numbers[dash + 1]))
      return;
    const std::int64_t group = parseLeadingNumber(numbers.substr(0, dash), 0, INT32_MAX);
    const std::int64_t name = parseLeadingNumber(numbers.substr(dash + 1), 0, INT32_MAX);
    if (aliasOpen_ && group != aliasNumber_) flushAliasGroup();
    if (name >= static_cast<std::int64_t>(kAliasNamesRead)) return;
    aliasOpen_ = true;
    aliasNumber_ = group;
    auto& names = alias_.names;
    if (names.size() <= static_cast<std::size_t>(name)) names.resize(static_cast<std::size_t>(name) + 1);
    names[static_cast<std::size_t>(name)] = std::u16string(value.substr(0, kAliasNameLength));
  }

  void flushAliasGroup() {
    if (!aliasOpen_) return;
    aliasOpen_ = false;
    bool any = false;
    for (const std::u16string& n : alias_.names) any = any || !n.empty();
    if (any) result_.aliasGroups.push_back(std::move(alias_));
    alias_ = AliasGroup();
  }

  const PlaylistReadContext& context_;
  PathResolver resolver_;
  PlaylistEntry working_;
  std::map<std::u16string, std::u16string, std::less<>> storedFolders_;  // folder values as the text gives them
  std::map<std::u16string, std::u16string, std::less<>> pendingNames_;   // file values of the block
  std::set<std::u16string, std::less<>> pending_;                        // file fields the block named
  std::u16string unescaped_;
  PlaylistReadResult result_;
  std::int32_t position_ = 0;
  bool inGame_ = false;
  std::size_t textHeld_ = 0;
  bool aliasOpen_ = false;
  std::int64_t aliasNumber_ = 0;
  AliasGroup alias_;
};

std::u16string withoutLineBreaks(std::u16string_view text) {
  // Copied whole, then closed up: a text has few breaks, and a copy and one
  // compare per character cost far less than a growing string.
  std::u16string out(text);
  out.erase(std::remove_if(out.begin(), out.end(), [](char16_t c) { return c == u'\r' || c == u'\n'; }), out.end());
  return out;
}

// The design part of the shown design: what the first game of a text starts from.
PlaylistEntry designBase(const PlaylistEntry& shownDesign) {
  PlaylistEntry base;
  base.intFields = shownDesign.intFields;
  base.fileFolders = shownDesign.fileFolders;
  base.fileNames = shownDesign.fileNames;
  base.fileFolders.erase(std::u16string(kSgfFileLabel));
  base.fileNames.erase(std::u16string(kSgfFileLabel));
  return base;
}

// The file's text, or none when it cannot be read or is no regular file.
DecodedText readPlaylistFileText(const std::filesystem::path& path, platform::Services& services) {
  const platform::FileRead file = platform::readUserFile(path, kPlaylistFileMax);
  if (!file) services.diagnostic("File Open Error: " + file.error);
  return file.bytes.empty() ? DecodedText() : decodeFileText(file.bytes, TextKind::Plain);
}

// A playlist file begins with its first tag or with its table of moved
// files; a game record or any other text does not, and is never taken for
// an empty playlist that a later write would replace.
bool isPlaylistText(std::u16string_view text) {
  const std::size_t first = text.find_first_not_of(u" \t\r\n");
  return first == std::u16string_view::npos || text[first] == u'<' || text[first] == u'$';
}

}  // namespace

PlaylistReadResult parsePlaylistText(std::u16string_view text, const PlaylistReadContext& context) {
  const std::u16string flat = withoutLineBreaks(text);
  std::vector<MovedFile> moved;
  if (!flat.empty() && flat.front() != u'<') {
    moved = parseMovedFiles(flat);
    followMovedFiles(moved);
  }
  Reader reader(context, moved);
  PlaylistReadResult result = reader.run(flat);
  result.movedFiles = std::move(moved);
  return result;
}

std::u16string playlistLoadingTitle(std::u16string_view fileName, int gamesRead) {
  return u"プレイリスト〈" + std::u16string(fileName) + u"〉読み込み中〔" + decimalText(gamesRead) +
         u"局目〕 - Mokuza";
}

int ReadPlaylist(Playlist& playlist, PlaylistEntry& shownDesign, const std::u16string& source, bool fromClipboard,
                 platform::Services& services, const std::filesystem::path& programFolder,
                 const std::function<void(int gamesRead)>& gameRead) {
  std::u16string fullPath;
  std::u16string text;
  bool bytesReplaced = false;
  std::optional<FileStamp> stamp;
  if (fromClipboard) {
    text = services.clipboardText();
  } else {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(textToPath(source), ec);
    fullPath = normalisedPath(pathToText(ec ? textToPath(source) : absolute));
    stamp = fileStampOf(textToPath(fullPath));
    DecodedText decoded = readPlaylistFileText(textToPath(fullPath), services);
    text = std::move(decoded.text);
    bytesReplaced = decoded.readInPart;
  }
  if (withoutLineBreaks(text).empty()) return kPlaylistReadEmpty;
  if (!fromClipboard && !isPlaylistText(text)) return kPlaylistReadForeign;

  PlaylistReadContext context;
  context.programFolder = programFolder;
  context.now = localTimeText(services);
  if (fromClipboard) {
    context.playlistFolder = asFolder(playlist.folder);
    context.beforeFolder = playlist.beforeFolder.empty() ? context.playlistFolder : playlist.beforeFolder;
    context.base = designBase(shownDesign);
    PlaylistReadResult result = parsePlaylistText(text, context);
    playlist.list.copiedGames = std::move(result.entries);
    // Games from the clipboard are no entries of the list.
    playlist.list.copiedRecords.assign(playlist.list.copiedGames.size(), -1);
    return kPlaylistReadOk;
  }

  const std::size_t cut = fullPath.find_last_of(u'/');
  context.playlistFolder = cut == std::u16string::npos ? std::u16string() : fullPath.substr(0, cut + 1);
  context.beforeFolder = context.playlistFolder;
  InitialDesign(shownDesign);
  context.base = designBase(shownDesign);
  context.gameRead = gameRead;
  PlaylistReadResult result = parsePlaylistText(text, context);

  playlist.path = fullPath;
  playlist.folder = context.playlistFolder;
  playlist.entries = std::move(result.entries);
  playlist.displayOrder.clear();
  for (int k = 0; k < static_cast<int>(playlist.entries.size()); ++k) playlist.displayOrder.push_back(k);
  playlist.freeRecords.clear();
  playlist.currentGameIndex = result.shownIndex;
  playlist.shownMove = result.shownMove;
  playlist.gamesLeftOut = result.gamesLeftOut;
  playlist.bytesReplaced = bytesReplaced;
  playlist.columns = result.columns ? std::move(*result.columns) : defaultPlaylistColumns();
  playlist.aliasGroups = std::move(result.aliasGroups);
  playlist.movedFiles = std::move(result.movedFiles);
  playlist.beforeFolder = result.beforeFolder.empty() ? context.playlistFolder : result.beforeFolder;
  if (!pathExists(playlist.beforeFolder) && pathExists(result.beforeFolderAbsolute))
    playlist.beforeFolder = result.beforeFolderAbsolute;
  playlist.list.selected.clear();
  playlist.list.anchor = -1;
  playlist.list.savedOrder.reset();
  playlist.fileStamp = stamp;
  return kPlaylistReadOk;
}

}  // namespace mokuza
