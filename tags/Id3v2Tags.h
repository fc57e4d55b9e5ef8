#pragma once

// The ID3v2 side of the tags folder, shared by the MP3 and WAV files. Not for use outside it.

#include <taglib/id3v2tag.h>

#include "tags/MediaTags.h"

namespace tonvexa::taglib {

// Adds an ID3v2 tag's fields and pictures to the record.
void ReadId3v2(const TagLib::ID3v2::Tag& tag, MediaTags& tags);
// Fills an empty ID3v2 tag from the record.
void FillId3v2(const MediaTags& tags, TagLib::ID3v2::Tag& tag);

}  // namespace tonvexa::taglib
