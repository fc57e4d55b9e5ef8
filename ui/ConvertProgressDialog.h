#pragma once

#include <QString>

#include <map>
#include <utility>
#include <vector>

#include "engine/AudioFormat.h"
#include "ui/ProgressDialogFrame.h"
#include "ui/WindowDragger.h"

namespace tonvexa {

// The progress of a conversion batch (template 207): a file's line and bar, the batch line
// and bar, and Cancel. It can be dragged by its background. Several files may convert at
// once: the batch line counts the files begun, the batch bar the files ended, and the file
// line and bar follow the earliest running file.
class ConvertProgressDialog : public ProgressDialogFrame {
    Q_OBJECT

public:
    static constexpr int kFileTextId = 1032;
    static constexpr int kFileBarId = 1013;
    static constexpr int kBatchTextId = 1035;
    static constexpr int kBatchBarId = 1037;

    explicit ConvertProgressDialog(QWidget* owner = nullptr);

    // A batch of files (their names, in list order) to the target.
    void beginBatch(std::vector<QString> fileNames, AudioFormatCode target);
    void jobStarted(int index);
    void jobProgress(int index, int percent, int position);
    void jobEnded(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showFile();

    QLabel* batchText_;
    QLabel* fileText_;
    QProgressBar* fileBar_;
    QProgressBar* batchBar_;
    WindowDragger dragger_{this};
    std::vector<QString> names_;
    AudioFormatCode target_ = FormatNone;
    int begun_ = 0;
    int ended_ = 0;
    // The running files by index, each with its percent and bar position.
    std::map<int, std::pair<int, int>> running_;
};

}  // namespace tonvexa
