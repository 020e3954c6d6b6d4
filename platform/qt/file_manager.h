#pragma once
// Handing files to the desktop: the associated program and the file manager.

#include <filesystem>
#include <functional>
#include <string>

namespace mokuza::platform {

// False when the desktop has no program for the file.
bool openWithDesktop(const std::filesystem::path& file);

// Asks the file manager to show the file selected (the freedesktop
// FileManager1 ShowItems call on the session bus); without a file manager on
// the bus the folder holding the file is opened instead. Never waits for the
// answer: the fallback runs when the call fails. `report` gets a line when
// even the folder cannot be opened.
void revealFile(const std::filesystem::path& file, std::function<void(const std::string&)> report);

}  // namespace mokuza::platform
