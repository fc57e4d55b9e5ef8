#include "ui/ConvertProgressDialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QWindow>

#include "ui/PumpMessages.h"

namespace tonvexa {

ConvertProgressDialog::ConvertProgressDialog(QWidget* owner) : ProgressDialogFrame(owner, 320, 95) {
    fileText_ = addText(kFileTextId, 7, 7, 306, 8);
    fileBar_ = addBar(kFileBarId, 7, 18, 306, 13);
    batchText_ = addText(kBatchTextId, 7, 39, 306, 8);
    batchBar_ = addBar(kBatchBarId, 7, 50, 306, 13);
    addCancelButton(135, 72, 50, 16);
}

void ConvertProgressDialog::setFileText(const std::string& text) {
    fileText_->setText(QString::fromStdString(text));
}

int ConvertProgressDialog::fileBarWidth() const {
    return fileBar_->width();
}

void ConvertProgressDialog::setFileRange(int maximum) {
    fileBar_->setRange(0, maximum);
}

void ConvertProgressDialog::setFilePosition(int position) {
    fileBar_->setValue(position);
}

void ConvertProgressDialog::setBatchText(const std::string& text) {
    batchText_->setText(QString::fromStdString(text));
}

void ConvertProgressDialog::setBatchRange(int maximum) {
    batchBar_->setRange(0, maximum);
    batchBar_->setValue(0);
}

void ConvertProgressDialog::stepBatch() {
    if (batchBar_->value() < batchBar_->maximum()) batchBar_->setValue(batchBar_->value() + 1);
}

void ConvertProgressDialog::pumpMessages() {
    PumpMessages();
}

void ConvertProgressDialog::mousePressEvent(QMouseEvent* event) {
    if (!dragger_.press(event)) ProgressDialogFrame::mousePressEvent(event);
}

void ConvertProgressDialog::mouseMoveEvent(QMouseEvent* event) {
    if (!dragger_.move(event)) ProgressDialogFrame::mouseMoveEvent(event);
}

void ConvertProgressDialog::mouseReleaseEvent(QMouseEvent* event) {
    dragger_.release(event);
    ProgressDialogFrame::mouseReleaseEvent(event);
}

}  // namespace tonvexa
