// The window's batch against the command-line converter, in one run: 8 Windows Media files of
// 60 s each converted to MP3 from the window (one conversion per core, the default), and by
// tonvexa-convert with --jobs 1 and --jobs <cores>. Each is run twice; the better time counts,
// since the machine is shared. The ratios say whether the window converts as fast as the
// converter does on every core.
//
// Usage: bench_batch [files, default 8] [seconds, default 60]
// (needs a display; QT_QPA_PLATFORM=offscreen works)

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "BenchWindow.h"
#include "settings/SettingsStore.h"
#include "ui/Dialogs.h"
#include "ui/FileListModel.h"
#include "ui/MainCommands.h"
#include "ui/MainDialog.h"
#include "wm/FfmpegLog.h"
#include "wm/FfmpegWmRuntime.h"

using namespace tonvexa;
namespace fs = std::filesystem;

namespace {

bool Run(const QString& program, const QStringList& args) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(program, args);
    return p.waitForFinished(1800000) && p.exitStatus() == QProcess::NormalExit &&
           p.exitCode() == 0;
}

// The better of two runs, in seconds; `clean` runs before each.
double BestOf(const std::function<bool()>& run, const std::function<void()>& clean) {
    double best = 1e9;
    for (int i = 0; i < 2; ++i) {
        clean();
        QElapsedTimer t;
        t.start();
        if (!run()) {
            std::fprintf(stderr, "a run failed\n");
            std::exit(1);
        }
        best = std::min(best, static_cast<double>(t.nsecsElapsed()) / 1e9);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const int files = argc > 1 ? std::atoi(argv[1]) : 8;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 60;
    QuietFfmpegLog();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    const int cores = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));

    QTemporaryDir temp;
    const QString sources = temp.filePath(QStringLiteral("sources"));
    const QString out = temp.filePath(QStringLiteral("out"));
    QDir().mkpath(sources);
    const QString first = sources + QStringLiteral("/track0.wma");
    if (!Run(QStringLiteral("ffmpeg"),
             {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
              QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
              QStringLiteral("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds),
              QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-c:a"),
              QStringLiteral("wmav2"), QStringLiteral("-b:a"), QStringLiteral("128k"), first})) {
        std::fprintf(stderr, "ffmpeg could not make the test file\n");
        return 1;
    }
    for (int i = 1; i < files; ++i)
        fs::copy_file(first.toStdString(),
                      (sources + QStringLiteral("/track%1.wma").arg(i)).toStdString());
    const QString options = temp.filePath(QStringLiteral("options.ini"));
    {
        SettingsStore store(options.toStdString());
        AppSettings s;
        s.DestOutputFolderOpt = kOutputSpecifiedFolder;
        s.DestSpecifiedFolder = out.toStdString();
        s.BrowseOutputFolder = 0;
        (void)store.SaveSettings(s, SettingsStore::SaveOptions);
        store.WriteFirstRun(0);
    }
    const auto clean = [&] {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
    };

    SettingsStore store(options.toStdString());
    QtDialogs dialogs;
    bench::NoOpener opener;
    bench::QuietDesktop desktop;
    FfmpegWmRuntime runtime;
    MainDialog window(MainServices{dialogs, opener, desktop, store, runtime});
    window.show();
    window.fileCommands().AddDropped({sources.toStdString()});
    if (!QTest::qWaitFor([&] { return !window.busy(); }, 600000) ||
        window.model()->rowCount() != files) {
        std::fprintf(stderr, "added %d of %d files\n", window.model()->rowCount(), files);
        return 1;
    }
    const double inWindow = BestOf(
        [&] {
            for (FileEntry* e : window.model()->entries()) e->destinationPath.clear();
            window.fileCommands().ConvertAll(FormatMp3);
            return QTest::qWaitFor([&] { return !window.busy(); }, 1800000);
        },
        clean);

    const QString tool = QCoreApplication::applicationDirPath() + QStringLiteral("/tonvexa-convert");
    auto byTool = [&](int jobs) {
        return BestOf(
            [&] {
                return Run(tool, {QStringLiteral("--to"), QStringLiteral("mp3"),
                                  QStringLiteral("--options"), options, QStringLiteral("--jobs"),
                                  QString::number(jobs), sources});
            },
            clean);
    };
    const double one = byTool(1);
    const double all = byTool(cores);

    std::printf("%d Windows Media files of %d s to MP3, %d cores\n", files, seconds, cores);
    std::printf("window:                        %6.2f s\n", inWindow);
    std::printf("tonvexa-convert --jobs 1:      %6.2f s  (window / this: %.2f)\n", one,
                inWindow / one);
    std::printf("tonvexa-convert --jobs %d:      %6.2f s  (window / this: %.2f)\n", cores, all,
                inWindow / all);
    return 0;
}
