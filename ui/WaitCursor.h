#pragma once

#include <QApplication>
#include <QCursor>

namespace tonvexa {

// The wait cursor from construction until restore() or the end of the scope, whichever comes
// first, so that no path of a command leaves it behind.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { restore(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    void restore() {
        if (active_) QApplication::restoreOverrideCursor();
        active_ = false;
    }

private:
    bool active_ = true;
};

}  // namespace tonvexa
