// MP3's ID3v2 tag, also the contents of a WAV file's id3 chunk.

#include "tags/Id3v2Tags.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/mpegfile.h>
#include <taglib/textidentificationframe.h>

#include "tags/TagIo.h"
#include "tags/TagLibSupport.h"

namespace tonvexa {

namespace taglib {

void ReadId3v2(const TagLib::ID3v2::Tag& tag, MediaTags& tags) {
    AddProperties(tags, tag.properties());
    const TagLib::ID3v2::FrameListMap& frames = tag.frameListMap();
    const auto pictures = frames.find("APIC");
    if (pictures == frames.end()) return;
    for (const TagLib::ID3v2::Frame* frame : pictures->second) {
        const auto* picture = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame);
        if (!picture) continue;
        tags.addPicture(static_cast<int>(picture->type()), FromString(picture->description()),
                        FromBytes(picture->picture()));
    }
}

void FillId3v2(const MediaTags& tags, TagLib::ID3v2::Tag& tag) {
    SplitFields split = SplitForLibrary(tags);
    // TRCK and TPOS hold a number with its total.
    for (const auto& [number, total] : {std::pair{"TRACKNUMBER", "TRACKTOTAL"},
                                        std::pair{"DISCNUMBER", "DISCTOTAL"}}) {
        const std::string both = NumberWithTotal(tags, number, total);
        if (both.empty()) continue;
        split.known.replace(number, TagLib::StringList(ToString(both)));
        split.known.erase(total);
    }
    tag.setProperties(split.known);
    for (const TagField& field : split.custom) {
        TagLib::StringList values;
        for (const std::string& v : field.values) values.append(ToString(v));
        auto* frame = new TagLib::ID3v2::UserTextIdentificationFrame(
            ToString(field.name), values, TagLib::String::UTF16);
        tag.addFrame(frame);
    }
    for (const TagPicture& p : tags.pictures()) {
        auto* frame = new TagLib::ID3v2::AttachedPictureFrame();
        frame->setTextEncoding(TagLib::String::UTF16);
        frame->setMimeType(ToString(p.mimeType));
        frame->setType(static_cast<TagLib::ID3v2::AttachedPictureFrame::Type>(p.type));
        frame->setDescription(ToString(p.description));
        frame->setPicture(ToBytes(p.data));
        tag.addFrame(frame);
    }
}

MediaTags ReadMp3Tags(TagLib::IOStream& stream) {
    MediaTags tags;
    TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
    if (file.isValid() && file.hasID3v2Tag()) ReadId3v2(*file.ID3v2Tag(), tags);
    return tags;
}

}  // namespace taglib

std::vector<std::uint8_t> RenderId3v2Tag(const MediaTags& tags) {
    if (tags.fields().empty() && tags.pictures().empty()) return {};
    taglib::Prepare();
    TagLib::ID3v2::Tag tag;
    taglib::FillId3v2(tags, tag);
    return taglib::FromBytes(tag.render(TagLib::ID3v2::v3));
}

}  // namespace tonvexa
