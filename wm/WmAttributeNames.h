#pragma once

// The Windows Media attribute names and the metadata keys of FFmpeg's ASF demuxer and muxer.
// Reading, FFmpeg has already turned the well-known names into its own keys; writing, its
// muxer turns its keys back into the Windows Media names. Names without a counterpart pass
// through unchanged, so that "WM/Year" is written and read under that very name.

#include <string>
#include <vector>

namespace tonvexa {

// The keys under which an attribute may appear in a file's metadata, in order of preference.
std::vector<std::string> MetadataKeysForAttribute(const std::string& attributeName);

// The key under which an attribute is handed to the muxer.
std::string MetadataKeyForWriting(const std::string& attributeName);

}  // namespace tonvexa
