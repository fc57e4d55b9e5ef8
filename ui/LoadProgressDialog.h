#pragma once

#include <QString>

#include "ui/ProgressDialogFrame.h"

namespace tonvexa {

// The progress of adding files (template 159): a status line, a bar of the files added so
// far, and Cancel.
class LoadProgressDialog : public ProgressDialogFrame {
    Q_OBJECT

public:
    static constexpr int kStatusTextId = 1053;
    static constexpr int kBarId = 1010;

    explicit LoadProgressDialog(QWidget* owner = nullptr);

    void setStatusText(const QString& text);
    // Range 0..maximum, position 0.
    void setRange(int maximum);
    void setPosition(int position);
    void step();
    bool cancelled() const { return isCancelled(); }

private:
    QLabel* status_;
    QProgressBar* bar_;
};

}  // namespace tonvexa
