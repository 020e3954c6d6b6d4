#pragma once
// setting.dat: every option, the shown design, the window placement, the
// list windows, the player names and the recent lists, as tagged text.

#include <filesystem>
#include <string>

#include "core/document/document.h"
#include "settings/placement.h"
#include "settings/settings_data.h"

namespace mokuza {

struct SettingsContext {
  std::filesystem::path programFolder;  // paths are stored relative to it
  std::filesystem::path settingsFile;   // the program's own setting.dat
  ScreenInfo screen;
};

// A settings file larger than this is not one the program wrote.
constexpr std::uintmax_t kSettingsFileMax = 64u << 20;

// The text of the settings file. The window rectangles are taken from the
// global options: captureWindowPlacement puts them there first.
std::u16string settingsText(const Document& doc, const Settings& settings, const std::filesystem::path& programFolder);

// Writes the settings file whole or not at all: an old file stays until the
// new one is complete. False when it could not be written.
bool writeSettings(const Document& doc, const Settings& settings, const std::filesystem::path& programFolder,
                   const std::filesystem::path& file);

// What reading a settings file found.
enum class SettingsRead {
  Absent,      // no file (or an empty one)
  Whole,       // read
  InPart,      // read, but some bytes could not be decoded: writing loses them
  Unreadable,  // a file that cannot be read or holds no setting: none was taken
};

// Reads a settings file over the current values: what the file does not hold
// (or holds in a form the program cannot use) keeps its value, paths are
// taken only when they name an existing file or folder of the right kind,
// and the window placement for the monitors of now is left in
// settings.placement. `startAfresh` empties the recent lists first. A
// missing or unreadable file leaves every value as it is, except that the
// main window gets its default rectangle.
SettingsRead readSettings(Document& doc, Settings& settings, const SettingsContext& context,
                          const std::filesystem::path& file, bool startAfresh);

}  // namespace mokuza
