#pragma once

#include <QDialog>

#include <cstdint>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tonvexa {

// What both progress dialogs share: a pop-up without caption, laid out in dialog units,
// centred on its owner when it first shows, with a Cancel button that only raises the
// cancelled flag. Enter and Esc do nothing. A close request from the user while the
// operation runs counts as Cancel and leaves the dialog up: only the operation ends it
// (finishOperation), so the dialog never disappears under the work that uses it.
class ProgressDialogFrame : public QDialog {
    Q_OBJECT

public:
    bool isCancelled() const { return cancelled_ != 0; }
    // The operation is over: the dialog closes for good.
    void finishOperation();

    // Control ids, each also the control's object name.
    static constexpr int kCancelId = 1033;

protected:
    ProgressDialogFrame(QWidget* owner, int widthUnits, int heightUnits);

    QLabel* addText(int id, int x, int y, int width, int height);
    QProgressBar* addBar(int id, int x, int y, int width, int height);
    QPushButton* addCancelButton(int x, int y, int width, int height);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

Q_SIGNALS:
    // Cancel was pressed, or the user asked to close the dialog while the operation runs.
    void cancelRequested();

public Q_SLOTS:
    // The dialog's own OK and Cancel actions are empty.
    void accept() override {}
    void reject() override {}

private:
    void centreOnOwner();
    void requestCancel();

    std::int32_t cancelled_ = 0;
    bool operationEnded_ = false;
    bool placed_ = false;
};

}  // namespace tonvexa
