// Adding a large folder from the window: many small WAV files (one tiny file copied), dropped
// on the window as a folder. Prints, per run, the time from the command to its end (the last
// row in the list and the dialog closed) and the longest time the window's thread went
// without turning its event loop meanwhile, as a 5 ms timer inside the program sees it: the
// gap between two of its ticks. Everything above 5 ms in that gap is time the window could
// not answer the user.
//
// Usage: bench_adding [files, default 10000] [runs, default 3]
// (needs a display; QT_QPA_PLATFORM=offscreen works)

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "BenchWindow.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"
#include "ui/FileListModel.h"
#include "ui/MainCommands.h"
#include "ui/MainDialog.h"
#include "wm/FfmpegLog.h"
#include "wm/FfmpegWmRuntime.h"

using namespace tonvexa;

namespace {

constexpr int kTickMs = 5;

struct Figures {
    double totalMs = 0;
    double longestGapMs = 0;
    double commandMs = 0;  // the command itself, before it returns to the event loop
    int ticks = 0;
};

Figures AddFolder(MainDialog& window, const std::string& folder) {
    Figures f;
    QEventLoop loop;
    QElapsedTimer clock;
    qint64 lastTick = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(kTickMs);
    QObject::connect(&ticker, &QTimer::timeout, &loop, [&] {
        const qint64 now = clock.nsecsElapsed();
        f.longestGapMs = std::max(f.longestGapMs, static_cast<double>(now - lastTick) / 1e6);
        lastTick = now;
        ++f.ticks;
        if (!window.busy()) loop.quit();
    });
    clock.start();
    ticker.start();
    window.fileCommands().AddDropped({folder});
    f.commandMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    loop.exec();
    // The end is seen at the first tick after it, at most one interval late.
    f.totalMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    QuietFfmpegLog();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    QTemporaryDir temp;
    const std::string folder = temp.filePath(QStringLiteral("music")).toStdString();
    std::filesystem::create_directories(folder);
    const std::string tiny = temp.filePath(QStringLiteral("tiny.wav")).toStdString();
    // A tenth of a second of 8 kHz mono.
    bench::WriteSilentWav(tiny, 8000, 1, 800);
    for (int i = 1; i <= files; ++i)
        std::filesystem::copy_file(tiny, folder + "/track " + std::to_string(i) + ".wav");

    SettingsStore store(temp.filePath(QStringLiteral("Tonvexa.conf")).toStdString());
    store.WriteFirstRun(0);
    QtDialogs dialogs;
    bench::NoOpener opener;
    bench::QuietDesktop desktop;
    FfmpegWmRuntime runtime;
    MainDialog window(MainServices{dialogs, opener, desktop, store, runtime});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }

    std::printf("adding %d WAV files of one folder, %d threads for the probes\n", files,
                QThread::idealThreadCount());
    for (int run = 1; run <= runs; ++run) {
        window.model()->clear();
        const Figures f = AddFolder(window, folder);
        if (window.model()->rowCount() != files) {
            std::fprintf(stderr, "added %d of %d files\n", window.model()->rowCount(), files);
            return 1;
        }
        std::printf(
            "run %d: total %.0f ms (%.3f ms a file); longest gap between %d ms ticks %.1f ms "
            "(%d ticks); the command itself %.1f ms\n",
            run, f.totalMs, f.totalMs / files, kTickMs, f.longestGapMs, f.ticks, f.commandMs);
    }
    return 0;
}
