#include "settings/settings_file.h"

#include <algorithm>
#include <system_error>
#include <unordered_map>

#include "core/document/recent_files.h"
#include "core/record/decimal.h"
#include "core/record/text.h"
#include "settings/design_values.h"
#include "settings/options.h"
#include "settings/settings_text.h"
#include "settings/stored_paths.h"

namespace mokuza {
namespace {

namespace fs = std::filesystem;
// Keys are compared as views: a key of another length is passed over at once.
using namespace std::string_view_literals;

// The file's text; `status` says whether there was one to read.
DecodedText loadSettingsText(const fs::path& file, SettingsRead& status) {
  const platform::FileRead read = platform::readUserFile(file, kSettingsFileMax);
  status = read.problem == platform::FileProblem::Missing ? SettingsRead::Absent
           : !read                                        ? SettingsRead::Unreadable
                                                          : SettingsRead::Whole;
  if (!read || read.bytes.empty()) return {};
  return decodeFileText(read.bytes, TextKind::Plain);
}

std::u16string withoutLineBreaks(std::u16string_view text) {
  std::u16string value;
  for (char16_t c : text)
    if (c != u'\r' && c != u'\n') value.push_back(c);
  return value;
}

// What a settings file is read into.
struct ReadTarget {
  Document& doc;
  Settings& settings;
  const SettingsContext& context;
};

// The option, design field or design file a key names: one lookup per tag,
// however many tables there are.
struct NamedSetting {
  const OptionInfo<GlobalOption>* global = nullptr;
  const OptionInfo<DocumentOption>* document = nullptr;
  const DesignFieldInfo* design = nullptr;
  const FileFieldInfo* file = nullptr;  // never the game file: it is no design file
};

const NamedSetting* namedSetting(std::string_view key) {
  static const std::unordered_map<std::string_view, NamedSetting> index = [] {
    std::unordered_map<std::string_view, NamedSetting> keys;
    for (const auto& info : kGlobalOptions) keys[info.key].global = &info;
    for (const auto& info : kDocumentOptions) keys[info.key].document = &info;
    for (const auto& info : kDesignFields)
      if (info.group != DesignGroup::Unlisted && !info.key.empty()) keys[info.key].design = &info;
    for (const auto& info : kFileFields)
      if (info.field != FileField::SgfFile) keys[info.key].file = &info;
    return keys;
  }();
  auto it = index.find(key);
  return it == index.end() ? nullptr : &it->second;
}

bool readNamedSetting(ReadTarget& target, const NamedSetting& named, std::u16string_view value) {
  DocumentState& state = target.doc.state;
  if (named.global) {
    target.doc.globalOptions[named.global->option] = checkedOption(named.global->option, parseInt32(value));
  } else if (named.document) {
    state.options[named.document->option] = checkedOption(named.document->option, parseInt32(value));
  } else if (named.design) {
    setDesignValue(state.design, named.design->field, clampedDesignValue(named.design->field, parseInt32(value)));
  } else if (named.file) {
    const auto path = resolveStoredPath(value, target.context.programFolder, PathKind::File);
    SetFilePath(state.gameInfo, named.file->field, path.value_or(u""));
  } else {
    return false;
  }
  return true;
}

bool readTypeface(ReadTarget& target, std::string_view key, std::u16string_view value) {
  if (key != kTypefaceKey) return false;
  target.doc.state.gameInfo.textFields.insert_or_assign(std::u16string(kTypefaceLabel), clipUtf16(value, kValueMax));
  return true;
}

bool readPaths(ReadTarget& target, std::string_view key, std::u16string_view value) {
  if (key == "playlist_path"sv) {
    // The playlist is written back to this path after every change, so it
    // must be a playlist file: never any other file a settings file names.
    const auto path = resolveStoredPath(value, target.context.programFolder, PathKind::File);
    if (path && isPlaylistPath(*path)) target.settings.playlistPath = *path;
    return true;
  }
  if (key == "history_path"sv) {
    if (const auto path = resolveStoredPath(value, target.context.programFolder, PathKind::Folder))
      target.settings.historyFolder = *path;
    return true;
  }
  return false;
}

bool readShowState(ReadTarget& target, std::string_view key, std::u16string_view value) {
  ListShowStates& shows = target.settings.shows;
  std::int32_t* show = key == "playlist_show"sv     ? &shows.playlist
                       : key == "eventlist_show"sv  ? &shows.eventList
                       : key == "figurelist_show"sv ? &shows.figureList
                                                    : nullptr;
  if (!show) return false;
  const std::int32_t state = parseInt32(value);
  *show = state >= 0 && state <= kListWindowHidden ? state : kListWindowHidden;
  return true;
}

bool readMidiPort(ReadTarget& target, std::string_view key, std::u16string_view value) {
  if (key != "midi_port"sv) return false;
  target.settings.midiPort = clipUtf16(value, kValueMax);
  return true;
}

// A layout block keeps its line feeds, less the one after its tag and the
// one before the next tag.
bool readLayout(ReadTarget& target, std::string_view key, std::u16string_view rawValue) {
  ListLayouts& columns = target.settings.columns;
  std::u16string* block = key == "pl_listitem"sv   ? &columns.playlist
                          : key == "ev_listitem"sv ? &columns.eventList
                          : key == "fg_listitem"sv ? &columns.figureList
                                                   : nullptr;
  if (!block) return false;
  if (rawValue.starts_with(u'\n')) rawValue.remove_prefix(1);
  if (rawValue.ends_with(u'\n')) rawValue.remove_suffix(1);
  block->clear();
  for (char16_t c : rawValue)
    if (c != u'\r') block->push_back(c);
  return true;
}

// "plyrn" row "-" column.
bool readPlayerName(ReadTarget& target, std::string_view key, std::u16string_view value) {
  constexpr std::string_view kPrefix = "plyrn";
  if (!key.starts_with(kPrefix)) return false;
  const std::u16string rest = asciiToUtf16(std::string_view(key).substr(kPrefix.size()));
  const std::size_t dash = rest.find(u'-');
  if (dash == std::u16string::npos) return true;
  const auto row = parseIndex(std::u16string_view(rest).substr(0, dash));
  const auto column = parseIndex(std::u16string_view(rest).substr(dash + 1));
  if (!row || !column || *row >= kPlayerNameRowsMax || *column >= kPlayerNameColumns) return true;
  std::vector<PlayerNameRow>& names = target.settings.playerNames;
  if (names.size() <= *row) names.resize(*row + 1);
  names[*row][*column] = clipUtf16(value, kPlayerNameMax);
  return true;
}

bool readRecord(ReadTarget& target, std::string_view key, std::u16string_view value) {
  constexpr std::string_view kPrefix = "record";
  if (!key.starts_with(kPrefix)) return false;
  const auto k = parseIndex(asciiToUtf16(std::string_view(key).substr(kPrefix.size())));
  if (k && *k >= 1 && *k <= kRecordSlots) target.settings.records[*k - 1] = parseInt32(value);
  return true;
}

// Each line that names an existing game or playlist, as a full path, while
// the list has room; a path already in the list is not taken twice.
void readRecentList(ReadTarget& target, std::u16string_view lines, RecentFiles& list, bool gamesToo) {
  std::size_t start = 0;
  while (start < lines.size() && static_cast<int>(list.paths.size()) < list.capacity) {
    std::size_t end = lines.find(u'\n', start);
    if (end == std::u16string_view::npos) end = lines.size();
    std::u16string_view line = lines.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
    if (line.empty() || line.size() > kRecentPathMax) continue;
    if (!isPlaylistPath(line) && !(gamesToo && isGamePath(line))) continue;
    const auto path = resolveStoredPath(line, target.context.programFolder, PathKind::File);
    if (!path || path->size() > kRecentPathMax) continue;
    if (std::find(list.paths.begin(), list.paths.end(), *path) == list.paths.end()) list.paths.push_back(*path);
  }
}

void handleTag(ReadTarget& target, std::u16string_view tag, std::u16string_view rawValue) {
  const auto key = asciiKey(tag);
  if (!key) return;
  if (std::string_view(*key) == "recent_files"sv) return readRecentList(target, rawValue, target.doc.recentGames, true);
  if (std::string_view(*key) == "playlist_list"sv)
    return readRecentList(target, rawValue, target.doc.recentPlaylists, false);
  if (readLayout(target, *key, rawValue)) return;
  const std::u16string value = withoutLineBreaks(rawValue);
  if (const NamedSetting* named = namedSetting(*key); named && readNamedSetting(target, *named, value)) return;
  if (readTypeface(target, *key, value) || readPaths(target, *key, value)) return;
  if (readShowState(target, *key, value) || readPlayerName(target, *key, value)) return;
  if (readMidiPort(target, *key, value)) return;
  readRecord(target, *key, value);  // keys that are none of these are ignored
}

// Whether a tag names a setting this program knows: a file without any is
// none the program wrote (random bytes, another program's file).
bool knownTag(std::u16string_view tag) {
  const auto key = asciiKey(tag);
  if (!key) return false;
  constexpr std::string_view kListKeys[] = {"recent_files", "playlist_list", "typeface", "record1"};
  return namedSetting(*key) != nullptr || std::find(std::begin(kListKeys), std::end(kListKeys), *key) != std::end(kListKeys);
}

}  // namespace

SettingsRead readSettings(Document& doc, Settings& settings, const SettingsContext& context, const fs::path& file,
                          bool startAfresh) {
  SettingsRead status = SettingsRead::Absent;
  const DecodedText decoded = loadSettingsText(file, status);
  const std::u16string& text = decoded.text;
  setMainWindowDefaults(doc.globalOptions, context.screen);
  bool known = false;

  if (!text.empty()) {
    const char16_t open = text.front() == u'[' ? u'[' : u'<';
    const char16_t close = open == u'[' ? u']' : u'>';
    if (startAfresh) {
      doc.recentGames.paths.clear();
      doc.recentPlaylists.paths.clear();
    }
    settings.playerNames.clear();

    ReadTarget target{doc, settings, context};
    std::size_t tagStart = text.find(open);
    while (tagStart != std::u16string::npos) {
      const std::size_t tagEnd = text.find(close, tagStart + 1);
      if (tagEnd == std::u16string::npos) break;  // a file cut off inside a tag
      const std::size_t next = text.find(open, tagEnd + 1);
      const std::size_t valueEnd = next == std::u16string::npos ? text.size() : next;
      const std::u16string_view tag = std::u16string_view(text).substr(tagStart + 1, tagEnd - tagStart - 1);
      known = known || knownTag(tag);
      handleTag(target, tag, std::u16string_view(text).substr(tagEnd + 1, valueEnd - tagEnd - 1));
      tagStart = next;
    }
  }

  settings.placement = placeWindows(doc.globalOptions, context.screen);
  if (doc.recentPlaylists.paths.empty() && !settings.playlistPath.empty())
    doc.recentPlaylists.paths.push_back(settings.playlistPath);
  if (!settings.playlistPath.empty())
    settings.playlistsFolder = pathToText(textToPath(settings.playlistPath).parent_path());
  if (status == SettingsRead::Whole && !known && !text.empty()) return SettingsRead::Unreadable;
  if (status == SettingsRead::Whole && decoded.readInPart) return SettingsRead::InPart;
  return status;
}

}  // namespace mokuza
