#include <QApplication>

#include <cstdlib>

#include <gtest/gtest.h>

#include "support/TestSupport.h"
#include "texts/Language.h"

int main(int argc, char** argv) {
    // Tests never need a screen, and must never wait on one; the Wayland checks name their
    // platform (a headless compositor's) in TONVEXA_TEST_PLATFORM.
    const QByteArray platform = qgetenv("TONVEXA_TEST_PLATFORM");
    qputenv("QT_QPA_PLATFORM", platform.isEmpty() ? QByteArray("offscreen") : platform);
    QApplication app(argc, argv);
    // Pictures of the windows in a language: TONVEXA_TEST_LANGUAGE=de (the tests that check
    // English texts then fail, as they should).
    if (const QString language = qEnvironmentVariable("TONVEXA_TEST_LANGUAGE"); !language.isEmpty())
        tonvexa::InstallLanguage(app, language);
    testing::InitGoogleTest(&argc, argv);
    return tonvexa::test::runAllTests();
}
