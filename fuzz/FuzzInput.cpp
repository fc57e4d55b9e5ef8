#include "FuzzInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace tonvexa::fuzz {

namespace {

std::string BaseFolder() {
    if (const char* chosen = std::getenv("TONVEXA_FUZZ_TMP"); chosen != nullptr && *chosen != 0)
        return chosen;
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec) && access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return std::filesystem::temp_directory_path().string();
}

// One folder per process, removed when the process ends normally. A run that dies on a
// finding leaves it behind; scripts/fuzz.sh puts every run's folders below one of its own
// and removes that.
class ProcessFolder {
public:
    ProcessFolder() {
        std::string pattern = BaseFolder() + "/tonvexa-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("tonvexa fuzz: cannot create a temporary folder");
            std::abort();
        }
        path_ = pattern;
    }
    ~ProcessFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

const std::string& Folder() {
    static const ProcessFolder folder;
    return folder.path();
}

}  // namespace

InputFile::InputFile(const std::string& extension) : path_(Folder() + "/input" + extension) {}

const std::string& InputFile::Write(const std::uint8_t* data, std::size_t size) {
    const int fd = open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    bool ok = fd >= 0;
    while (ok && size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) {
            data += n;
            size -= static_cast<std::size_t>(n);
        }
    }
    if (ok) {
        ++stamp_;
        const timespec times[2] = {{stamp_, 0}, {stamp_, 0}};
        ok = futimens(fd, times) == 0;
    }
    if (fd >= 0 && close(fd) != 0) ok = false;
    if (!ok) {
        // A harness that cannot hand the input over would report nothing useful.
        std::perror("tonvexa fuzz: cannot write the input file");
        std::abort();
    }
    return path_;
}

}  // namespace tonvexa::fuzz
