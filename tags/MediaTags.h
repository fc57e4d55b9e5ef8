#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tonvexa {

// The whole descriptive tag of an audio file, independent of its format: named text fields,
// pictures, and the typed Windows Media attributes that only another Windows Media file can
// hold again. Readers and writers of the formats (MP3's ID3v2, Windows Media attributes,
// WAV's INFO and id3 chunks) go through this record, so that a tag crosses formats whole.
//
// Field names are the ones the tag library's property maps use across formats (TITLE,
// ARTIST, ALBUMARTIST, DATE, TRACKNUMBER, MUSICBRAINZ_ALBUMID, ...), upper case. Numbers
// and totals are kept apart: TRACKNUMBER "3" with TRACKTOTAL "12", DISCNUMBER with
// DISCTOTAL. Any other text keeps the name its source gave it, in its own case. Texts are
// UTF-8; one field may hold several values.
struct TagField {
    std::string name;
    std::vector<std::string> values;
};

struct TagPicture {
    // The ID3v2 picture types, which Windows Media shares: 3 is the front cover.
    static constexpr int kFrontCover = 3;
    int type = kFrontCover;
    std::string mimeType;  // taken from the bytes, never from the source's claim
    std::string description;
    std::vector<std::uint8_t> data;
};

// A Windows Media attribute of a kind other than text (a number, a flag, a GUID, binary
// data), held as the tag library holds it.
class AsfNativeValue;
struct AsfNativeAttribute {
    std::string name;
    std::string text;  // how --tags shows it
    std::shared_ptr<const AsfNativeValue> value;
};

class MediaTags {
public:
    // The largest picture carried, in bytes.
    static constexpr std::size_t kMaxPictureBytes = 16u << 20;

    bool empty() const { return fields_.empty() && pictures_.empty() && native_.empty(); }

    const std::vector<TagField>& fields() const { return fields_; }
    const std::vector<TagPicture>& pictures() const { return pictures_; }
    const std::vector<AsfNativeAttribute>& nativeAttributes() const { return native_; }

    // The values of a field (names compare without regard to ASCII case); null when absent.
    const std::vector<std::string>* find(std::string_view name) const;
    // The field's first value, or empty.
    std::string first(std::string_view name) const;

    // Replaces the field's values; empty values are left out, and a field left without
    // any is removed.
    void set(std::string_view name, std::vector<std::string> values);
    void set(std::string_view name, std::string value) {
        set(name, std::vector<std::string>{std::move(value)});
    }
    // Adds the values the field does not hold yet, creating it after the others when it is
    // new.
    void add(std::string_view name, std::vector<std::string> values);
    void remove(std::string_view name);
    // Gives a field another name in its place.
    void rename(std::string_view from, std::string to);
    // Removes every field whose name the predicate accepts.
    template <typename Predicate>
    void removeIf(Predicate predicate) {
        std::erase_if(fields_, [&](const TagField& f) { return predicate(f.name); });
        std::erase_if(native_, [&](const AsfNativeAttribute& a) { return predicate(a.name); });
    }

    // Adds a picture when its bytes are an image of a known kind (JPEG, PNG, GIF, BMP,
    // WebP) of at most kMaxPictureBytes; its MIME type is then that kind's. False, and
    // nothing added, otherwise.
    bool addPicture(int type, std::string description, std::vector<std::uint8_t> data);
    void addNative(AsfNativeAttribute attribute) { native_.push_back(std::move(attribute)); }
    void clearPictures() { pictures_.clear(); }

private:
    std::vector<TagField> fields_;
    std::vector<TagPicture> pictures_;
    std::vector<AsfNativeAttribute> native_;
};

// The MIME type of an image by its first bytes; empty when it is none of the kinds carried.
std::string_view PictureMimeType(std::span<const std::uint8_t> data);

// Splits a number with its total ("3/12") into TRACKNUMBER and TRACKTOTAL (and the same for
// DISCNUMBER), where the total is not already known; drops a number of 0, which means none.
void SplitNumberTotals(MediaTags& tags);
// The number with its total as ID3v2 and Windows Media write a part of a set: "3/12", or
// "3" without a total, or empty without a number.
std::string NumberWithTotal(const MediaTags& tags, std::string_view number,
                            std::string_view total);

// Whether a field describes the source's encoding or its protection rather than its
// contents (encoder settings, tool, bit rate, duration, DRM, dynamic range), so that it is
// not carried into a file encoded anew.
bool IsEncodingField(std::string_view name);
// Whether a field is a loudness value (ReplayGain and its kin), which scaling the volume
// makes wrong.
bool IsLoudnessField(std::string_view name);

// The ASCII upper case of a name.
std::string UpperAscii(std::string_view text);

}  // namespace tonvexa
