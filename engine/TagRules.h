#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "audio/Id3v1.h"
#include "settings/Id3Tag.h"
#include "wm/WmaReader.h"
#include "wm/WmaWriter.h"

namespace tonvexa {

// The longest title a configured tag gives, in characters.
inline constexpr std::size_t kMaxTagTitle = 31;

// The title of a configured tag: with its title-from-file-name flag the source's file name
// without its extension, as ISO-8859-1; otherwise the configured title. At most 31
// characters either way.
std::string ConfiguredTitle(const Id3Tag& tag, const std::string& sourcePath);

// The source's Windows Media attributes as the conversions use them (UTF-8 texts).
struct WmaSourceTags {
    std::string title, author, album, year, description, genre;
    std::int32_t trackNumber = 0;
};
WmaSourceTags SourceTagsOf(const WmaReader& reader);

// ID3v1 blocks for MP3 output: the configured tag, or one from the source's attributes.
Id3v1Block Id3v1FromConfigured(const Id3Tag& tag, const std::string& sourcePath);
Id3v1Block Id3v1FromWmaSource(const WmaSourceTags& source);

// Attributes for Windows Media output: the configured tag, or the texts of an MP3 source's
// ID3v1 block. The genre text is the list's name for the index, empty outside the list.
// Empty texts are left out, so no empty attribute is written.
WmaTags WmaTagsFromConfigured(const Id3Tag& tag, const std::string& sourcePath);
WmaTags WmaTagsFromId3v1(const Id3Tag& parsed);
WmaTags WmaTagsFromWmaSource(const WmaSourceTags& source);

}  // namespace tonvexa
