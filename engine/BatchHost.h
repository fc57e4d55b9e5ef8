#pragma once

#include <memory>
#include <string>

#include "engine/ConvertProgress.h"

namespace tonvexa {

// What the batch driver needs of the window that runs it: the list's rows, the window
// itself, the wait cursor, the progress display and message boxes. The main window
// implements it; tests supply their own.
class BatchHost {
public:
    virtual ~BatchHost() = default;

    // The row's Status column.
    virtual void setRowStatus(int row, const std::string& text) = 0;
    // Scrolls the list so that the row is entirely visible.
    virtual void ensureRowVisible(int row) = 0;
    // Disables or re-enables the whole window, so that nothing else starts during a batch.
    virtual void setWindowEnabled(bool enabled) = 0;
    virtual void beginWaitCursor() = 0;
    virtual void endWaitCursor() = 0;
    // Creates and shows the batch's progress display. The driver owns it from here and
    // destroys it when the batch ends, which closes it.
    virtual std::unique_ptr<ConvertProgress> createProgress() = 0;
    // An information message box with the caption.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
};

}  // namespace tonvexa
