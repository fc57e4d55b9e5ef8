#include "wm/WmAttributeNames.h"

#include <strings.h>
#include <cstring>

namespace tonvexa {

namespace {

struct NamePair {
    const char* attribute;
    const char* key;
    const char* otherKey;  // also accepted when reading; may be null
};

// FFmpeg's ASF metadata conversion, plus the names its content description object uses.
constexpr NamePair kNames[] = {
    {"Title", "title", nullptr},
    {"Author", "artist", "author"},
    {"Description", "comment", "description"},
    {"Copyright", "copyright", nullptr},
    {"WM/AlbumTitle", "album", nullptr},
    {"WM/AlbumArtist", "album_artist", nullptr},
    {"WM/Genre", "genre", nullptr},
    {"WM/TrackNumber", "track", nullptr},
    {"WM/Year", "WM/Year", "date"},
    {"WM/Composer", "composer", nullptr},
    {"WM/EncodedBy", "encoded_by", nullptr},
    {"WM/EncodingSettings", "encoder", nullptr},
    {"WM/Language", "language", nullptr},
    {"WM/OriginalFilename", "filename", nullptr},
    {"WM/PartOfSet", "disc", nullptr},
    {"WM/Publisher", "publisher", nullptr},
};

const NamePair* Find(const std::string& attributeName) {
    for (const auto& n : kNames)
        if (strcasecmp(n.attribute, attributeName.c_str()) == 0) return &n;
    return nullptr;
}

}  // namespace

std::vector<std::string> MetadataKeysForAttribute(const std::string& attributeName) {
    const NamePair* n = Find(attributeName);
    if (!n) return {attributeName};
    std::vector<std::string> keys{n->key};
    if (n->otherKey) keys.emplace_back(n->otherKey);
    return keys;
}

std::string MetadataKeyForWriting(const std::string& attributeName) {
    const NamePair* n = Find(attributeName);
    return n ? n->key : attributeName;
}

}  // namespace tonvexa
