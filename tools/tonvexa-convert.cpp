// tonvexa-convert: the converter without a window, for scripts and terminals. It runs the
// same per-job steps as the window's batch (output naming, the pair's routine, the success
// test and status text), optionally on several threads at once.

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "base/LineEscape.h"
#include "base/PathUtil.h"
#include "engine/BatchDriver.h"
#include "engine/BatchRunner.h"
#include "engine/ConversionRoutines.h"
#include "engine/FileIdentity.h"
#include "engine/FolderScan.h"
#include "engine/MediaProbe.h"
#include "engine/OutputPlaces.h"
#include "engine/TagRules.h"
#include "settings/SettingsStore.h"
#include "texts/Language.h"
#include "texts/ListRowTexts.h"
#include "texts/Texts.h"
#include "wm/FfmpegLog.h"
#include "wm/FfmpegWmRuntime.h"
#include "wm/WmaFormatList.h"

namespace tonvexa {
namespace {

constexpr int kExitConverted = 0;
constexpr int kExitSomeFailed = 1;
constexpr int kExitUsage = 2;

std::atomic<bool> gCancelRequested{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void onInterrupt(int) {
    gCancelRequested.store(true);
}

// The converter's words are translated in the context "tonvexa-convert"; the option names
// (--to, --set, ...), the option keys and the --tags listing are a machine interface and
// stay English. T() runs a text marked with QT_TRANSLATE_NOOP through the translation.
std::string T(const char* text) {
    return QCoreApplication::translate("tonvexa-convert", text).toStdString();
}

// A translated text with its arguments put in for %1 and %2, as bytes.
std::string Arg(const std::string& text, const std::string& first, const std::string& second = {}) {
    return FillIn(QString::fromStdString(text), {first, second});
}

const char kUsage[] = QT_TRANSLATE_NOOP(
    "tonvexa-convert",
    "usage: tonvexa-convert --to mp3|wav|wma [--options FILE] [--set KEY=VALUE]... [--jobs N]\n"
    "                       PATH...\n"
    "       tonvexa-convert --probe PATH...\n"
    "       tonvexa-convert --tags PATH...\n"
    "       tonvexa-convert --wma-formats\n"
    "       tonvexa-convert --help | --version\n");

//: Keep the options (--to, --set, ...), KEY, VALUE, PATH, N and FILE as they are; the lines
//: are wrapped for an 80-column terminal.
const char kHelp[] = QT_TRANSLATE_NOOP(
    "tonvexa-convert",
    "Converts Windows Media (.wma, .wmv, .asf) files to MP3, WAV or Windows Media, and WAV\n"
    "and MP3 files to Windows Media. Each PATH is a file or a folder; folders are searched\n"
    "with their subfolders. Outputs never overwrite anything: a taken name gets a number.\n"
    "\n"
    "  --to mp3|wav|wma  the target format\n"
    "  --options FILE    read the options from this INI file instead of the saved ones\n"
    "  --set KEY=VALUE   set one option for this run, over the saved ones or the file's\n"
    "                    (repeatable); KEY is an option's stored name, listed below, and\n"
    "                    VALUE is read and checked as in an options file\n"
    "  --jobs N          convert up to N files at once (1 to 64); without it, as the\n"
    "                    option SimultaneousConversions says (0, the default: one per\n"
    "                    core)\n"
    "  --probe           print each file's name, length, bit rate, rate and channels\n"
    "  --tags            print each file's tag as a conversion that keeps it reads it:\n"
    "                    NAME=value lines (UTF-8; \\n, \\r and \\\\ for a newline, a return\n"
    "                    and a backslash) and a PICTURE line per picture; several files\n"
    "                    each start with a line \"==> PATH <==\"\n"
    "  --wma-formats     print the Windows Media formats on offer: rate, bit/s, channels,\n"
    "                    description\n"
    "\n"
    "Prints one line per job: the source, a tab, and the outcome (the output's file name or\n"
    "the reason it failed). Ctrl+C cancels: running jobs end as \"Cancelled\" and leave no\n"
    "partial file. Exit status: 0 when every file converted, 1 when any did not, 2 for a\n"
    "usage error.\n"
    "\n"
    "Option keys (the names in the options file, group [Options]):\n");

// A path or name as a line shows it: its own bytes, so that a script reading the line gets
// the real name (a terminal shows what is not UTF-8 as the replacement character by itself),
// except for the characters that would break the line or its fields: newline, carriage
// return, tab and the backslash of these escapes.
std::string Shown(const std::string& path) {
    return EscapedForLine(path, Tabs::Escaped);
}

// One --set: an option's stored name and its text.
struct OptionOverride {
    std::string name;
    std::string value;
};

struct Arguments {
    std::optional<AudioFormatCode> target;
    std::optional<std::string> optionsFile;
    std::vector<OptionOverride> overrides;
    int jobs = 0;  // 0: as the options say
    bool probe = false;
    bool tags = false;
    bool wmaFormats = false;
    std::vector<std::string> paths;
};

// Why an option override cannot be applied, or nothing when it can. Its value is read as a
// value of that name in an options file is read.
std::optional<std::string> overrideError(const OptionOverride& o) {
    AppSettings scratch;
    switch (SettingsStore::SetOption(scratch, o.name, o.value)) {
        case SettingsStore::OptionResult::Set:
            return std::nullopt;
        case SettingsStore::OptionResult::UnknownName:
            return Arg(
                T(QT_TRANSLATE_NOOP("tonvexa-convert",
                                    "--set: unknown option key \"%1\" (--help lists the keys)")),
                o.name);
        case SettingsStore::OptionResult::NotANumber:
            return Arg(
                T(QT_TRANSLATE_NOOP("tonvexa-convert", "--set %1: \"%2\" is not a whole number")),
                o.name, o.value);
        case SettingsStore::OptionResult::TextTooLong:
            return Arg(QCoreApplication::translate(
                           "tonvexa-convert", "--set %1: the text is longer than %n characters",
                           nullptr, AppSettings::kMaxTextLength)
                           .toStdString(),
                       o.name);
        case SettingsStore::OptionResult::NotText:
            return Arg(T(QT_TRANSLATE_NOOP(
                           "tonvexa-convert",
                           "--set %1: a tag is read only from an options file (--options)")),
                       o.name);
    }
    return Arg(T(QT_TRANSLATE_NOOP("tonvexa-convert", "--set %1: cannot be set")), o.name);
}

// The help's list of option keys, wrapped to the terminal's usual width.
std::string optionKeyList() {
    std::string text, line = " ";
    for (const auto& name : SettingsStore::OptionNames()) {
        if (line.size() + 1 + name.size() > 78) {
            text += line + "\n";
            line = " ";
        }
        line += " " + name;
    }
    return text + line + "\n";
}

// Parses the command line; an error text on a usage error.
std::optional<std::string> parse(int argc, char** argv, Arguments& a, bool& help, bool& version) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](const char* name) -> std::optional<std::string> {
            if (i + 1 >= argc) return std::nullopt;
            (void)name;
            return std::string(argv[++i]);
        };
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (arg == "--to") {
            const auto v = value("--to");
            if (!v) return T(QT_TRANSLATE_NOOP("tonvexa-convert", "--to needs mp3, wav or wma"));
            if (*v == "mp3")
                a.target = FormatMp3;
            else if (*v == "wav")
                a.target = FormatWav;
            else if (*v == "wma")
                a.target = FormatWma;
            else
                return Arg(T(QT_TRANSLATE_NOOP("tonvexa-convert",
                                               "unknown target \"%1\" (mp3, wav or wma)")),
                           *v);
        } else if (arg == "--options") {
            const auto v = value("--options");
            if (!v) return T(QT_TRANSLATE_NOOP("tonvexa-convert", "--options needs a file"));
            a.optionsFile = *v;
        } else if (arg == "--set") {
            const auto v = value("--set");
            const auto eq = v ? v->find('=') : std::string::npos;
            if (eq == std::string::npos || eq == 0)
                return T(QT_TRANSLATE_NOOP("tonvexa-convert", "--set needs KEY=VALUE"));
            OptionOverride o{v->substr(0, eq), v->substr(eq + 1)};
            if (auto error = overrideError(o)) return error;
            a.overrides.push_back(std::move(o));
        } else if (arg == "--jobs") {
            const auto v = value("--jobs");
            char* end = nullptr;
            const long n = v ? std::strtol(v->c_str(), &end, 10) : 0;
            if (!v || end == v->c_str() || *end != '\0' || n < 1 || n > 64)
                return T(
                    QT_TRANSLATE_NOOP("tonvexa-convert", "--jobs needs a number from 1 to 64"));
            a.jobs = static_cast<int>(n);
        } else if (arg == "--probe") {
            a.probe = true;
        } else if (arg == "--tags") {
            a.tags = true;
        } else if (arg == "--wma-formats") {
            a.wmaFormats = true;
        } else if (arg == "--") {
            for (++i; i < argc; ++i) a.paths.emplace_back(argv[i]);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return Arg(T(QT_TRANSLATE_NOOP("tonvexa-convert", "unknown option %1")), arg);
        } else {
            a.paths.push_back(arg);
        }
    }
    if (help || version) return std::nullopt;
    const int modes =
        (a.target ? 1 : 0) + (a.probe ? 1 : 0) + (a.tags ? 1 : 0) + (a.wmaFormats ? 1 : 0);
    if (modes != 1)
        return T(QT_TRANSLATE_NOOP("tonvexa-convert",
                                   "give exactly one of --to, --probe, --tags and --wma-formats"));
    if (!a.wmaFormats && a.paths.empty())
        return T(QT_TRANSLATE_NOOP("tonvexa-convert", "no PATH given"));
    return std::nullopt;
}

