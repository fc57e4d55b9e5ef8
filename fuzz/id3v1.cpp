// The ID3v1 block parse over arbitrary bytes, and the genre name of what it finds. The
// parse's input is the span itself (of any length), as the readers hand it over.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

#include "audio/Id3v1.h"

using namespace tonvexa;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> block(data, size);
    Id3Tag tag;
    if (!ParseId3v1Block(block, tag)) return 0;
    // Every text must end inside its field.
    for (const char* text : {tag.title, tag.artist, tag.album, tag.year, tag.comment})
        (void)std::strlen(text);
    (void)GenreName(tag.genre);
    // What was parsed, built again, parses to the same record.
    const Id3v1Block again = BuildId3v1Block({.title = tag.title,
                                              .artist = tag.artist,
                                              .album = tag.album,
                                              .year = tag.year,
                                              .comment = tag.comment,
                                              .genre = static_cast<std::uint8_t>(tag.genre),
                                              .hasTrack = tag.hasTrack != 0,
                                              .track = tag.track});
    Id3Tag reparsed;
    if (!ParseId3v1Block(again, reparsed) || reparsed.toBytes() != tag.toBytes()) __builtin_trap();
    return 0;
}
