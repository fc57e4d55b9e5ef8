#include "engine/OutputNaming.h"

#include <QChar>
#include <QString>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "base/AtomicOutput.h"
#include "base/Latin1.h"
#include "base/PathUtil.h"
#include "engine/OutputNameReservations.h"

namespace tonvexa {
namespace {

namespace fs = std::filesystem;

constexpr char kFallbackFolderName[] = "TONVEX";

std::string withSeparator(std::string folder) {
    if (folder.empty() || !IsPathSeparator(folder.back())) folder += kPreferredSeparator;
    return folder;
}

bool isFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(fs::path(path), ec);
}

bool makeOneFolder(const std::string& path) {
    std::error_code ec;
    return fs::create_directory(fs::path(path), ec) && !ec;
}

// The path without the extension of its last component (dot included).
std::string withoutExtension(const std::string& path) {
    return path.substr(0, path.size() - FileExtension(path).size());
}

// Proves that the file can be created: the folder takes a file without a name, the way the
// output is written, and the name is not longer than the folder's file system allows.
// Nothing of the probe is left, nor ever seen, in the folder.
bool probeCreate(const std::string& path) {
    AtomicOutput probe;
    if (!probe.Create(path)) return false;
    const long maxName = ::fpathconf(probe.Descriptor(), _PC_NAME_MAX);
    return maxName <= 0 || FileNamePart(path).size() <= static_cast<std::size_t>(maxName);
}

// The source's folder path as it is recreated below the specified folder: doubled
// separators collapsed, drive colons removed, and no leading separator, so that
// /music/pop/1.mp3 mirrors to music/pop/.
std::string mirroredFolder(const std::string& source) {
    const std::string name = FileNamePart(source);
    const std::string folder = source.substr(0, source.size() - name.size());
    std::string mirror;
    mirror.reserve(folder.size());
    for (char c : folder) {
        if (c == ':') continue;
        if (IsPathSeparator(c)) {
            if (mirror.empty() || IsPathSeparator(mirror.back())) continue;
            mirror += kPreferredSeparator;
            continue;
        }
        mirror += c;
    }
    return mirror;
}

// A name is taken by anything of that name on disk, and by a name another running job holds.
// Names are held to the folder's limit, or to maxNameBytes when that is given and smaller.
void makeFreeName(std::string& destination, const std::string& basePath, std::string_view extension,
                  const OutputNameReservations* reservations, std::size_t maxNameBytes = 0) {
    auto taken = [&](const std::string& name) {
        return FileExists(name) || (reservations && reservations->isReserved(name));
    };
    const std::string stem = FileNamePart(basePath);
    const std::string folder = basePath.substr(0, basePath.size() - stem.size());
    std::size_t limit = NameLimit(folder.empty() ? std::string(".") : folder);
    if (maxNameBytes != 0) limit = std::min(limit, maxNameBytes);
    auto named = [&](const std::string& suffix) {
        const std::size_t fixed = suffix.size() + extension.size();
        const std::size_t room = limit > fixed ? limit - fixed : 0;
        return folder + FitStem(stem, room) + suffix + std::string(extension);
    };
    destination = named("");
    for (long long n = 1; taken(destination); ++n) destination = named("_" + std::to_string(n));
}

void makeFreeName(std::string& destination, const std::string& basePath, AudioFormatCode target,
                  const OutputNameReservations* reservations) {
    makeFreeName(destination, basePath, TargetExtension(target), reservations);
}

// Whether text is the stem or a shortened one of it, bare or followed by "_" and a number.
bool isNumberedName(std::string_view text, std::string_view stem) {
    std::string_view core = text;
    if (const auto underscore = text.rfind('_'); underscore != std::string_view::npos) {
        const std::string_view digits = text.substr(underscore + 1);
        if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos)
            core = text.substr(0, underscore);
    }
    return !core.empty() && stem.substr(0, core.size()) == core;
}

bool tryFallback(const std::string& folderOfFallback, const std::string& shortName,
                 AudioFormatCode target, std::string& destination,
                 const OutputNameReservations* reservations) {
    const std::string folder =
        withSeparator(folderOfFallback) + kFallbackFolderName + kPreferredSeparator;
    (void)makeOneFolder(folder);  // it usually exists already
    makeFreeName(destination, folder + shortName, target, reservations);
    return probeCreate(destination);
}

}  // namespace

