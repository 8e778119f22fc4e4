#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "IndexedBitmap.h"
#include "StandardPalettes.h"

namespace {

struct AllocCase {
    const char* name;
    int32_t width, height;
    uint16_t requested;
    uint16_t depth;
    uint32_t stride, colours, blockBytes;
};

class AllocateTest : public testing::TestWithParam<AllocCase> {};

TEST_P(AllocateTest, NormalisesDepthAndSizesTheBlock) {
    const AllocCase& c = GetParam();
    IndexedBitmap bmp;
    ASSERT_NE(bmp.Allocate(c.width, c.height, c.requested), nullptr);
    EXPECT_EQ(bmp.BitCount(), c.depth);
    EXPECT_EQ(bmp.RowStride(), c.stride);
    EXPECT_EQ(bmp.Header().biClrUsed, c.colours);
    EXPECT_EQ(bmp.BlockBytes(), c.blockBytes);
    EXPECT_EQ(bmp.Header().biSizeImage, c.stride * uint32_t(c.height));
    EXPECT_EQ(bmp.PixelData(), bmp.Block() + 40 + 4 * c.colours);
    EXPECT_EQ(bmp.PaletteData() == nullptr, c.colours == 0);
    // The block starts with the header as allocated.
    BitmapInfoHeader copy;
    std::memcpy(&copy, bmp.Block(), sizeof copy);
    EXPECT_EQ(copy.biSize, 40u);
    EXPECT_EQ(copy.biWidth, c.width);
    EXPECT_EQ(copy.biBitCount, c.depth);
    EXPECT_EQ(copy.biPlanes, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Depths, AllocateTest,
    testing::Values(AllocCase{"OneBit", 3, 2, 1, 1, 4, 2, 56},
                    AllocCase{"ZeroIsOneBit", 3, 2, 0, 1, 4, 2, 56},
                    AllocCase{"TwentyFour", 3, 2, 24, 24, 12, 0, 64},
                    AllocCase{"TwoBitsIsFour", 9, 1, 2, 4, 8, 16, 112},
                    AllocCase{"ThreeBitsIsFour", 8, 1, 3, 4, 4, 16, 108},
                    AllocCase{"FiveBitsIsEight", 5, 1, 5, 8, 8, 256, 1072},
                    AllocCase{"SevenBitsIsEight", 4, 1, 7, 8, 4, 256, 1068},
                    AllocCase{"SixteenIsTwentyFour", 1, 1, 16, 24, 4, 0, 44},
                    AllocCase{"ThirtyTwoIsTwentyFour", 2, 1, 32, 24, 8, 0, 48}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IndexedBitmap, RefusesSizesThatDoNotFit) {
    IndexedBitmap bmp;
    EXPECT_EQ(bmp.Allocate(0, 5, 8), nullptr);
    EXPECT_EQ(bmp.Allocate(5, -1, 8), nullptr);
    EXPECT_EQ(bmp.Allocate(100000, 100000, 24), nullptr);
    EXPECT_EQ(bmp.Block(), nullptr);
    EXPECT_EQ(bmp.PixelData(), nullptr);
    EXPECT_EQ(bmp.GetColour(0, 0).red, 0);
}

TEST(IndexedBitmap, PixelLayoutsKeepNeighbours) {
    IndexedBitmap four;
    four.Allocate(4, 2, 4);
    four.SetIndex(0, 0, 0x5);
    four.SetIndex(1, 0, 0x1A);  // masked to 0xA
    EXPECT_EQ(four.PixelData()[0], 0x5A);
    EXPECT_EQ(four.GetIndex(0, 0), 0x5);
    EXPECT_EQ(four.GetIndex(1, 0), 0xA);
    four.SetIndex(0, 0, 0x3);
    EXPECT_EQ(four.PixelData()[0], 0x3A);

    IndexedBitmap one;
    one.Allocate(10, 1, 1);
    one.SetIndex(0, 0, 1);
    one.SetIndex(9, 0, 3);  // masked to 1
    EXPECT_EQ(one.PixelData()[0], 0x80);
    EXPECT_EQ(one.PixelData()[1], 0x40);
    one.SetIndex(0, 0, 0);
    EXPECT_EQ(one.PixelData()[0], 0x00);
    EXPECT_EQ(one.GetIndex(9, 0), 1);

    IndexedBitmap rgb;
    rgb.Allocate(2, 2, 24);
    rgb.SetColour(1, 1, {10, 20, 30, 99});
    const uint8_t* p = rgb.PixelData() + rgb.RowStride() + 3;
    EXPECT_EQ(p[0], 10);
    EXPECT_EQ(p[1], 20);
    EXPECT_EQ(p[2], 30);
    const ColourEntry c = rgb.GetColour(1, 1);
    EXPECT_EQ(c.reserved, 0);
    EXPECT_EQ(rgb.GetIndex(1, 1), 0);
}

TEST(IndexedBitmap, OutsideReadsZeroAndWritesAreIgnored) {
    IndexedBitmap bmp;
    bmp.Allocate(2, 2, 8);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}}) {
        bmp.SetIndex(x, y, 7);
        EXPECT_EQ(bmp.GetIndex(x, y), 0);
        EXPECT_EQ(bmp.GetColour(x, y).blue, 0);
    }
    for (uint32_t i = 0; i < bmp.Header().biSizeImage; ++i) EXPECT_EQ(bmp.PixelData()[i], 0);
}

