#include "ui/DesktopServicesQt.h"

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QFileInfo>
#include <QStringList>

#include <utility>

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
    const QString file = QString::fromStdString(path);
    if (!bus_.isConnected()) {
        openFolderOf(file);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"),
        QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    const QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    call << QStringList{QString::fromLatin1(url.toEncoded())} << QString();
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, timeoutMs_), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, file] {
        if (watcher->isError()) openFolderOf(file);
        watcher->deleteLater();
    });
}

void DesktopServicesQt::openFolderOf(const QString& path) {
    if (openFolder_) (void)openFolder_(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

}  // namespace tonvexa
