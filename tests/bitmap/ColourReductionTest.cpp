#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <tuple>

#include "IndexedBitmap.h"
#include "NearestColour.h"
#include "StandardPalettes.h"

namespace {

IndexedBitmap Grey24(int32_t width, int32_t height, uint8_t level) {
    IndexedBitmap bmp;
    bmp.Allocate(width, height, 24);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) bmp.SetColour(x, y, {level, level, level, 0});
    }
    return bmp;
}

TEST(ColourReduction, DiffusionCarriesTheErrorToTheRight) {
    IndexedBitmap plain = Grey24(2, 1, 100);
    ASSERT_TRUE(plain.ReduceColourDepth(1, false, nullptr, 0));
    EXPECT_EQ(plain.BitCount(), 1);
    EXPECT_EQ(plain.GetIndex(0, 0), 0);
    EXPECT_EQ(plain.GetIndex(1, 0), 0);

    IndexedBitmap diffused = Grey24(2, 1, 100);
    ASSERT_TRUE(diffused.ReduceColourDepth(1, true, nullptr, 0));
    EXPECT_EQ(diffused.GetIndex(0, 0), 0);
    EXPECT_EQ(diffused.GetIndex(1, 0), 1);  // 100 + 43 = 143: nearer white
    EXPECT_EQ(diffused.GetPaletteEntry(1).red, 255);
}

// The share that reaches the right-hand neighbour, seen through the index
// the neighbour then maps to.
TEST(ColourReduction, SharesTruncateTowardZeroAndClamp) {
    struct Case {
        const char* name;
        uint8_t first, second;
        uint32_t bits;
        uint8_t expected;
    };
    // 8 bits: entries 103, 47, 50 only. 100 -> 103, error -3, share
    // (-21) / 16 = -1: 50 becomes 49, nearer 50 (floor would give 48 -> 47).
    // 1 bit, black and white: 23 -> black, share +10 lifts 250 to 255 (not
    // around to 4); 232 -> white, share -10 takes 3 to 0 (not 249).
    const Case cases[] = {{"NegativeShareTruncates", 100, 50, 8, 2},
                          {"ClampedAtTop", 23, 250, 1, 1},
                          {"ClampedAtBottom", 232, 3, 1, 0}};
    ColourEntry greys[256] = {{103, 103, 103, 0}, {47, 47, 47, 0}, {50, 50, 50, 0}};
    for (const Case& c : cases) {
        for (bool reference : {false, true}) {
            IndexedBitmap bmp;
            bmp.Allocate(2, 1, 24);
            bmp.SetColour(0, 0, {c.first, c.first, c.first, 0});
            bmp.SetColour(1, 0, {c.second, c.second, c.second, 0});
            const ColourEntry* palette = c.bits == 8 ? greys : nullptr;
            const uint32_t important = c.bits == 8 ? 3 : 0;
            ASSERT_TRUE(reference ? bmp.ReduceColourDepthReference(c.bits, true, palette, important)
                                  : bmp.ReduceColourDepth(c.bits, true, palette, important));
            EXPECT_EQ(bmp.GetIndex(1, 0), c.expected) << c.name << (reference ? " reference" : "");
        }
    }
}

TEST(ColourReduction, PreconditionsAndShortcuts) {
    IndexedBitmap empty;
    EXPECT_FALSE(empty.ReduceColourDepth(8, true, nullptr, 0));

    IndexedBitmap four;
    four.Allocate(2, 2, 4);
    EXPECT_FALSE(four.ReduceColourDepth(8, true, nullptr, 0));
    const uint8_t* block = four.Block();
    EXPECT_TRUE(four.ReduceColourDepth(4, true, nullptr, 0));
    EXPECT_EQ(four.Block(), block);  // unchanged

    IndexedBitmap rgb = Grey24(2, 2, 10);
    EXPECT_FALSE(rgb.ReduceColourDepth(16, true, nullptr, 0));
    EXPECT_FALSE(rgb.ReduceColourDepth(100000, true, nullptr, 0));
    EXPECT_EQ(rgb.BitCount(), 24);
    ASSERT_TRUE(rgb.ReduceColourDepth(3, false, nullptr, 0));
    EXPECT_EQ(rgb.BitCount(), 4);
    EXPECT_EQ(rgb.GetPaletteEntry(7).red, 192);

    IndexedBitmap eight;
    eight.Allocate(1, 1, 8);
    eight.LimitImportantColours(10);
    block = eight.Block();
    EXPECT_TRUE(eight.ReduceColourDepth(8, false, nullptr, 20));  // own limit already smaller
    EXPECT_EQ(eight.Block(), block);
    EXPECT_TRUE(eight.ReduceColourDepth(8, false, nullptr, 5));
    EXPECT_NE(eight.Block(), nullptr);
    EXPECT_EQ(eight.Header().biClrImportant, 5u);
}

