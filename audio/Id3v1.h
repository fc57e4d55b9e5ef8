#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/Id3Tag.h"

namespace tonvexa {

// The 128-byte tag block at the end of an MP3 file (ID3v1, or ID3v1.1 when a track number
// is present). Text bytes are ISO-8859-1.
namespace id3v1 {
inline constexpr std::size_t kBlockSize = 128;
inline constexpr std::size_t kTitle = 3;
inline constexpr std::size_t kArtist = 33;
inline constexpr std::size_t kAlbum = 63;
inline constexpr std::size_t kYear = 93;
inline constexpr std::size_t kComment = 97;
inline constexpr std::size_t kTrackMarker = 125;  // zero in ID3v1.1
inline constexpr std::size_t kTrack = 126;
inline constexpr std::size_t kGenre = 127;
inline constexpr std::size_t kTextWidth = 30;
inline constexpr std::size_t kYearWidth = 4;
inline constexpr std::size_t kShortCommentWidth = 28;  // the comment beside a track number
inline constexpr std::size_t kGenreCount = 148;
}  // namespace id3v1

using Id3v1Block = std::array<std::uint8_t, id3v1::kBlockSize>;

// True when the block starts with the letters "TAG".
bool IsId3v1Block(std::span<const std::uint8_t> block);

// Fills the record from a block. The record is cleared first, so the title-from-file-name
// flag is off and every text empty before copying. False (record untouched) when the block
// is not an ID3v1 block.
[[nodiscard]] bool ParseId3v1Block(std::span<const std::uint8_t> block, Id3Tag& tag);

// The block that ends a file: its last 128 bytes when they start with "TAG"; nothing
// otherwise, or when the file cannot be read.
std::optional<Id3v1Block> ReadId3v1BlockAtEnd(const std::string& path);

// Builds a block from its fields; texts longer than their field are cut, a track number is
// written as its low 8 bits.
struct Id3v1Fields {
    std::string_view title = {};
    std::string_view artist = {};
    std::string_view album = {};
    std::string_view year = {};
    std::string_view comment = {};
    std::uint8_t genre = static_cast<std::uint8_t>(Id3Tag::kNoGenre);
    bool hasTrack = false;
    std::int32_t track = 0;
};
Id3v1Block BuildId3v1Block(const Id3v1Fields& fields);

// The ID3v1 genre list with the Winamp extensions, indices 0 to 147.
const std::array<std::string_view, id3v1::kGenreCount>& GenreList();

// The name of a genre index; empty for any index outside the list (255 is "no genre").
std::string_view GenreName(std::int32_t index);

// The index of a genre name, compared without regard to case; the first match wins.
// A name that is not in the list, or an empty name, gives Id3Tag::kNoGenre: tagging an
// unknown genre as "Blues" would put a wrong genre into the user's files.
std::int32_t GenreIndex(std::string_view name);

}  // namespace tonvexa
