#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "engine/ConvertProgress.h"
#include "ui/ConvertProgressDialog.h"
#include "ui/LoadProgressDialog.h"

using namespace tonvexa;

namespace {

class ProgressDialogTest : public testing::Test {
protected:
    void SetUp() override {
        owner = std::make_unique<QWidget>();
        owner->setGeometry(100, 120, 800, 600);
        owner->show();
    }
    void TearDown() override {
        owner.reset();
        QCoreApplication::processEvents();
        // Nothing a test made may outlive it.
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty())
            << QApplication::topLevelWidgets().size() << " top-level widgets left";
    }

    template <class T>
    static T* control(QWidget& dialog, int id) {
        T* w = dialog.findChild<T*>(QString::number(id));
        EXPECT_NE(w, nullptr) << "no control " << id;
        return w;
    }

    std::unique_ptr<QWidget> owner;
};

struct ControlPlace {
    int id;
    QRect pixels;  // the dialog units at 1.5 px across and 1.625 px down, rounded
};

}  // namespace

TEST_F(ProgressDialogTest, LoadDialogLayout) {
    LoadProgressDialog dialog(owner.get());
    EXPECT_EQ(dialog.size(), QSize(480, 101));
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    for (const ControlPlace& c :
         {ControlPlace{1053, QRect(11, 11, 459, 13)}, ControlPlace{1010, QRect(11, 29, 459, 21)},
          ControlPlace{1033, QRect(201, 63, 75, 26)}}) {
        QWidget* w = control<QWidget>(dialog, c.id);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.pixels) << c.id;
    }
    EXPECT_EQ(control<QPushButton>(dialog, 1033)->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(control<QLabel>(dialog, 1053)->text().isEmpty());
    EXPECT_FALSE(dialog.cancelled());
    EXPECT_EQ(dialog.font().pointSize(), 8);
    EXPECT_EQ(control<QLabel>(dialog, 1053)->font().pointSize(), 8);
}

TEST_F(ProgressDialogTest, ConvertDialogLayout) {
    ConvertProgressDialog dialog(owner.get());
    EXPECT_EQ(dialog.size(), QSize(480, 154));
    for (const ControlPlace& c :
         {ControlPlace{1032, QRect(11, 11, 459, 13)}, ControlPlace{1013, QRect(11, 29, 459, 21)},
          ControlPlace{1035, QRect(11, 63, 459, 13)}, ControlPlace{1037, QRect(11, 81, 459, 21)},
          ControlPlace{1033, QRect(203, 117, 75, 26)}}) {
        QWidget* w = control<QWidget>(dialog, c.id);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), c.pixels) << c.id;
    }
    EXPECT_EQ(control<QProgressBar>(dialog, 1013)->maximum(), ConvertProgress::kFileSteps);
}

TEST_F(ProgressDialogTest, BothOpenCentredOnTheOwner) {
    const QRect area = owner->frameGeometry();
    {
        LoadProgressDialog dialog(owner.get());
        dialog.show();
        EXPECT_LE(std::abs(dialog.geometry().center().x() - area.center().x()), 1);
        EXPECT_LE(std::abs(dialog.geometry().center().y() - area.center().y()), 1);
        dialog.finishOperation();
    }
    ConvertProgressDialog dialog(owner.get());
    dialog.show();
    EXPECT_LE(std::abs(dialog.geometry().center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(dialog.geometry().center().y() - area.center().y()), 1);
    dialog.finishOperation();
}

TEST_F(ProgressDialogTest, CancelOnlyRaisesTheFlag) {
    ConvertProgressDialog dialog(owner.get());
    dialog.show();
    dialog.beginBatch({QStringLiteral("a.wma"), QStringLiteral("b.wma")}, FormatMp3);
    dialog.jobStarted(0);
    dialog.jobProgress(0, 12, 120);
    QPushButton* cancel = control<QPushButton>(dialog, 1033);
    ASSERT_NE(cancel, nullptr);
    QSignalSpy finished(&dialog, &QDialog::finished);
    QSignalSpy requested(&dialog, &ProgressDialogFrame::cancelRequested);
    QTest::mouseClick(cancel, Qt::LeftButton);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_TRUE(dialog.isCancelled());
    EXPECT_EQ(requested.count(), 1);  // told once, however often pressed
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(control<QLabel>(dialog, 1032)->text(), QStringLiteral("Converting a.wma...12%"));
    dialog.finishOperation();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.isCancelled());  // never reset
}