TEST(ColourReduction, PalettesOfTheResult) {
    ColourEntry redBlue[16] = {{0, 0, 255, 0}, {255, 0, 0, 0}};
    IndexedBitmap rgb = Grey24(2, 2, 200);
    ASSERT_TRUE(rgb.ReduceColourDepth(1, true, redBlue, 0));
    EXPECT_EQ(rgb.GetPaletteEntry(0).red, 255);
    EXPECT_EQ(rgb.GetPaletteEntry(1).blue, 255);

    IndexedBitmap one;
    one.Allocate(2, 2, 1);
    ASSERT_TRUE(one.ReduceColourDepth(1, true, redBlue, 2));
    EXPECT_EQ(one.GetPaletteEntry(0).red, 0);
    EXPECT_EQ(one.GetPaletteEntry(1).green, 255);

    IndexedBitmap bright;
    bright.Allocate(8, 8, 24);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) bright.SetColour(x, y, {uint8_t(x * 36), 255, uint8_t(y * 36), 0});
    ASSERT_TRUE(bright.ReduceColourDepth(8, true, nullptr, 4));
    EXPECT_EQ(bright.GetPaletteEntry(40).red, 254);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_LT(bright.GetIndex(x, y), 4);
}

// A photo-like picture: smooth gradients with noise.
IndexedBitmap Photo(int32_t width, int32_t height, uint16_t bits, uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> noise(-20, 20);
    IndexedBitmap bmp;
    bmp.Allocate(width, height, 24);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            auto c = [&](int v) { return uint8_t(std::clamp(v + noise(rng), 0, 255)); };
            bmp.SetColour(x, y, {c(x * 255 / width), c(y * 255 / height), c((x + y) * 2 % 256), 0});
        }
    }
    if (bits != 24) bmp.ReduceColourDepthReference(bits, false, nullptr, 0);
    return bmp;
}

struct Equality {
    const char* name;
    uint16_t sourceBits;
    uint32_t bits;
    bool diffuse;
    bool ownPalette;
    uint32_t important;
};

class FastPathTest : public testing::TestWithParam<Equality> {};

// The fast reduction must give exactly the reference's bytes.
TEST_P(FastPathTest, EqualsTheReference) {
    const Equality& c = GetParam();
    std::mt19937 rng(7);
    ColourEntry palette[256];
    for (auto& e : palette) {
        e = {uint8_t(rng()), uint8_t(rng()), uint8_t(rng()), 0};
    }
    palette[9] = palette[3];  // duplicates: ties must go to the lower index
    for (int32_t w : {1, 2, 37}) {
        IndexedBitmap fast = Photo(w, 23, c.sourceBits, 11);
        IndexedBitmap reference = Photo(w, 23, c.sourceBits, 11);
        if (c.sourceBits != 24 && c.important) {
            fast.LimitImportantColours(3);
            reference.LimitImportantColours(3);
        }
        const ColourEntry* given = c.ownPalette ? palette : nullptr;
        ASSERT_TRUE(fast.ReduceColourDepth(c.bits, c.diffuse, given, c.important));
        ASSERT_TRUE(reference.ReduceColourDepthReference(c.bits, c.diffuse, given, c.important));
        ASSERT_EQ(fast.BlockBytes(), reference.BlockBytes());
        EXPECT_EQ(0, std::memcmp(fast.Block(), reference.Block(), fast.BlockBytes())) << w;
        EXPECT_EQ(fast.Header().biClrImportant, reference.Header().biClrImportant);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reductions, FastPathTest,
    testing::Values(Equality{"To8Diffused", 24, 8, true, false, 0},
                    Equality{"To8Plain", 24, 8, false, false, 0},
                    Equality{"To4Diffused", 24, 4, true, false, 0},
                    Equality{"To1Diffused", 24, 1, true, false, 0},
                    Equality{"To8OwnPaletteImportant", 24, 8, true, true, 40},
                    Equality{"To4OwnPalette", 24, 4, true, true, 0},
                    Equality{"EightTo4Diffused", 8, 4, true, false, 0},
                    Equality{"EightTo8Important", 8, 8, true, false, 7},
                    Equality{"FourTo1Diffused", 4, 1, true, false, 0},
                    Equality{"FourTo4LimitedSource", 4, 4, true, true, 9},
                    Equality{"OneTo1", 1, 1, true, true, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NearestColourSearch, AgreesWithTheLinearSearch) {
    std::mt19937 rng(3);
    for (uint32_t count : {1u, 2u, 3u, 16u, 100u, 256u}) {
        IndexedBitmap bmp;
        bmp.Allocate(1, 1, 8);
        for (uint32_t i = 0; i < 256; ++i) {
            // Few distinct values make many ties.
            bmp.SetPaletteEntry(uint8_t(i), uint8_t(rng() % 4 * 80), uint8_t(rng() % 4 * 80),
                                uint8_t(rng() % 4 * 80));
        }
        bmp.LimitImportantColours(count);
        NearestColourSearch search(bmp.PaletteData(), count);
        for (int k = 0; k < 5000; ++k) {
            const ColourEntry c{uint8_t(rng()), uint8_t(rng()), uint8_t(rng()), 0};
            ASSERT_EQ(search.Find(c.red, c.green, c.blue), bmp.FindNearestIndex(c)) << count;
        }
    }
}

}  // namespace
