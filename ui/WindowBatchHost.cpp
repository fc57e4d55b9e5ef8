#include "ui/WindowBatchHost.h"

#include <QApplication>
#include <QCursor>

#include <utility>

#include "ui/ConvertProgressDialog.h"
#include "ui/Dialogs.h"
#include "ui/FileListModel.h"
#include "ui/SortableListCtrl.h"

namespace tonvexa {

WindowBatchHost::WindowBatchHost(QWidget* window, SortableListCtrl& list, Dialogs& dialogs,
                                 WindowLock lock)
    : window_(window), list_(list), dialogs_(dialogs), lock_(std::move(lock)) {}

WindowBatchHost::~WindowBatchHost() {
    while (waitCursors_ > 0) endWaitCursor();
}

void WindowBatchHost::setRowStatus(int row, const std::string& text) {
    list_.fileModel()->setStatus(row, QString::fromStdString(text));
}

void WindowBatchHost::ensureRowVisible(int row) {
    list_.scrollTo(list_.fileModel()->index(row, 0), QAbstractItemView::EnsureVisible);
}

void WindowBatchHost::setWindowEnabled(bool enabled) {
    if (lock_) lock_(enabled);
}

void WindowBatchHost::beginWaitCursor() {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++waitCursors_;
}

void WindowBatchHost::endWaitCursor() {
    if (waitCursors_ == 0) return;
    --waitCursors_;
    QApplication::restoreOverrideCursor();
}

std::unique_ptr<ConvertProgress> WindowBatchHost::createProgress() {
    auto dialog = std::make_unique<ConvertProgressDialog>(window_);
    dialog->show();
    return dialog;
}

void WindowBatchHost::showMessage(const std::string& text, const std::string& /*caption*/) {
    // The caption is always the program's name, which the message boxes show anyway.
    dialogs_.showMessage(window_, QString::fromStdString(text), MessageIcon::Information);
}

}  // namespace tonvexa
