#include "UrlOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

#include <utility>

namespace tonvexa {

DesktopUrlOpener::DesktopUrlOpener()
    : DesktopUrlOpener([](const QUrl& url) { return QDesktopServices::openUrl(url); },
                       [](const QString& program, const QStringList& arguments) {
                           return QProcess::startDetached(program, arguments);
                       },
                       qEnvironmentVariable("BROWSER")) {}

DesktopUrlOpener::DesktopUrlOpener(Handler handler, Launcher launcher, QString browser)
    : handler_(std::move(handler)), launcher_(std::move(launcher)), browser_(std::move(browser)) {}

int DesktopUrlOpener::open(const QUrl& url) {
    if (!url.isValid()) return kOpenFileNotFound;
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return kOpenFileNotFound;
    if (handler_ && handler_(url)) return kOpenSucceeded;

    const QString address =
        url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded);
    for (const QString& command : browser_.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        QStringList words = QProcess::splitCommand(command);
        if (words.isEmpty()) continue;
        bool placed = false;
        for (QString& word : words) {
            if (word.contains(QLatin1String("%s"))) {
                word.replace(QLatin1String("%s"), address);
                placed = true;
            }
        }
        if (!placed) words.append(address);
        const QString program = words.takeFirst();
        if (launcher_ && launcher_(program, words)) return kOpenSucceeded;
    }
    return kOpenNoAssociation;
}

UrlOpener& DefaultUrlOpener() {
    static DesktopUrlOpener opener;
    return opener;
}

}  // namespace tonvexa
