#pragma once

// Reading and writing the whole tag of the three formats, through the tag library. Bad tags
// cost nothing but themselves: whatever can be read is returned, the rest is dropped without
// a word, and no call here fails because of what a source's tag holds.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tags/MediaTags.h"

namespace tonvexa {

enum class TagContainer {
    Mp3,  // the leading ID3v2 tag (versions 2.2 to 2.4)
    Asf,  // Windows Media attributes and WM/Picture
    Wav,  // the "id3 " (or "ID3 ") chunk, with the LIST/INFO texts where it lacks a field
};

// The tag of a file; empty when it has none or cannot be read.
MediaTags ReadTags(TagContainer container, const std::string& path);
// The same over a file's bytes in memory.
MediaTags ReadTagsFromBytes(TagContainer container, std::span<const std::uint8_t> bytes);

// The tag as an ID3v2.3 tag (texts in UTF-16), the way it opens an MP3 file and fills a WAV
// file's id3 chunk; empty for a tag without fields or pictures.
std::vector<std::uint8_t> RenderId3v2Tag(const MediaTags& tags);

// The chunks a WAV file's tag takes after its data: a LIST/INFO chunk with the texts INFO has
// ids for (in UTF-8), and an "id3 " chunk with the whole tag. Each is padded to an even
// length; empty for an empty tag.
std::vector<std::uint8_t> RenderWavTagChunks(const MediaTags& tags);

// Writes the tag into a finished Windows Media file through a duplicate of its descriptor:
// the attributes, WM/Picture and the typed attributes a Windows Media source had. The
// header's record of the file's size is kept true. False when the file could not be read as
// Windows Media or not be written; its contents are then not to be trusted.
[[nodiscard]] bool WriteAsfTags(int descriptor, const MediaTags& tags);

// Field names as the INFO chunk has them, for the help and the tests: INAM is TITLE, ...
struct InfoFieldName {
    const char* id;
    const char* field;
};
std::span<const InfoFieldName> InfoFieldNames();

}  // namespace tonvexa
