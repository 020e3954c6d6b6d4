#pragma once
// Open and save dialogs and the folder browser over QFileDialog.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/services.h"

class QWidget;

namespace mokuza::platform {

// One name filter per entry, "SGF File (*.sgf *.SGF)": file names on this
// system are case-sensitive, so each pattern is offered in lower and upper
// case; "*.*" (any file) becomes "*".
QStringList nameFilters(const std::vector<FileFilter>& filters);

// Native file-system paths and the dialogs' texts.
QString pathText(const std::filesystem::path& path);
std::filesystem::path pathOf(const QString& text);

std::optional<std::filesystem::path> runFileDialog(const FileDialogRequest& request, bool save, QWidget* parent);
// Several existing files; empty when cancelled.
std::vector<std::filesystem::path> runOpenFilesDialog(const FileDialogRequest& request, QWidget* parent);
std::optional<std::filesystem::path> runFolderDialog(const std::u16string& title, QWidget* parent);

}  // namespace mokuza::platform
