#pragma once
// How much memory converting a photo takes at its peak, so that a run
// admits photos by a memory budget rather than by their number.

#include <cstdint>
#include <string>

#include "convert/SourceLayout.h"
#include "convert/TextOverlay.h"
#include "photolist/PhotoItem.h"

// The JPEG loader's shrink-on-load for a picture drawn at outWidth x
// outHeight: 1, 2, 4 or 8, leaving at least a factor of two to the resize.
int JpegShrinkOnLoad(int32_t sourceWidth, int32_t sourceHeight, int32_t outWidth,
                     int32_t outHeight);

// The most memory, in bytes, the conversion of photo (its measured source
// size and its output settings) holds at once: the decode at the loader's
// shrink, the output surface and its working copies (overlay, the
// encoder's own, OutputFormatRow::encodeBytesPerPixel).
uint64_t EstimatePeakBytes(const PhotoItem& photo, const TextOverlay& overlay,
                           const SourceLayout& layout);
// The same, reading the layout from the photo's source file.
uint64_t EstimatePhotoPeakBytes(const PhotoItem& photo, const TextOverlay& overlay);

// The budget when none is given: half of the physical memory.
uint64_t DefaultMemoryBudget();
