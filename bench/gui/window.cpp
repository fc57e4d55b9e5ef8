// The window's figures: the time from the program's start to its main window shown; the time
// to add 1,000 WAV files of a folder to the list, beside the command-line converter probing
// the same files (which reads each file's header the same way, without a window); and a
// Windows Media file converted to WAV and to MP3 from the window, beside the command-line
// converter doing the same. The ratios say what the window's list and progress dialogs add.
//
// Usage: bench_window [files, default 1000] [seconds of audio, default 300]
// (needs a display; QT_QPA_PLATFORM=offscreen works)

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "BenchWindow.h"
#include "settings/SettingsStore.h"
#include "texts/Language.h"
#include "ui/Dialogs.h"
#include "ui/FileListModel.h"
#include "ui/MainCommands.h"
#include "ui/MainDialog.h"
#include "wm/FfmpegLog.h"
#include "wm/FfmpegWmRuntime.h"

using namespace tonvexa;

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    const int files = argc > 1 ? std::atoi(argv[1]) : 1000;
    QuietFfmpegLog();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    QTemporaryDir temp;
    const std::string folder = temp.filePath(QStringLiteral("music")).toStdString();
    std::filesystem::create_directories(folder);
    SettingsStore store(temp.filePath(QStringLiteral("Tonvexa.conf")).toStdString());
    store.WriteFirstRun(0);
    QtDialogs dialogs;
    bench::NoOpener opener;
    bench::QuietDesktop desktop;
    FfmpegWmRuntime runtime;

    const qint64 beforeWindow = sinceStart.nsecsElapsed();
    MainDialog window(MainServices{dialogs, opener, desktop, store, runtime});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    const double startup = static_cast<double>(sinceStart.nsecsElapsed()) / 1e6;
    const double windowOnly = static_cast<double>(sinceStart.nsecsElapsed() - beforeWindow) / 1e6;

    // What a translation adds to the start: loading ours and Qt's, and a window built in the
    // language, against a window built in English, each the best of five.
    auto windowIn = [&](const QString& language, double& loadMs) {
        double best = 1e9;
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer t;
            t.start();
            InstallLanguage(app, language);
            loadMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
            MainDialog other(MainServices{dialogs, opener, desktop, store, runtime});
            other.show();
            (void)QTest::qWaitForWindowExposed(&other);
            best = std::min(best, static_cast<double>(t.nsecsElapsed()) / 1e6);
        }
        return best;
    };
    double loadEnglish = 0, loadGerman = 0, loadJapanese = 0;
    const double inEnglish = windowIn(QStringLiteral("en"), loadEnglish);
    const double inGerman = windowIn(QStringLiteral("de"), loadGerman);
    // Japanese also brings in the CJK font.
    const double inJapanese = windowIn(QStringLiteral("ja"), loadJapanese);
    InstallLanguage(app, QStringLiteral("en"));

    for (int i = 0; i < files; ++i) bench::WriteSilentWav(folder + "/" + std::to_string(100000 + i) + ".wav", 44100, 2, 44100);

    QElapsedTimer adding;
    adding.start();
    window.fileCommands().AddDropped({folder});
    bench::WaitUntilIdle(window);
    const double addMs = static_cast<double>(adding.nsecsElapsed()) / 1e6;
    if (window.model()->rowCount() != files) {
        std::fprintf(stderr, "added %d of %d files\n", window.model()->rowCount(), files);
        return 1;
    }

    const QString tool =
        QCoreApplication::applicationDirPath() + QStringLiteral("/tonvexa-convert");
    QProcess probe;
    probe.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer probing;
    probing.start();
    probe.start(tool, {QStringLiteral("--probe"), QString::fromStdString(folder)});
    if (!probe.waitForFinished(600000) || probe.exitCode() != 0) {
        std::fprintf(stderr, "tonvexa-convert --probe failed\n");
        return 1;
    }
    const double probeMs = static_cast<double>(probing.nsecsElapsed()) / 1e6;

    // One long Windows Media file, converted from the window and by the command-line converter.
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 300;
    const QString long_ = temp.filePath(QStringLiteral("long/long.wma"));
    QDir().mkpath(QFileInfo(long_).path());
    QProcess make;
    make.start(QStringLiteral("ffmpeg"),
               {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds),
                QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-c:a"),
                QStringLiteral("wmav2"), QStringLiteral("-b:a"), QStringLiteral("128k"), long_});
    if (!make.waitForFinished(600000) || make.exitCode() != 0) {
        std::fprintf(stderr, "ffmpeg could not make the test file\n");
        return 1;
    }
    window.fileCommands().RemoveAll();
    window.fileCommands().AddDropped({long_.toStdString()});
    bench::WaitUntilIdle(window);
    window.settings().BrowseOutputFolder = 0;
    struct Target {
        AudioFormatCode code;
        const char* name;
        const char* extension;
    };
    const Target targets[] = {{FormatWav, "wav", ".wav"}, {FormatMp3, "mp3", ".mp3"}};
    std::vector<std::pair<double, double>> conversions;
    for (const Target& t : targets) {
        const QString output =
            temp.filePath(QStringLiteral("long/long") + QString::fromLatin1(t.extension));
        QElapsedTimer inWindow;
        inWindow.start();
        window.fileCommands().ConvertAll(t.code);
        if (!QTest::qWaitFor([&] { return !window.busy(); }, 600000)) {
            std::fprintf(stderr, "the window's batch did not end\n");
            return 1;
        }
        const double windowConvert = static_cast<double>(inWindow.nsecsElapsed()) / 1e6;
        QFile::remove(output);
        window.model()->entry(0)->destinationPath.clear();

        QProcess convert;
        convert.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer byTool;
        byTool.start();
        convert.start(tool, {QStringLiteral("--to"), QString::fromLatin1(t.name), long_});
        if (!convert.waitForFinished(600000) || convert.exitCode() != 0) {
            std::fprintf(stderr, "tonvexa-convert --to %s failed\n", t.name);
            return 1;
        }
        conversions.emplace_back(windowConvert, static_cast<double>(byTool.nsecsElapsed()) / 1e6);
        QFile::remove(output);
    }

    std::printf("start-up to the shown main window: %.0f ms (the window itself: %.0f ms)\n",
                startup, windowOnly);
    std::printf("a window in English: %.1f ms; in German: %.1f ms (%.1f ms of it loading the "
                "translations), ratio %.2f\n",
                inEnglish, inGerman, loadGerman, inGerman / inEnglish);
    std::printf("a window in Japanese: %.1f ms (%.1f ms of it loading the translations), "
                "ratio %.2f\n",
                inJapanese, loadJapanese, inJapanese / inEnglish);
    std::printf("adding %d WAV files of a folder:    %.0f ms (%.2f ms a file)\n", files, addMs,
                addMs / files);
    std::printf("tonvexa-convert --probe, same files: %.0f ms\n", probeMs);
    std::printf("ratio window / command line:         %.2f\n", addMs / probeMs);
    for (std::size_t i = 0; i < conversions.size(); ++i) {
        std::printf(
            "%d s Windows Media to %s: window %.0f ms, tonvexa-convert %.0f ms, ratio %.2f\n",
            seconds, targets[i].name, conversions[i].first, conversions[i].second,
            conversions[i].first / conversions[i].second);
    }
    return 0;
}
