#include "ProgressDialogFrame.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>

#include "ui/DialogUnits.h"

namespace tonvexa {

ProgressDialogFrame::ProgressDialogFrame(QWidget* owner, int widthUnits, int heightUnits)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
    setFont(DialogFont());
    setFixedSize(DialogUnitsSize(widthUnits, heightUnits));
    setModal(false);
}

QLabel* ProgressDialogFrame::addText(int id, int x, int y, int width, int height) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::number(id));
    label->setGeometry(DialogUnitsRect(x, y, width, height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QProgressBar* ProgressDialogFrame::addBar(int id, int x, int y, int width, int height) {
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QString::number(id));
    bar->setGeometry(DialogUnitsRect(x, y, width, height));
    bar->setTextVisible(false);
    bar->setRange(0, 100);
    bar->setValue(0);
    return bar;
}

QPushButton* ProgressDialogFrame::addCancelButton(int x, int y, int width, int height) {
    //: Ends the adding of files or the conversion under way
    auto* button = new QPushButton(tr("Cancel"), this);
    button->setObjectName(QString::number(kCancelId));
    button->setGeometry(DialogUnitsRect(x, y, width, height));
    // Enter must not press it.
    button->setAutoDefault(false);
    button->setDefault(false);
    connect(button, &QPushButton::clicked, this, &ProgressDialogFrame::requestCancel);
    return button;
}

void ProgressDialogFrame::requestCancel() {
    const bool first = cancelled_ == 0;
    cancelled_ = 1;
    if (first) Q_EMIT cancelRequested();
}

void ProgressDialogFrame::finishOperation() {
    operationEnded_ = true;
    close();
}

void ProgressDialogFrame::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void ProgressDialogFrame::closeEvent(QCloseEvent* event) {
    if (!operationEnded_) {
        requestCancel();
        event->ignore();
        return;
    }
    event->accept();
}

void ProgressDialogFrame::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!placed_) {
        placed_ = true;
        centreOnOwner();
    }
}

void ProgressDialogFrame::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // Without a caption the frame alone marks the dialog's edge.
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = 1;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
}

void ProgressDialogFrame::centreOnOwner() {
    QRect area;
    if (QWidget* owner = parentWidget()) {
        area = owner->window()->frameGeometry();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    } else {
        return;
    }
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

}  // namespace tonvexa
