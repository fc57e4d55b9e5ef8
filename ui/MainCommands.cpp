#include "MainCommands.h"

#include <QCoreApplication>
#include <QUrl>

#include "engine/BatchDriver.h"
#include "engine/DesktopServices.h"
#include "engine/FolderScan.h"
#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"
#include "texts/Texts.h"
#include "ui/CommandIds.h"
#include "ui/Dialogs.h"
#include "ui/FileAdder.h"
#include "ui/FileListModel.h"
#include "ui/ProgramInfo.h"
#include "ui/SortableListCtrl.h"
#include "ui/UrlOpener.h"
#include "ui/WaitCursor.h"
#include "ui/WindowBatch.h"

namespace tonvexa {

namespace {

// The open-file dialog's filters. Only the descriptions are words; the dialog reads the
// patterns from the parentheses, so they stay out of the translated text.
struct FileFilter {
    const char* description;
    const char* patterns;
};

constexpr FileFilter kOpenFileFilters[] = {
    //: Open-file dialog filter that shows every kind of file the program reads
    {QT_TRANSLATE_NOOP("tonvexa::MainCommands", "All Support Formats"),
     "*.wma *.wmv *.asf *.mp3 *.wav"},
    {QT_TRANSLATE_NOOP("tonvexa::MainCommands", "Windows Media Audio Files"), "*.wma"},
    {QT_TRANSLATE_NOOP("tonvexa::MainCommands", "Windows Media Video Files"), "*.wmv"},
    //: The name of the container format of .asf files
    {QT_TRANSLATE_NOOP("tonvexa::MainCommands", "Advanced Systems Format"), "*.asf"},
    {QT_TRANSLATE_NOOP("tonvexa::MainCommands", "MP3 Files"), "*.mp3"},
    {QT_TRANSLATE_NOOP("tonvexa::MainCommands", "WAV Files"), "*.wav"},
    {QT_TRANSLATE_NOOP("tonvexa::MainCommands", "All Files"), "*"},
};

// "Description (patterns)" entries, in the user's language at the time of asking.
QStringList OpenFileFilters() {
    QStringList filters;
    for (const FileFilter& f : kOpenFileFilters) {
        filters.append(QStringLiteral("%1 (%2)").arg(
            QCoreApplication::translate("tonvexa::MainCommands", f.description),
            QString::fromLatin1(f.patterns)));
    }
    return filters;
}

}  // namespace

MainCommands::MainCommands(Parts parts, QObject* parent)
    : QObject(parent),
      p_(std::move(parts)),
      batch_(std::make_unique<WindowBatch>(WindowBatch::Parts{p_.window, p_.list, p_.desktop,
                                                              p_.table, p_.settings, p_.lock})) {
    // Batches and the adding run on after their commands have returned; the commands stay
    // refused until they have ended.
    connect(batch_.get(), &WindowBatch::finished, this, [this] { busy_ = false; });
    connect(&p_.adder, &FileAdder::finished, this, [this] {
        addingCursor_.reset();
        busy_ = false;
    });
}

MainCommands::~MainCommands() = default;

bool MainCommands::run(int id) {
    if (busy_) return true;
    switch (id) {
        case IdConvertAllMp3:
            ConvertAll(FormatMp3);
            return true;
        case IdConvertAllWma:
            ConvertAll(FormatWma);
            return true;
        case IdConvertAllWav:
            ConvertAll(FormatWav);
            return true;
        case IdConvertSelectedMp3:
            ConvertSelected(FormatMp3);
            return true;
        case IdConvertSelectedWma:
            ConvertSelected(FormatWma);
            return true;
        case IdConvertSelectedWav:
            ConvertSelected(FormatWav);
            return true;
        case IdAddFiles:
            AddFiles();
            return true;
        case IdAddFolder:
            AddFolder();
            return true;
        case IdRemove:
            Remove();
            return true;
        case IdRemoveAll:
            RemoveAll();
            return true;
        case IdPlaySource:
            openPath(firstSelectedPath(false));
            return true;
        case IdPlayDestination:
            openPath(firstSelectedPath(true));
            return true;
        case IdBrowseSourceFolder:
        case IdBrowseDestinationFolder: {
            const std::string path = firstSelectedPath(id == IdBrowseDestinationFolder);
            if (!path.empty()) {
                WaitCursor wait;
                p_.desktop.ShowInExplorer(path);
            }
            return true;
        }
        case IdHomepage:
            openAddress(kHomePage);
            return true;
        case IdCheckLatestVersion:
            openAddress(kUpdatePage);
            return true;
        case IdFeedback:
            openAddress(kSupportMail);
            return true;
        case IdTellAFriend:
            openAddress(kTellAFriendMail);
            return true;
        default:
            return false;
    }
}

void MainCommands::showMessage(const std::string& text) {
    p_.dialogs.showMessage(p_.window, QString::fromStdString(text), MessageIcon::Information);
}

void MainCommands::startBatch(const std::vector<int>& rows, AudioFormatCode target) {
    busy_ = true;
    batch_->start(rows, target);
}

void MainCommands::ConvertAll(AudioFormatCode target) {
    const int count = p_.list.fileModel()->rowCount();
    if (count == 0) {
        showMessage(EmptyListMessage());
        return;
    }
    std::vector<int> rows(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) rows[static_cast<std::size_t>(i)] = i;
    startBatch(rows, target);
}

void MainCommands::ConvertSelected(AudioFormatCode target) {
    const std::vector<int> rows = p_.list.selectedRowsInOrder();
    if (rows.empty()) {
        showMessage(NoSelectionMessage());
        return;
    }
    startBatch(rows, target);
}

void MainCommands::AddFiles() {
    // The open-file dialog comes first, without a wait cursor over it.
    const std::vector<std::string> chosen = p_.dialogs.openFiles(p_.window, OpenFileFilters());
    if (chosen.empty()) return;
    beginAdding(true);
    p_.adder.AddFilesToList(chosen);
}

void MainCommands::AddFolder() {
    const std::optional<QString> folder =
        BrowseForFolder(p_.dialogs, p_.window, tr("Please choose a folder:"),
                        QString::fromStdString(p_.settings.Folder));
    if (!folder) return;
    beginAdding(true);
    p_.settings.Folder = folder->toStdString();
    p_.store.SaveSettings(p_.settings, SettingsStore::SaveFolder);
    p_.adder.AddFolderTree(p_.settings.Folder);
}

void MainCommands::AddDropped(const std::vector<std::string>& items) {
    if (busy_ || items.empty()) return;
    beginAdding(false);
    p_.adder.AddDroppedItems(items);
}

void MainCommands::beginAdding(bool waitCursor) {
    busy_ = true;
    if (waitCursor) addingCursor_.emplace();
}

void MainCommands::Remove() {
    const std::vector<int> rows = p_.list.selectedRowsInOrder();
    if (rows.empty()) {
        showMessage(NoSelectionMessage());
        return;
    }
    p_.list.fileModel()->removeRowsAt(rows);
}

void MainCommands::RemoveAll() {
    if (p_.list.fileModel()->rowCount() == 0) {
        showMessage(EmptyListMessage());
        return;
    }
    p_.list.fileModel()->clear();
}

std::string MainCommands::firstSelectedPath(bool destination) const {
    const std::vector<int> rows = p_.list.selectedRowsInOrder();
    if (rows.empty()) return {};
    const FileEntry* entry = p_.list.fileModel()->entry(rows.front());
    if (entry == nullptr) return {};
    return destination ? entry->destinationPath : entry->sourcePath;
}

void MainCommands::openPath(const std::string& path) {
    if (path.empty()) return;
    WaitCursor wait;
    (void)p_.opener.open(UrlOfLocalPath(path));
}

void MainCommands::openAddress(const char* address) {
    WaitCursor wait;
    (void)p_.opener.open(QUrl(QString::fromUtf8(address), QUrl::TolerantMode));
}

}  // namespace tonvexa
