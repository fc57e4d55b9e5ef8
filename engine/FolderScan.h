#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QUrl;

namespace tonvexa {

// Asked between the steps of a search, from the searching thread; true stops the search, and
// what it found until then stays found.
using ScanCancelled = std::function<bool()>;

// True when the path exists and is a folder (links followed).
bool IsFolder(const std::string& path);

// Appends the folder and all its subfolders, in pre-order, each folder's subfolders in name
// order (as a file manager sorts names: numbers by their value, letter case ignored, in the
// user's language). Folders reached through links are followed, but a folder already
// collected (by its real path) is not entered again, so a link cycle ends.
void CollectFolders(std::vector<std::string>& folders, const std::string& folder,
                    const ScanCancelled& cancelled = {});

// Appends the supported files of a folder tree: per folder, all .wma files, then .wmv, .asf,
// .mp3, .wav (extensions compared without regard to case), then the targets of the folder's
// shortcuts whose target has one of those extensions (one level only). Each group comes in
// name order, as the folders do.
void ScanFolder(std::vector<std::string>& paths, const std::string& folder,
                const ScanCancelled& cancelled = {});

// The target of a shortcut: a Windows shell link (.lnk, its LinkInfo local base path) or a
// freedesktop link file (.desktop with Type=Link and a file: URL). Nothing when the file is
// not a readable shortcut.
std::optional<std::string> ResolveShortcut(const std::string& shortcutPath);

// Turns dropped or named paths into the files to add: a folder is scanned, a supported file
// is taken, a shortcut is followed (shortcut to shortcut too, with a bound, so a cycle ends)
// and the rules applied again to its target; anything else is skipped.
void CollectDroppedPaths(std::vector<std::string>& paths, const std::string& item,
                         const ScanCancelled& cancelled = {});

// The local path a file: URL names, as the file system's bytes: percent-encoded bytes that
// are not UTF-8 (a name from an old Windows disk in Latin-1) come through as they are.
// Nothing for a URL that names no local file.
std::optional<std::string> LocalPathOfUrl(const QUrl& url);
// The file: URL of a path given by its bytes, for the desktop's file manager and players.
QUrl UrlOfLocalPath(const std::string& path);

// True for the five extensions the file list accepts.
bool HasSupportedExtension(const std::string& path);

}  // namespace tonvexa
