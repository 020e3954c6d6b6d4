#include "platform/qt/file_manager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QUrl>

#include "platform/qt/file_dialogs.h"

namespace mokuza::platform {
namespace {

QUrl urlOf(const std::filesystem::path& path) { return QUrl::fromLocalFile(pathText(path)); }

void openFolder(const QUrl& folder, const std::function<void(const std::string&)>& report) {
  if (!QDesktopServices::openUrl(folder) && report)
    report("could not open the folder " + folder.toLocalFile().toStdString());
}

}  // namespace

bool openWithDesktop(const std::filesystem::path& file) { return QDesktopServices::openUrl(urlOf(file)); }

void revealFile(const std::filesystem::path& file, std::function<void(const std::string&)> report) {
  const QUrl folder = urlOf(file.parent_path());
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return openFolder(folder, report);
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
  call << QStringList{urlOf(file).toString()} << QString();
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                   [folder, report = std::move(report)](QDBusPendingCallWatcher* finished) {
                     if (finished->isError()) openFolder(folder, report);
                     finished->deleteLater();
                   });
}

}  // namespace mokuza::platform
