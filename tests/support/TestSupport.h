#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tonvexa::test {

// A fresh folder below the system's temporary folder, removed with its contents at the end
// of the test. Tests write nowhere else.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of a name inside the folder, as a UTF-8 string.
    std::string file(const std::string& name) const;

private:
    std::filesystem::path path_;
};

void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
void writeFile(const std::string& path, const std::string& text);
std::vector<std::uint8_t> readFile(const std::string& path);

// The folder of real audio files from other programs (read-only): the environment's
// TONVEXA_CORPUS, else the folder the build was configured with (../shared/corpus/real
// beside the project). A clone of the project alone has none; its tests that need it are
// skipped.
std::filesystem::path corpusDir();
std::string corpusFile(const std::string& name);
// Whether the corpus is there: its manifest can be read.
bool corpusFound();
// One line that says where the corpus was looked for and how to point the tests at it.
std::string corpusMissingNote();
// True when TONVEXA_CORPUS_REQUIRED is set (as in CI): a missing corpus then fails the tests
// that need it instead of skipping them.
bool corpusRequired();
// The stand-in parameter of a suite over corpus files when the corpus is absent, so that the
// suite shows up as one skipped test instead of vanishing.
inline constexpr char kNoCorpus[] = "no-corpus";

// One row of the corpus's MANIFEST.tsv: column name to value.
using ManifestRow = std::map<std::string, std::string>;
// Every row of the manifest, in file order.
const std::vector<ManifestRow>& corpusManifest();
// The row of one file, or nothing.
std::optional<ManifestRow> corpusRow(const std::string& file);

// RUN_ALL_TESTS for the test programs' main. A --gtest_filter that selects no test at all fails
// instead of passing: ctest runs each test by its name, and a name that no longer exists
// (a test list made before a test was renamed, or before the corpus came or went) must not
// pass unnoticed.
int runAllTests();

// Skips the calling test when the corpus is absent, or fails it where the corpus is required.
#define TONVEXA_NEEDS_CORPUS()                                                                     \
    do {                                                                                           \
        if (!::tonvexa::test::corpusFound()) {                                                     \
            if (::tonvexa::test::corpusRequired()) FAIL() << ::tonvexa::test::corpusMissingNote(); \
            GTEST_SKIP() << ::tonvexa::test::corpusMissingNote();                                  \
        }                                                                                          \
    } while (false)

// Copies `tone` into `folder` under every kind of name the file system allows and Tonvexa
// must take: a Latin-1 name ("caf\xE9 cr\xE8me"), a file in a Latin-1 subfolder, a name of
// 255 bytes (83 CJK characters, "ab" and the extension) whose plain .mp3 output is taken, a
// name with a newline and one with a leading dash. Returns the long name's stem.
std::string MakeFilesWithEveryKindOfName(const std::string& folder, const std::string& tone);

// Runs a program with arguments (no shell), collecting standard output; returns its exit
// code, or -1 when it could not be started or timed out.
int runProgram(const std::string& program, const std::vector<std::string>& args,
               std::vector<std::uint8_t>* standardOutput = nullptr, int timeoutMs = 120000);

// A program's run with both of its outputs kept.
struct ProgramRun {
    int exitCode = -1;  // -1 when it could not be started, crashed or timed out
    std::string out;
    std::string err;
};
// Copies `tone` into `folder` under every kind of name the file system allows and Tonvexa
// must take: a Latin-1 name ("caf\xE9 cr\xE8me"), a file in a Latin-1 subfolder, a name of
// 255 bytes (83 CJK characters, "ab" and the extension) whose plain .mp3 output is taken, a
// name with a newline and one with a leading dash. Returns the long name's stem.
std::string MakeFilesWithEveryKindOfName(const std::string& folder, const std::string& tone);

// Runs a program with arguments (no shell) and the environment's variables plus those given
// ("NAME=value"), keeping standard output and standard error apart.
ProgramRun runCaptured(const std::string& program, const std::vector<std::string>& args,
                       const std::vector<std::string>& environment = {}, int timeoutMs = 300000);

// Makes every later read of a file that this process has open fail, as a lost connection or
// a disk error would: each descriptor open on the path is replaced by one of a folder, whose
// reads fail with EISDIR. Returns how many descriptors were replaced.
int breakReadsOf(const std::string& path);

// FFmpeg's command-line tool as the independent reference. Runs "ffmpeg -nostdin -v error
// -y <args>"; true on success.
bool ffmpeg(const std::vector<std::string>& args);

// Decodes a file with FFmpeg into interleaved samples of the raw format named (for example
// "s16le", "f32le"), at the file's own rate and channel count.
struct Decoded {
    std::vector<std::uint8_t> bytes;
    int sampleRate = 0;
    int channels = 0;
};
std::optional<Decoded> ffmpegDecode(const std::string& path,
                                    const std::string& rawFormat = "s16le");

// Reads 16-bit little-endian samples out of raw bytes.
std::vector<std::int16_t> asInt16(const std::vector<std::uint8_t>& bytes);

}  // namespace tonvexa::test
