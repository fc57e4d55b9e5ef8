#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

extern "C" {
#include <libavformat/avformat.h>
}

namespace tonvexa::test {

namespace fs = std::filesystem;

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = fs::temp_directory_path() /
                         ("tonvexa-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
        std::error_code ec;
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& name) const {
    return (path_ / name).string();
}

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

void writeFile(const std::string& path, const std::string& text) {
    writeFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

fs::path corpusDir() {
    const char* configured = std::getenv("TONVEXA_CORPUS");
    return fs::path(configured != nullptr && *configured != '\0' ? configured : TONVEXA_CORPUS_DIR);
}

bool corpusFound() {
    std::error_code ec;
    return fs::is_regular_file(corpusDir() / "MANIFEST.tsv", ec);
}

std::string corpusMissingNote() {
    return "no corpus of real files at " + corpusDir().string() +
           "; set TONVEXA_CORPUS to its folder to run this test";
}

bool corpusRequired() {
    const char* required = std::getenv("TONVEXA_CORPUS_REQUIRED");
    return required != nullptr && *required != '\0' && std::string(required) != "0";
}

int runAllTests() {
    const int result = RUN_ALL_TESTS();
    const std::string filter = GTEST_FLAG_GET(filter);
    if (result == 0 && !GTEST_FLAG_GET(list_tests) && filter != "*" &&
        testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        std::fprintf(stderr,
                     "No test is named by --gtest_filter=%s; if ctest ran it, its list of tests "
                     "is out of date: build the tests again.\n",
                     filter.c_str());
        return 1;
    }
    return result;
}

int breakReadsOf(const std::string& path) {
    const fs::path target = fs::canonical(path);
    const int folder = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return 0;
    int replaced = 0;
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        const fs::path link = fs::read_symlink(entry.path(), ec);
        if (ec || link != target) continue;
        const int fd = std::stoi(entry.path().filename().string());
        if (::dup2(folder, fd) == fd) ++replaced;
    }
    ::close(folder);
    return replaced;
}

std::string corpusFile(const std::string& name) {
    return (corpusDir() / name).string();
}

const std::vector<ManifestRow>& corpusManifest() {
    static const std::vector<ManifestRow> rows = [] {
        std::vector<ManifestRow> result;
        std::ifstream in(corpusDir() / "MANIFEST.tsv");
        std::string line;
        std::vector<std::string> header;
        auto split = [](const std::string& s) {
            std::vector<std::string> cells;
            std::string cell;
            std::istringstream is(s);
            while (std::getline(is, cell, '\t')) cells.push_back(cell);
            if (!s.empty() && s.back() == '\t') cells.emplace_back();
            return cells;
        };
        if (std::getline(in, line)) header = split(line);
        while (std::getline(in, line)) {
            if (line.empty()) continue;
            auto cells = split(line);
            ManifestRow row;
            for (std::size_t i = 0; i < header.size(); ++i)
                row[header[i]] = i < cells.size() ? cells[i] : std::string();
            result.push_back(std::move(row));
        }
        return result;
    }();
    return rows;
}

std::optional<ManifestRow> corpusRow(const std::string& file) {
    for (const auto& row : corpusManifest())
        if (row.at("file") == file) return row;
    return std::nullopt;
}

int runProgram(const std::string& program, const std::vector<std::string>& args,
               std::vector<std::uint8_t>* standardOutput, int timeoutMs) {
    QProcess process;
    QStringList list;
    for (const auto& a : args) list << QString::fromStdString(a);
    process.setProcessChannelMode(standardOutput ? QProcess::SeparateChannels
                                                 : QProcess::ForwardedErrorChannel);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QString::fromStdString(program), list);
    if (!process.waitForStarted(10000)) return -1;
    std::vector<std::uint8_t> out;
    QElapsedTimer timer;
    timer.start();
    while (process.state() != QProcess::NotRunning) {
        if (timer.elapsed() > timeoutMs) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        process.waitForReadyRead(100);
        const QByteArray chunk = process.readAllStandardOutput();
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    const QByteArray rest = process.readAllStandardOutput();
    out.insert(out.end(), rest.begin(), rest.end());
    if (standardOutput) *standardOutput = std::move(out);
    if (process.exitStatus() != QProcess::NormalExit) return -1;
    return process.exitCode();
}

std::string MakeFilesWithEveryKindOfName(const std::string& folder, const std::string& tone) {
    namespace fs = std::filesystem;
    std::string longStem;
    for (int i = 0; i < 83; ++i) longStem += "\xE9\x9F\xB3";
    longStem += "ab";
    fs::create_directories(folder + "/M\xFAsica");
    for (const std::string& name :
         {std::string("caf\xE9 cr\xE8me.wma"), std::string("M\xFAsica/song.wma"), longStem + ".wma",
          std::string("line\nbreak.wma"), std::string("-dash.wma")})
        fs::copy_file(tone, folder + "/" + name);
    // A folder takes the long name's plain output, and no search lists it as a file.
    fs::create_directories(folder + "/" + longStem + ".mp3");
    return longStem;
}

ProgramRun runCaptured(const std::string& program, const std::vector<std::string>& args,
                       const std::vector<std::string>& environment, int timeoutMs) {
    QProcess process;
    QStringList list;
    for (const auto& a : args) list << QString::fromStdString(a);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& variable : environment) {
        const auto eq = variable.find('=');
        env.insert(QString::fromStdString(variable.substr(0, eq)),
                   QString::fromStdString(eq == std::string::npos ? "" : variable.substr(eq + 1)));
    }
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QString::fromStdString(program), list);
    ProgramRun run;
    if (!process.waitForStarted(10000)) return run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    if (process.exitStatus() == QProcess::NormalExit) run.exitCode = process.exitCode();
    return run;
}

bool ffmpeg(const std::vector<std::string>& args) {
    std::vector<std::string> all{"-nostdin", "-v", "error", "-y"};
    all.insert(all.end(), args.begin(), args.end());
    return runProgram("ffmpeg", all) == 0;
}

std::optional<Decoded> ffmpegDecode(const std::string& path, const std::string& rawFormat) {
    Decoded d;
    AVFormatContext* ctx = nullptr;
    if (avformat_open_input(&ctx, path.c_str(), nullptr, nullptr) < 0) return std::nullopt;
    if (avformat_find_stream_info(ctx, nullptr) >= 0) {
        const int index = av_find_best_stream(ctx, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
        if (index >= 0) {
            d.sampleRate = ctx->streams[index]->codecpar->sample_rate;
            d.channels = ctx->streams[index]->codecpar->ch_layout.nb_channels;
        }
    }
    avformat_close_input(&ctx);
    if (d.channels <= 0) return std::nullopt;
    std::vector<std::string> args{"-nostdin", "-v", "error", "-i", path, "-f", rawFormat, "-"};
    if (runProgram("ffmpeg", args, &d.bytes) != 0) return std::nullopt;
    return d;
}

std::vector<std::int16_t> asInt16(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::int16_t> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    return samples;
}

}  // namespace tonvexa::test
