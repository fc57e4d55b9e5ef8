#include "base/AtomicOutput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

#include "base/PathUtil.h"

namespace tonvexa {

namespace {

// The folder a path's file lies in, "." for a bare name.
std::string FolderOf(const std::string& path) {
    const std::string name = FileNamePart(path);
    if (name.size() == path.size()) return ".";
    const std::string folder = path.substr(0, path.size() - name.size());
    return folder.size() > 1 ? folder.substr(0, folder.size() - 1) : folder;
}

// Renames without ever replacing: EEXIST when the new name is taken.
int RenameNoReplace(const char* from, const char* to) {
#ifdef RENAME_NOREPLACE
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
#else
    // The C library predates the wrapper; the system call is older (Linux 3.15).
    constexpr unsigned kNoReplace = 1;
    return static_cast<int>(::syscall(SYS_renameat2, AT_FDCWD, from, AT_FDCWD, to, kNoReplace));
#endif
}

// A hidden name beside the final one, for file systems without unnamed files.
std::string HiddenName(const std::string& path, std::mt19937_64& random) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string suffix;
    for (std::uint64_t bits = random(); suffix.size() < 12; bits >>= 4)
        suffix += kDigits[bits & 15];
    const std::string name = FileNamePart(path);
    return path.substr(0, path.size() - name.size()) + "." + name + "." + suffix + ".part";
}

}  // namespace

AtomicOutput::~AtomicOutput() {
    Discard();
}

bool AtomicOutput::Create(const std::string& path) {
    Discard();
    if (method_ == Method::Unnamed) {
        const int fd = ::open(FolderOf(path).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
        if (fd >= 0) {
            // The file is named through its entry in /proc; without /proc it never could be.
            if (::access("/proc/self/fd", X_OK) == 0) {
                fd_ = fd;
                return true;
            }
            ::close(fd);
        } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return false;  // the folder itself refuses (missing, read-only, no permission)
        }
    }
    // A file system without unnamed files (or a kernel before them): a hidden name.
    std::random_device seed;
    std::mt19937_64 random((std::uint64_t{seed()} << 32) ^ seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string hidden = HiddenName(path, random);
        const int named = ::open(hidden.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (named >= 0) {
            fd_ = named;
            temporaryPath_ = std::move(hidden);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

AtomicOutput::Commit AtomicOutput::CommitAs(const std::string& path) {
    if (fd_ < 0) return Commit::Failed;
    // The contents reach the disk before the name does, so that after a power failure the
    // name, if it survived, holds the whole file.
    if (::fsync(fd_) != 0) {
        Discard();
        return Commit::Failed;
    }
    int result = 0;
    if (temporaryPath_.empty()) {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        result = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
    } else {
        result = RenameNoReplace(temporaryPath_.c_str(), path.c_str());
        if (result != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system that cannot rename without replacing (NFS) still links without
            // replacing; the hidden name then goes.
            result = ::link(temporaryPath_.c_str(), path.c_str());
            if (result == 0) ::unlink(temporaryPath_.c_str());
        }
        if (result == 0) temporaryPath_.clear();
    }
    if (result != 0) {
        if (errno == EEXIST) return Commit::NameTaken;
        if (errno == ENAMETOOLONG) return Commit::NameTooLong;
        Discard();
        return Commit::Failed;
    }
    // Everything reached the disk with the sync; closing cannot lose any of it.
    ::close(fd_);
    fd_ = -1;
    return Commit::Named;
}

void AtomicOutput::Discard() {
    if (fd_ < 0) return;
    ::close(fd_);
    fd_ = -1;
    if (!temporaryPath_.empty()) {
        ::unlink(temporaryPath_.c_str());
        temporaryPath_.clear();
    }
}

}  // namespace tonvexa
