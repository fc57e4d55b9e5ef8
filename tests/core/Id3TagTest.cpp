#include <gtest/gtest.h>

#include <vector>

#include "settings/AppSettings.h"

using namespace tonvexa;

TEST(Id3Tag, DefaultIsTitleFromFileNameAndNoGenre) {
    const auto b = Id3Tag{}.toBytes();
    for (std::size_t i = 0; i < b.size(); ++i) {
        const std::uint8_t expected = (i == 0) ? 1 : (i == 108) ? 255 : 0;
        EXPECT_EQ(b[i], expected) << "byte " << i;
    }
}

TEST(Id3Tag, StoredLayoutOffsets) {
    Id3Tag t;
    t.nameAsFileName = 0;
    setFieldText(t.title, "T");
    setFieldText(t.artist, "A");
    setFieldText(t.album, "L");
    setFieldText(t.year, "2004");
    t.genre = 0x01020304;
    setFieldText(t.comment, "C");
    t.hasTrack = 1;
    t.track = 0x0A0B0C0D;
    const auto b = t.toBytes();
    EXPECT_EQ(b[4], 'T');
    EXPECT_EQ(b[36], 'A');
    EXPECT_EQ(b[68], 'L');
    EXPECT_EQ(b[100], '2');
    EXPECT_EQ(b[103], '4');
    EXPECT_EQ(b[108], 0x04);  // little-endian
    EXPECT_EQ(b[111], 0x01);
    EXPECT_EQ(b[112], 'C');
    EXPECT_EQ(b[144], 1);
    EXPECT_EQ(b[148], 0x0D);
    EXPECT_EQ(b[151], 0x0A);
    EXPECT_EQ(Id3Tag::fromBytes(b), t);
}

TEST(Id3Tag, RoundTripKeepsEveryByte) {
    Id3Tag::Bytes b;
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i * 7 + 3);
    EXPECT_EQ(Id3Tag::fromBytes(b).toBytes(), b);
}

TEST(Id3Tag, ShorterValueReplacesOnlyItsOwnLength) {
    Id3Tag t;
    setFieldText(t.artist, "Artist");
    std::vector<std::uint8_t> value(8, 0);  // nameAsFileName = 0, title "\0\0\0\0"
    ASSERT_TRUE(t.assignBytes(value));
    EXPECT_EQ(t.nameAsFileName, 0);
    EXPECT_EQ(fieldText(t.artist), "Artist");
    EXPECT_EQ(t.genre, Id3Tag::kNoGenre);
}

TEST(Id3Tag, LongerValueIsRefused) {
    Id3Tag t;
    std::vector<std::uint8_t> value(153, 0x41);
    EXPECT_FALSE(t.assignBytes(value));
    EXPECT_EQ(t, Id3Tag{});
}

TEST(Id3Tag, FieldTextStopsAtWidthAndSetterKeepsTerminator) {
    Id3Tag t;
    setFieldText(t.title, std::string(40, 'x'));
    EXPECT_EQ(fieldText(t.title), std::string(31, 'x'));
    EXPECT_EQ(t.title[31], '\0');
    setFieldText(t.year, "123456789");
    EXPECT_EQ(fieldText(t.year), "1234567");
    // A stored field without a terminator still reads within its width.
    Id3Tag::Bytes b = Id3Tag{}.toBytes();
    for (int i = 0; i < 32; ++i) b[4 + i] = 'y';
    EXPECT_EQ(fieldText(Id3Tag::fromBytes(b).title), std::string(32, 'y'));
}
