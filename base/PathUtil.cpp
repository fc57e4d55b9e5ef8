#include "base/PathUtil.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tonvexa {

namespace fs = std::filesystem;

bool IsPathSeparator(char c) {
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

std::string FileNamePart(std::string_view path) {
    // UTF-8 never uses a byte below 0x80 inside a multibyte character, so a plain byte
    // search for the separator is safe.
    for (std::size_t i = path.size(); i > 0; --i)
        if (IsPathSeparator(path[i - 1])) return std::string(path.substr(i));
    return std::string(path);
}

bool FileExists(std::string_view path) {
    if (path.empty()) return false;
    std::error_code ec;
    const auto st = fs::symlink_status(fs::path(path), ec);
    return !ec && st.type() != fs::file_type::not_found && st.type() != fs::file_type::none;
}

std::optional<std::uint64_t> GetExistingFileSize(std::string_view path) {
    std::error_code ec;
    const fs::path p(path);
    if (!fs::is_regular_file(p, ec)) return std::nullopt;
    const auto size = fs::file_size(p, ec);
    if (ec) return std::nullopt;
    return static_cast<std::uint64_t>(size);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::string> ProgramFolder() {
    std::error_code ec;
#ifdef _WIN32
    return std::nullopt;  // supplied through Qt by callers that have an application object
#else
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path()) return std::nullopt;
    std::string folder = exe.parent_path().string();
    if (folder.empty() || !IsPathSeparator(folder.back())) folder += kPreferredSeparator;
    return folder;
#endif
}

}  // namespace tonvexa
