#pragma once

#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/FileEntry.h"
#include "ui/LoadProgressDialog.h"

class QWidget;

namespace tonvexa {

class Dialogs;
class FileListModel;

// Adding files to the list, whichever way they come (the open-file dialog, a folder, a drop):
// each file is probed with the reader of its format and appended as a row, a progress dialog
// shows how far it got and can stop it, duplicates are skipped without a word, and the files
// that could not be read are named in one message at the end.
class FileAdder {
public:
    // The properties of a file, or nothing when it cannot be read.
    using Prober = std::function<std::optional<FileEntry>(const std::string& path)>;
    // Disables or re-enables the window's controls while files are added (never the
    // progress dialog, which must keep its Cancel button).
    using WindowLock = std::function<void(bool enabled)>;

    FileAdder(FileListModel& model, Prober probe, QWidget* owner, Dialogs& dialogs,
              WindowLock lock);
    ~FileAdder();

    // The row of the new file; 0 when the path is already listed (any letter case); -1 when
    // the file cannot be added (unsupported extension, or unreadable).
    int ProbeAndAddFile(const std::string& path);

    // Adds the paths in order, then reports the failures. Uses the given progress dialog (its
    // search phase done) or makes one; the dialog closes at the end.
    void AddFilesToList(const std::vector<std::string>& paths,
                        std::unique_ptr<LoadProgressDialog> dialog = nullptr);

    // A progress dialog showing "Searching files...", for the search before adding.
    std::unique_ptr<LoadProgressDialog> BeginSearch();
    // A folder and its subfolders.
    void AddFolderTree(const std::string& folder);
    // Items dropped on the window: folders are searched, supported files taken, shortcuts
    // followed; anything else is skipped.
    void AddDroppedItems(const std::vector<std::string>& items);

private:
    FileListModel& model_;
    Prober probe_;
    QWidget* owner_;
    Dialogs& dialogs_;
    WindowLock lock_;
};

}  // namespace tonvexa
