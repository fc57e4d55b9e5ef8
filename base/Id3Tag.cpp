#include "base/Id3Tag.h"

#include <cstring>

namespace tonvexa {
namespace {

// Offsets of the stored layout.
constexpr std::size_t kNameAsFileName = 0;
constexpr std::size_t kTitle = 4;
constexpr std::size_t kArtist = 36;
constexpr std::size_t kAlbum = 68;
constexpr std::size_t kYear = 100;
constexpr std::size_t kGenre = 108;
constexpr std::size_t kComment = 112;
constexpr std::size_t kHasTrack = 144;
constexpr std::size_t kTrack = 148;
static_assert(kTrack + 4 == Id3Tag::kStoredSize);

void putInt(Id3Tag::Bytes& b, std::size_t at, std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t getInt(const Id3Tag::Bytes& b, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= std::uint32_t{b[at + i]} << (8 * i);
    return static_cast<std::int32_t>(u);
}

template <std::size_t N>
void putText(Id3Tag::Bytes& b, std::size_t at, const char (&field)[N]) {
    std::memcpy(b.data() + at, field, N);
}

template <std::size_t N>
void getText(const Id3Tag::Bytes& b, std::size_t at, char (&field)[N]) {
    std::memcpy(field, b.data() + at, N);
}

}  // namespace

Id3Tag::Bytes Id3Tag::toBytes() const {
    Bytes b{};
    putInt(b, kNameAsFileName, nameAsFileName);
    putText(b, kTitle, title);
    putText(b, kArtist, artist);
    putText(b, kAlbum, album);
    putText(b, kYear, year);
    putInt(b, kGenre, genre);
    putText(b, kComment, comment);
    putInt(b, kHasTrack, hasTrack);
    putInt(b, kTrack, track);
    return b;
}

Id3Tag Id3Tag::fromBytes(const Bytes& b) {
    Id3Tag t;
    t.nameAsFileName = getInt(b, kNameAsFileName);
    getText(b, kTitle, t.title);
    getText(b, kArtist, t.artist);
    getText(b, kAlbum, t.album);
    getText(b, kYear, t.year);
    t.genre = getInt(b, kGenre);
    getText(b, kComment, t.comment);
    t.hasTrack = getInt(b, kHasTrack);
    t.track = getInt(b, kTrack);
    return t;
}

bool Id3Tag::assignBytes(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kStoredSize) return false;
    if (bytes.empty()) return true;
    Bytes merged = toBytes();
    std::memcpy(merged.data(), bytes.data(), bytes.size());
    *this = fromBytes(merged);
    return true;
}

}  // namespace tonvexa
