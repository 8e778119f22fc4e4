#pragma once
// How much memory converting a photo takes at its peak, so that a run
// admits photos by a memory budget rather than by their number.

#include <cstdint>

#include "model/TextOverlay.h"
#include "model/PhotoItem.h"

// The most memory, in bytes, the conversion of photo (its measured source
// size and its output settings) holds at once: the decode at the loader's
// shrink (what the decoder holds whole read from the source file's headers,
// SourceLayout), the output surface and its working copies (overlay, the
// encoder's own, OutputFormatRow::encodeBytesPerPixel).
uint64_t EstimatePhotoPeakBytes(const PhotoItem& photo, const TextOverlay& overlay);

// The budget when none is given: half of the physical memory.
uint64_t DefaultMemoryBudget();
