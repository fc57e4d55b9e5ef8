#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tonvexa::fuzz {

// The readers under test take paths, so every input is written to a file first. Each file
// lives in a folder of this process (under $TONVEXA_FUZZ_TMP, else /dev/shm, else the
// system's temporary folder) and is rewritten in place for every input: one open, one
// write, no disk traffic when the folder is in memory.
class InputFile {
public:
    // The file's name ends with the extension (".wav", ".desktop", ...), because some of
    // the code under test decides by it.
    explicit InputFile(const std::string& extension);
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Replaces the file's bytes and returns its path. Every write also moves the file's
    // modification time forward by a second: QSettings keeps a parsed file in a cache and
    // trusts it while size and time are unchanged, which would let one input be judged by
    // the previous one's contents.
    const std::string& Write(const std::uint8_t* data, std::size_t size);

    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::int64_t stamp_ = 1'000'000'000;
};

}  // namespace tonvexa::fuzz
