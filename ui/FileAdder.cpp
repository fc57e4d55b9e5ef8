#include "ui/FileAdder.h"

#include <QElapsedTimer>

#include <utility>

#include "engine/FolderScan.h"
#include "engine/ListRowTexts.h"
#include "ui/Dialogs.h"
#include "ui/FileListModel.h"
#include "ui/LoadProgressDialog.h"
#include "ui/PumpMessages.h"

namespace tonvexa {

namespace {
constexpr qint64 kPumpIntervalMs = 40;
}  // namespace

FileAdder::FileAdder(FileListModel& model, Prober probe, QWidget* owner, Dialogs& dialogs,
                     WindowLock lock)
    : model_(model),
      probe_(std::move(probe)),
      owner_(owner),
      dialogs_(dialogs),
      lock_(std::move(lock)) {}

FileAdder::~FileAdder() = default;

int FileAdder::ProbeAndAddFile(const std::string& path) {
    if (model_.containsPath(QString::fromStdString(path))) return 0;
    if (!HasSupportedExtension(path)) return -1;
    std::optional<FileEntry> entry = probe_(path);
    if (!entry) return -1;
    return model_.appendEntry(*entry);
}

std::unique_ptr<LoadProgressDialog> FileAdder::BeginSearch() {
    auto dialog = std::make_unique<LoadProgressDialog>(owner_);
    dialog->show();
    dialog->setStatusText(QStringLiteral("Searching files..."));
    PumpMessages();
    return dialog;
}

void FileAdder::AddFilesToList(const std::vector<std::string>& paths,
                               std::unique_ptr<LoadProgressDialog> dialog) {
    if (lock_) lock_(false);
    if (!dialog) {
        dialog = std::make_unique<LoadProgressDialog>(owner_);
        dialog->show();
    }
    const int count = static_cast<int>(paths.size());
    dialog->setRange(count);
    PumpMessages();

    AddFailureReport failures;
    // Drawing the list and the dialog after every file of a large folder would take far
    // longer than reading the files; the window is brought up to date a few dozen times a
    // second instead, which keeps it as responsive and Cancel as quick.
    QElapsedTimer sincePump;
    sincePump.start();
    for (int i = 0; i < count; ++i) {
        dialog->setStatusText(QStringLiteral("Adding file %1 of %2...").arg(i + 1).arg(count));
        dialog->step();
        const std::string& path = paths[static_cast<std::size_t>(i)];
        if (ProbeAndAddFile(path) == -1) failures.add(path);
        if (sincePump.elapsed() >= kPumpIntervalMs || i + 1 == count) {
            PumpMessages();
            sincePump.restart();
        }
        if (dialog->cancelled()) break;
    }
    dialog->finishOperation();
    dialog.reset();
    if (lock_) lock_(true);
    if (!failures.empty()) {
        dialogs_.showMessage(owner_, QString::fromStdString(failures.message()),
                             MessageIcon::Warning);
    }
}

void FileAdder::AddFolderTree(const std::string& folder) {
    std::unique_ptr<LoadProgressDialog> dialog = BeginSearch();
    std::vector<std::string> paths;
    ScanFolder(paths, folder);
    AddFilesToList(paths, std::move(dialog));
}

void FileAdder::AddDroppedItems(const std::vector<std::string>& items) {
    std::unique_ptr<LoadProgressDialog> dialog = BeginSearch();
    std::vector<std::string> paths;
    for (const std::string& item : items) CollectDroppedPaths(paths, item);
    AddFilesToList(paths, std::move(dialog));
}

}  // namespace tonvexa
