#pragma once

#include <string>

namespace tonvexa {

// A new file that appears under its name whole or not at all, and never in place of anything
// else. It is written without a name, in the folder of the name it is to take, and named only
// once it is complete: a program killed, crashed or cut off by a power failure while writing
// leaves nothing under the name, and a file that another program created under the name in
// the meantime is never replaced.
//
// On Linux the file is an O_TMPFILE file of the destination's folder, named by linkat, which
// never replaces; where the file system has no O_TMPFILE it has a hidden temporary name in
// that folder until renameat2 with RENAME_NOREPLACE gives it its own. A Windows version would
// write under a temporary name and name the file by MoveFileEx without
// MOVEFILE_REPLACE_EXISTING.
class AtomicOutput {
public:
    enum class Commit {
        Named,      // the file has its name and is closed
        NameTaken,    // something of that name exists; the file is kept for another name
        NameTooLong,  // the file system takes no name that long; the file is kept
        Failed,     // the file could not be completed or named; it is dropped
    };

    // How the file is held while it is written: without a name where the file system allows
    // it, falling back to a hidden name where it does not; or with a hidden name from the
    // start, which only tests ask for, to see that way work on any file system.
    enum class Method { Unnamed, HiddenName };

    explicit AtomicOutput(Method method = Method::Unnamed) : method_(method) {}
    // Drops a file that was not named.
    ~AtomicOutput();
    AtomicOutput(const AtomicOutput&) = delete;
    AtomicOutput& operator=(const AtomicOutput&) = delete;

    // Creates the file in the folder of `path`, the name it is to take, with the permissions
    // of any new file (0666 less the umask). A file still held is dropped first. False when
    // the folder cannot take a file (missing, read-only, not writable).
    [[nodiscard]] bool Create(const std::string& path);

    bool IsOpen() const { return fd_ >= 0; }
    // The descriptor the file is written through. It stays this object's: writers work on
    // duplicates of it and close those.
    int Descriptor() const { return fd_; }

    // Makes the contents durable and gives the file the name `path`, in the folder it was
    // created in, unless anything of that name exists.
    [[nodiscard]] Commit CommitAs(const std::string& path);

    // Drops the file; nothing of it remains. Harmless when none is held.
    void Discard();

private:
    Method method_;
    int fd_ = -1;
    // The hidden name of a file on a file system without O_TMPFILE; empty for an unnamed one.
    std::string temporaryPath_;
};

}  // namespace tonvexa
