#include "audio/Id3v1.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "base/PathUtil.h"

namespace tonvexa {
namespace {

using namespace id3v1;

// Copies up to `width` bytes of a text field, stopping at the first zero byte, into a
// record field that keeps room for its terminator.
template <std::size_t N>
void copyText(std::span<const std::uint8_t> block, std::size_t at, std::size_t width,
              char (&field)[N]) {
    static_assert(N > 1);
    const std::size_t limit = std::min(width, N - 1);
    std::size_t n = 0;
    while (n < limit && block[at + n] != 0) {
        field[n] = static_cast<char>(block[at + n]);
        ++n;
    }
    std::memset(field + n, 0, N - n);
}

void putText(Id3v1Block& block, std::size_t at, std::size_t width, std::string_view text) {
    // Stop at an embedded zero: the record's texts end there too.
    const auto end = text.find('\0');
    if (end != std::string_view::npos) text = text.substr(0, end);
    if (!text.empty()) std::memcpy(block.data() + at, text.data(), std::min(width, text.size()));
}

}  // namespace

std::optional<Id3v1Block> ReadId3v1BlockAtEnd(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<Id3v1Block> found;
    struct stat st {};
    Id3v1Block block{};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= static_cast<off_t>(kBlockSize) &&
        ::pread(fd, block.data(), block.size(), st.st_size - static_cast<off_t>(kBlockSize)) ==
            static_cast<ssize_t>(block.size()) &&
        IsId3v1Block(block))
        found = block;
    ::close(fd);
    return found;
}

bool IsId3v1Block(std::span<const std::uint8_t> block) {
    return block.size() >= kBlockSize && block[0] == 'T' && block[1] == 'A' && block[2] == 'G';
}

bool ParseId3v1Block(std::span<const std::uint8_t> block, Id3Tag& tag) {
    if (!IsId3v1Block(block)) return false;
    tag = Id3Tag::fromBytes(Id3Tag::Bytes{});
    copyText(block, kTitle, kTextWidth, tag.title);
    copyText(block, kArtist, kTextWidth, tag.artist);
    copyText(block, kAlbum, kTextWidth, tag.album);
    copyText(block, kYear, kYearWidth, tag.year);
    tag.genre = block[kGenre];
    if (block[kTrackMarker] == 0) {
        copyText(block, kComment, kShortCommentWidth, tag.comment);
        tag.hasTrack = block[kTrack] != 0 ? 1 : 0;
        tag.track = block[kTrack];
    } else {
        copyText(block, kComment, kTextWidth, tag.comment);
        tag.hasTrack = 0;
        tag.track = 0;
    }
    return true;
}

Id3v1Block BuildId3v1Block(const Id3v1Fields& f) {
    Id3v1Block block{};
    block[0] = 'T';
    block[1] = 'A';
    block[2] = 'G';
    putText(block, kTitle, kTextWidth, f.title);
    putText(block, kArtist, kTextWidth, f.artist);
    putText(block, kAlbum, kTextWidth, f.album);
    putText(block, kYear, kYearWidth, f.year);
    if (f.hasTrack) {
        putText(block, kComment, kShortCommentWidth, f.comment);
        block[kTrackMarker] = 0;
        block[kTrack] = static_cast<std::uint8_t>(f.track & 0xFF);
    } else {
        putText(block, kComment, kTextWidth, f.comment);
    }
    block[kGenre] = f.genre;
    return block;
}

const std::array<std::string_view, kGenreCount>& GenreList() {
    static constexpr std::array<std::string_view, kGenreCount> kGenres = {
        "Blues",
        "Classic Rock",
        "Country",
        "Dance",
        "Disco",
        "Funk",
        "Grunge",
        "Hip-Hop",
        "Jazz",
        "Metal",
        "New Age",
        "Oldies",
        "Other",
        "Pop",
        "R&B",
        "Rap",
        "Reggae",
        "Rock",
        "Techno",
        "Industrial",
        "Alternative",
        "Ska",
        "Death Metal",
        "Pranks",
        "Soundtrack",
        "Euro-Techno",
        "Ambient",
        "Trip-Hop",
        "Vocal",
        "Jazz+Funk",
        "Fusion",
        "Trance",
        "Classical",
        "Instrumental",
        "Acid",
        "House",
        "Game",
        "Sound Clip",
        "Gospel",
        "Noise",
        "Alt. Rock",
        "Bass",
        "Soul",
        "Punk",
        "Space",
        "Meditative",
        "Instrumental Pop",
        "Instrumental Rock",
        "Ethnic",
        "Gothic",
        "Darkwave",
        "Techno-Industrial",
        "Electronic",
        "Pop-Folk",
        "Eurodance",
        "Dream",
        "Southern Rock",
        "Comedy",
        "Cult",
        "Gangsta",
        "Top 40",
        "Christian Rap",
        "Pop/Funk",
        "Jungle",
        "Native American",
        "Cabaret",
        "New Wave",
        "Psychadelic",
        "Rave",
        "Showtunes",
        "Trailer",
        "Lo-Fi",
        "Tribal",
        "Acid Punk",
        "Acid Jazz",
        "Polka",
        "Retro",
        "Musical",
        "Rock & Roll",
        "Hard Rock",
        "Folk",
        "Folk/Rock",
        "National Folk",
        "Swing",
        "Fast-Fusion",
        "Bebob",
        "Latin",
        "Revival",
        "Celtic",
        "Bluegrass",
        "Avantgarde",
        "Gothic Rock",
        "Progressive Rock",
        "Psychedelic Rock",
        "Symphonic Rock",
        "Slow Rock",
        "Big Band",
        "Chorus",
        "Easy Listening",
        "Acoustic",
        "Humour",
        "Speech",
        "Chanson",
        "Opera",
        "Chamber Music",
        "Sonata",
        "Symphony",
        "Booty Bass",
        "Primus",
        "Porn Groove",
        "Satire",
        "Slow Jam",
        "Club",
        "Tango",
        "Samba",
        "Folklore",
        "Ballad",
        "Power Ballad",
        "Rhythmic Soul",
        "Freestyle",
        "Duet",
        "Punk Rock",
        "Drum Solo",
        "A Cappella",
        "Euro-House",
        "Dance Hall",
        "Goa",
        "Drum & Bass",
        "Club-House",
        "Hardcore",
        "Terror",
        "Indie",
        "BritPop",
        "Negerpunk",
        "Polsk Punk",
        "Beat",
        "Christian Gangsta Rap",
        "Heavy Metal",
        "Black Metal",
        "Crossover",
        "Contemporary Christian",
        "Christian Rock",
        "Merengue",
        "Salsa",
        "Trash Metal",
        "Anime",
        "Jpop",
        "Synthpop",
    };
    return kGenres;
}

std::string_view GenreName(std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kGenreCount) return {};
    return GenreList()[static_cast<std::size_t>(index)];
}

std::int32_t GenreIndex(std::string_view name) {
    if (name.empty()) return Id3Tag::kNoGenre;
    const auto& list = GenreList();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (EqualsNoCase(list[i], name)) return static_cast<std::int32_t>(i);
    return Id3Tag::kNoGenre;
}

}  // namespace tonvexa
