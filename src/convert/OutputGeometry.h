#pragma once
// The output-size rules of a photo and the checks made against the size.

#include <cstdint>
#include <string>
#include <vector>

#include "app/Prompter.h"
#include "options/OutputPhotoFormat.h"

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

// The check at the start of each photo's conversion: the string number of
// the message for a width, then a height, of 0 or less (111, 112); 0 when
// both are positive.
int CheckOutputSize(const OutputPhotoFormat& format);

// The pre-run check of the overlay position against the default output
// size: X (then, independently, Y) at or beyond its bound is reported as a
// warning (strings 128, 129) and becomes 0. Negative values pass.
struct TextPositionCheck {
    int32_t x = 0;
    int32_t y = 0;
    bool xReset = false;  // the X edit must now read "0"
    bool yReset = false;
};
TextPositionCheck CheckTextPosition(int32_t x, int32_t y, int32_t defaultWidth,
                                    int32_t defaultHeight, Prompter& prompter);

// The per-photo check, made only for photos drawn with overlay text: X outside
// [0, width) and then Y outside [0, height) become 0, each with a log message
// "<source path> <string 130/131>" for the caller to write.
struct PhotoTextPosition {
    int32_t x = 0;
    int32_t y = 0;
    bool xReset = false;
    bool yReset = false;
    std::vector<std::string> logMessages;
};
PhotoTextPosition CheckPhotoTextPosition(int32_t x, int32_t y, int32_t outputWidth,
                                         int32_t outputHeight, const std::string& sourcePath);