void MakeOutputName(std::string& destination, const std::string& basePath, AudioFormatCode target) {
    makeFreeName(destination, basePath, target, nullptr);
}

std::string NextFreeOutputName(const std::string& source, const std::string& taken,
                               std::size_t maxNameBytes) {
    const std::string name = FileNamePart(taken);
    const std::string folder = taken.substr(0, taken.size() - name.size());
    const std::string extension = FileExtension(name);
    const std::string takenStem = name.substr(0, name.size() - extension.size());
    const std::string sourceName = FileNamePart(source);
    const std::string sourceStem = withoutExtension(sourceName);
    const std::string& stem = isNumberedName(takenStem, sourceStem) ? sourceStem : takenStem;
    std::string next;
    makeFreeName(next, folder + stem, extension, nullptr, maxNameBytes);
    return next;
}

std::size_t NameLimit(const std::string& folder) {
    errno = 0;
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

std::string FitStem(std::string_view stem, std::size_t bytes) {
    if (stem.size() <= bytes) return std::string(stem);
    if (!IsValidUtf8(stem)) return std::string(stem.substr(0, bytes));
    // Back to the start of the character the cut would split, then on back past every
    // combining mark that would lose its letter, and the letter with them.
    std::size_t cut = bytes;
    while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80) --cut;
    while (cut > 0) {
        const auto length = static_cast<qsizetype>(std::min<std::size_t>(4, stem.size() - cut));
        const QString next = QString::fromUtf8(stem.data() + cut, length);
        if (next.isEmpty()) break;
        const char32_t first = QChar::isHighSurrogate(next[0].unicode()) && next.size() > 1
                                   ? QChar::surrogateToUcs4(next[0], next[1])
                                   : next[0].unicode();
        if (!QChar::isMark(first)) break;
        do {
            --cut;
        } while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80);
    }
    return std::string(stem.substr(0, cut));
}

bool EnsureFolder(const std::string& path, bool create) {
    if (isFolder(path)) return true;
    return create && CreateFolderTree(path);
}

bool CreateFolderTree(const std::string& path) {
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (!IsPathSeparator(path[i])) continue;
        const std::string prefix = path.substr(0, i);
        // The root, or the empty component of a doubled separator.
        if (prefix.empty() || IsPathSeparator(prefix.back())) continue;
#ifdef _WIN32
        if (prefix.size() == 2 && prefix[1] == ':') continue;  // a drive
#endif
        if (FileExists(prefix)) {
            if (!isFolder(prefix)) return false;
        } else if (!makeOneFolder(prefix)) {
            return false;
        }
    }
    if (path.empty() || IsPathSeparator(path.back())) return !path.empty();
    if (!FileExists(path)) return makeOneFolder(path);
    return isFolder(path);
}

bool PrepareOutputFile(FileEntry& entry, AudioFormatCode target, OutputFailure& failure,
                       const OutputPlaces& places) {
    const std::string& source = entry.sourcePath;
    std::string base;
    if (places.destOutputFolderOpt == kOutputSpecifiedFolder &&
        !places.destSpecifiedFolder.empty() && EnsureFolder(places.destSpecifiedFolder, true)) {
        const std::string name = FileNamePart(source);
        std::string folder = withSeparator(places.destSpecifiedFolder);
        if (places.createDirs) {
            folder += mirroredFolder(source);
            if (!EnsureFolder(folder, true)) {
                failure = {OutputFailure::Kind::FolderNotCreated, folder};
                return false;
            }
        }
        base = folder + withoutExtension(name);
    } else {
        base = withoutExtension(source);
    }

    makeFreeName(entry.destinationPath, base, target, places.reservations);
    if (probeCreate(entry.destinationPath)) return true;

    const std::string shortName = FileNamePart(base);
    if (places.documentsFolder) {
        // The documents folder itself may not exist yet on a fresh account.
        (void)CreateFolderTree(withSeparator(*places.documentsFolder));
        if (tryFallback(*places.documentsFolder, shortName, target, entry.destinationPath,
                        places.reservations))
            return true;
    }
    if (places.programFolder && tryFallback(*places.programFolder, shortName, target,
                                            entry.destinationPath, places.reservations))
        return true;

    failure = {OutputFailure::Kind::DestinationNotCreated, {}};
    return false;
}

}  // namespace tonvexa
