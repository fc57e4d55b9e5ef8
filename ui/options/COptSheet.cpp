#include "COptSheet.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/options/OptionsPage.h"
#include "ui/options/PageControls.h"

namespace tonvexa {

COptSheet::COptSheet(QWidget* parent) : QDialog(parent) {
    //: The options window's title, also its tabs' name for screen readers
    setWindowTitle(tr("Options"));
    setFont(PageFont());
    tabs_ = new QTabWidget(this);
    tabs_->setAccessibleName(tr("Options"));
    buttons_ = OkCancelButtons(this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &COptSheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &COptSheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &COptSheet::tabChosen);
    // The tab widget steps through its tabs with Ctrl+Tab only when the key reaches it, which
    // some controls (a drop-down list) do not let happen; these work wherever the focus is.
    const struct {
        QKeySequence keys;
        int step;
    } steps[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                 {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                 {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                 {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto& s : steps) {
        const int step = s.step;
        connect(new QShortcut(s.keys, this), &QShortcut::activated, this, [this, step] {
            if (pageCount() > 0)
                tabs_->setCurrentIndex((current_ + step + pageCount()) % pageCount());
        });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void COptSheet::AddPage(OptionsPage* page) {
    pages_.push_back(page);
    switching_ = true;
    tabs_->addTab(page, page->title());
    switching_ = false;
    current_ = tabs_->currentIndex();
}

OptionsPage* COptSheet::page(int index) const {
    if (index < 0 || index >= pageCount()) return nullptr;
    return pages_[static_cast<std::size_t>(index)];
}

void COptSheet::SetActivePage(int index) {
    if (index < 0 || index >= pageCount()) index = 0;
    showTab(index);
    if (isVisible()) pages_[static_cast<std::size_t>(index)]->Activate();
}

void COptSheet::showTab(int index) {
    switching_ = true;
    tabs_->setCurrentIndex(index);
    switching_ = false;
    current_ = index;
}

void COptSheet::setVisible(bool visible) {
    // The page on display gets its values before the sheet takes its size and shows.
    if (visible && !pages_.empty()) pages_[static_cast<std::size_t>(current_)]->Activate();
    QDialog::setVisible(visible);
}

void COptSheet::tabChosen(int index) {
    if (switching_ || index == current_ || index < 0) return;
    // The tab has already moved; it goes back until the page being left agrees, so that
    // its message (if any) is read beside the page it is about.
    const int from = current_;
    showTab(from);
    if (!pages_[static_cast<std::size_t>(from)]->CanLeave()) return;
    pages_[static_cast<std::size_t>(index)]->Activate();
    showTab(index);
}

void COptSheet::accept() {
    if (OptionsPage* shown = page(current_); shown != nullptr && !shown->CanLeave()) return;
    QDialog::accept();
}

}  // namespace tonvexa
