#include "playlist/playlist_writer.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

#include "core/record/decimal.h"
#include "core/record/text.h"
#include "playlist/design_fields.h"
#include "playlist/playlist_paths.h"

namespace mokuza {
namespace {

// A value on one line that cannot end early: line breaks go, and '<' (which
// would start a tag) becomes its full-width form in a free text and "<>",
// which the reader turns back, in a path. Empty values are " ".
std::u16string cleanValue(std::u16string_view value, bool path = false) {
  std::u16string text;
  text.reserve(value.size());
  for (char16_t c : value) {
    if (c == u'\r' || c == u'\n') continue;
    if (c != u'<') text.push_back(c);
    else if (path) text += u"<>";
    else text.push_back(u'＜');
  }
  if (text.empty()) text = u" ";
  return text;
}

struct FileRow {
  std::u16string_view label;
  std::u16string fileKey;
  std::u16string folderKey;
};

// Visits the labels of both maps in label order with the value each holds.
template <typename Map, typename Visit>
void forEachLabel(const Map* previous, const Map& current, Visit visit) {
  auto a = previous ? previous->begin() : current.end();
  auto aEnd = previous ? previous->end() : current.end();
  auto b = current.begin();
  while (a != aEnd || b != current.end()) {
    if (b == current.end() || (a != aEnd && a->first < b->first)) {
      visit(a->first, &a->second, nullptr);
      ++a;
    } else if (a == aEnd || b->first < a->first) {
      visit(b->first, nullptr, &b->second);
      ++b;
    } else {
      visit(b->first, &a->second, &b->second);
      ++a;
      ++b;
    }
  }
}

class BlockWriter {
 public:
  BlockWriter(std::u16string& out, std::u16string playlistFolder, std::filesystem::path programFolder)
      : out_(out), playlistFolder_(std::move(playlistFolder)), programFolder_(pathToText(programFolder)) {
    for (const FileFieldInfo& field : kFileFields)
      fileRows_.push_back({field.label, asciiToUtf16(field.key), asciiToUtf16(folderKeyOf(field.key))});
    std::sort(fileRows_.begin(), fileRows_.end(), [](const FileRow& x, const FileRow& y) { return x.label < y.label; });
  }

  // One game, compared with the one written before it (none for the first).
  void write(const PlaylistEntry& entry, const PlaylistEntry* previous) {
    out_ += u"\n\n<Game.";
    out_ += decimalText(entry.number);
    out_ += u">\n";
    writeFolders(entry, previous);
    writeFileNames(entry, previous);
    writeTexts(entry, previous);
    writeIntegers(entry, previous);
    for (std::size_t k = 1; k < entry.figureEnds.size(); ++k)
      if (!previous || previous->figureEnds[k] != entry.figureEnds[k])
        field(u"record" + decimalText(static_cast<std::int64_t>(k)), decimalText(entry.figureEnds[k]));
  }

 private:
  void field(std::u16string_view key, std::u16string_view value, bool path = false) {
    out_ += u"\n<";
    out_ += key;
    out_ += u">\n";
    out_ += cleanValue(value, path);
  }

  static const std::u16string* find(const LabelMap& map, std::u16string_view label) {
    auto it = map.find(label);
    return it == map.end() ? nullptr : &it->second;
  }

  // Whether a value must be written: always in the first block when present,
  // later when it differs (an absent value counts as empty).
  static bool changed(const std::u16string* before, const std::u16string* now, bool first) {
    if (first) return now != nullptr;
    const std::u16string_view a = before ? std::u16string_view(*before) : std::u16string_view();
    const std::u16string_view b = now ? std::u16string_view(*now) : std::u16string_view();
    return a != b;
  }

  // Stored folders that are not absolute lie below the program folder.
  std::u16string folderValue(const std::u16string& folder) const {
    const std::u16string absolute = !folder.empty() && (folder.front() == u'/' || folder.front() == u'\\')
                                        ? folder
                                        : joinPath(programFolder_, folder);
    return relativePath(absolute, playlistFolder_);
  }

