// MP3's ID3v2 tag, also the contents of a WAV file's id3 chunk.

#include "tags/Id3v2Tags.h"

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>
#include <taglib/unsynchronizedlyricsframe.h>

#include <cctype>

#include "tags/TagIo.h"
#include "tags/TagLibSupport.h"

namespace tonvexa {

namespace taglib {

namespace {

// The library writes the descriptions of MusicBrainz's TXXX frames in capitals; the
// programs that write them first (and some that read them) spell them like this.
TagLib::String usualDescription(const TagLib::String& description) {
    const std::string upper = FromString(description);
    if (upper == "MUSICIP PUID") return "MusicIP PUID";
    std::string spelt;
    if (upper.starts_with("MUSICBRAINZ "))
        spelt = "MusicBrainz";
    else if (upper.starts_with("ACOUSTID "))
        spelt = "Acoustid";
    else
        return description;
    bool wordStart = false;
    for (char c : upper.substr(spelt.size())) {
        spelt += wordStart || c == ' ' ? c : static_cast<char>(std::tolower(c));
        wordStart = c == ' ';
    }
    return ToString(spelt);
}

}  // namespace

void ReadId3v2(const TagLib::ID3v2::Tag& tag, MediaTags& tags) {
    AddProperties(tags, tag.properties());
    const TagLib::ID3v2::FrameListMap& frames = tag.frameListMap();
    // The property map names a TXXX field in capitals; a field of no meaning to the library
    // keeps the spelling of its frame.
    if (const auto texts = frames.find("TXXX"); texts != frames.end()) {
        for (const TagLib::ID3v2::Frame* frame : texts->second) {
            const auto* text = dynamic_cast<const TagLib::ID3v2::UserTextIdentificationFrame*>(frame);
            if (!text) continue;
            const std::string description = FromString(text->description());
            if (description != UpperAscii(description) && tags.find(description))
                tags.rename(description, description);
        }
    }
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
    for (TagLib::ID3v2::Frame* frame : tag.frameList("TXXX"))
        if (auto* text = dynamic_cast<TagLib::ID3v2::UserTextIdentificationFrame*>(frame))
            text->setDescription(usualDescription(text->description()));
    // The library gives the lyrics it makes a description of "LYRICS"; readers expect none.
    for (TagLib::ID3v2::Frame* frame : tag.frameList("USLT"))
        if (auto* lyrics = dynamic_cast<TagLib::ID3v2::UnsynchronizedLyricsFrame*>(frame))
            if (lyrics->description() == "LYRICS") lyrics->setDescription(TagLib::String());
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

TagLib::ByteVector RepairedForLibrary(const TagLib::ByteVector& tag) {
    constexpr unsigned int kHeader = 10;
    constexpr char kUnsynchronised = '\x80';
    constexpr char kExtendedHeader = '\x40';
    if (tag.size() < kHeader || !tag.startsWith("ID3") || tag[3] != 3 ||
        (tag[5] & kUnsynchronised) != 0)
        return tag;
    TagLib::ByteVector body = tag.mid(kHeader);
    char flags = tag[5];
    // The extended header's size counts the bytes after its own four in version 2.3; the
    // library skips four bytes too few and then finds no frames at all.
    if ((flags & kExtendedHeader) != 0 && body.size() >= 4) {
        const unsigned int extended = body.toUInt(0U, true) + 4;
        if (extended > body.size()) return tag;
        body = body.mid(extended);
        flags = static_cast<char>(flags & ~kExtendedHeader);
    }
    // An empty frame (RealJukebox and MusicMatch wrote them) ends the library's reading;
    // every frame after it would be lost.
    TagLib::ByteVector frames;
    unsigned int at = 0;
    while (at + kHeader <= body.size()) {
        const TagLib::ByteVector id = body.mid(at, 4);
        bool valid = true;
        for (const char c : id) valid = valid && ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
        const unsigned int size = body.toUInt(at + 4, true);
        if (!valid || size > body.size() - at - kHeader) break;
        if (size > 0) frames.append(body.mid(at, kHeader + size));
        at += kHeader + size;
    }
    frames.append(body.mid(at));  // padding, or whatever could not be walked
    TagLib::ByteVector repaired = tag.mid(0, kHeader);
    repaired[5] = flags;
    const unsigned int size = frames.size();
    for (int i = 0; i < 4; ++i)
        repaired[6 + i] = static_cast<char>((size >> (7 * (3 - i))) & 0x7F);
    repaired.append(frames);
    return repaired;
}

MediaTags ReadMp3Tags(TagLib::IOStream& stream) {
    MediaTags tags;
    stream.seek(0);
    const TagLib::ByteVector header = stream.readBlock(10);
    if (header.size() < 10 || !header.startsWith("ID3")) return tags;
    unsigned int size = 10;
    for (int i = 0; i < 4; ++i) size += static_cast<unsigned int>(header[6 + i] & 0x7F) << (7 * (3 - i));
    if ((header[5] & 0x10) != 0) size += 10;  // a footer
    stream.seek(0);
    TagLib::ByteVectorStream tagOnly(RepairedForLibrary(stream.readBlock(size)));
    TagLib::MPEG::File file(&tagOnly, TagLib::ID3v2::FrameFactory::instance(), false);
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
