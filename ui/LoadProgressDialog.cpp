#include "LoadProgressDialog.h"

#include <QLabel>
#include <QProgressBar>

namespace tonvexa {

LoadProgressDialog::LoadProgressDialog(QWidget* owner) : ProgressDialogFrame(owner, 320, 62) {
    status_ = addText(kStatusTextId, 7, 7, 306, 8);
    bar_ = addBar(kBarId, 7, 18, 306, 13);
    addCancelButton(134, 39, 50, 16);
}

void LoadProgressDialog::setStatusText(const QString& text) {
    status_->setText(text);
}

void LoadProgressDialog::setRange(int maximum) {
    bar_->setRange(0, maximum);
    bar_->setValue(0);
}

void LoadProgressDialog::setPosition(int position) {
    bar_->setValue(position);
}

void LoadProgressDialog::step() {
    if (bar_->value() < bar_->maximum()) bar_->setValue(bar_->value() + 1);
}

}  // namespace tonvexa
