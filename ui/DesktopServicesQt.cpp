#include "DesktopServicesQt.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QStringList>

#include <filesystem>
#include <system_error>
#include <utility>

#include "base/PathUtil.h"
#include "engine/FolderScan.h"

namespace tonvexa {

DesktopServicesQt::DesktopServicesQt(QObject* parent)
    : DesktopServicesQt(
          QDBusConnection::sessionBus(),
          [](const QUrl& url) { return QDesktopServices::openUrl(url); }, kDefaultTimeoutMs,
          parent) {}

DesktopServicesQt::DesktopServicesQt(const QDBusConnection& bus, Opener openFolder, int timeoutMs,
                                     QObject* parent)
    : QObject(parent), bus_(bus), openFolder_(std::move(openFolder)), timeoutMs_(timeoutMs) {}

void DesktopServicesQt::ShowInExplorer(const std::string& path) {
    // The path's own bytes all the way: a name that is not UTF-8 is percent-encoded in the
    // file manager's URL, byte for byte.
    std::error_code ec;
    std::string file = std::filesystem::absolute(std::filesystem::path(path), ec).string();
    if (ec) file = path;
    if (!bus_.isConnected()) {
        openFolderOf(file);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList{QString::fromLatin1(UrlOfLocalPath(file).toEncoded())} << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, timeoutMs_), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, file] {
        if (watcher->isError()) openFolderOf(file);
        watcher->deleteLater();
    });
}

void DesktopServicesQt::openFolderOf(const std::string& path) {
    if (!openFolder_) return;
    std::string folder = path.substr(0, path.size() - FileNamePart(path).size());
    if (folder.size() > 1 && IsPathSeparator(folder.back())) folder.pop_back();
    (void)openFolder_(UrlOfLocalPath(folder));
}

}  // namespace tonvexa
