#include "engine/FolderScan.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <QUrl>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <set>
#include <string_view>
#include <system_error>

#include "base/LittleEndian.h"
#include "base/PathUtil.h"
#include "engine/AudioFormat.h"

namespace tonvexa {

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 5> kScanExtensions = {".wma", ".wmv", ".asf", ".mp3",
                                                             ".wav"};
constexpr int kMaxShortcutHops = 16;

// Names in the order a file manager shows them: digits compared as numbers ("Track 2" before
// "Track 10"), letter case ignored, the rest as the user's language orders text. Names that
// the collation finds equal keep a fixed order by their bytes. A collator is not safe to use
// from two threads at once, so each scan makes its own.
class NameOrder {
public:
    NameOrder() : collator_(collationLocale()) {
        collator_.setNumericMode(true);
        collator_.setCaseSensitivity(Qt::CaseInsensitive);
    }

    void sort(std::vector<fs::path>& paths) const {
        std::vector<std::string> names;
        std::vector<QCollatorSortKey> keys;
        names.reserve(paths.size());
        keys.reserve(paths.size());
        for (const fs::path& p : paths) {
            names.push_back(p.filename().string());
            keys.push_back(collator_.sortKey(QString::fromStdString(names.back())));
        }
        std::vector<std::size_t> order(paths.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            const int c = keys[a].compare(keys[b]);
            return c != 0 ? c < 0 : names[a] < names[b];
        });
        std::vector<fs::path> sorted;
        sorted.reserve(paths.size());
        for (std::size_t i : order) sorted.push_back(std::move(paths[i]));
        paths = std::move(sorted);
    }

private:
    static QLocale collationLocale() {
        QLocale locale;
        // The C locale compares code points: case apart and digits as text. A user who has
        // set no language gets the language-neutral order instead, which is English's.
        if (locale.language() == QLocale::C) locale = QLocale(QLocale::English);
        return locale;
    }

    QCollator collator_;
};

bool isCancelled(const ScanCancelled& cancelled) {
    return cancelled && cancelled();
}

// The entries of a folder, folders or the others as asked, in name order; a folder that
// cannot be read has none.
std::vector<fs::path> folderEntries(const fs::path& folder, bool folders, const NameOrder& order,
                                    const ScanCancelled& cancelled) {
    std::vector<fs::path> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end && !isCancelled(cancelled); it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError) == folders) entries.push_back(it->path());
    }
    order.sort(entries);
    return entries;
}

void collect(std::vector<std::string>& folders, const fs::path& folder, std::set<fs::path>& visited,
             const NameOrder& order, const ScanCancelled& cancelled) {
    std::error_code ec;
    fs::path real = fs::canonical(folder, ec);
    if (ec) real = folder;
    if (!visited.insert(real).second) return;
    folders.push_back(folder.string());
    for (const fs::path& sub : folderEntries(folder, true, order, cancelled)) {
        if (isCancelled(cancelled)) return;
        collect(folders, sub, visited, order, cancelled);
    }
}

void collectFolders(std::vector<std::string>& folders, const std::string& folder,
                    const NameOrder& order, const ScanCancelled& cancelled) {
    std::set<fs::path> visited;
    collect(folders, fs::path(folder), visited, order, cancelled);
}

// Windows shell link (.lnk) reading, after the published Shell Link binary format.
namespace lnk {
constexpr std::size_t kHeaderSize = 0x4C;
constexpr std::uint8_t kLinkClsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                         0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr std::uint32_t kHasLinkTargetIdList = 0x1;
constexpr std::uint32_t kHasLinkInfo = 0x2;
constexpr std::uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr std::size_t kMaxFileSize = 1 << 20;
}  // namespace lnk

// The first `limit` bytes of a file (all of a smaller one); nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> fileHead(const std::string& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    char chunk[4096];
    while (bytes.size() < limit) {
        in.read(chunk, static_cast<std::streamsize>(std::min(sizeof chunk, limit - bytes.size())));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0) break;
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    return bytes;
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return ReadLe32(b.data() + at);
}

// A zero-terminated 8-bit string inside [from, end); nothing if it is not terminated.
std::optional<std::string> cString(const std::vector<std::uint8_t>& b, std::size_t from,
                                   std::size_t end) {
    for (std::size_t i = from; i < end; ++i)
        if (b[i] == 0) return std::string(b.begin() + from, b.begin() + i);
    return std::nullopt;
}

