#include <QApplication>

#include <cstdlib>

#include <gtest/gtest.h>

#include "support/TestSupport.h"

int main(int argc, char** argv) {
    // Tests never need a screen, and must never wait on one.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return tonvexa::test::runAllTests();
}
