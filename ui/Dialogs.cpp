#include "Dialogs.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

#include "engine/FolderScan.h"

namespace tonvexa {

void QtDialogs::showMessage(QWidget* owner, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    QString::fromLatin1(kProgramCaption), text, QMessageBox::Ok, owner);
    box.exec();
}

namespace {

// Where a file or folder dialog starts when nothing says otherwise: the user's music folder,
// else their home (never the folder the program happened to be started from).
QString DefaultStartFolder() {
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return QFileInfo(music).isDir() ? music : QDir::homePath();
}

}  // namespace

std::vector<std::string> QtDialogs::openFiles(QWidget* owner, const QStringList& filters) {
    if (lastFileFolder_.isEmpty()) lastFileFolder_ = DefaultStartFolder();
    const QString filter = filters.join(QStringLiteral(";;"));
    // URLs rather than names: a desktop's own dialog (through the portal) hands over names
    // that are not UTF-8 percent-encoded, byte for byte.
    const QList<QUrl> chosen = QFileDialog::getOpenFileUrls(
        owner, QString(), QUrl::fromLocalFile(lastFileFolder_), filter);
    std::vector<std::string> paths;
    for (const QUrl& url : chosen)
        if (auto path = LocalPathOfUrl(url)) paths.push_back(std::move(*path));
    if (!chosen.isEmpty())
        lastFileFolder_ = QFileInfo(chosen.front().toLocalFile()).absolutePath();
    return paths;
}

QString QtDialogs::chooseFolder(QWidget* owner, const QString& title, const QString& start) {
    return QFileDialog::getExistingDirectory(owner, title,
                                             start.isEmpty() ? DefaultStartFolder() : start,
                                             QFileDialog::ShowDirsOnly);
}

int QtDialogs::exec(QDialog& dialog) {
    return dialog.exec();
}

std::optional<QString> BrowseForFolder(Dialogs& dialogs, QWidget* owner, const QString& title,
                                       const QString& initialFolder) {
    QString start = initialFolder;
    // The stored folders end with a separator; the picker wants the folder itself (but the
    // root stays the root).
    while (start.size() > 1 &&
           (start.endsWith(QLatin1Char('/')) || start.endsWith(QDir::separator()))) {
        start.chop(1);
    }
    const QString chosen = dialogs.chooseFolder(owner, title, start);
    if (chosen.isEmpty()) return std::nullopt;
    QString folder = QDir::toNativeSeparators(QDir::cleanPath(chosen));
    if (!folder.endsWith(QDir::separator())) folder += QDir::separator();
    return folder;
}

}  // namespace tonvexa