  static bool hasFile(const PlaylistEntry& entry, std::u16string_view label) {
    return entry.fileFolders.contains(label) || entry.fileNames.contains(label);
  }

  static std::u16string part(const LabelMap& map, std::u16string_view label) {
    const std::u16string* value = find(map, label);
    return value ? *value : std::u16string();
  }

  // A file field is written whole when the game before lacked it; a field the
  // game lacks is cleared with an empty name (in the first block too, since
  // the reader starts from a design that has every file).
  void writeFolders(const PlaylistEntry& entry, const PlaylistEntry* previous) {
    for (const FileRow& row : fileRows_) {
      if (!hasFile(entry, row.label)) continue;
      const std::u16string now = part(entry.fileFolders, row.label);
      if (previous && hasFile(*previous, row.label) && part(previous->fileFolders, row.label) == now) continue;
      field(row.folderKey, folderValue(now), true);
    }
  }

  void writeFileNames(const PlaylistEntry& entry, const PlaylistEntry* previous) {
    for (const FileRow& row : fileRows_) {
      const bool had = previous && hasFile(*previous, row.label);
      if (!hasFile(entry, row.label)) {
        if (!previous || had) field(row.fileKey, u"");
        continue;
      }
      const std::u16string now = part(entry.fileNames, row.label);
      if (had && part(previous->fileNames, row.label) == now) continue;
      field(row.fileKey, now, true);
    }
  }

  const std::u16string& keyOf(std::u16string_view label) {
    auto it = keys_.find(std::u16string(label));
    if (it == keys_.end()) it = keys_.emplace(std::u16string(label), asciiToUtf16(keyForLabel(label))).first;
    return it->second;
  }

  void writeTexts(const PlaylistEntry& entry, const PlaylistEntry* previous) {
    forEachLabel(previous ? &previous->textFields : nullptr, entry.textFields,
                 [&](const std::u16string& label, const std::u16string* before, const std::u16string* now) {
                   if (kindOfLabel(label) != FieldKind::Text || !changed(before, now, !previous)) return;
                   const std::u16string& key = keyOf(label);
                   if (!key.empty()) field(key, now ? *now : std::u16string());
                 });
  }

  // Integers are always numbers: the first block names every one the game
  // has, a later block those that are new or changed. One the game lacks is
  // not named, and a reader carries over the value of the game before.
  void writeIntegers(const PlaylistEntry& entry, const PlaylistEntry* previous) {
    forEachLabel(previous ? &previous->intFields : nullptr, entry.intFields,
                 [&](const std::u16string& label, const std::int32_t* before, const std::int32_t* now) {
                   if (!now || (before && *before == *now) || kindOfLabel(label) != FieldKind::Integer) return;
                   const std::u16string& key = keyOf(label);
                   if (!key.empty()) field(key, decimalText(*now));
                 });
  }

