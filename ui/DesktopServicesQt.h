#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QUrl>

#include <functional>

#include "engine/DesktopServices.h"

namespace tonvexa {

// The desktop's file manager over D-Bus (org.freedesktop.FileManager1.ShowItems); where
// there is none, or it does not answer in time, the file's folder is opened instead. Calls
// are asynchronous, so the window never waits on them.
class DesktopServicesQt : public QObject, public DesktopServices {
    Q_OBJECT

public:
    using Opener = std::function<bool(const QUrl&)>;
    static constexpr int kDefaultTimeoutMs = 1500;

    // The session bus and QDesktopServices::openUrl.
    explicit DesktopServicesQt(QObject* parent = nullptr);
    DesktopServicesQt(const QDBusConnection& bus, Opener openFolder,
                      int timeoutMs = kDefaultTimeoutMs, QObject* parent = nullptr);

    void ShowInExplorer(const std::string& path) override;

private:
    void openFolderOf(const std::string& path);

    QDBusConnection bus_;
    Opener openFolder_;
    int timeoutMs_;
};

}  // namespace tonvexa
