#include "tags/TagLibSupport.h"

#include <taglib/infotag.h>
#include <taglib/tdebuglistener.h>

#include <mutex>

#include "base/Latin1.h"

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
        const std::string bytes(text.data(), text.size());
        return ToString(Utf8OrLatin1ToUtf8(bytes)).stripWhiteSpace();
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
