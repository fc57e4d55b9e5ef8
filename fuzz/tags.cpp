// The whole-tag path over arbitrary bytes: each input is read as an MP3 file's ID3v2 tag, a
// Windows Media file's attributes and a WAV file's INFO and id3 chunks, as conversions that
// keep a tag read a source. What is read is then mapped and written the ways conversions
// write it: the --tags listing, the ID3v1 block, the ID3v2 tag, the WAV chunks, and the
// Windows Media attributes written into a copy of the input.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/TagRules.h"
#include "tags/TagIo.h"

using namespace tonvexa;

namespace {

// A file in memory for the Windows Media writer, which works on a descriptor.
int MemoryFile(std::span<const std::uint8_t> bytes) {
    const int fd = ::memfd_create("tags", MFD_CLOEXEC);
    if (fd < 0) return -1;
    if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    for (const TagContainer container : {TagContainer::Mp3, TagContainer::Asf, TagContainer::Wav}) {
        const MediaTags tags = ReadTagsFromBytes(container, input);
        (void)TagListing(tags);
        (void)Id3v1FromTags(tags);
        // A tag written as ID3v2 reads back with every picture it carried: what is carried
        // is always an image the readers accept again.
        const auto id3 = RenderId3v2Tag(tags);
        if (!id3.empty() &&
            ReadTagsFromBytes(TagContainer::Mp3, id3).pictures().size() != tags.pictures().size())
            __builtin_trap();
        (void)RenderWavTagChunks(tags);
        if (container == TagContainer::Asf && !tags.empty()) {
            const int fd = MemoryFile(input);
            if (fd >= 0) {
                (void)WriteAsfTags(fd, tags);
                ::close(fd);
            }
        }
    }
    return 0;
}
