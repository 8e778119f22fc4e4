#pragma once
// The fixed palettes of indexed output: 16 and 256 colours, as red, green,
// blue packed 0xRRGGBB.

#include <cstdint>

#include "IndexedBitmap.h"

extern const uint32_t kStandardPalette16[16];
extern const uint32_t kStandardPalette256[256];

inline ColourEntry ColourFromRgb(uint32_t rgb) {
    return {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16), 0};
}
