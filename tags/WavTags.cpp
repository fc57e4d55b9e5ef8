// WAV files' tags: the id3 chunk and the LIST/INFO texts.

#include <taglib/infotag.h>
#include <taglib/wavfile.h>

#include <algorithm>

#include "base/LittleEndian.h"
#include "tags/Id3v2Tags.h"
#include "tags/TagIo.h"
#include "tags/TagLibSupport.h"

namespace tonvexa {

namespace {

// The INFO ids with a meaning that other formats share. Only the first id of a field is
// written; ITRK is read as another program's name for the track number.
constexpr InfoFieldName kInfoFields[] = {
    {"INAM", "TITLE"},     {"IART", "ARTIST"},    {"IPRD", "ALBUM"},
    {"ICMT", "COMMENT"},   {"IGNR", "GENRE"},     {"ICRD", "DATE"},
    {"IPRT", "TRACKNUMBER"}, {"ITRK", "TRACKNUMBER"}, {"ICOP", "COPYRIGHT"},
    {"IMUS", "COMPOSER"},  {"IENG", "ENGINEER"},  {"ITCH", "ENCODEDBY"},
    {"ILNG", "LANGUAGE"},
};

void appendChunk(std::vector<std::uint8_t>& out, const char (&id)[5],
                 const TagLib::ByteVector& data) {
    std::uint8_t header[8];
    std::copy(id, id + 4, header);
    PutLe32(header + 4, data.size());
    out.insert(out.end(), header, header + 8);
    out.insert(out.end(), data.begin(), data.end());
    if (data.size() % 2 != 0) out.push_back(0);
}

std::string joined(const std::vector<std::string>& values) {
    std::string text;
    for (const std::string& v : values) text += (text.empty() ? "" : "; ") + v;
    return text;
}

}  // namespace

std::span<const InfoFieldName> InfoFieldNames() {
    return kInfoFields;
}

namespace taglib {

MediaTags ReadWavTags(TagLib::IOStream& stream) {
    MediaTags tags;
    Prepare();
    TagLib::RIFF::WAV::File file(&stream, false);
    if (!file.isValid()) return tags;
    if (file.hasID3v2Tag()) ReadId3v2(*file.ID3v2Tag(), tags);
    if (file.hasInfoTag()) {
        // The id3 chunk holds the whole tag; INFO adds only what it lacks.
        MediaTags info;
        const TagLib::RIFF::Info::FieldListMap fields = file.InfoTag()->fieldListMap();
        for (const InfoFieldName& name : kInfoFields) {
            const auto it = fields.find(name.id);
            if (it == fields.end() || info.find(name.field)) continue;
            info.set(name.field, FromString(it->second));
        }
        SplitNumberTotals(info);
        for (const TagField& f : info.fields())
            if (!tags.find(f.name)) tags.set(f.name, f.values);
    }
    return tags;
}

}  // namespace taglib

std::vector<std::uint8_t> RenderWavTagChunks(const MediaTags& tags) {
    if (tags.fields().empty() && tags.pictures().empty()) return {};
    taglib::Prepare();
    std::vector<std::uint8_t> chunks;
    TagLib::RIFF::Info::Tag info;
    std::vector<std::string_view> written;
    for (const InfoFieldName& name : kInfoFields) {
        if (std::find(written.begin(), written.end(), name.field) != written.end()) continue;
        written.push_back(name.field);
        if (const auto* values = tags.find(name.field))
            info.setFieldText(name.id, taglib::ToString(joined(*values)));
    }
    if (const TagLib::ByteVector list = info.render(); !list.isEmpty())
        appendChunk(chunks, "LIST", list);
    TagLib::ID3v2::Tag id3;
    taglib::FillId3v2(tags, id3);
    if (const TagLib::ByteVector whole = id3.render(TagLib::ID3v2::v3); !whole.isEmpty())
        appendChunk(chunks, "id3 ", whole);
    return chunks;
}

}  // namespace tonvexa