  std::u16string& out_;
  std::u16string playlistFolder_;
  std::u16string programFolder_;
  std::vector<FileRow> fileRows_;
  std::unordered_map<std::u16string, std::u16string> keys_;
};

std::u16string_view fileNamePart(std::u16string_view path) {
  const std::size_t cut = path.find_last_of(u"\\/");
  return cut == std::u16string_view::npos ? path : path.substr(cut + 1);
}

void writeHeader(std::u16string& out, const Playlist& playlist, const PlaylistWriteContext& context) {
  const std::u16string folder = asFolder(normalisedPath(playlist.folder));
  auto line = [&](std::u16string_view tag, std::u16string_view value) {
    out += u"<";
    out += tag;
    out += u">\n";
    out += cleanValue(value, true);
    out += u"\n";
  };
  line(u"playlist_name", fileNamePart(playlist.path));
  line(u"before_folder", relativePath(folder, pathToText(context.programFolder)));
  line(u"before_folderA", folder);
  line(u"mokuza_version", kProgramVersion);
}

template <typename Entries>
void writeGames(std::u16string& out, const Playlist& playlist, const PlaylistWriteContext& context,
                const Entries& games) {
  BlockWriter writer(out, asFolder(normalisedPath(playlist.folder)), context.programFolder);
  const PlaylistEntry* previous = nullptr;
  for (const PlaylistEntry* entry : games) {
    writer.write(*entry, previous);
    previous = entry;
  }
  out += u"\n<Game.end>\n";
}

}  // namespace

std::u16string playlistFileText(const Playlist& playlist, const PlaylistWriteContext& context) {
  if (playlist.displayOrder.empty()) return {};
  std::u16string out = formatMovedFiles(playlist.movedFiles);
  out.reserve(out.size() + playlist.displayOrder.size() * 400);
  writeHeader(out, playlist, context);

  const int shown = std::abs(playlist.currentGameIndex) - 1;
  const bool shownListed =
      shown >= 0 && shown < static_cast<int>(playlist.entries.size()) &&
      std::find(playlist.displayOrder.begin(), playlist.displayOrder.end(), shown) != playlist.displayOrder.end();
  const std::int32_t position = shownListed ? playlist.entries[static_cast<std::size_t>(shown)].number : 0;
  out += u"<position>\n" + decimalText(position) + u"\n";
  if (playlist.currentGameIndex > 0) out += u"<plmove>\n" + decimalText(context.shownMove) + u"\n";

  out += u"\n<listitem>\n" + formatColumnLayout(playlist.columns);

  for (std::size_t g = 0; g < playlist.aliasGroups.size(); ++g) {
    const std::vector<std::u16string>& names = playlist.aliasGroups[g].names;
    std::size_t count = 0;
    while (count < names.size() && count < kAliasNamesWritten && !names[count].empty()) ++count;
    if (count < 2) continue;
    for (std::size_t n = 0; n < count; ++n)
      out += u"\n<plyrn" + decimalText(static_cast<std::int64_t>(g)) + u"-" +
             decimalText(static_cast<std::int64_t>(n)) + u">\n" + cleanValue(names[n]);
  }
  out += u"\n";

  std::vector<const PlaylistEntry*> games;
  games.reserve(playlist.displayOrder.size());
  for (int record : playlist.displayOrder) games.push_back(&playlist.entries[static_cast<std::size_t>(record)]);
  writeGames(out, playlist, context, games);
  return out;
}

std::u16string playlistClipboardText(const Playlist& playlist, const std::vector<PlaylistEntry>& games,
                                     const PlaylistWriteContext& context) {
  if (games.empty()) return {};
  std::u16string out;
  writeHeader(out, playlist, context);
  out += u"\n";
  std::vector<const PlaylistEntry*> pointers;
  for (const PlaylistEntry& entry : games) pointers.push_back(&entry);
  writeGames(out, playlist, context, pointers);
  return out;
}

bool confirmShortenedWrite(Playlist& playlist, platform::Services& services) {
  if (!playlist.readInPart()) return true;
  const std::u16string lost = playlist.gamesLeftOut > 0
                                  ? decimalText(playlist.gamesLeftOut) + u"局を読み込めませんでした。"
                                  : std::u16string(u"読み込めない文字がありました。");
  const platform::Answer answer = services.messageBox({lost + u"保存すると失われます。保存しますか？", u"Mokuza",
                                                       platform::Buttons::YesNo, platform::Icon::Warning, true});
  if (answer != platform::Answer::Yes) return false;
  playlist.gamesLeftOut = 0;
  playlist.bytesReplaced = false;
  return true;
}

bool WritePlaylist(const Playlist& playlist, const PlaylistWriteContext& context) {
  if (playlist.readInPart()) return false;
  if (playlist.displayOrder.empty()) return true;
  return writeTextFile(textToPath(playlist.path), playlistFileText(playlist, context)).ok();
}

}  // namespace mokuza
