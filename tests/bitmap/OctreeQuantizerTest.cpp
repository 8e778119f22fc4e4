#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "IndexedBitmap.h"
#include "OctreeQuantizer.h"

namespace {

using Rgb = std::array<uint8_t, 3>;

IndexedBitmap Picture(const std::vector<Rgb>& colours) {
    IndexedBitmap bmp;
    bmp.Allocate(int32_t(colours.size()), 1, 24);
    for (size_t i = 0; i < colours.size(); ++i) {
        bmp.SetColour(int32_t(i), 0, {colours[i][2], colours[i][1], colours[i][0], 0});
    }
    return bmp;
}

Rgb AsRgb(const ColourEntry& e) { return {e.red, e.green, e.blue}; }

TEST(OctreeQuantizer, ConstructionLimits) {
    struct Case {
        uint32_t colours, bits, maxLeaves, depth;
    };
    for (const Case& c : {Case{2, 8, 16, 8}, Case{300, 8, 300, 8}, Case{256, 12, 256, 8},
                          Case{16, 3, 16, 3}}) {
        const OctreeQuantizer q(c.colours, c.bits);
        EXPECT_EQ(q.MaxLeaves(), c.maxLeaves);
        EXPECT_EQ(q.ColourBits(), c.depth);
        EXPECT_EQ(q.LeafCount(), 0u);
    }
}

TEST(OctreeQuantizer, FewColoursComeOutExactlyInPathOrder) {
    const std::vector<Rgb> colours = {{255, 255, 255}, {0, 0, 0},     {10, 200, 30},
                                      {128, 0, 0},     {0, 128, 0},   {0, 0, 128},
                                      {1, 2, 3},       {250, 10, 10}, {90, 90, 90},
                                      {255, 255, 255}, {0, 255, 255}};
    IndexedBitmap bmp = Picture(colours);
    OctreeQuantizer q(256, 8);
    ASSERT_TRUE(q.AddImage(bmp.Block()));
    EXPECT_EQ(q.LeafCount(), 10u);
    std::vector<ColourEntry> table(256, ColourEntry{7, 7, 7, 7});
    std::vector<uint32_t> counts(256, 0);
    q.WriteColourTable(table.data(), counts.data());
    // Interleaved bits from the top: black first, then (1,2,3) ... white last.
    const std::vector<Rgb> expected = {{0, 0, 0},    {1, 2, 3},      {90, 90, 90}, {0, 0, 128},
                                       {0, 128, 0},  {10, 200, 30},  {0, 255, 255}, {128, 0, 0},
                                       {250, 10, 10}, {255, 255, 255}};
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(AsRgb(table[i]), expected[i]) << i;
    EXPECT_EQ(counts[9], 2u);
    EXPECT_EQ(table[10].red, 7);  // untouched
}

TEST(OctreeQuantizer, SmallTablesAverageGroupsOfLeaves) {
    struct Case {
        const char* name;
        std::vector<Rgb> pixels;
        std::vector<Rgb> expected;
    };
    const Case cases[] = {
        {"BlackAloneThenRedWithWhite",
         {{0, 0, 0}, {255, 0, 0}, {255, 255, 255}, {255, 255, 255}},
         {{0, 0, 0}, {255, 170, 170}}},
        {"TwoColoursCopied", {{10, 20, 30}, {200, 100, 50}}, {{10, 20, 30}, {200, 100, 50}}},
        {"OneColour", {{5, 5, 5}, {5, 5, 5}}, {{5, 5, 5}}},
    };
    for (const Case& c : cases) {
        IndexedBitmap bmp = Picture(c.pixels);
        OctreeQuantizer q(2, 8);
        ASSERT_TRUE(q.AddImage(bmp.Block()));
        ColourEntry table[2] = {{1, 1, 1, 1}, {1, 1, 1, 1}};
        q.WriteColourTable(table);
        for (size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(AsRgb(table[i]), c.expected[i]) << c.name << " " << i;
        }
    }
}

TEST(OctreeQuantizer, MergingKeepsTheLeafCountBounded) {
    // 17 greys 0, 15, 30, ...: distinct leaves until the 17th forces a merge.
    std::vector<Rgb> greys;
    for (int i = 0; i < 17; ++i) greys.push_back({uint8_t(15 * i), uint8_t(15 * i), uint8_t(15 * i)});
    IndexedBitmap bmp = Picture(greys);
    OctreeQuantizer q(16, 8);
    ASSERT_TRUE(q.AddImage(bmp.Block()));
    EXPECT_LE(q.LeafCount(), 16u);
    ColourEntry table[16];
    uint32_t counts[16] = {};
    q.WriteColourTable(table, counts);
    uint32_t total = 0;
    for (uint32_t i = 0; i < q.LeafCount(); ++i) total += counts[i];
    EXPECT_EQ(total, 17u);  // merging loses no pixel

    // A large picture of many colours stays within its bound throughout.
    IndexedBitmap big;
    big.Allocate(256, 64, 24);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x) big.SetColour(x, y, {uint8_t(x), uint8_t(y * 4), uint8_t(x ^ y), 0});
    OctreeQuantizer many(256, 8);
    ASSERT_TRUE(many.AddImage(big.Block()));
    EXPECT_LE(many.LeafCount(), 256u);
    EXPECT_GT(many.LeafCount(), 16u);
}

TEST(OctreeQuantizer, IndexedPicturesUseTheirPalette) {
    IndexedBitmap bmp;
    bmp.Allocate(9, 1, 1);
    bmp.SetPaletteEntry(0, 10, 20, 30);
    bmp.SetPaletteEntry(1, 200, 150, 100);
    bmp.SetIndex(8, 0, 1);  // the ninth pixel, in the second byte
    OctreeQuantizer q(256, 8);
    ASSERT_TRUE(q.AddImage(bmp.Block()));
    ColourEntry table[256];
    uint32_t counts[256];
    q.WriteColourTable(table, counts);
    ASSERT_EQ(q.LeafCount(), 2u);
    EXPECT_EQ(AsRgb(table[0]), (Rgb{10, 20, 30}));
    EXPECT_EQ(counts[0], 8u);
    EXPECT_EQ(AsRgb(table[1]), (Rgb{200, 150, 100}));
}

TEST(OctreeQuantizer, RefusesOtherDepths) {
    for (uint16_t bits : {16, 32, 2}) {
        uint8_t block[64] = {};
        BitmapInfoHeader h{40, 1, 1, 1, bits, 0, 4, 0, 0, 0, 0};
        std::memcpy(block, &h, sizeof h);
        OctreeQuantizer q(16, 8);
        EXPECT_FALSE(q.AddImage(block)) << bits;
        EXPECT_EQ(q.LeafCount(), 0u);
    }
    OctreeQuantizer none(0, 8);
    IndexedBitmap bmp = Picture({{1, 2, 3}});
    EXPECT_TRUE(none.AddImage(bmp.Block()));
    ColourEntry untouched{9, 9, 9, 9};
    none.WriteColourTable(&untouched);
    EXPECT_EQ(untouched.red, 9);
}

}  // namespace
