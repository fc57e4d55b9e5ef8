#include <QCoreApplication>

#include <gtest/gtest.h>

#include "support/TestSupport.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return tonvexa::test::runAllTests();
}
