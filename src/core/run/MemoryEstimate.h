#pragma once
// How much memory converting a photo takes at its peak, so that a run
// admits photos by a memory budget rather than by their number.

#include <cstdint>
#include <vector>

#include "model/PhotoJob.h"
#include "model/TextOverlay.h"

// The most memory, in bytes, the conversion of a photo (its measured source
// size, its output settings and plan) holds at once: the decode at the
// loader's shrink for the plan's picture size (what the decoder holds whole
// read from the source file's headers, SourceLayout), the output surface
// and its working copies (overlay, the encoder's own,
// OutputFormatRow::encodeBytesPerPixel).
uint64_t EstimatePhotoPeakBytes(const PhotoJob& job, const TextOverlay& overlay);

// The same for the outputs of one photo made from one decode (JobsOfOutputs,
// ConvertPhotoOutputs) with up to atOnce of them encoded at the same time:
// the decode at the plan DecodeOfOutputs gives and its picture, which stays
// while the outputs are made, the outputs' pictures laid out beside it and
// held until encoded, and the atOnce largest encodes with their copies.
// The source file's headers are read once.
uint64_t EstimatePhotoOutputsPeakBytes(const std::vector<PhotoJob>& outputs,
                                       const TextOverlay& overlay, int atOnce);

// The budget when none is given: half of the physical memory.
uint64_t DefaultMemoryBudget();
