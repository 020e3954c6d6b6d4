#include "ui/dropped_paths.h"

#include <QMimeData>
#include <QUrl>
#include <filesystem>

#include "core/record/text.h"

namespace mokuza::ui {

std::vector<std::u16string> droppedPaths(const QMimeData& data) {
  std::vector<std::u16string> paths;
  for (const QUrl& url : data.urls()) {
    if (!url.isLocalFile()) continue;
    const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    paths.push_back(pathToText(std::filesystem::path(bytes.toStdString())));
  }
  return paths;
}

}  // namespace mokuza::ui
