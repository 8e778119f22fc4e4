#pragma once
// The output-size rules of a photo and the checks made against the size.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Prompter.h"
#include "model/OutputPhotoFormat.h"

// Applies the record's size rule (options/OptionTables.h) in place. Needs the
// source size as measured when the photo was added (upright, after its EXIF
// orientation). With bNoEnlarge, for the rules that honour it, neither side
// of the result is larger than the photo's own: a smaller photo keeps its
// size. Returns false, changing nothing, when either source side is 0; true
// otherwise, also after reporting an unknown size type or aspect rule
// through the prompter (sizes then unchanged).
bool ComputeOutputSize(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& format,
                       Prompter& prompter);

// The rules themselves, for the size-rule table. Arithmetic in double, ratio
// first and then times the fixed side, truncated toward zero (so 57 / 100 *
// 100 gives 56); results beyond 32 bits saturate. No lower bound: a result
// of 0 is caught when the photo is converted.
void ApplyOriginalSize(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& format,
                       Prompter& prompter);
void ApplyFixedSize(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& format,
                    Prompter& prompter);
void ApplyStretch(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& format,
                  Prompter& prompter);
// Fit and long edge scale the photo into the nOutputWidth x nOutputHeight
// box, or the nLongEdge square, keeping its proportions. Exact integer
// arithmetic: the side that fills the box takes the box's value, the other
// is source side x box side / other source side truncated toward zero, but
// at least 1 (so 1000 x 333 into 100 x 100 gives 100 x 33, and 65535 x 1
// gives 100 x 1). A box side of 0 or less becomes the output size as it is,
// for the conversion to refuse.
void ApplyFitSize(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& format,
                  Prompter& prompter);
void ApplyLongEdge(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& format,
                   Prompter& prompter);
