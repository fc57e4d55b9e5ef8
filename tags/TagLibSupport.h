#pragma once

// What the format files of this folder share over the tag library. Not for use outside it.

#include <taglib/tbytevector.h>
#include <taglib/tiostream.h>
#include <taglib/tpropertymap.h>
#include <taglib/tstring.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tags/MediaTags.h"

namespace tonvexa::taglib {

// Sets the library up once per process: its diagnostics stay off the terminal, and RIFF
// INFO texts are read as UTF-8 where they are valid UTF-8 (what current programs write)
// and as ISO-8859-1 otherwise, and written as UTF-8.
void Prepare();

inline TagLib::String ToString(std::string_view utf8) {
    return TagLib::String(std::string(utf8), TagLib::String::UTF8);
}
inline std::string FromString(const TagLib::String& text) { return text.to8Bit(true); }

inline std::vector<std::uint8_t> FromBytes(const TagLib::ByteVector& bytes) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
    return std::vector<std::uint8_t>(p, p + bytes.size());
}
inline TagLib::ByteVector ToBytes(const std::vector<std::uint8_t>& bytes) {
    return TagLib::ByteVector(reinterpret_cast<const char*>(bytes.data()),
                              static_cast<unsigned int>(bytes.size()));
}

// Adds the fields of a property map to the record, numbers and totals split; fields that
// describe the old encoding stay behind.
void AddProperties(MediaTags& tags, const TagLib::PropertyMap& properties);

// The record's fields whose names are the tag library's own (upper case), as a property
// map, and the others, which keep their names' case, apart.
struct SplitFields {
    TagLib::PropertyMap known;
    std::vector<TagField> custom;
};
SplitFields SplitForLibrary(const MediaTags& tags);

// A leading ID3v2 tag (its header and body) made readable for the library where version 1.13
// of it misreads what other programs write: a version 2.3 extended header, and empty frames.
TagLib::ByteVector RepairedForLibrary(const TagLib::ByteVector& tag);

// The readers of the three formats, over the file's stream.
MediaTags ReadMp3Tags(TagLib::IOStream& stream);
MediaTags ReadAsfTags(TagLib::IOStream& stream);
MediaTags ReadWavTags(TagLib::IOStream& stream);

}  // namespace tonvexa::taglib
