#include "engine/TagRules.h"

#include "base/Latin1.h"
#include "base/PathUtil.h"
#include "engine/AudioFormat.h"

namespace tonvexa {
namespace {

std::optional<std::string> present(std::string text) {
    if (text.empty()) return std::nullopt;
    return text;
}

template <std::size_t N>
std::optional<std::string> utf8Field(const char (&field)[N]) {
    return present(Latin1ToUtf8(fieldText(field)));
}

}  // namespace

WmaSourceTags SourceTagsOf(const WmaReader& reader) {
    WmaSourceTags t;
    t.title = reader.Title();
    t.author = reader.Author();
    t.album = reader.Album();
    t.year = reader.Year();
    t.description = reader.Description();
    t.genre = reader.Genre();
    t.trackNumber = reader.TrackNumber();
    return t;
}

std::string ConfiguredTitle(const Id3Tag& tag, const std::string& sourcePath) {
    std::string title;
    if (tag.nameAsFileName != 0) {
        const std::string name = FileNamePart(sourcePath);
        title = Utf8ToLatin1(name.substr(0, name.size() - FileExtension(name).size()));
    } else {
        title = fieldText(tag.title);
    }
    if (title.size() > kMaxTagTitle) title.resize(kMaxTagTitle);
    return title;
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

Id3v1Block Id3v1FromWmaSource(const WmaSourceTags& s) {
    const std::string title = Utf8ToLatin1(s.title), artist = Utf8ToLatin1(s.author),
                      album = Utf8ToLatin1(s.album), year = Utf8ToLatin1(s.year),
                      comment = Utf8ToLatin1(s.description);
    Id3v1Fields f;
    f.title = title;
    f.artist = artist;
    f.album = album;
    f.year = year;
    f.comment = comment;
    f.genre = static_cast<std::uint8_t>(GenreIndex(Utf8ToLatin1(s.genre)));
    f.hasTrack = s.trackNumber != 0;
    f.track = s.trackNumber;
    return BuildId3v1Block(f);
}

WmaTags WmaTagsFromId3v1(const Id3Tag& parsed) {
    WmaTags t;
    t.title = utf8Field(parsed.title);
    t.album = utf8Field(parsed.album);
    t.author = utf8Field(parsed.artist);
    t.genre = present(std::string(GenreName(parsed.genre)));
    t.year = utf8Field(parsed.year);
    t.description = utf8Field(parsed.comment);
    t.trackNumber = parsed.hasTrack != 0 ? static_cast<std::uint32_t>(parsed.track) : 0;
    return t;
}

// The configured record reads like a parsed block, but for its title rule.
WmaTags WmaTagsFromConfigured(const Id3Tag& tag, const std::string& sourcePath) {
    WmaTags t = WmaTagsFromId3v1(tag);
    t.title = present(Latin1ToUtf8(ConfiguredTitle(tag, sourcePath)));
    return t;
}

WmaTags WmaTagsFromWmaSource(const WmaSourceTags& s) {
    WmaTags t;
    t.title = present(s.title);
    t.album = present(s.album);
    t.author = present(s.author);
    t.genre = present(s.genre);
    t.year = present(s.year);
    t.description = present(s.description);
    t.trackNumber = static_cast<std::uint32_t>(s.trackNumber);
    return t;
}

}  // namespace tonvexa
