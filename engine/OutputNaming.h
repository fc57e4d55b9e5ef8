#pragma once

#include <string>

#include "engine/AudioFormat.h"
#include "engine/FileEntry.h"
#include "engine/OutputPlaces.h"

namespace tonvexa {

// Why an output could not be placed: the mirrored folder could not be created (it is named),
// or no folder took the file.
struct OutputFailure {
    enum class Kind { None, FolderNotCreated, DestinationNotCreated };
    Kind kind = Kind::None;
    std::string folder;  // the folder of FolderNotCreated
};

// Chooses the entry's output path for the target and proves that a file can be created
// there: true with entry.destinationPath set to a free name (the probe is a file without a
// name, so nothing appears in the folder), or false with the failure set. On false the
// destination may hold a name that was tried. Never picks the name of anything that exists.
[[nodiscard]] bool PrepareOutputFile(FileEntry& entry, AudioFormatCode target,
                                     OutputFailure& failure, const OutputPlaces& places);

// destination = basePath + the target's extension, or basePath + "_n" + extension with the
// first n = 1, 2, ... whose name is free (no file, folder or link of that name). A name that
// would pass the folder's limit (NameLimit) has its stem shortened until it fits; the number
// and the extension stay.
void MakeOutputName(std::string& destination, const std::string& basePath, AudioFormatCode target);

// The name an output of `source` takes when the name it was to take has been taken since it
// was chosen: the first free name of the same numbering, in the same folder with the same
// extension. The numbering's base is the source's name without its extension when the taken
// name is that base, a shortened one of it, or a numbered one of either (for a.wma: a.mp3,
// a_1.mp3, ...), and the taken name without its extension otherwise. maxNameBytes, when
// given, holds names to that length below the folder's own limit.
std::string NextFreeOutputName(const std::string& source, const std::string& taken,
                               std::size_t maxNameBytes = 0);

// The longest file name in bytes the folder's file system takes; 255 where it does not say.
std::size_t NameLimit(const std::string& folder);

// The stem cut to at most `bytes` bytes: a UTF-8 stem between characters, a combining mark
// kept with the letter it belongs to (both go); any other stem by bytes.
std::string FitStem(std::string_view stem, std::size_t bytes);

// True when path is an existing folder; otherwise, with create, whether CreateFolderTree
// makes it one.
[[nodiscard]] bool EnsureFolder(const std::string& path, bool create);

// True when every folder along the path exists or could be created; a component that
// exists as anything but a folder fails.
[[nodiscard]] bool CreateFolderTree(const std::string& path);

}  // namespace tonvexa