std::optional<std::string> unicodeString(const std::vector<std::uint8_t>& b, std::size_t from,
                                         std::size_t end) {
    std::u16string s;
    for (std::size_t i = from; i + 1 < end; i += 2) {
        const char16_t c = static_cast<char16_t>(b[i] | (b[i + 1] << 8));
        if (c == 0) return QString::fromStdU16String(s).toStdString();
        s.push_back(c);
    }
    return std::nullopt;
}

// The 8-bit strings of a link are in the writer's code page; take valid UTF-8 as it is and
// anything else as Latin-1.
std::string codePageToUtf8(const std::string& s) {
    const QByteArray bytes = QByteArray::fromStdString(s);
    const QString utf8 = QString::fromUtf8(bytes);
    if (utf8.toUtf8() == bytes) return s;
    return QString::fromLatin1(bytes).toStdString();
}

std::optional<std::string> resolveLnk(const std::string& path) {
    const auto read = fileHead(path, lnk::kMaxFileSize);
    if (!read) return std::nullopt;
    const std::vector<std::uint8_t>& b = *read;
    if (b.size() < lnk::kHeaderSize || le32(b, 0) != lnk::kHeaderSize) return std::nullopt;
    if (!std::equal(std::begin(lnk::kLinkClsid), std::end(lnk::kLinkClsid), b.begin() + 4))
        return std::nullopt;
    const std::uint32_t flags = le32(b, 0x14);
    std::size_t at = lnk::kHeaderSize;
    if (flags & lnk::kHasLinkTargetIdList) {
        if (at + 2 > b.size()) return std::nullopt;
        at += 2 + (b[at] | (b[at + 1] << 8));
    }
    if (!(flags & lnk::kHasLinkInfo) || at + 28 > b.size()) return std::nullopt;
    const std::size_t infoSize = le32(b, at);
    if (infoSize < 28 || at + infoSize > b.size()) return std::nullopt;
    const std::size_t infoEnd = at + infoSize;
    const std::uint32_t headerSize = le32(b, at + 4);
    const std::uint32_t infoFlags = le32(b, at + 8);
    if (!(infoFlags & lnk::kVolumeIdAndLocalBasePath)) return std::nullopt;
    const std::size_t baseOffset = le32(b, at + 16);
    const std::size_t suffixOffset = le32(b, at + 24);
    if (headerSize >= 0x24 && at + 36 <= infoEnd) {
        const std::size_t baseUnicode = le32(b, at + 28);
        const std::size_t suffixUnicode = le32(b, at + 32);
        if (baseUnicode && baseUnicode < infoSize) {
            auto base = unicodeString(b, at + baseUnicode, infoEnd);
            std::optional<std::string> suffix = std::string();
            if (suffixUnicode && suffixUnicode < infoSize)
                suffix = unicodeString(b, at + suffixUnicode, infoEnd);
            if (base && suffix && !base->empty()) return *base + *suffix;
        }
    }
    if (baseOffset == 0 || baseOffset >= infoSize) return std::nullopt;
    auto base = cString(b, at + baseOffset, infoEnd);
    std::optional<std::string> suffix = std::string();
    if (suffixOffset && suffixOffset < infoSize) suffix = cString(b, at + suffixOffset, infoEnd);
    if (!base || !suffix || base->empty()) return std::nullopt;
    // The target may lie on a disk copied from the link's own system, whose names kept the
    // code page's bytes; otherwise it is the same name in UTF-8.
    const std::string raw = *base + *suffix;
    return FileExists(raw) ? raw : codePageToUtf8(raw);
}

// Freedesktop link files (.desktop), after the Desktop Entry format: UTF-8 lines, "#"
// comments, "[Group]" headers, "Key=Value" entries with blanks around "=" ignored, and the
// escapes \s \n \t \r \\ in values. It is read here rather than as an INI file because
// INI readers give ",", ";", quotes and other backslash sequences meanings of their own,
// which would turn the URL of "Song, Part 2.mp3" into a list and that of "a;b.mp3" into
// "a".
namespace desktop {
constexpr std::size_t kMaxFileSize = 1 << 20;
constexpr std::string_view kGroup = "[Desktop Entry]";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace desktop

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(desktop::kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(desktop::kBlanks);
    return s.substr(first, last - first + 1);
}

std::string unescapedValue(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out.push_back(value[i]);
            continue;
        }
        switch (value[++i]) {
            case 's':
                out.push_back(' ');
                break;
            case 'n':
                out.push_back('\n');
                break;
            case 't':
                out.push_back('\t');
                break;
            case 'r':
                out.push_back('\r');
                break;
            case '\\':
                out.push_back('\\');
                break;
            default:
                // Not an escape of the format: both characters stand as they are.
                out.push_back('\\');
                out.push_back(value[i]);
                break;
        }
    }
    return out;
}

