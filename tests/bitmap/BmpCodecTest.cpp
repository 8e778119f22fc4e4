#include <gtest/gtest.h>

#include "IndexedBitmap.h"
#include "support/TestSupport.h"
#include "tests/bitmap/BmpBytes.h"

namespace {

class BmpCodecTest : public testing::Test {
protected:
    // Loads the bytes as a file; the bitmap's result and message.
    bool Load(const Bytes& bytes, IndexedBitmap& bmp) {
        WriteBytes(path, bytes);
        return bmp.LoadFromFile(path, 0);
    }
    Bytes Row(const IndexedBitmap& bmp, int y, size_t n) {
        const uint8_t* p = bmp.PixelData() + size_t(y) * bmp.RowStride();
        return Bytes(p, p + n);
    }
    testsupport::TempDir dir;
    std::string path = dir.file("in.bmp");
};

TEST_F(BmpCodecTest, SavedFilesHaveTheFixedLayout) {
    struct Case {
        uint16_t bits;
        uint32_t offBits;
    };
    for (const Case& c : {Case{1, 62}, Case{4, 118}, Case{8, 1078}, Case{24, 54}}) {
        IndexedBitmap bmp;
        ASSERT_NE(bmp.Allocate(5, 3, c.bits), nullptr);
        for (uint32_t i = 0; i < bmp.Header().biSizeImage; ++i) bmp.PixelData()[i] = uint8_t(i * 7);
        bmp.LimitImportantColours(2);
        const std::string out = dir.file("out.bmp");
        ASSERT_TRUE(bmp.SaveToFile(out, 0));
        const Bytes file = ReadBytes(out);
        ASSERT_EQ(file.size(), bmp.BlockBytes() + 14u);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(file[10] | (file[11] << 8), int(c.offBits)) << c.bits;
        EXPECT_EQ(file[14 + 32], bmp.Header().biClrUsed & 0xFF);  // biClrUsed
        EXPECT_EQ(file[14 + 36], 0);  // biClrImportant as allocated
        EXPECT_TRUE(std::equal(bmp.Block(), bmp.Block() + bmp.BlockBytes(), file.begin() + 14));

        IndexedBitmap back;
        ASSERT_TRUE(back.LoadFromFile(out, 0)) << back.LastError();
        EXPECT_EQ(back.BitCount(), c.bits);
        EXPECT_TRUE(std::equal(bmp.PixelData(), bmp.PixelData() + bmp.Header().biSizeImage,
                               back.PixelData()));
    }
}

TEST_F(BmpCodecTest, FormatCodesOtherThanBmpAreRefused) {
    IndexedBitmap bmp;
    bmp.Allocate(2, 2, 24);
    const std::string out = dir.file("keep.bmp");
    WriteBytes(out, {1, 2, 3});
    EXPECT_FALSE(bmp.SaveToFile(out, 1));
    EXPECT_EQ(bmp.LastError(), "Unsupported operation for this format");
    EXPECT_EQ(ReadBytes(out).size(), 3u);  // left whole

    IndexedBitmap empty;
    EXPECT_FALSE(empty.SaveToFile(out, 0));
    EXPECT_EQ(ReadBytes(out).size(), 3u);

    ASSERT_TRUE(bmp.SaveToFile(out, 0));
    IndexedBitmap other;
    EXPECT_FALSE(other.LoadFromFile(out, 2));
    EXPECT_EQ(other.LastError(), "Unsupported operation for this format");
    EXPECT_FALSE(other.LoadFromFile(dir.file("missing.bmp"), 0));
    EXPECT_EQ(other.LastError(), "Unsupported operation for this format");  // unchanged
    EXPECT_FALSE(bmp.SaveToFile(dir.file("no/such/folder.bmp"), 0));
    // A full disk is a failure, not a success.
    EXPECT_FALSE(bmp.SaveToFile("/dev/full", 0));
    EXPECT_EQ(bmp.LastError(), "Error writing BMP");
}

// An 8-bit 4x3 file cut at every length: never more than the file holds,
// and whatever it lacks reads as 0.
TEST_F(BmpCodecTest, TruncatedFilesAreRefusedOrZeroFilled) {
    Bytes pixels(12);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint8_t(0x40 + i);
    const Bytes full = BmpFile(InfoHeader(4, 3, 8), RampPalette(256), pixels);
    for (size_t n = 0; n <= full.size(); ++n) {
        IndexedBitmap bmp;
        const bool ok = Load(Bytes(full.begin(), full.begin() + long(n)), bmp);
        if (n < 14) {
            EXPECT_EQ(bmp.LastError(), "Not a BMP") << n;
        } else if (n < 54) {
            EXPECT_EQ(bmp.LastError(), "Error reading BMP info") << n;
        }
        ASSERT_EQ(ok, n >= 54) << n;
        if (!ok) {
            EXPECT_EQ(bmp.Block(), nullptr);
            continue;
        }
        for (int i = 0; i < 256; ++i) {
            const bool present = 54 + 4 * size_t(i) + 4 <= n;
            EXPECT_EQ(bmp.GetPaletteEntry(uint8_t(i)).red, present ? uint8_t(3 * i) : 0) << n;
        }
        for (size_t i = 0; i < pixels.size(); ++i) {
            EXPECT_EQ(bmp.PixelData()[i], 1078 + i < n ? pixels[i] : 0) << n << " " << i;
        }
    }
}

TEST_F(BmpCodecTest, HeaderVariants) {
    IndexedBitmap bmp;
    // No file header: the pixels follow the palette.
    Bytes bare = InfoHeader(2, 1, 8);
    Append(bare, RampPalette(256));
    Append(bare, {7, 9, 0, 0});
    ASSERT_TRUE(Load(bare, bmp)) << bmp.LastError();
    EXPECT_EQ(Row(bmp, 0, 2), (Bytes{7, 9}));

    // 16 colours declared, pixels at bfOffBits; the missing entries are 0.
    Bytes sixteen = FileHeader(14 + 40 + 64 + 8);
    Append(sixteen, InfoHeader(2, 1, 8, 0, 16));
    Append(sixteen, RampPalette(18));
    Append(sixteen, {15, 3, 0, 0});
    ASSERT_TRUE(Load(sixteen, bmp)) << bmp.LastError();
    EXPECT_EQ(Row(bmp, 0, 2), (Bytes{15, 3}));
    EXPECT_EQ(bmp.GetPaletteEntry(15).red, 45);
    EXPECT_EQ(bmp.GetPaletteEntry(16).red, 0);
    EXPECT_EQ(bmp.Header().biClrUsed, 256u);

    // A core header with 3-byte entries, widened.
    Bytes core = FileHeader(14 + 12 + 3 * 256);
    Put32(core, 12);
    Put16(core, 2);
    Put16(core, 1);
    Put16(core, 1);
    Put16(core, 8);
    Append(core, RampPalette(256, 3));
    Append(core, {200, 1, 0, 0});
    ASSERT_TRUE(Load(core, bmp)) << bmp.LastError();
    EXPECT_EQ(bmp.Width(), 2);
    EXPECT_EQ(bmp.GetPaletteEntry(200).blue, 200);
    EXPECT_EQ(bmp.GetPaletteEntry(200).green, uint8_t(400));
    EXPECT_EQ(Row(bmp, 0, 2), (Bytes{200, 1}));

    // A V4 (108-byte) header: the palette comes after it.
    const Bytes v4 = BmpFile(InfoHeader(1, 1, 1, 0, 2, 108), RampPalette(2), {0x80, 0, 0, 0});
    ASSERT_TRUE(Load(v4, bmp)) << bmp.LastError();
    EXPECT_EQ(bmp.GetPaletteEntry(1).red, 3);
    EXPECT_EQ(bmp.GetIndex(0, 0), 1);
    EXPECT_EQ(bmp.Header().biSize, 40u);
}

TEST_F(BmpCodecTest, TopDownRowsAreStoredBottomUp) {
    Bytes rows = {1, 2, 3, 0, 4, 5, 6, 0};  // top row first
    IndexedBitmap bmp;
    ASSERT_TRUE(Load(BmpFile(InfoHeader(1, -2, 24), {}, rows), bmp)) << bmp.LastError();
    EXPECT_EQ(bmp.Height(), 2);
    EXPECT_EQ(Row(bmp, 0, 3), (Bytes{4, 5, 6}));
    EXPECT_EQ(Row(bmp, 1, 3), (Bytes{1, 2, 3}));
}

TEST_F(BmpCodecTest, RefusalsAndTheirMessages) {
    struct Case {
        const char* name;
        Bytes info;
        const char* message;
    };
    const Case cases[] = {
        {"ZeroWidth", InfoHeader(0, 4, 8), "Invalid BMP dimensions"},
        {"ZeroHeight", InfoHeader(4, 0, 8), "Invalid BMP dimensions"},
        {"NegativeWidth", InfoHeader(-4, 4, 8), "Invalid BMP dimensions"},
        {"LowestHeight", InfoHeader(4, INT32_MIN, 8), "Invalid BMP dimensions"},
        {"Huge", InfoHeader(3000000, 2000000, 24), "Invalid BMP dimensions"},
        {"JustAboveOneGiB", InfoHeader(32768, 32769, 8), "Invalid BMP dimensions"},
        {"StrideOverflow", InfoHeader(INT32_MAX, 1, 32), "Invalid BMP dimensions"},
        {"BitfieldsAt24", InfoHeader(2, 2, 24, 3), "unknown compression"},
        {"BitfieldsAt8", InfoHeader(2, 2, 8, 3), "compression type not supported"},
        {"JpegAt4", InfoHeader(2, 2, 4, 4), "compression type not supported"},
        {"Rle8At16", InfoHeader(2, 2, 16, 1), "unknown compression"},
        {"TwoBits", InfoHeader(2, 2, 2), "Unsupported BMP bit count"},
        {"SixtyFourBits", InfoHeader(2, 2, 64), "Unsupported BMP bit count"},
    };
    for (const Case& c : cases) {
        IndexedBitmap bmp;
        bmp.Allocate(1, 1, 8);
        EXPECT_FALSE(Load(BmpFile(c.info, {}, Bytes(64)), bmp)) << c.name;
        EXPECT_EQ(bmp.LastError(), c.message) << c.name;
        EXPECT_EQ(bmp.Block(), nullptr) << c.name;  // the former picture is gone
    }
}

TEST_F(BmpCodecTest, DirectColourFilesLoadAs24Bit) {
    IndexedBitmap bmp;
    // 16 bits, default 5-5-5: white, pure red, pure blue.
    Bytes px16;
    for (uint32_t v : {0x7FFFu, 0x7C00u, 0x001Fu}) Put16(px16, v);
    Put16(px16, 0);
    ASSERT_TRUE(Load(BmpFile(InfoHeader(3, 1, 16), {}, px16), bmp)) << bmp.LastError();
    EXPECT_EQ(bmp.BitCount(), 24);
    EXPECT_EQ(Row(bmp, 0, 9), (Bytes{248, 248, 248, 0, 0, 248, 248, 0, 0}));

    // 32 bits with masks after a 40-byte header (red in the low byte), one
    // mask empty.
    Bytes masks;
    Put32(masks, 0x000000FF);
    Put32(masks, 0x0000FF00);
    Put32(masks, 0);
    Bytes px32 = {10, 20, 30, 40};
    ASSERT_TRUE(Load(BmpFile(InfoHeader(1, 1, 32, 3), masks, px32), bmp)) << bmp.LastError();
    EXPECT_EQ(Row(bmp, 0, 3), (Bytes{0, 20, 10}));
    // 32 bits, no masks: blue, green, red, unused.
    ASSERT_TRUE(Load(BmpFile(InfoHeader(1, 1, 32), {}, px32), bmp)) << bmp.LastError();
    EXPECT_EQ(Row(bmp, 0, 3), (Bytes{10, 20, 30}));
}

// An RLE file of the given depth, compression and stream, width x height.
Bytes RleFile(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
              const Bytes& stream) {
    return BmpFile(InfoHeader(width, height, bits, compression), RampPalette(1u << bits), stream);
}

struct RleCase {
    const char* name;
    uint16_t bits;
    uint32_t compression;
    int32_t width, height;
    Bytes stream;
    Bytes row0, row1;  // expected leading bytes of the stored rows
};

class RleTest : public BmpCodecTest, public testing::WithParamInterface<RleCase> {};

TEST_P(RleTest, DecodesTheStream) {
    const RleCase& c = GetParam();
    IndexedBitmap bmp;
    ASSERT_TRUE(Load(RleFile(c.width, c.height, c.bits, c.compression, c.stream), bmp))
        << bmp.LastError();
    EXPECT_EQ(Row(bmp, 0, c.row0.size()), c.row0);
    if (!c.row1.empty()) {
        EXPECT_EQ(Row(bmp, 1, c.row1.size()), c.row1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, RleTest,
    testing::Values(
        RleCase{"Rle8RunAbsolutePadEnd", 8, 1, 6, 2,
                {3, 7, 0, 3, 1, 2, 3, 0, 0, 0, 0, 1}, {7, 7, 7, 1, 2, 3, 0, 0}, {0, 0}},
        RleCase{"Rle8EndOfLine", 8, 1, 4, 2, {2, 5, 0, 0, 1, 6, 0, 1}, {5, 5, 0, 0}, {6, 0}},
        RleCase{"Rle8DeltaMovesUpARow", 8, 1, 8, 2,
                {0, 2, 5, 1, 1, 9, 0, 1}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 9, 0, 0}},
        RleCase{"Rle8ClipsLongRunsPerRow", 8, 1, 4, 2, {255, 4, 0, 0, 1, 2, 0, 1}, {4, 4, 4, 4},
                {2, 0, 0, 0}},
        RleCase{"Rle8DropsRowsBeyondTheTop", 8, 1, 4, 1, {0, 2, 0, 5, 3, 1, 0, 1}, {0, 0, 0, 0},
                {}},
        RleCase{"Rle8AbsoluteRunPastTheEnd", 8, 1, 4, 1, {0, 6, 1, 2, 3, 4, 5, 6, 1, 9, 0, 1},
                {1, 2, 3, 4}, {}},
        RleCase{"Rle4EncodedRunFromPixelOne", 4, 2, 8, 1, {0, 2, 1, 0, 5, 0xAB, 0, 1},
                {0x0A, 0xBA, 0xBA, 0x00}, {}},
        RleCase{"Rle4AbsoluteRunWithoutPadding", 4, 2, 8, 1, {0, 3, 0xAB, 0xC0, 2, 0xFF, 0, 1},
                {0xAB, 0xCF, 0xF0}, {}},
        RleCase{"Rle4AbsoluteRunWithPadding", 4, 2, 8, 1,
                {0, 5, 0xAB, 0xCD, 0xE0, 0, 2, 0x11, 0, 1}, {0xAB, 0xCD, 0xE1, 0x10}, {}},
        RleCase{"Rle4OnEightBitsSetsNibbles", 8, 2, 4, 1, {3, 0x12, 0, 1}, {0x12, 0x10, 0, 0},
                {}},
        RleCase{"Rle8OnOneBitWritesBytes", 1, 1, 32, 1, {2, 0xF0, 0, 1}, {0xF0, 0xF0, 0, 0}, {}},
        RleCase{"Rle8StreamEndsWithoutMarker", 8, 1, 4, 1, {2, 3, 0}, {3, 3, 0, 0}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
