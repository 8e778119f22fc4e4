#pragma once
// BMP files of 16 and 32 bits per pixel made from a 24-bit IndexedBitmap.

#include <cstdint>
#include <string>

#include "IndexedBitmap.h"

enum class DirectColour {
    Rgb565,  // 16 bits: 5 red, 6 green, 5 blue; BI_BITFIELDS with its masks
    Xrgb32,  // 32 bits: blue, green, red and an unused byte (BI_RGB)
    Argb32,  // 32 bits with an alpha byte named by a version 4 header's masks
};

// Writes picture (24 bits; its rows, resolution and orientation as they are)
// to path in the given layout. Argb32 takes its alpha from alpha (one byte a
// pixel, Width() bytes a row, in the picture's stored row order), or opaque
// without it. False without a 24-bit block, or with errno set when the file
// cannot be written completely.
bool SaveDirectColourBmp(const IndexedBitmap& picture, DirectColour layout,
                         const std::string& path, const uint8_t* alpha = nullptr);
