#include "tags/TagIo.h"

#include <taglib/tbytevectorstream.h>
#include <taglib/tfilestream.h>

#include "tags/TagLibSupport.h"

namespace tonvexa {

namespace {

MediaTags readFrom(TagContainer container, TagLib::IOStream& stream) {
    taglib::Prepare();
    switch (container) {
        case TagContainer::Mp3:
            return taglib::ReadMp3Tags(stream);
        case TagContainer::Asf:
            return taglib::ReadAsfTags(stream);
        case TagContainer::Wav:
            return taglib::ReadWavTags(stream);
    }
    return {};
}

}  // namespace

MediaTags ReadTags(TagContainer container, const std::string& path) {
    TagLib::FileStream stream(path.c_str(), true);
    if (!stream.isOpen()) return {};
    return readFrom(container, stream);
}

MediaTags ReadTagsFromBytes(TagContainer container, std::span<const std::uint8_t> bytes) {
    TagLib::ByteVectorStream stream(TagLib::ByteVector(reinterpret_cast<const char*>(bytes.data()),
                                                       static_cast<unsigned int>(bytes.size())));
    return readFrom(container, stream);
}

}  // namespace tonvexa
