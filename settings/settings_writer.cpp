#include "settings/settings_file.h"

#include "core/record/decimal.h"
#include "core/record/text.h"
#include "settings/design_values.h"
#include "settings/options.h"
#include "settings/settings_text.h"
#include "settings/stored_paths.h"

namespace mokuza {
namespace {

namespace fs = std::filesystem;

// A text as a value: line breaks would vanish on reading anyway, and a tag
// opener would cut the value short and lose the entries after it.
std::u16string valueText(std::u16string_view text) {
  std::u16string value;
  for (char16_t c : text) {
    if (c < u' ') continue;
    value.push_back(c == u'<' ? u'＜' : c);
  }
  return value;
}

// The text being built, and the folder its paths are relative to.
struct SettingsOutput {
  const fs::path& programFolder;
  std::u16string text;
};

std::u16string tag(std::string_view key) { return u"<" + asciiToUtf16(key) + u">"; }

// "<key>\nvalue\n", the form of the option entries.
void entry(SettingsOutput& out, std::string_view key, std::int64_t value) {
  out.text += tag(key) + u"\n" + decimalText(value) + u"\n";
}

// "\n<key>\nvalue", the form of everything after the option entries.
void field(SettingsOutput& out, std::string_view key, std::u16string_view value) {
  out.text += u"\n" + tag(key) + u"\n" + std::u16string(value);
}

std::u16string stored(const SettingsOutput& out, std::u16string_view path) {
  return isStorablePath(path) ? storedPath(path, out.programFolder) : std::u16string();
}

void writeRecentList(SettingsOutput& out, std::string_view key, const RecentFiles& list) {
  field(out, key, u"");
  for (const std::u16string& path : list.paths)
    if (isStorablePath(path)) out.text += stored(out, path) + u"\n";
}

// The block keeps its line feeds; a tag opener in it would end it early.
void writeLayout(SettingsOutput& out, std::string_view key, std::u16string_view block) {
  std::u16string text;
  for (char16_t c : block)
    if (c != u'\r' && c != u'<') text.push_back(c);
  if (!text.empty()) field(out, key, text);
}

}  // namespace

std::u16string settingsText(const Document& doc, const Settings& settings, const fs::path& programFolder) {
  SettingsOutput out{programFolder, u"<mokuza_version>\n5.5\n"};
  const GlobalOptions global = completeGlobalOptions(doc.globalOptions);
  for (const auto& [key, value] : global.values) entry(out, key, value);
  for (const auto& [key, value] : completeDocumentOptions(doc.state.options).values) entry(out, key, value);
  for (const auto& [label, value] : doc.state.design.intFields)
    if (const DesignFieldInfo* design = designFieldForLabel(label)) entry(out, design->key, value);

  for (const FileFieldInfo& row : kFileFields) {
    const std::u16string path = FilePath(doc.state.gameInfo, row.field);
    if (row.field != FileField::SgfFile && isStorablePath(path)) field(out, row.key, stored(out, path));
  }

  out.text += u"\n";
  entry(out, "design_position", option(global, GlobalOption::DesignPosition));
  out.text += u"<typeface>\n" + clipUtf16(valueText(textField(doc.state.gameInfo, kTypefaceLabel)), kValueMax);

  field(out, "playlist_path", stored(out, settings.playlistPath));
  field(out, "history_path", stored(out, settings.historyFolder));

  field(out, "playlist_show", decimalText(settings.shows.playlist));
  field(out, "eventlist_show", decimalText(settings.shows.eventList));
  field(out, "figurelist_show", decimalText(settings.shows.figureList));
  if (!settings.midiPort.empty()) field(out, "midi_port", clipUtf16(valueText(settings.midiPort), kValueMax));

  for (std::size_t row = 0; row < settings.playerNames.size(); ++row)
    for (std::size_t column = 0; column < kPlayerNameColumns; ++column) {
      const std::u16string name = clipUtf16(valueText(settings.playerNames[row][column]), kPlayerNameMax);
      if (!name.empty()) field(out, "plyrn" + std::to_string(row) + "-" + std::to_string(column), name);
    }

  for (int k = 1; k <= kRecordSlots; ++k)
    field(out, "record" + std::to_string(k), decimalText(settings.records[static_cast<std::size_t>(k - 1)]));

  writeLayout(out, "pl_listitem", settings.columns.playlist);
  writeLayout(out, "ev_listitem", settings.columns.eventList);
  writeLayout(out, "fg_listitem", settings.columns.figureList);

  writeRecentList(out, "recent_files", doc.recentGames);
  writeRecentList(out, "playlist_list", doc.recentPlaylists);
  return std::move(out.text);
}

bool writeSettings(const Document& doc, const Settings& settings, const fs::path& programFolder, const fs::path& file) {
  return writeTextFile(file, settingsText(doc, settings, programFolder)).ok();
}

}  // namespace mokuza
