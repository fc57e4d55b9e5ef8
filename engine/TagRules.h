#pragma once

#include <cstdint>
#include <string>

#include "audio/Id3v1.h"
#include "engine/AudioFormat.h"
#include "settings/AppSettings.h"
#include "base/Id3Tag.h"
#include "tags/MediaTags.h"

namespace tonvexa {

// The longest title a configured tag gives its ID3v1 block, in characters.
inline constexpr std::size_t kMaxTagTitle = 31;

// The ID3v1 title of a configured tag: with its title-from-file-name flag the source's file
// name without its extension, as ISO-8859-1; otherwise the configured title. At most 31
// characters either way.
std::string ConfiguredTitle(const Id3Tag& tag, const std::string& sourcePath);

// The whole tag of a source as conversions carry it: an MP3 file's ID3v2 tag, or its ID3v1
// block when it has none; a Windows Media file's attributes and pictures; a WAV file's id3
// chunk with its INFO texts. Empty when the source has no tag that can be read.
MediaTags ReadSourceTags(const std::string& path, AudioFormatCode format);

// The configured tag as a whole tag. Its texts are the record's, but for a title taken from
// the file name: that is the whole name without its extension, in its own characters.
MediaTags TagsFromConfigured(const Id3Tag& tag, const std::string& sourcePath);
// The texts of a source's ID3v1 block: trailing spaces dropped, UTF-8 where the bytes are
// valid UTF-8 and ISO-8859-1 otherwise.
MediaTags TagsFromId3v1(const Id3Tag& parsed);

// The tag an output gets by its tag option: the configured one, the source's (without its
// loudness values when the volume is scaled, which makes them wrong), or none (empty).
MediaTags OutputTags(std::int32_t option, const Id3Tag& configured, const std::string& source,
                     AudioFormatCode sourceFormat, bool volumeScaled);

// ID3v1 blocks for MP3 output: the configured tag, or one from a whole tag, its texts cut
// to the block's ISO-8859-1 fields.
Id3v1Block Id3v1FromConfigured(const Id3Tag& tag, const std::string& sourcePath);
Id3v1Block Id3v1FromTags(const MediaTags& tags);

// The tag as `tonvexa-convert --tags` lists it, a machine format that is never translated:
// one NAME=value line per value (UTF-8; newline, carriage return and backslash written as
// \n, \r and \\), the typed Windows Media attributes the same way, and one line per
// picture: "PICTURE type=3 mime=image/jpeg size=1234", with " description=..." when it has
// one.
std::string TagListing(const MediaTags& tags);

}  // namespace tonvexa
