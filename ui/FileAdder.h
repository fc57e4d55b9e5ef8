#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/FileEntry.h"
#include "engine/FolderScan.h"
#include "engine/AddFailureReport.h"

class QWidget;

namespace tonvexa {

class Dialogs;
class FileListModel;
class LoadProgressDialog;

// Adding files to the list, whichever way they come (the open-file dialog, a folder, a drop).
// The search for the files and their probes run on threads of the adder's own pool, the
// probes side by side, one per core; the window's thread only appends the rows, in the order
// the files were found, a few milliseconds' worth at each turn of its event loop, and keeps
// the progress dialog, whose Cancel ends the adding at once. A file already listed, by
// whatever path, is skipped without a word; the files that could not be read are named in one
// message at the end.
class FileAdder : public QObject {
    Q_OBJECT

public:
    // The properties of a file, or nothing when it cannot be read. Called on the pool's
    // threads, several at once.
    using Prober = std::function<std::optional<FileEntry>(const std::string& path)>;
    // Disables or re-enables the window's controls while files are added (never the
    // progress dialog, which must keep its Cancel button).
    using WindowLock = std::function<void(bool enabled)>;

    FileAdder(FileListModel& model, Prober probe, QWidget* owner, Dialogs& dialogs, WindowLock lock,
              QObject* parent = nullptr);
    // An adding still under way is cancelled, and the pool's threads are waited for.
    ~FileAdder() override;

    // Each of these starts an adding and returns at once; finished() tells when it has
    // ended. They do nothing while an adding runs.
    // The paths as they are, in order (the open-file dialog's choice).
    void AddFilesToList(const std::vector<std::string>& paths);
    // A folder and its subfolders.
    void AddFolderTree(const std::string& folder);
    // Items dropped on the window: folders are searched, supported files taken, shortcuts
    // followed; anything else is skipped.
    void AddDroppedItems(const std::vector<std::string>& items);

Q_SIGNALS:
    // Rows were appended to the list, the last of them at `lastRow`.
    void rowsAdded(int lastRow);
    // The adding has ended, completed or cancelled: the dialog is closed, the window's
    // controls are enabled again and the failures have been reported.
    void finished();

private:
    struct Work;
    // Finds the paths to add, on a pool thread; it stops early when told to.
    using Search = std::function<std::vector<std::string>(const ScanCancelled& cancelled)>;

    void start(Search search, bool searching);
    // One turn of the window's side: Cancel, the rows that are ready, the dialog.
    void turn();
    void end();

    FileListModel& model_;
    Prober probe_;
    QWidget* owner_;
    Dialogs& dialogs_;
    WindowLock lock_;
    QThreadPool pool_;

    // The adding under way; its pool tasks hold it too, so a cancelled adding can end on
    // the window's side while its last probe is still running.
    std::shared_ptr<Work> work_;
    std::unique_ptr<LoadProgressDialog> dialog_;
    QTimer turns_;
    std::size_t appended_ = 0;  // files of the adding dealt with, from the first
    bool rangeSet_ = false;
    AddFailureReport failures_;
};

}  // namespace tonvexa
