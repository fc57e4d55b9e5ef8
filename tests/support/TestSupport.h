#pragma once

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

// The folder of real audio files from other programs (read-only).
std::filesystem::path corpusDir();
std::string corpusFile(const std::string& name);

// One row of the corpus's MANIFEST.tsv: column name to value.
using ManifestRow = std::map<std::string, std::string>;
// Every row of the manifest, in file order.
const std::vector<ManifestRow>& corpusManifest();
// The row of one file, or nothing.
std::optional<ManifestRow> corpusRow(const std::string& file);

// Runs a program with arguments (no shell), collecting standard output; returns its exit
// code, or -1 when it could not be started or timed out.
int runProgram(const std::string& program, const std::vector<std::string>& args,
               std::vector<std::uint8_t>* standardOutput = nullptr, int timeoutMs = 120000);

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
