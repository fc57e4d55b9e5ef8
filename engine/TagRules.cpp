#include "engine/TagRules.h"

#include <charconv>

#include "base/Latin1.h"
#include "base/LineEscape.h"
#include "base/PathUtil.h"
#include "tags/TagIo.h"

namespace tonvexa {
namespace {

// The texts of a tag record, each turned into UTF-8 by `text`.
template <typename Text>
MediaTags tagsOfRecord(const Id3Tag& record, Text text) {
    MediaTags tags;
    tags.set("TITLE", text(fieldText(record.title)));
    tags.set("ARTIST", text(fieldText(record.artist)));
    tags.set("ALBUM", text(fieldText(record.album)));
    tags.set("DATE", text(fieldText(record.year)));
    tags.set("COMMENT", text(fieldText(record.comment)));
    tags.set("GENRE", std::string(GenreName(record.genre)));
    if (record.hasTrack != 0 && record.track > 0)
        tags.set("TRACKNUMBER", std::to_string(record.track));
    return tags;
}

// The file name without its extension, as text: a name that is not UTF-8 (from an old
// Windows disk) is taken as ISO-8859-1.
std::string fileStem(const std::string& sourcePath) {
    const std::string name = FileNamePart(sourcePath);
    return Utf8OrLatin1ToUtf8(name.substr(0, name.size() - FileExtension(name).size()));
}

// The leading whole number of a text, as ID3v1's track byte takes it; 0 without one.
std::int32_t leadingTrack(const std::string& text) {
    std::int32_t value = 0;
    const char* begin = text.data();
    while (begin != text.data() + text.size() && *begin == ' ') ++begin;
    const auto [end, error] = std::from_chars(begin, text.data() + text.size(), value);
    return error == std::errc() && end != begin && value > 0 ? value : 0;
}

}  // namespace

std::string ConfiguredTitle(const Id3Tag& tag, const std::string& sourcePath) {
    std::string title =
        tag.nameAsFileName != 0 ? Utf8ToLatin1(fileStem(sourcePath)) : fieldText(tag.title);
    if (title.size() > kMaxTagTitle) title.resize(kMaxTagTitle);
    return title;
}

MediaTags ReadSourceTags(const std::string& path, AudioFormatCode format) {
    switch (format) {
        case FormatWma:
            return ReadTags(TagContainer::Asf, path);
        case FormatWav: {
            MediaTags tags = ReadTags(TagContainer::Wav, path);
            // Some programs put an ID3v2 tag before the RIFF header instead.
            return tags.empty() ? ReadTags(TagContainer::Mp3, path) : tags;
        }
        case FormatMp3: {
            MediaTags tags = ReadTags(TagContainer::Mp3, path);
            if (!tags.empty()) return tags;
            // Most players still read the block at the end when there is nothing else.
            Id3Tag parsed;
            if (const auto block = ReadId3v1BlockAtEnd(path); block && ParseId3v1Block(*block, parsed))
                return TagsFromId3v1(parsed);
            return tags;
        }
    }
    return {};
}

MediaTags TagsFromId3v1(const Id3Tag& parsed) {
    return tagsOfRecord(parsed, [](std::string_view field) {
        // Many blocks pad with spaces, and many hold UTF-8 or another program's idea of
        // ISO-8859-1; what is valid UTF-8 is taken as such.
        const auto end = field.find_last_not_of(' ');
        return Utf8OrLatin1ToUtf8(field.substr(0, end == std::string_view::npos ? 0 : end + 1));
    });
}

MediaTags TagsFromConfigured(const Id3Tag& tag, const std::string& sourcePath) {
    MediaTags tags = tagsOfRecord(tag, [](std::string_view field) { return Latin1ToUtf8(field); });
    if (tag.nameAsFileName != 0) tags.set("TITLE", fileStem(sourcePath));
    return tags;
}

MediaTags OutputTags(std::int32_t option, const Id3Tag& configured, const std::string& source,
                     AudioFormatCode sourceFormat, bool volumeScaled) {
    if (option == kTagAddConfigured) return TagsFromConfigured(configured, source);
    if (option != kTagKeepSource) return {};
    MediaTags tags = ReadSourceTags(source, sourceFormat);
    if (volumeScaled) tags.removeIf(IsLoudnessField);
    return tags;
}

Id3v1Block Id3v1FromConfigured(const Id3Tag& tag, const std::string& sourcePath) {
    const std::string title = ConfiguredTitle(tag, sourcePath);
    const std::string artist = fieldText(tag.artist), album = fieldText(tag.album),
                      year = fieldText(tag.year), comment = fieldText(tag.comment);
    Id3v1Fields f;
    f.title = title;
    f.artist = artist;
    f.album = album;
    f.year = year;
    f.comment = comment;
    f.genre = static_cast<std::uint8_t>(tag.genre & 0xFF);
    f.hasTrack = tag.hasTrack != 0;
    f.track = tag.track & 0xFF;
    return BuildId3v1Block(f);
}

Id3v1Block Id3v1FromTags(const MediaTags& tags) {
    const std::string title = Utf8ToLatin1(tags.first("TITLE")),
                      artist = Utf8ToLatin1(tags.first("ARTIST")),
                      album = Utf8ToLatin1(tags.first("ALBUM")),
                      year = Utf8ToLatin1(tags.first("DATE").substr(0, 4)),
                      comment = Utf8ToLatin1(tags.first("COMMENT"));
    const std::int32_t track = leadingTrack(tags.first("TRACKNUMBER"));
    Id3v1Fields f;
    f.title = title;
    f.artist = artist;
    f.album = album;
    f.year = year;
    f.comment = comment;
    f.genre = static_cast<std::uint8_t>(GenreIndex(Utf8ToLatin1(tags.first("GENRE"))));
    f.hasTrack = track != 0;
    f.track = track;
    return BuildId3v1Block(f);
}

std::string TagListing(const MediaTags& tags) {
    std::string listing;
    for (const TagField& field : tags.fields())
        for (const std::string& value : field.values)
            listing += EscapedForLine(field.name) + "=" + EscapedForLine(value) + "\n";
    for (const AsfNativeAttribute& native : tags.nativeAttributes())
        listing += EscapedForLine(native.name) + "=" + EscapedForLine(native.text) + "\n";
    for (const TagPicture& p : tags.pictures()) {
        listing += "PICTURE type=" + std::to_string(p.type) + " mime=" + p.mimeType +
                   " size=" + std::to_string(p.data.size());
        if (!p.description.empty()) listing += " description=" + EscapedForLine(p.description);
        listing += "\n";
    }
    return listing;
}

}  // namespace tonvexa
