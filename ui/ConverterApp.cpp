#include "ConverterApp.h"

#include <QApplication>
#include <QProxyStyle>

#include <cstdio>

#include "settings/SettingsStore.h"
#include "texts/Language.h"
#include "ui/Artwork.h"
#include "ui/DesktopServicesQt.h"
#include "ui/Dialogs.h"
#include "ui/MainDialog.h"
#include "ui/UrlOpener.h"
#include "wm/FfmpegLog.h"
#include "wm/FfmpegWmRuntime.h"

namespace tonvexa {

namespace {

// Tooltips come up after 300 ms.
class ProgramStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay) return 300;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Qt's own diagnostics stay off the terminal unless asked for with TONVEXA_DEBUG=1; serious
// errors still reach it.
void QuietQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    static const bool debug = qEnvironmentVariable("TONVEXA_DEBUG") == QLatin1String("1");
    if (!debug && (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg)) return;
    std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

}  // namespace

bool DisplayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

int RunConverterApp(int argc, char** argv) {
    (void)argc;
    if (!DisplayAvailable()) {
        // Without a display there is no window, but the user's language still is: an
        // application object without one carries the translations.
        int coreArgc = 1;
        QCoreApplication core(coreArgc, argv);
        InstallTranslations(core);
        // The names of the variables and of the converter are the same in every language.
        //: Printed on the terminal after "tonvexa: ". %1 and %2 are names of environment
        //: variables, %3 the name of the command-line converter.
        const QString line =
            QCoreApplication::translate("ConverterApp",
                                        "no display to show the window on (neither %1 nor %2 is "
                                        "set); to convert without a window, use %3")
                .arg(QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"),
                     QStringLiteral("tonvexa-convert"));
        std::fprintf(stderr, "tonvexa: %s\n", qUtf8Printable(line));
        return 1;
    }
    QuietFfmpegLog();
    qInstallMessageHandler(QuietQtMessages);

    // The command line is not the program's: only its name goes to Qt.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brakkfield"));
    QApplication::setApplicationName(QStringLiteral("Tonvexa"));
    QApplication::setDesktopFileName(QStringLiteral(TONVEXA_APP_ID));
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setStyle(new ProgramStyle);
    // The user's language, from the desktop's (LANGUAGE, LANG); English where Tonvexa has no
    // translation.
    InstallTranslations(app);

    QtDialogs dialogs;
    DesktopServicesQt desktop;
    SettingsStore store;
    FfmpegWmRuntime runtime;
    const MainServices services{dialogs, DefaultUrlOpener(), desktop, store, runtime};
    MainDialog window(services);
    window.show();
    return QApplication::exec();
}

}  // namespace tonvexa
