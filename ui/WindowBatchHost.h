#pragma once

#include <functional>
#include <memory>
#include <string>

#include "engine/BatchHost.h"

class QWidget;

namespace tonvexa {

class Dialogs;
class SortableListCtrl;

// The main window as the batch driver sees it: the list's Status column, the window's
// controls, the wait cursor, the conversion progress dialog and message boxes. Every wait
// cursor it shows is gone again when it is destroyed, whatever path the batch took.
class WindowBatchHost final : public BatchHost {
public:
    using WindowLock = std::function<void(bool enabled)>;

    WindowBatchHost(QWidget* window, SortableListCtrl& list, Dialogs& dialogs, WindowLock lock);
    ~WindowBatchHost() override;
    WindowBatchHost(const WindowBatchHost&) = delete;
    WindowBatchHost& operator=(const WindowBatchHost&) = delete;

    void setRowStatus(int row, const std::string& text) override;
    void ensureRowVisible(int row) override;
    void setWindowEnabled(bool enabled) override;
    void beginWaitCursor() override;
    void endWaitCursor() override;
    std::unique_ptr<ConvertProgress> createProgress() override;
    void showMessage(const std::string& text, const std::string& caption) override;

private:
    QWidget* window_;
    SortableListCtrl& list_;
    Dialogs& dialogs_;
    WindowLock lock_;
    int waitCursors_ = 0;
};

}  // namespace tonvexa
