#include "tags/TagLibSupport.h"

#include <taglib/infotag.h>
#include <taglib/tdebuglistener.h>

#include <mutex>

namespace tonvexa::taglib {

namespace {

// The library reports damaged tags on standard error; a damaged tag is ordinary input here.
class SilentDebugListener final : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String&) override {}
};

// INFO texts declare no encoding. (The library's handler base has a non-virtual destructor;
// the one handler lives as long as the process and is never deleted through it.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class InfoTextHandler final : public TagLib::RIFF::Info::StringHandler {
public:
    TagLib::String parse(const TagLib::ByteVector& data) const override {
        TagLib::ByteVector text = data;
        while (!text.isEmpty() && text[text.size() - 1] == '\0') text.resize(text.size() - 1);
        const auto encoding = IsValidUtf8(text) ? TagLib::String::UTF8 : TagLib::String::Latin1;
        return TagLib::String(text, encoding).stripWhiteSpace();
    }
    TagLib::ByteVector render(const TagLib::String& text) const override {
        return text.data(TagLib::String::UTF8);
    }
};
#pragma GCC diagnostic pop

}  // namespace

void Prepare() {
    static std::once_flag once;
    std::call_once(once, [] {
        static SilentDebugListener listener;
        static InfoTextHandler infoText;
        TagLib::setDebugListener(&listener);
        TagLib::RIFF::Info::Tag::setStringHandler(&infoText);
    });
}

bool IsValidUtf8(const TagLib::ByteVector& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = p[i];
        std::size_t length = 0;
        std::uint32_t min = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            length = 2;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + length > n) return false;
        std::uint32_t code = c & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            if ((p[i + k] & 0xC0) != 0x80) return false;
            code = (code << 6) | (p[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

void AddProperties(MediaTags& tags, const TagLib::PropertyMap& properties) {
    for (const auto& [key, values] : properties) {
        const std::string name = FromString(key);
        if (name.empty() || IsEncodingField(name)) continue;
        std::vector<std::string> texts;
        for (const TagLib::String& v : values) texts.push_back(FromString(v));
        tags.add(name, std::move(texts));
    }
    SplitNumberTotals(tags);
}

SplitFields SplitForLibrary(const MediaTags& tags) {
    SplitFields split;
    for (const TagField& f : tags.fields()) {
        if (f.name == UpperAscii(f.name)) {
            TagLib::StringList values;
            for (const std::string& v : f.values) values.append(ToString(v));
            split.known.insert(ToString(f.name), values);
        } else {
            split.custom.push_back(f);
        }
    }
    return split;
}

}  // namespace tonvexa::taglib
