// Windows Media attributes and pictures.

#include <taglib/asfattribute.h>
#include <taglib/asffile.h>
#include <taglib/asfpicture.h>
#include <taglib/asftag.h>
#include <taglib/tfilestream.h>

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <map>

#include "base/LittleEndian.h"
#include "tags/TagIo.h"
#include "tags/TagLibSupport.h"

namespace tonvexa {

// A typed attribute's values, as the tag library holds them.
class AsfNativeValue {
public:
    explicit AsfNativeValue(TagLib::ASF::AttributeList values) : values_(std::move(values)) {}
    const TagLib::ASF::AttributeList& values() const { return values_; }

private:
    TagLib::ASF::AttributeList values_;
};

namespace {

constexpr char kPictureAttribute[] = "WM/Picture";
// The total of tracks has no attribute of Windows Media's own; these names are the ones
// other tagging programs use.
constexpr char kTotalTracks[] = "TotalTracks";
constexpr char kTotalDiscs[] = "TotalDiscs";
// The content description object gives its texts 16-bit byte counts; longer texts would
// break the header, so they are cut well below that.
constexpr unsigned int kMaxDescriptionCharacters = 16000;

bool equalNoCase(const std::string& a, const char* b) {
    return UpperAscii(a) == UpperAscii(b);
}

bool allText(const TagLib::ASF::AttributeList& list) {
    for (const TagLib::ASF::Attribute& a : list)
        if (a.type() != TagLib::ASF::Attribute::UnicodeType) return false;
    return !list.isEmpty();
}

std::string displayText(const TagLib::ASF::AttributeList& list) {
    std::string text;
    for (const TagLib::ASF::Attribute& a : list) {
        if (!text.empty()) text += "; ";
        switch (a.type()) {
            case TagLib::ASF::Attribute::DWordType:
                text += std::to_string(a.toUInt());
                break;
            case TagLib::ASF::Attribute::QWordType:
                text += std::to_string(a.toULongLong());
                break;
            case TagLib::ASF::Attribute::WordType:
                text += std::to_string(a.toUShort());
                break;
            case TagLib::ASF::Attribute::BoolType:
                text += a.toBool() ? "true" : "false";
                break;
            case TagLib::ASF::Attribute::UnicodeType:
                text += taglib::FromString(a.toString());
                break;
            default:
                text += "<" + std::to_string(a.toByteVector().size()) + " bytes>";
                break;
        }
    }
    return text;
}

void readPictures(const TagLib::ASF::AttributeList& list, MediaTags& tags) {
    for (const TagLib::ASF::Attribute& a : list) {
        const TagLib::ASF::Picture picture = a.toPicture();
        if (!picture.isValid()) continue;
        tags.addPicture(static_cast<int>(picture.type()),
                        taglib::FromString(picture.description()),
                        taglib::FromBytes(picture.picture()));
    }
}

TagLib::ASF::AttributeList textAttributes(const std::vector<std::string>& values) {
    TagLib::ASF::AttributeList list;
    for (const std::string& v : values) list.append(TagLib::ASF::Attribute(taglib::ToString(v)));
    return list;
}

// The header records the file's size; the tag library leaves it as it was before the header
// grew, so it is set from the file's real length afterwards.
bool updateRecordedFileSize(int fd) {
    static constexpr std::array<std::uint8_t, 16> kHeaderObject = {
        0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
        0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};
    static constexpr std::array<std::uint8_t, 16> kFilePropertiesObject = {
        0xA1, 0xDC, 0xAB, 0x8C, 0x47, 0xA9, 0xCF, 0x11,
        0x8E, 0xE4, 0x00, 0xC0, 0x0C, 0x20, 0x53, 0x65};
    constexpr std::uint64_t kHeaderPrefix = 30;  // GUID, size, object count, two reserved
    constexpr std::uint64_t kObjectPrefix = 24;  // GUID, size
    constexpr std::uint64_t kFileSizeOffset = 40;

    struct stat st {};
    if (::fstat(fd, &st) != 0) return false;
    std::array<std::uint8_t, kHeaderPrefix> header{};
    if (::pread(fd, header.data(), header.size(), 0) != static_cast<ssize_t>(header.size()) ||
        std::memcmp(header.data(), kHeaderObject.data(), kHeaderObject.size()) != 0)
        return false;
    const std::uint64_t headerSize = ReadLe64(header.data() + 16);
    for (std::uint64_t at = kHeaderPrefix; at + kObjectPrefix <= headerSize;) {
        std::array<std::uint8_t, kObjectPrefix> object{};
        if (::pread(fd, object.data(), object.size(), static_cast<off_t>(at)) !=
            static_cast<ssize_t>(object.size()))
            return false;
        const std::uint64_t size = ReadLe64(object.data() + 16);
        if (std::memcmp(object.data(), kFilePropertiesObject.data(), 16) == 0) {
            if (size < kFileSizeOffset + 8) return false;
            std::uint8_t field[8];
            PutLe64(field, static_cast<std::uint64_t>(st.st_size));
            return ::pwrite(fd, field, sizeof field, static_cast<off_t>(at + kFileSizeOffset)) ==
                   static_cast<ssize_t>(sizeof field);
        }
        if (size < kObjectPrefix) return false;
        at += size;
    }
    return true;  // no such record, nothing to keep true
}

void fill(const MediaTags& tags, TagLib::ASF::Tag& tag) {
    taglib::SplitFields split = taglib::SplitForLibrary(tags);
    // WM/TrackNumber holds the number alone, WM/PartOfSet a number with its total.
    const std::string tracks = tags.first("TRACKTOTAL");
    split.known.erase("TRACKTOTAL");
    if (const std::string disc = NumberWithTotal(tags, "DISCNUMBER", "DISCTOTAL"); !disc.empty()) {
        split.known.replace("DISCNUMBER", TagLib::StringList(taglib::ToString(disc)));
        split.known.erase("DISCTOTAL");
    }
    for (const char* description : {"TITLE", "ARTIST", "COPYRIGHT", "COMMENT"}) {
        auto it = split.known.find(description);
        if (it == split.known.end()) continue;
        for (TagLib::String& v : it->second)
            if (v.size() > kMaxDescriptionCharacters) v = v.substr(0, kMaxDescriptionCharacters);
    }
    const TagLib::PropertyMap unsupported = tag.setProperties(split.known);
    for (const auto& [key, values] : unsupported) {
        TagLib::ASF::AttributeList list;
        for (const TagLib::String& v : values) list.append(TagLib::ASF::Attribute(v));
        tag.setAttribute(key, list);
    }
    if (!tracks.empty()) tag.setAttribute(kTotalTracks, textAttributes({tracks}));
    for (const TagField& field : split.custom)
        tag.setAttribute(taglib::ToString(field.name), textAttributes(field.values));
    for (const AsfNativeAttribute& native : tags.nativeAttributes())
        if (native.value) tag.setAttribute(taglib::ToString(native.name), native.value->values());
    TagLib::ASF::AttributeList pictures;
    for (const TagPicture& p : tags.pictures()) {
        TagLib::ASF::Picture picture;
        picture.setMimeType(taglib::ToString(p.mimeType));
        picture.setType(static_cast<TagLib::ASF::Picture::Type>(p.type));
        picture.setDescription(taglib::ToString(p.description));
        picture.setPicture(taglib::ToBytes(p.data));
        pictures.append(TagLib::ASF::Attribute(picture));
    }
    if (!pictures.isEmpty()) tag.setAttribute(kPictureAttribute, pictures);
}

}  // namespace

namespace taglib {

MediaTags ReadAsfTags(TagLib::IOStream& stream) {
    MediaTags tags;
    TagLib::ASF::File file(&stream, false);
    if (!file.isValid() || !file.tag()) return tags;
    const TagLib::ASF::Tag& tag = *file.tag();
    const TagLib::PropertyMap properties = tag.properties();
    AddProperties(tags, properties);
    const TagLib::StringList& untranslated = properties.unsupportedData();
    for (const auto& [key, list] : tag.attributeListMap()) {
        const std::string name = FromString(key);
        if (name == kPictureAttribute) {
            readPictures(list, tags);
            continue;
        }
        if (!untranslated.contains(key) || IsEncodingField(name)) continue;
        if (equalNoCase(name, kTotalTracks) || equalNoCase(name, kTotalDiscs)) {
            const char* field = equalNoCase(name, kTotalTracks) ? "TRACKTOTAL" : "DISCTOTAL";
            if (!tags.find(field) && !list.isEmpty())
                tags.set(field, FromString(list.front().toString()));
            continue;
        }
        if (allText(list)) {
            std::vector<std::string> values;
            for (const TagLib::ASF::Attribute& a : list) values.push_back(FromString(a.toString()));
            tags.add(name, std::move(values));
        } else {
            tags.addNative({name, displayText(list), std::make_shared<AsfNativeValue>(list)});
        }
    }
    return tags;
}

}  // namespace taglib

bool WriteAsfTags(int descriptor, const MediaTags& tags) {
    taglib::Prepare();
    const int fd = ::dup(descriptor);
    if (fd < 0) return false;
    // The library reads the header from where the descriptor stands, which the writer left
    // at the end.
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        ::close(fd);
        return false;
    }
    bool saved = false;
    {
        TagLib::FileStream stream(fd, false);
        if (!stream.isOpen()) {
            ::close(fd);
            return false;
        }
        if (stream.readOnly()) return false;
        TagLib::ASF::File file(&stream, false);
        if (!file.isValid() || !file.tag()) return false;
        fill(tags, *file.tag());
        saved = file.save();
    }  // the stream flushes and closes its descriptor here
    return saved && updateRecordedFileSize(descriptor);
}

}  // namespace tonvexa
