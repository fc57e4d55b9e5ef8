#include "settings/pages/COptSheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/pages/OptionsPage.h"
#include "settings/pages/PageControls.h"

namespace tonvexa {

COptSheet::COptSheet(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Options"));
    setFont(PageFont());
    tabs_ = new QTabWidget(this);
    tabs_->setAccessibleName(QStringLiteral("Options"));
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    SetControlId(buttons_->button(QDialogButtonBox::Ok), 1);
    SetControlId(buttons_->button(QDialogButtonBox::Cancel), 2);
    connect(buttons_, &QDialogButtonBox::accepted, this, &COptSheet::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &COptSheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &COptSheet::tabChosen);

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
