#pragma once

#include <optional>
#include <string>

#include "engine/FileEntry.h"
#include "wm/WmRuntime.h"

namespace tonvexa {

// Opens a file with the reader of its format (chosen by its extension) and takes what the
// file list shows of it: channels (for MP3 the channel mode), sample rate, bit rate in
// kbit/s, length in frames. Nothing when the extension is not supported or the reader
// cannot open the file. The entry's destination is empty.
std::optional<FileEntry> ProbeFile(const std::string& path, WmRuntime& runtime);

}  // namespace tonvexa
