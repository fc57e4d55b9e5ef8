#pragma once

#include <QPoint>

#include "engine/ConvertProgress.h"
#include "ui/ProgressDialogFrame.h"
#include "ui/WindowDragger.h"

namespace tonvexa {

// The progress of a conversion batch (template 207): the running file's line and bar, the
// batch line and bar, and Cancel. It can be dragged by its background.
class ConvertProgressDialog : public ProgressDialogFrame, public ConvertProgress {
    Q_OBJECT

public:
    static constexpr int kFileTextId = 1032;
    static constexpr int kFileBarId = 1013;
    static constexpr int kBatchTextId = 1035;
    static constexpr int kBatchBarId = 1037;

    explicit ConvertProgressDialog(QWidget* owner = nullptr);

    void setFileText(const std::string& text) override;
    int fileBarWidth() const override;
    void setFileRange(int maximum) override;
    void setFilePosition(int position) override;
    void setBatchText(const std::string& text) override;
    void setBatchRange(int maximum) override;
    void stepBatch() override;
    void pumpMessages() override;
    bool cancelled() const override { return isCancelled(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QLabel* batchText_;
    QLabel* fileText_;
    QProgressBar* fileBar_;
    QProgressBar* batchBar_;
    WindowDragger dragger_{this};
};

}  // namespace tonvexa
