#pragma once
// BMP files through the program's own bitmap engine.

#include <string>

#include "platform/OutputFile.h"
#include "model/RgbPicture.h"
#include "model/OptionTables.h"

// The BMP output of the format table: for the indexed pixel-format choices
// an indexed BMP made with error diffusion onto the engine's fixed palette
// (black and white, the standard 16 or 256 colours; for 4 and 8 bits with
// the adaptive nPalette, the picture's own colours from the octree), for the 16- and 32-bit
// choices a BMP of that depth (RGB565 with its masks; 32 bits with an alpha
// channel where the choice names one: the picture's alpha, else opaque), for
// every other a 24-bit BMP. The bitmap is built in memory; no temporary BMP
// is written.
EncodeResult WriteBmpFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file);

// True for a BMP output whose pixel format stores the source's alpha.
bool BmpKeepsAlpha(const OutputPhotoFormat& format);
