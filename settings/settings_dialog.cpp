#include "settings/settings_dialog.h"

#include "core/document/game_info_apply.h"
#include "core/document/navigation.h"
#include "core/document/recent_files.h"
#include "core/document/undo.h"
#include "core/record/text.h"

namespace mokuza {
namespace {

// Everything a settings file can change, kept so that Cancel brings it back
// as it was in memory (the file on disk may be older).
struct SettingsSnapshot {
  GlobalOptions globalOptions;
  DocumentOptions documentOptions;
  Design design;
  PlaylistEntry gameInfo;
  RecentFiles recentGames;
  RecentFiles recentPlaylists;
  Settings settings;
};

SettingsSnapshot takeSnapshot(const Document& doc, const Settings& settings) {
  return {doc.globalOptions, doc.state.options,   doc.state.design, doc.state.gameInfo,
          doc.recentGames,   doc.recentPlaylists, settings};
}

void restoreSnapshot(Document& doc, Settings& settings, SettingsSnapshot snapshot) {
  doc.globalOptions = std::move(snapshot.globalOptions);
  doc.state.options = std::move(snapshot.documentOptions);
  doc.state.design = std::move(snapshot.design);
  doc.state.gameInfo = std::move(snapshot.gameInfo);
  doc.recentGames = std::move(snapshot.recentGames);
  doc.recentPlaylists = std::move(snapshot.recentPlaylists);
  settings = std::move(snapshot.settings);
}

}  // namespace

int loadSettingsFromDialog(Document& doc, Settings& settings, platform::Services& services,
                           const SettingsContext& context) {
  platform::FileDialogRequest dialog;
  dialog.title = u"設定読み込み";
  dialog.filters = {{u"DAT File(*.dat)", u"*.dat"}};
  dialog.defaultExtension = u"dat";
  dialog.initialName = context.settingsFile;
  dialog.mustExist = true;
  const auto chosen = services.openFileDialog(dialog);
  if (!chosen) return kSettingsNotLoaded;
  return loadSettingsFile(doc, settings, services, context, *chosen);
}

int loadSettingsFile(Document& doc, Settings& settings, platform::Services& services, const SettingsContext& context,
                     const std::filesystem::path& file) {
  SettingsSnapshot before = takeSnapshot(doc, settings);
  readSettings(doc, settings, context, file, false);

  // The marks of the shown move are drawn again.
  if (const int move = doc.currentMove(); move > 0) {
    showMove(doc, move - 1);
    showMove(doc, move);
  }

  const int size = option(doc.state.options, DocumentOption::BoardSize);
  if (!resizeBoard(doc, services, size, doc.state.modified)) {
    restoreSnapshot(doc, settings, std::move(before));
    callHook(doc.hooks.repaint);
    return kSettingsNotLoaded;
  }

  recordUndo(doc, u"設定読み込み - " + std::u16string(stemOf(pathToText(file))));
  callHook(doc.hooks.relayout);
  callHook(doc.hooks.repaint);
  return kSettingsLoaded;
}

}  // namespace mokuza