std::optional<std::string> resolveDesktopLink(const std::string& path) {
    const auto read = fileHead(path, desktop::kMaxFileSize);
    if (!read) return std::nullopt;
    std::string_view rest(reinterpret_cast<const char*>(read->data()), read->size());
    if (rest.starts_with(desktop::kByteOrderMark))
        rest.remove_prefix(desktop::kByteOrderMark.size());

    // The first value of each key in the "Desktop Entry" group; localised keys
    // ("URL[de]") are other keys.
    std::optional<std::string> type, url;
    bool inEntry = false;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        line = trimmed(line);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            inEntry = line == desktop::kGroup;
            continue;
        }
        const auto equals = line.find('=');
        if (!inEntry || equals == std::string_view::npos) continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if (key == "Type" && !type) type = unescapedValue(value);
        if (key == "URL" && !url) url = unescapedValue(value);
    }
    if (type != "Link" || !url) return std::nullopt;
    return LocalPathOfUrl(QUrl(QString::fromStdString(*url)));
}

}  // namespace

std::optional<std::string> LocalPathOfUrl(const QUrl& url) {
    if (!url.isValid() || !url.isLocalFile()) return std::nullopt;
    // The decoded path of QUrl is text: a byte that is not UTF-8 would turn into U+FFFD.
    // The encoded path keeps it as %XX, which decodes back to the very byte.
    const QByteArray encoded = url.path(QUrl::FullyEncoded).toLatin1();
    std::string local = QByteArray::fromPercentEncoding(encoded).toStdString();
    if (local.empty()) return std::nullopt;
    return local;
}

QUrl UrlOfLocalPath(const std::string& path) {
    const QByteArray encoded = QByteArray::fromStdString(path).toPercentEncoding("/");
    return QUrl(QStringLiteral("file://") + QString::fromLatin1(encoded), QUrl::StrictMode);
}

namespace {

bool isShortcut(const std::string& path) {
    const std::string ext = FileExtension(path);
    return EqualsNoCase(ext, ".lnk") || EqualsNoCase(ext, ".desktop");
}

}  // namespace

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(fs::path(path), ec);
}

bool HasSupportedExtension(const std::string& path) {
    return FormatCodeOfPath(path) != FormatNone;
}

void CollectFolders(std::vector<std::string>& folders, const std::string& folder,
                    const ScanCancelled& cancelled) {
    collectFolders(folders, folder, NameOrder(), cancelled);
}

void ScanFolder(std::vector<std::string>& paths, const std::string& folder,
                const ScanCancelled& cancelled) {
    const NameOrder order;
    std::vector<std::string> folders;
    collectFolders(folders, folder, order, cancelled);
    for (const auto& f : folders) {
        if (isCancelled(cancelled)) return;
        const std::vector<fs::path> entries = folderEntries(f, false, order, cancelled);
        for (const auto ext : kScanExtensions)
            for (const auto& e : entries)
                if (EqualsNoCase(FileExtension(e.string()), ext)) paths.push_back(e.string());
        for (const auto& e : entries) {
            if (!isShortcut(e.string())) continue;
            if (isCancelled(cancelled)) return;
            if (auto target = ResolveShortcut(e.string()); target && HasSupportedExtension(*target))
                paths.push_back(*target);
        }
    }
}

std::optional<std::string> ResolveShortcut(const std::string& shortcutPath) {
    const std::string ext = FileExtension(shortcutPath);
    if (EqualsNoCase(ext, ".lnk")) return resolveLnk(shortcutPath);
    if (EqualsNoCase(ext, ".desktop")) return resolveDesktopLink(shortcutPath);
    return std::nullopt;
}

void CollectDroppedPaths(std::vector<std::string>& paths, const std::string& item,
                         const ScanCancelled& cancelled) {
    std::string path = item;
    for (int hop = 0; hop <= kMaxShortcutHops && !isCancelled(cancelled); ++hop) {
        if (IsFolder(path)) {
            ScanFolder(paths, path, cancelled);
            return;
        }
        if (HasSupportedExtension(path)) {
            paths.push_back(path);
            return;
        }
        if (!isShortcut(path)) return;
        auto target = ResolveShortcut(path);
        if (!target) return;
        path = *target;
    }
}

}  // namespace tonvexa