TEST(IndexedBitmap, NearestIndexPrefersLowestOfEqualDistances) {
    IndexedBitmap bmp;
    bmp.Allocate(1, 1, 4);
    for (int i = 0; i < 16; ++i) bmp.SetPaletteEntry(uint8_t(i), 200, 200, 200);
    bmp.SetPaletteEntry(3, 10, 10, 11);
    bmp.SetPaletteEntry(5, 10, 11, 10);
    EXPECT_EQ(bmp.FindNearestIndex({10, 10, 10, 0}), 3);
    bmp.SetPaletteEntry(7, 10, 10, 10);
    bmp.SetPaletteEntry(9, 10, 10, 10);
    EXPECT_EQ(bmp.FindNearestIndex({10, 10, 10, 0}), 7);
}

TEST(IndexedBitmap, ImportantColoursLimitTheSearch) {
    IndexedBitmap bmp;
    bmp.Allocate(1, 1, 8);
    bmp.ApplyStandardPalette();
    bmp.LimitImportantColours(4);
    EXPECT_EQ(bmp.Header().biClrImportant, 4u);
    EXPECT_EQ(bmp.FindNearestIndex({255, 255, 255, 0}), 3);  // olive beats black, reds, greens

    struct Case {
        uint16_t depth;
        uint32_t count, expected;
    };
    for (const Case& c : {Case{8, 300, 0}, Case{8, 0, 0}, Case{8, 20, 20}, Case{4, 20, 16},
                          Case{1, 5, 2}, Case{1, 1, 1}}) {
        IndexedBitmap b;
        b.Allocate(1, 1, c.depth);
        b.LimitImportantColours(c.count);
        EXPECT_EQ(b.Header().biClrImportant, c.expected) << c.depth << " bits, " << c.count;
    }
    IndexedBitmap rgb;
    rgb.Allocate(1, 1, 24);
    rgb.LimitImportantColours(20);
    EXPECT_EQ(rgb.Header().biClrImportant, 0u);
}

TEST(IndexedBitmap, PaletteAccessStaysInsideThePalette) {
    IndexedBitmap bmp;
    bmp.Allocate(1, 1, 1);
    bmp.SetPaletteEntry(1, 1, 2, 3);
    bmp.SetPaletteEntry(2, 9, 9, 9);  // ignored: only two entries
    EXPECT_EQ(bmp.GetPaletteEntry(1).red, 1);
    EXPECT_EQ(bmp.GetPaletteEntry(1).blue, 3);
    EXPECT_EQ(bmp.GetPaletteEntry(2).red, 0);
    const ColourEntry many[16] = {{1, 1, 1, 0}, {2, 2, 2, 0}, {3, 3, 3, 0}};
    bmp.CopyPaletteFrom(many, 16);
    EXPECT_EQ(bmp.GetPaletteEntry(1).green, 2);
    bmp.CopyPaletteFrom(nullptr, 16);
    EXPECT_EQ(bmp.GetPaletteEntry(0).green, 1);

    IndexedBitmap rgb;
    rgb.Allocate(1, 1, 24);
    EXPECT_EQ(rgb.PaletteData(), nullptr);
    EXPECT_EQ(rgb.PaletteBytes(), 0u);
    rgb.SetPaletteEntry(0, 1, 1, 1);
    EXPECT_EQ(rgb.FindNearestIndex({1, 1, 1, 0}), 0);
}

TEST(IndexedBitmap, StandardPalettes) {
    IndexedBitmap four;
    four.Allocate(1, 1, 4);
    four.ApplyStandardPalette();
    EXPECT_EQ(four.GetPaletteEntry(7).red, 192);
    EXPECT_EQ(four.GetPaletteEntry(8).green, 128);
    IndexedBitmap eight;
    eight.Allocate(1, 1, 8);
    eight.ApplyStandardPalette();
    const ColourEntry e40 = eight.GetPaletteEntry(40), e249 = eight.GetPaletteEntry(249);
    EXPECT_EQ((std::array{e40.red, e40.green, e40.blue}), (std::array<uint8_t, 3>{254, 0, 0}));
    EXPECT_EQ((std::array{e249.red, e249.green, e249.blue}), (std::array<uint8_t, 3>{255, 0, 0}));
    // The greys run from F2 down by 12 per step.
    for (int i = 226; i <= 245; ++i) {
        EXPECT_EQ(eight.GetPaletteEntry(uint8_t(i)).green, 0xF2 - 12 * (i - 226));
    }
    IndexedBitmap one;
    one.Allocate(1, 1, 1);
    one.SetPaletteEntry(0, 5, 5, 5);
    one.ApplyStandardPalette();
    EXPECT_EQ(one.GetPaletteEntry(0).red, 5);
}

TEST(IndexedBitmap, TakeOverMovesTheBlock) {
    IndexedBitmap a, b(0);
    a.Allocate(4, 4, 8);
    uint8_t* block = b.Allocate(3, 2, 4);
    b.TakeOver(nullptr);
    EXPECT_EQ(b.Block(), block);
    a.TakeOver(&b);
    EXPECT_EQ(a.Block(), block);
    EXPECT_EQ(a.Width(), 3);
    EXPECT_EQ(a.BitCount(), 4);
    EXPECT_EQ(b.Block(), nullptr);
    EXPECT_EQ(b.Header().biSize, 0u);
    EXPECT_EQ(b.Header().biWidth, 0);
    // A bitmap emptied by a take-over can be allocated again safely.
    ASSERT_NE(b.Allocate(1, 1, 1), nullptr);
    EXPECT_EQ(b.Header().biSize, 40u);
    EXPECT_EQ(b.BlockBytes(), 52u);
}

}  // namespace
