#pragma once
// BMP files through the program's own bitmap engine.

#include <string>

#include "convert/RgbPicture.h"

enum class BmpResult {
    Written,
    NoBitmap,     // the picture does not fit in an engine bitmap (size, memory)
    WriteFailed,  // the file could not be written completely
};

// A 24-bit BMP of the picture at path (created or truncated).
BmpResult WriteBmp24(const RgbPicture& picture, const std::string& path);

// An indexed BMP of the picture at path for pixel-format choice 0, 1 or 2
// (1, 4 or 8 bits): error diffusion onto black and white, the standard
// 16-colour or the standard 256-colour table. The 24-bit bitmap is built in
// memory; no temporary BMP is written.
BmpResult WriteIndexedBmp(const RgbPicture& picture, int choice, const std::string& path);
