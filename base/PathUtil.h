#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tonvexa {

// Paths are UTF-8 strings with the platform's separators: '/' here, '\\' and '/' on Windows.
bool IsPathSeparator(char c);
inline constexpr char kPreferredSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

// The text after the last separator, or the whole path if it has none.
std::string FileNamePart(std::string_view path);

// True when the path names an existing file or folder (also a dangling link counts as
// taken, since creating a file there would write through it).
bool FileExists(std::string_view path);

// The full 64-bit size of an existing file; nothing when the path cannot be queried.
std::optional<std::uint64_t> GetExistingFileSize(std::string_view path);

// ASCII comparison without regard to case: extensions, and the test that keeps the program
// from deleting its own source (also on file systems that ignore case).
bool EqualsNoCase(std::string_view a, std::string_view b);

// The running program's folder with a trailing separator, or nothing when it is unknown.
std::optional<std::string> ProgramFolder();

}  // namespace tonvexa
