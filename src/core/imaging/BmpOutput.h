#pragma once
// BMP files through the program's own bitmap engine.

#include <string>

#include "platform/OutputFile.h"
#include "model/RgbPicture.h"
#include "model/OptionTables.h"

// The BMP output of the format table: for the indexed pixel-format choices
// an indexed BMP made with error diffusion onto the engine's fixed palette
// (black and white, the standard 16 or 256 colours), for every other choice
// a 24-bit BMP. The bitmap is built in memory; no temporary BMP is written.
EncodeResult WriteBmpFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file);
