// Where and how the overlay lands: the anchors on a large and a small
// output, text kept inside, size by percentage, opacity and the effects.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <QImage>
#include <QPainter>

#include "imaging/OverlayText.h"
#include "model/OptionTables.h"

namespace {

RgbPicture White(int width, int height) {
    RgbPicture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(static_cast<std::size_t>(width) * height * 3, 255);
    return picture;
}

// The bounding box of the pixels darker than white, and the darkest value.
struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    int darkest = 255;
};

Ink InkOf(const RgbPicture& picture) {
    Ink ink;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* p = picture.Pixel(x, y);
            const int value = std::min({p[0], p[1], p[2]});
            if (value > 200)
                continue;
            ink.left = std::min(ink.left, x), ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y), ink.bottom = std::max(ink.bottom, y);
            ink.darkest = std::min(ink.darkest, value);
        }
    return ink;
}

TextOverlay Black(const char* text) {
    TextOverlay overlay;
    overlay.text = text;
    overlay.font.lfWeight = 700;
    return overlay;
}

struct AnchorRow {
    int32_t anchor;
    int width, height;
};

class OverlayAnchor : public ::testing::TestWithParam<AnchorRow> {};

// The ink of "HHH" (no side bearings to speak of, no descent) must sit at
// the margin from the anchor's edges, or around the middle, and its height
// must follow the picture's shorter side.
TEST_P(OverlayAnchor, PutsTheTextWhereItSays) {
    const AnchorRow row = GetParam();
    const TextAnchorRow& where = TextAnchorOf(row.anchor);
    RgbPicture picture = White(row.width, row.height);
    TextOverlay overlay = Black("HHH");
    overlay.anchor = row.anchor;
    overlay.sizePercent = 10;
    const int margin = std::min(row.width, row.height) / 20;
    // A margin from an edge; no shift from the middle.
    overlay.x = where.column == 1 ? 0 : margin;
    overlay.y = where.row == 1 ? 0 : margin;
    DrawOverlayText(picture, overlay);
    const Ink ink = InkOf(picture);
    ASSERT_GE(ink.right, 0);

    const double pixels = std::min(row.width, row.height) * 0.10;
    const double slack = pixels * 0.3;  // side bearing, descent, line gap
    const double inkHeight = ink.bottom - ink.top + 1;
    EXPECT_GT(inkHeight, pixels * 0.5) << "size follows the shorter side";
    EXPECT_LT(inkHeight, pixels * 0.9);
    switch (where.column) {
        case 0: EXPECT_NEAR(ink.left, margin + slack / 2, slack / 2); break;
        case 1: EXPECT_NEAR((ink.left + ink.right) / 2.0, row.width / 2.0, slack); break;
        default: EXPECT_NEAR(row.width - 1 - ink.right, margin + slack / 2, slack / 2); break;
    }
    switch (where.row) {
        case 0: EXPECT_NEAR(ink.top, margin + slack, slack); break;
        case 1: EXPECT_NEAR((ink.top + ink.bottom) / 2.0, row.height / 2.0, slack); break;
        default: EXPECT_NEAR(row.height - 1 - ink.bottom, margin + slack, slack); break;
    }
}

std::vector<AnchorRow> EveryAnchorOnTwoSizes() {
    std::vector<AnchorRow> rows;
    for (const TextAnchorRow& anchor : TextAnchors())
        for (const auto& [w, h] : {std::pair{3000, 2000}, std::pair{300, 200}})
            rows.push_back({anchor.id, w, h});
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Anchors, OverlayAnchor, ::testing::ValuesIn(EveryAnchorOnTwoSizes()),
                         [](const auto& info) {
                             std::string name = TextAnchorOf(info.param.anchor).cliName;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name + "_" + std::to_string(info.param.width);
                         });

TEST(OverlayText, OtherAnchorsKeepTheTextInsideTopLeftKeepsItsRule) {
    const struct {
        const char* name;
        int32_t anchor;
        int32_t x, y;
        bool inside;  // false: drawn where the position says, out of the picture
    } rows[] = {{"bottom-right, margin past the picture", kAnchorBottomRight, 500, 500, true},
                {"top, shifted far right", kAnchorTop, 10000, 0, true},
                {"center, negative shift", kAnchorCenter, -10000, -10000, true},
                {"top-left past the picture", kAnchorTopLeft, 500, 500, false}};
    for (const auto& row : rows) {
        RgbPicture picture = White(300, 200);
        TextOverlay overlay = Black("Signature");
        overlay.font.lfHeight = -40;
        overlay.effect = kTextEffectOutline;  // ink around the text counts as well
        overlay.anchor = row.anchor;
        overlay.x = row.x;
        overlay.y = row.y;
        DrawOverlayText(picture, overlay);
        const Ink ink = InkOf(picture);
        EXPECT_EQ(ink.right >= 0, row.inside) << row.name;
        if (row.inside) {
            EXPECT_GT(ink.left, 0) << row.name;
            EXPECT_GT(ink.top, 0) << row.name;
            EXPECT_LT(ink.right, 299) << row.name;
            EXPECT_LT(ink.bottom, 199) << row.name;
        }
    }
}

