// The TIFF reader under EXIF blocks and TIFF files, which come from files of
// unknown origin: numbers in either byte order, and nothing read or written
// past the end however the bytes lie.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "metadata/TiffBytes.h"

namespace {

TEST(TiffBytes, ReadsBothOrdersAndNothingPastTheEnd) {
    const std::string bytes("\x01\x02\x03\x04", 4);
    struct Row {
        const char* name;
        bool little;
        uint64_t at;
        uint16_t get16;
        uint32_t get32;
    } const rows[] = {
        {"little-endian", true, 0, 0x0201, 0x04030201},
        {"big-endian", false, 0, 0x0102, 0x01020304},
        {"32 bits running past the end", true, 2, 0x0403, 0},
        {"at the end", false, 4, 0, 0},
        {"an offset that wraps around", true, UINT64_MAX - 1, 0, 0},
    };
    for (const Row& row : rows) {
        const EndianBytes tiff(bytes, row.little);
        EXPECT_EQ(tiff.Get16(row.at), row.get16) << row.name;
        EXPECT_EQ(tiff.Get32(row.at), row.get32) << row.name;
    }
}

TEST(TiffBytes, WritesOnlyInsideFromTheBase) {
    std::string text("Exif\0\0abcd", 10);
    EditableBytes tiff(text, 6, false);
    tiff.Put32(0, 0x31323334);
    tiff.Put32(2, 0xFFFFFFFF);  // past the end: nothing
    tiff.Put16(UINT64_MAX, 0xFFFF);
    tiff.Zero(3, 2);
    EXPECT_EQ(text, std::string("Exif\0\0"
                                "1234",
                                10));
    tiff.Zero(1, 2);
    EXPECT_EQ(text, std::string("Exif\0\0"
                                "1\0\0"
                                "4",
                                10));
}

// A directory of count entries at offset 8 of a little-endian TIFF, its
// table cut to tableBytes.
std::string Tiff(uint16_t count, std::size_t tableBytes) {
    std::string tiff("II*\0\x08\0\0\0", 8);
    tiff += std::string({char(count & 0xFF), char(count >> 8)});
    for (uint16_t i = 0; i < count && tiff.size() < 10 + tableBytes; ++i)
        tiff += std::string("\x12\x01\x03\0\x01\0\0\0\x06\0\0\0", 12);  // orientation 6
    return tiff.substr(0, 10 + tableBytes);
}

TEST(TiffBytes, ReadsADirectoryOnlyWhenItsTableIsThere) {
    struct Row {
        const char* name;
        std::string tiff;
        bool read;
        std::size_t entries;
    } const rows[] = {
        {"two entries", Tiff(2, 24), true, 2},
        {"no entries", Tiff(0, 0), true, 0},
        {"the table cut short", Tiff(2, 23), false, 0},
        {"a count no directory has", Tiff(1001, 1001 * 12), false, 0},
    };
    for (const Row& row : rows) {
        const std::optional<TiffHeader> header = ReadTiffHeader(row.tiff);
        ASSERT_TRUE(header) << row.name;
        EXPECT_TRUE(header->little) << row.name;
        const EndianBytes bytes(row.tiff, header->little);
        const std::optional<TiffDirectory> directory =
            ReadTiffDirectory(bytes, header->firstDirectory);
        ASSERT_EQ(directory.has_value(), row.read) << row.name;
        if (!directory)
            continue;
        ASSERT_EQ(directory->entries.size(), row.entries) << row.name;
        if (const TiffEntry* orientation = directory->Find(0x0112))
            EXPECT_EQ(bytes.Get16(orientation->DataAt(bytes)), 6) << row.name;
    }
    EXPECT_FALSE(ReadTiffHeader(std::string("II\0*\x08\0\0\0", 8))) << "mixed byte order";
    EXPECT_FALSE(ReadTiffHeader(std::string("MM\0*\0\0\0", 7))) << "short header";
    const std::optional<TiffHeader> big = ReadTiffHeader(std::string("MM\0*\0\0\0\x08", 8));
    ASSERT_TRUE(big);
    EXPECT_FALSE(big->little);
    EXPECT_EQ(big->firstDirectory, 8u);
}

}  // namespace