TEST_F(ProgressDialogTest, EnterAndEscDoNothing) {
    LoadProgressDialog load(owner.get());
    ConvertProgressDialog convert(owner.get());
    for (QDialog* dialog : {static_cast<QDialog*>(&load), static_cast<QDialog*>(&convert)}) {
        dialog->show();
        dialog->activateWindow();
        QSignalSpy finished(dialog, &QDialog::finished);
        // Also with the focus on Cancel, where Enter would press a default button.
        control<QPushButton>(*dialog, 1033)->setFocus();
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(dialog, static_cast<Qt::Key>(key));
            QTest::keyClick(control<QPushButton>(*dialog, 1033), static_cast<Qt::Key>(key));
        }
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(finished.count(), 0);
    }
    EXPECT_FALSE(load.cancelled());
    EXPECT_FALSE(convert.isCancelled());
    // Space on the focused button is a press of the button.
    QTest::keyClick(control<QPushButton>(load, 1033), Qt::Key_Space);
    EXPECT_TRUE(load.cancelled());
    load.finishOperation();
    convert.finishOperation();
}

TEST_F(ProgressDialogTest, CloseRequestDuringTheOperationCountsAsCancel) {
    auto* dialog = new ConvertProgressDialog(owner.get());
    QPointer<ConvertProgressDialog> alive(dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    EXPECT_FALSE(dialog->close());
    QCoreApplication::processEvents();
    ASSERT_TRUE(alive);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(dialog->isCancelled());
    dialog->finishOperation();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(alive);
}

TEST_F(ProgressDialogTest, DraggingTheBackgroundMovesTheDialog) {
    ConvertProgressDialog dialog(owner.get());
    dialog.show();
    const QPoint start = dialog.pos();
    const QPoint local(5, 140);  // background below the Cancel button's row
    const QPoint global = dialog.mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&dialog, &press);
    // Where the window system does the move itself, nothing follows here; the headless
    // platform has no such move, so the dialog follows the pointer.
    QMouseEvent move(QEvent::MouseMove, local + QPoint(30, 20), global + QPoint(30, 20),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, local + QPoint(30, 20), global + QPoint(30, 20),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &release);
    if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
        EXPECT_EQ(dialog.pos(), start + QPoint(30, 20));
    }
    // Without the button held, moving does nothing.
    const QPoint after = dialog.pos();
    QMouseEvent hover(QEvent::MouseMove, local, global + QPoint(90, 90), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&dialog, &hover);
    EXPECT_EQ(dialog.pos(), after);
    EXPECT_FALSE(dialog.isCancelled());
    dialog.finishOperation();
}

// Several files at once: the batch line counts the files begun, the batch bar the files
// ended, and the file line and bar follow the earliest running file.
TEST_F(ProgressDialogTest, ParallelFilesShowTheEarliestRunning) {
    ConvertProgressDialog dialog(owner.get());
    dialog.show();
    dialog.beginBatch({QStringLiteral("a.wma"), QStringLiteral("b.wma"), QStringLiteral("c.wma")},
                      FormatWma);
    QLabel* fileLine = control<QLabel>(dialog, 1032);
    QProgressBar* fileBar = control<QProgressBar>(dialog, 1013);
    QLabel* batchLine = control<QLabel>(dialog, 1035);
    QProgressBar* batchBar = control<QProgressBar>(dialog, 1037);
    dialog.jobStarted(0);
    dialog.jobStarted(1);
    EXPECT_EQ(batchLine->text(), QStringLiteral("Converting 2 of 3 file(s) to WMA..."));
    EXPECT_EQ(batchBar->maximum(), 3);
    EXPECT_EQ(batchBar->value(), 0);
    dialog.jobProgress(1, 70, 700);  // not the earliest: kept for later
    dialog.jobProgress(0, 12, 120);
    EXPECT_EQ(fileLine->text(), QStringLiteral("Converting a.wma...12%"));
    EXPECT_EQ(fileBar->value(), 120);
    dialog.jobEnded(0);
    EXPECT_EQ(batchBar->value(), 1);
    EXPECT_EQ(fileLine->text(), QStringLiteral("Converting b.wma...70%"));
    EXPECT_EQ(fileBar->value(), 700);
    dialog.jobStarted(2);
    dialog.jobEnded(1);
    dialog.jobEnded(2);
    EXPECT_EQ(batchLine->text(), QStringLiteral("Converting 3 of 3 file(s) to WMA..."));
    EXPECT_EQ(batchBar->value(), 3);  // full only when the last file has ended
    dialog.finishOperation();
}

TEST_F(ProgressDialogTest, LoadDialogBar) {
    LoadProgressDialog dialog(owner.get());
    dialog.setRange(3);
    dialog.step();
    dialog.step();
    dialog.setStatusText(QStringLiteral("Adding file 2 of 3..."));
    EXPECT_EQ(control<QProgressBar>(dialog, 1010)->value(), 2);
    EXPECT_EQ(control<QProgressBar>(dialog, 1010)->maximum(), 3);
    EXPECT_EQ(control<QLabel>(dialog, 1053)->text(), QStringLiteral("Adding file 2 of 3..."));
}
