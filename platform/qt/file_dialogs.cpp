#include "platform/qt/file_dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>
#include <system_error>

namespace mokuza::platform {
namespace {

// "SGF File(*.sgf)" names its pattern itself; the patterns written after it
// are the ones the dialog filters by.
QString withoutPatterns(QString description) {
  if (description.endsWith(u')')) {
    const qsizetype open = description.lastIndexOf(u'(');
    if (open > 0) description.truncate(open);
  }
  return description.trimmed();
}

QStringList bothCases(const QString& patterns) {
  QStringList result;
  for (const QString& pattern : patterns.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts)) {
    const bool anyFile = pattern == u"*.*" || pattern == u"*";
    for (const QString& variant :
         anyFile ? QStringList{QStringLiteral("*")} : QStringList{pattern.toLower(), pattern.toUpper()})
      if (!result.contains(variant)) result.append(variant);
  }
  return result;
}

}  // namespace

QStringList nameFilters(const std::vector<FileFilter>& filters) {
  QStringList result;
  for (const FileFilter& filter : filters) {
    const QStringList patterns = bothCases(QString::fromStdU16String(filter.pattern));
    if (patterns.isEmpty()) continue;
    result.append(withoutPatterns(QString::fromStdU16String(filter.description)) + QStringLiteral(" (") +
                  patterns.join(u' ') + u')');
  }
  return result;
}

QString pathText(const std::filesystem::path& path) { return QFile::decodeName(path.c_str()); }

std::filesystem::path pathOf(const QString& text) {
  return std::filesystem::path(QFile::encodeName(text).toStdString());
}

namespace {

// The files the user chose, in the order the dialog gives them; empty when cancelled.
QStringList chooseFiles(const FileDialogRequest& request, QFileDialog::AcceptMode accept, QFileDialog::FileMode mode,
                        QWidget* parent) {
  QFileDialog dialog(parent, QString::fromStdU16String(request.title));
  dialog.setAcceptMode(accept);
  dialog.setFileMode(mode);
  const QStringList filters = nameFilters(request.filters);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  QString suffix = QString::fromStdU16String(request.defaultExtension);
  while (suffix.startsWith(u'.')) suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  std::error_code ec;
  if (std::filesystem::is_directory(request.initialName, ec)) {
    dialog.setDirectory(pathText(request.initialName));
  } else if (!request.initialName.empty()) {
    if (request.initialName.has_parent_path()) dialog.setDirectory(pathText(request.initialName.parent_path()));
    dialog.selectFile(pathText(request.initialName.filename()));
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

}  // namespace

std::optional<std::filesystem::path> runFileDialog(const FileDialogRequest& request, bool save, QWidget* parent) {
  const QStringList files =
      chooseFiles(request, save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen,
                  save || !request.mustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile, parent);
  if (files.isEmpty()) return std::nullopt;
  return pathOf(files.front());
}

std::vector<std::filesystem::path> runOpenFilesDialog(const FileDialogRequest& request, QWidget* parent) {
  std::vector<std::filesystem::path> paths;
  for (const QString& file : chooseFiles(request, QFileDialog::AcceptOpen, QFileDialog::ExistingFiles, parent))
    paths.push_back(pathOf(file));
  return paths;
}

std::optional<std::filesystem::path> runFolderDialog(const std::u16string& title, QWidget* parent) {
  const QString folder = QFileDialog::getExistingDirectory(parent, QString::fromStdU16String(title));
  if (folder.isEmpty()) return std::nullopt;
  return pathOf(folder);
}

}  // namespace mokuza::platform
