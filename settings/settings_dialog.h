#pragma once
// "設定読み込み": another settings file over the current settings.

#include "core/document/document.h"
#include "platform/services.h"
#include "settings/settings_data.h"
#include "settings/settings_file.h"

namespace mokuza {

constexpr int kSettingsLoaded = 0;
constexpr int kSettingsNotLoaded = -1;

// Asks for a settings file and reads it without emptying the recent lists.
// When its board size differs from the game's, the game's moves are erased,
// after asking when the game is modified; Cancel there brings back every
// setting as it was before. kSettingsNotLoaded when nothing changed.
int loadSettingsFromDialog(Document& doc, Settings& settings, platform::Services& services,
                           const SettingsContext& context);
// The same for a file already chosen (a file dropped on the window).
int loadSettingsFile(Document& doc, Settings& settings, platform::Services& services, const SettingsContext& context,
                     const std::filesystem::path& file);

}  // namespace mokuza
