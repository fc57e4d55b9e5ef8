#include "ConvertProgressDialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>

#include "engine/ConvertProgress.h"
#include "texts/Texts.h"

namespace tonvexa {

ConvertProgressDialog::ConvertProgressDialog(QWidget* owner) : ProgressDialogFrame(owner, 320, 95) {
    fileText_ = addText(kFileTextId, 7, 7, 306, 8);
    fileBar_ = addBar(kFileBarId, 7, 18, 306, 13);
    batchText_ = addText(kBatchTextId, 7, 39, 306, 8);
    batchBar_ = addBar(kBatchBarId, 7, 50, 306, 13);
    addCancelButton(135, 72, 50, 16);
    fileBar_->setRange(0, ConvertProgress::kFileSteps);
}

void ConvertProgressDialog::beginBatch(std::vector<QString> fileNames, AudioFormatCode target) {
    names_ = std::move(fileNames);
    target_ = target;
    begun_ = ended_ = 0;
    running_.clear();
    batchBar_->setRange(0, static_cast<int>(names_.size()));
    batchBar_->setValue(0);
}

void ConvertProgressDialog::jobStarted(int index) {
    ++begun_;
    batchText_->setText(
        QString::fromStdString(BatchLine(begun_, static_cast<int>(names_.size()), target_)));
    running_[index] = {0, 0};
    showFile();
}

void ConvertProgressDialog::jobProgress(int index, int percent, int position) {
    const auto it = running_.find(index);
    if (it == running_.end()) return;
    it->second = {percent, position};
    if (it == running_.begin()) showFile();
}

void ConvertProgressDialog::jobEnded(int index) {
    if (running_.erase(index) == 0) return;
    batchBar_->setValue(++ended_);
    // The next running file takes over the line; the last one's stays until another begins.
    if (!running_.empty()) showFile();
}

void ConvertProgressDialog::showFile() {
    if (running_.empty()) return;
    const auto& [index, state] = *running_.begin();
    const QString name =
        index >= 0 && index < static_cast<int>(names_.size()) ? names_[static_cast<std::size_t>(index)]
                                                              : QString();
    const QString text = QString::fromStdString(FileLine(name.toStdString(), state.first));
    if (fileText_->text() != text) fileText_->setText(text);
    if (fileBar_->value() != state.second) fileBar_->setValue(state.second);
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
