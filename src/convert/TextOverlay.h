#pragma once
// The line of text drawn on every photo of a run: what, where, in which font
// and colour.

#include <cstdint>
#include <string>

#include "app/TextFontSettings.h"

struct TextOverlay {
    std::string text;  // UTF-8; empty: no overlay, and no position checks
    int32_t x = 0;     // top-left corner in output pixels, before rotate and flip
    int32_t y = 0;
    LogFont font;
    uint32_t color = 0;  // 0x00BBGGRR, drawn opaque

    bool operator==(const TextOverlay&) const = default;
};
