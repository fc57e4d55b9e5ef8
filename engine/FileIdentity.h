#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <unordered_set>

namespace tonvexa {

// Which file a path leads to, as the file system sees it: its device and inode, links
// followed. Two paths are one file exactly when these agree, so a symbolic link and its
// target are one file, and so are "a.wav" and "A.wav" on a volume that ignores case (a USB
// stick), while on a file system that keeps case apart they are two.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    friend auto operator<=>(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file at the path; nothing when the path leads to no file.
std::optional<FileIdentity> IdentityOfFile(const std::string& path);

// The files met so far, each once. A file is known by its identity; a path that leads to no
// file (it cannot be read, and is reported as such) is known by the path as written.
class DistinctFiles {
public:
    // True when the file had not been met before; it is met from now on.
    bool insert(const std::string& path, const std::optional<FileIdentity>& identity);

private:
    std::set<FileIdentity> identities_;
    std::unordered_set<std::string> paths_;
};

}  // namespace tonvexa