// The files the paths name: folders searched, shortcuts followed, the rest taken as they
// are (an unsupported file is then reported as not added). A file named twice, by one path
// or by two that lead to it (a link, or another letter case on a volume that ignores case),
// is taken once.
std::vector<std::string> collect(const std::vector<std::string>& paths) {
    std::vector<std::string> found;
    for (const auto& p : paths) {
        if (IsFolder(p)) {
            ScanFolder(found, p);
        } else if (!HasSupportedExtension(p) && ResolveShortcut(p)) {
            CollectDroppedPaths(found, p);
        } else {
            found.push_back(p);
        }
    }
    DistinctFiles seen;
    std::vector<std::string> unique;
    for (const auto& f : found)
        if (seen.insert(f, IdentityOfFile(f))) unique.push_back(f);
    return unique;
}

// Probes every file as the list does; those that fail go into the report.
std::vector<FileEntry> probeAll(const std::vector<std::string>& files, WmRuntime& runtime,
                                AddFailureReport& failures) {
    std::vector<FileEntry> entries;
    for (const auto& f : files) {
        if (gCancelRequested.load()) break;
        if (auto entry = ProbeFile(f, runtime))
            entries.push_back(std::move(*entry));
        else
            failures.add(f);
    }
    return entries;
}

int listWmaFormats(WmRuntime& runtime) {
    WmaFormatList formats;
    BuildWmaFormatList(runtime, formats);
    for (const auto& f : formats)
        std::printf("%u\t%u\t%u\t%s\n", f.sampleRate(), f.bitRate, unsigned{f.channels()},
                    f.description.c_str());
    return formats.empty() ? kExitSomeFailed : kExitConverted;
}

