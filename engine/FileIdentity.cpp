#include "engine/FileIdentity.h"

#include <sys/stat.h>

namespace tonvexa {

std::optional<FileIdentity> IdentityOfFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
}

bool DistinctFiles::insert(const std::string& path, const std::optional<FileIdentity>& identity) {
    // A path met before is the same file even when it could be read only one of the times.
    if (!paths_.insert(path).second) return false;
    return !identity || identities_.insert(*identity).second;
}

}  // namespace tonvexa
