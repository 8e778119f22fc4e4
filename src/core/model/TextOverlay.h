#pragma once
// The line of text drawn on every photo of a run: what, where, in which font
// and colour, how large, how opaque. What each anchor and effect value means
// is described once, in model/OptionTables.h, and the numbers' ranges in
// model/NumberSettings.h.

#include <cstdint>
#include <string>

#include "model/ImageWatermark.h"
#include "model/LogFont.h"
#include "model/NumberSettings.h"

enum TextAnchor : int32_t {
    kAnchorTopLeft = 0,
    kAnchorTop = 1,
    kAnchorTopRight = 2,
    kAnchorLeft = 3,
    kAnchorCenter = 4,
    kAnchorRight = 5,
    kAnchorBottomLeft = 6,
    kAnchorBottom = 7,
    kAnchorBottomRight = 8,
};
enum TextEffect : int32_t { kTextEffectNone = 0, kTextEffectOutline = 1, kTextEffectShadow = 2 };

struct TextOverlay {
    std::string text;  // UTF-8; empty: no overlay, and no position checks
    // The margin in output pixels, before rotate and flip, from the anchor's
    // corner or edge (a shift from the middle for the centred ones); for the
    // top-left anchor, the text's top-left corner.
    int32_t x = numbers::kTextX.WholeBuiltIn();
    int32_t y = numbers::kTextY.WholeBuiltIn();
    LogFont font;
    uint32_t color = 0;  // 0x00BBGGRR
    int32_t anchor = kAnchorTopLeft;
    // Above 0: the text's pixel size as a percentage of the output's shorter
    // side, in place of the font's own size.
    double sizePercent = numbers::kTextSizePercent.builtIn;
    int32_t opacity = numbers::kTextOpacity.WholeBuiltIn();  // percent; 100 draws opaque
    int32_t effect = kTextEffectNone;
    ImageWatermark watermark;  // a picture (a logo) drawn beside the text

    bool operator==(const TextOverlay&) const = default;
};
