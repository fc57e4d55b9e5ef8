#include "tags/MediaTags.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <optional>

namespace tonvexa {

namespace {

bool equalNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && UpperAscii(a) == UpperAscii(b);
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && UpperAscii(text.substr(0, prefix.size())) == prefix;
}

bool startsWith(std::span<const std::uint8_t> data, std::string_view magic, std::size_t at = 0) {
    if (data.size() < at + magic.size()) return false;
    return std::equal(magic.begin(), magic.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char m, std::uint8_t b) { return static_cast<std::uint8_t>(m) == b; });
}

// The leading whole number of a text ("03" gives 3); nothing when it does not start with one.
std::optional<long long> leadingNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    return value;
}

void splitOne(MediaTags& tags, std::string_view numberName, std::string_view totalName) {
    const std::vector<std::string>* values = tags.find(numberName);
    if (!values || values->empty()) return;
    std::string number = values->front();
    std::string total;
    if (const auto slash = number.find('/'); slash != std::string::npos) {
        total = number.substr(slash + 1);
        number.resize(slash);
    }
    auto trim = [](std::string& s) {
        s.erase(0, s.find_first_not_of(' '));
        s.erase(s.find_last_not_of(' ') + 1);
    };
    trim(number);
    trim(total);
    if (!total.empty() && !tags.find(totalName) && leadingNumber(total).value_or(0) > 0)
        tags.set(totalName, total);
    // "0" is how several formats say there is no number.
    if (number.empty() || leadingNumber(number) == 0LL)
        tags.remove(numberName);
    else
        tags.set(numberName, number);
}

}  // namespace

std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

const std::vector<std::string>* MediaTags::find(std::string_view name) const {
    for (const TagField& f : fields_)
        if (equalNoCase(f.name, name)) return &f.values;
    return nullptr;
}

std::string MediaTags::first(std::string_view name) const {
    const std::vector<std::string>* values = find(name);
    return values && !values->empty() ? values->front() : std::string();
}

void MediaTags::set(std::string_view name, std::vector<std::string> values) {
    std::erase_if(values, [](const std::string& v) { return v.empty(); });
    auto it = std::find_if(fields_.begin(), fields_.end(),
                           [&](const TagField& f) { return equalNoCase(f.name, name); });
    if (values.empty()) {
        if (it != fields_.end()) fields_.erase(it);
        return;
    }
    if (it != fields_.end())
        it->values = std::move(values);
    else
        fields_.push_back(TagField{std::string(name), std::move(values)});
}

void MediaTags::add(std::string_view name, std::vector<std::string> values) {
    std::erase_if(values, [](const std::string& v) { return v.empty(); });
    if (values.empty()) return;
    auto it = std::find_if(fields_.begin(), fields_.end(),
                           [&](const TagField& f) { return equalNoCase(f.name, name); });
    if (it == fields_.end()) {
        fields_.push_back(TagField{std::string(name), std::move(values)});
        return;
    }
    // The same text twice in one field is one value that a format stores in two places.
    for (std::string& v : values)
        if (std::find(it->values.begin(), it->values.end(), v) == it->values.end())
            it->values.push_back(std::move(v));
}

void MediaTags::remove(std::string_view name) {
    std::erase_if(fields_, [&](const TagField& f) { return equalNoCase(f.name, name); });
}

void MediaTags::rename(std::string_view from, std::string to) {
    for (TagField& f : fields_)
        if (equalNoCase(f.name, from)) f.name = std::move(to);
}

bool MediaTags::addPicture(int type, std::string description, std::vector<std::uint8_t> data) {
    if (data.size() > kMaxPictureBytes) return false;
    const std::string_view mime = PictureMimeType(data);
    if (mime.empty()) return false;
    TagPicture picture;
    picture.type = type >= 0 && type <= 20 ? type : 0;  // 0 is "other"
    picture.mimeType = std::string(mime);
    picture.description = std::move(description);
    picture.data = std::move(data);
    pictures_.push_back(std::move(picture));
    return true;
}

std::string_view PictureMimeType(std::span<const std::uint8_t> data) {
    if (startsWith(data, "\xFF\xD8\xFF")) return "image/jpeg";
    if (startsWith(data, "\x89PNG\r\n\x1A\n")) return "image/png";
    if (startsWith(data, "GIF87a") || startsWith(data, "GIF89a")) return "image/gif";
    // "BM" alone is too weak a sign: the header's size field and reserved zeros confirm it.
    if (startsWith(data, "BM") && data.size() >= 14 && data[6] == 0 && data[7] == 0 &&
        data[8] == 0 && data[9] == 0)
        return "image/bmp";
    if (startsWith(data, "RIFF") && startsWith(data, "WEBP", 8)) return "image/webp";
    return {};
}

void SplitNumberTotals(MediaTags& tags) {
    splitOne(tags, "TRACKNUMBER", "TRACKTOTAL");
    splitOne(tags, "DISCNUMBER", "DISCTOTAL");
}

std::string NumberWithTotal(const MediaTags& tags, std::string_view number,
                            std::string_view total) {
    std::string text = tags.first(number);
    if (text.empty()) return text;
    if (const std::string t = tags.first(total); !t.empty()) text += "/" + t;
    return text;
}

bool IsEncodingField(std::string_view name) {
    // Windows Media's own names for what its encoder and runtime record, and the names the
    // tag library gives the encoder fields of other formats (TSSE, TDEN, TLEN in ID3v2).
    static constexpr std::string_view kExact[] = {
        "BITRATE", "DURATION", "ISVBR", "VBR PEAK", "VBRPEAK", "PEAKVALUE", "AVERAGELEVEL",
        "BUFFER AVERAGE", "FILESIZE", "NUMBEROFFRAMES", "SEEKABLE", "STRIDABLE", "BROADCAST",
        "SIGNATURE_NAME", "IS_TRUSTED", "IS_PROTECTED", "CURRENTBITRATE", "OPTIMALBITRATE",
        "HASARBITRARYDATASTREAM", "HASATTACHEDIMAGES", "HASAUDIO", "HASFILETRANSFERSTREAM",
        "HASIMAGE", "HASSCRIPT", "HASVIDEO", "WM/STREAMTYPEINFO", "WM/CONTAINERFORMAT",
        "WM/MEDIAISSTEREO", "WM/VIDEOHEIGHT", "WM/VIDEOWIDTH", "WM/VIDEOFRAMERATE",
        "DEVICECONFORMANCETEMPLATE", "MEDIAFOUNDATIONVERSION", "FILETYPE",
        "ENCODING", "ENCODINGTIME", "ENCODER", "ENCODERSETTINGS", "LENGTH",
        "COMMENT:ITUNSMPB", "COMMENT:ITUNPGAP",
    };
    static constexpr std::string_view kPrefixes[] = {
        "WMFSDK", "WM/ENCODING", "WM/TOOL", "WM/CODEC", "WM/WMADRC",
        "WM/ASF", "WM/DRM",      "DRM",     "CANSKIP",  "CANSEEK",
    };
    const std::string upper = UpperAscii(name);
    if (std::find(std::begin(kExact), std::end(kExact), upper) != std::end(kExact)) return true;
    return std::any_of(std::begin(kPrefixes), std::end(kPrefixes),
                       [&](std::string_view p) { return upper.starts_with(p); });
}

bool IsLoudnessField(std::string_view name) {
    return startsWithNoCase(name, "REPLAYGAIN_") || startsWithNoCase(name, "R128_") ||
           startsWithNoCase(name, "MP3GAIN_") ||
           UpperAscii(name).find("ITUNNORM") != std::string::npos;
}

}  // namespace tonvexa