int probeFiles(const std::vector<std::string>& paths, WmRuntime& runtime) {
    AddFailureReport failures;
    auto entries = probeAll(collect(paths), runtime, failures);
    for (auto& e : entries) {
        const ListRowTexts t = MakeListRowTexts(e);
        std::printf("%s\t%s\t%s\t%s\t%s\n", Shown(t.name).c_str(), t.length.c_str(),
                    t.bitRate.c_str(), t.freq.c_str(), t.channels.c_str());
    }
    if (!failures.empty())
        std::fprintf(stderr, "%s\n", LoadFailureMessage(failures, Shown).c_str());
    return failures.empty() ? kExitConverted : kExitSomeFailed;
}

bool isReadableFile(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f) std::fclose(f);
    return f != nullptr && !IsFolder(path);
}

int listTags(const std::vector<std::string>& paths) {
    AddFailureReport failures;
    const std::vector<std::string> files = collect(paths);
    bool first = true;
    for (const auto& f : files) {
        const AudioFormatCode format = FormatCodeOfPath(f);
        if (format == FormatNone || !isReadableFile(f)) {
            failures.add(f);
            continue;
        }
        if (files.size() > 1) std::printf("%s==> %s <==\n", first ? "" : "\n", Shown(f).c_str());
        first = false;
        std::fputs(TagListing(ReadSourceTags(f, format)).c_str(), stdout);
    }
    if (!failures.empty())
        std::fprintf(stderr, "%s\n", LoadFailureMessage(failures, Shown).c_str());
    return failures.empty() ? kExitConverted : kExitSomeFailed;
}

