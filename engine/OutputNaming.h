#pragma once

#include <string>

#include "engine/AudioFormat.h"
#include "engine/FileEntry.h"
#include "engine/OutputPlaces.h"

namespace tonvexa {

// Chooses the entry's output path for the target and proves that a file can be created
// there: true with entry.destinationPath set to a free name (the probe is a file without a
// name, so nothing appears in the folder), or false with errorText set ("Failed to create folder
// "..."" or "Failed to create destination file"). On false the destination may hold a name that was
// tried. Never picks the name of anything that exists.
[[nodiscard]] bool PrepareOutputFile(FileEntry& entry, AudioFormatCode target,
                                     std::string& errorText, const OutputPlaces& places);

// destination = basePath + the target's extension, or basePath + "_n" + extension with the
// first n = 1, 2, ... whose name is free (no file, folder or link of that name).
void MakeOutputName(std::string& destination, const std::string& basePath, AudioFormatCode target);

// The name an output of `source` takes when the name it was to take has been taken since it
// was chosen: the first free name of the same numbering, in the same folder with the same
// extension. The numbering's base is the source's name without its extension when the taken
// name is that base or a numbered one of it (for a.wma: a.mp3, a_1.mp3, ...), and the taken
// name without its extension otherwise.
std::string NextFreeOutputName(const std::string& source, const std::string& taken);

// True when path is an existing folder; otherwise, with create, whether CreateFolderTree
// makes it one.
[[nodiscard]] bool EnsureFolder(const std::string& path, bool create);

// True when every folder along the path exists or could be created; a component that
// exists as anything but a folder fails.
[[nodiscard]] bool CreateFolderTree(const std::string& path);

}  // namespace tonvexa
