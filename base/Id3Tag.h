#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tonvexa {

// The tag record that the options keep once for MP3 output and once for Windows Media
// output. Its texts are ISO-8859-1 bytes (the ID3v1 character set), zero-terminated in
// their fixed fields, exactly as the stored 152-byte value holds them.
struct Id3Tag {
    static constexpr std::size_t kStoredSize = 152;
    static constexpr std::int32_t kNoGenre = 255;

    std::int32_t nameAsFileName = 1;  // non-zero: the title is the source's file name
    char title[32] = {};
    char artist[32] = {};
    char album[32] = {};
    char year[8] = {};
    std::int32_t genre = kNoGenre;  // 0..147 into the genre list, 255 none
    char comment[32] = {};
    std::int32_t hasTrack = 0;
    std::int32_t track = 0;

    using Bytes = std::array<std::uint8_t, kStoredSize>;

    // The stored layout: little-endian integers, the text fields byte for byte.
    [[nodiscard]] Bytes toBytes() const;
    // Overwrites the record with the first bytes.size() bytes of the stored layout and
    // leaves the rest as it is, so a shorter value replaces only its own length. A value
    // longer than the layout is refused and changes nothing.
    bool assignBytes(std::span<const std::uint8_t> bytes);
    static Id3Tag fromBytes(const Bytes& bytes);

    friend bool operator==(const Id3Tag& a, const Id3Tag& b) { return a.toBytes() == b.toBytes(); }
};

// Reads a fixed text field up to its first zero byte (or its full width).
template <std::size_t N>
std::string fieldText(const char (&field)[N]) {
    std::size_t n = 0;
    while (n < N && field[n] != '\0') ++n;
    return std::string(field, n);
}

// Stores text into a fixed field, cut to leave room for the terminating zero; the rest of
// the field is zeroed.
template <std::size_t N>
void setFieldText(char (&field)[N], std::string_view text) {
    std::size_t n = text.size() < N - 1 ? text.size() : N - 1;
    for (std::size_t i = 0; i < N; ++i) field[i] = i < n ? text[i] : '\0';
}

}  // namespace tonvexa