int convert(const Arguments& a, WmRuntime& runtime) {
    AppSettings settings;
    if (a.optionsFile) {
        const QFileInfo info(QString::fromStdString(*a.optionsFile));
        std::FILE* f = std::fopen(a.optionsFile->c_str(), "rb");
        if (f) std::fclose(f);
        if (!info.isFile() || !f) {
            std::fprintf(
                stderr, "tonvexa-convert: %s\n",
                Arg(T(QT_TRANSLATE_NOOP("tonvexa-convert", "cannot read the options file %1")),
                    *a.optionsFile)
                    .c_str());
            return kExitUsage;
        }
        SettingsStore store(*a.optionsFile);
        if (store.status() == QSettings::FormatError) {
            std::fprintf(stderr, "tonvexa-convert: %s\n",
                         Arg(T(QT_TRANSLATE_NOOP("tonvexa-convert", "%1 is not an options file")),
                             *a.optionsFile)
                             .c_str());
            return kExitUsage;
        }
        (void)store.LoadSettings(settings);
    } else {
        SettingsStore store;
        (void)store.LoadSettings(settings);
    }
    // Checked while parsing, so each one takes.
    for (const auto& o : a.overrides) (void)SettingsStore::SetOption(settings, o.name, o.value);

    WmaFormatList formats;
    if (*a.target == FormatWma) BuildWmaFormatList(runtime, formats);
    const ConversionEnvironment env{settings, formats, runtime};
    ConversionTable table;
    RegisterConversions(table, env);
    const OutputPlaces places = OutputPlacesFrom(settings);

    AddFailureReport failures;
    std::vector<FileEntry> entries = probeAll(collect(a.paths), runtime, failures);
    if (!failures.empty())
        std::fprintf(stderr, "%s\n", LoadFailureMessage(failures, Shown).c_str());

    // The jobs run on the runner's threads; their lines are printed in list order, each as
    // soon as the jobs before it have ended.
    const bool showProgress = isatty(STDERR_FILENO) != 0;
    BatchRunner runner(table);
    std::vector<std::optional<std::string>> lines(entries.size());
    std::size_t printed = 0;
    bool allConverted = failures.empty();
    std::map<int, int> running;  // index -> percent, for the terminal's progress line
    auto showRunning = [&] {
        if (!showProgress || running.empty()) return;
        const auto& [index, percent] = *running.begin();
        std::fprintf(
            stderr, "\r\033[K%s",
            FileLine(Shown(FileNamePart(entries[static_cast<std::size_t>(index)].sourcePath)),
                     percent)
                .c_str());
        std::fflush(stderr);
    };
    QObject::connect(&runner, &BatchRunner::jobStarted, [&](int index) {
        running[index] = 0;
        showRunning();
    });
    QObject::connect(&runner, &BatchRunner::jobProgress, [&](int index, int percent, int) {
        const auto it = running.find(index);
        if (it == running.end() || it->second == percent) return;
        it->second = percent;
        if (it == running.begin()) showRunning();
    });
    QObject::connect(&runner, &BatchRunner::jobFinished, [&](int index, const JobOutcome& outcome) {
        running.erase(index);
        if (!outcome.success()) allConverted = false;
        const auto i = static_cast<std::size_t>(index);
        lines[i] = Shown(entries[i].sourcePath) + "\t" + Shown(StatusText(outcome));
        if (showProgress) std::fprintf(stderr, "\r\033[K");
        for (; printed < lines.size() && lines[printed]; ++printed)
            std::printf("%s\n", lines[printed]->c_str());
        std::fflush(stdout);
        showRunning();
    });
    QEventLoop loop;
    QObject::connect(&runner, &BatchRunner::finished, &loop, &QEventLoop::quit);
    // Ctrl+C only raises a flag; the runner hears of it here.
    QTimer interrupt;
    QObject::connect(&interrupt, &QTimer::timeout, [&] {
        if (gCancelRequested.load()) runner.cancel();
    });
    interrupt.start(50);
    runner.start(entries, *a.target, places,
                 a.jobs > 0 ? a.jobs : EffectiveSimultaneousConversions(settings));
    loop.exec();
    // Jobs that never started (after a cancel) print nothing; those that ended after a gap
    // in the list still do.
    for (; printed < lines.size(); ++printed)
        if (lines[printed]) std::printf("%s\n", lines[printed]->c_str());
    if (runner.cancelRequested()) allConverted = false;
    return allConverted ? kExitConverted : kExitSomeFailed;
}

}  // namespace
}  // namespace tonvexa

int main(int argc, char** argv) {
    using namespace tonvexa;
    QuietFfmpegLog();
    QCoreApplication app(argc, argv);
    InstallTranslations(app);
    Arguments args;
    bool help = false, version = false;
    if (const auto error = parse(argc, argv, args, help, version)) {
        std::fprintf(stderr, "tonvexa-convert: %s\n%s", error->c_str(), T(kUsage).c_str());
        return kExitUsage;
    }
    if (help) {
        std::printf("%s\n%s%s", T(kUsage).c_str(), T(kHelp).c_str(), optionKeyList().c_str());
        return kExitConverted;
    }
    if (version) {
        std::printf("tonvexa-convert %s\n", TONVEXA_VERSION);
        return kExitConverted;
    }
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    FfmpegWmRuntime runtime;
    if (args.wmaFormats) return listWmaFormats(runtime);
    if (args.probe) return probeFiles(args.paths, runtime);
    if (args.tags) return listTags(args.paths);
    return convert(args, runtime);
}