TEST(OverlayText, OpacityAndEffects) {
    const struct {
        const char* name;
        uint32_t color;
        int32_t opacity, effect;
        int darkestLow, darkestHigh;  // of the ink on white; 256: no ink
    } rows[] = {
        {"opaque black", 0x000000, 100, kTextEffectNone, 0, 10},
        {"half black", 0x000000, 50, kTextEffectNone, 110, 145},
        {"invisible", 0x000000, 0, kTextEffectNone, 256, 256},
        {"white alone is lost on white", 0xFFFFFF, 100, kTextEffectNone, 256, 256},
        {"white with an outline", 0xFFFFFF, 100, kTextEffectOutline, 0, 10},
        {"white with a shadow", 0xFFFFFF, 100, kTextEffectShadow, 0, 10},
        {"half white with an outline: one layer", 0xFFFFFF, 50, kTextEffectOutline, 110, 145}};
    for (const auto& row : rows) {
        RgbPicture picture = White(200, 80);
        TextOverlay overlay = Black("Quill");
        overlay.font.lfHeight = -48;
        overlay.x = overlay.y = 10;
        overlay.color = row.color;
        overlay.opacity = row.opacity;
        overlay.effect = row.effect;
        DrawOverlayText(picture, overlay);
        const Ink ink = InkOf(picture);
        const int darkest = ink.right < 0 ? 256 : ink.darkest;
        EXPECT_GE(darkest, row.darkestLow) << row.name;
        EXPECT_LE(darkest, row.darkestHigh) << row.name;
    }
}

// Only the part of the picture the text can touch is copied out and drawn
// on; every pixel must still be what painting on all of it gives, for ink
// that leans out of its box (italic), reaches below it (descenders), takes a
// fallback font, goes around it (outline, shadow), lies partly or wholly
// off the picture, or is larger than the picture.
TEST(OverlayText, DrawingTheTextsPartGivesThePixelsOfPaintingTheWholePicture) {
    const struct {
        const char* text;
        int32_t anchor, x, y, effect, opacity;
        bool italic;
        int pixelSize;
    } rows[] = {
        {"Quill", kAnchorTopLeft, 10, 10, kTextEffectNone, 100, false, 20},
        {"fff jjj", kAnchorTopLeft, 3, 2, kTextEffectNone, 100, true, 40},
        {"Typography", kAnchorBottomRight, 4, 4, kTextEffectOutline, 50, false, 30},
        {"Ωμέγα \u2713 \u5199\u771F", kAnchorCenter, 0, 0, kTextEffectShadow, 100, true, 26},
        {"edge", kAnchorTopLeft, 150, 70, kTextEffectNone, 70, false, 30},
        {"off", kAnchorTopLeft, 500, 500, kTextEffectNone, 100, false, 30},
        {"Larger than all", kAnchorTop, 0, 0, kTextEffectOutline, 100, true, 150},
    };
    for (const auto& row : rows) {
        RgbPicture picture = White(180, 90);
        for (std::size_t i = 0; i < picture.pixels.size(); ++i)
            picture.pixels[i] = static_cast<uint8_t>(i * 7919 % 251);  // every pixel its own
        TextOverlay overlay = Black(row.text);
        overlay.anchor = row.anchor;
        overlay.x = row.x;
        overlay.y = row.y;
        overlay.effect = row.effect;
        overlay.opacity = row.opacity;
        overlay.color = 0x3080F0;
        overlay.font.lfItalic = row.italic;
        overlay.font.lfHeight = -row.pixelSize;

        QImage whole(picture.width, picture.height, QImage::Format_RGB888);
        for (int y = 0; y < picture.height; ++y)
            std::copy_n(picture.Pixel(0, y), picture.RowBytes(), whole.scanLine(y));
        {
            QPainter painter(&whole);
            PaintOverlayText(painter, picture.width, picture.height, overlay);
        }
        DrawOverlayText(picture, overlay);
        int differing = 0;
        for (int y = 0; y < picture.height; ++y)
            differing += !std::equal(picture.Pixel(0, y), picture.Pixel(0, y) + picture.RowBytes(),
                                     whole.constScanLine(y));
        EXPECT_EQ(differing, 0) << row.text << ": rows differ";
    }
}

}  // namespace
