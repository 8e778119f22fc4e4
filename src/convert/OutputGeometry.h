#pragma once
// The output-size rule of a photo and the checks made against it.

#include <cstdint>
#include <string>
#include <vector>

#include "app/Prompter.h"
#include "options/OutputPhotoFormat.h"

// Applies the size rule to the record in place. Needs the source size as
// measured when the photo was added. Returns false, changing nothing, when
// either source side is 0; true otherwise, also after reporting an unknown
// size type or aspect rule through the prompter (sizes then unchanged).
// Ratio first, then times the fixed side, truncated toward zero.
bool ComputeOutputSize(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& format,
                       Prompter& prompter);

// The check at the start of each photo's conversion: reports a width, then a
// height, of 0 or less (strings 111, 112, caption 106) and returns false;
// true when both are positive.
bool CheckOutputSize(const OutputPhotoFormat& format, Prompter& prompter);

// The text as C's atoi reads it: leading blanks, an optional sign, digits up
// to the first non-digit; 0 for no digits. Saturates instead of overflowing.
int32_t AtoiLike(const std::string& text);

// The pre-run check of the overlay position against the default output
// size: X (then, independently, Y) at or beyond its bound is reported as a
// warning and becomes 0. Negative values pass.
struct TextPositionCheck {
    int32_t x = 0;
    int32_t y = 0;
    bool xReset = false;  // the X edit must now read "0"
    bool yReset = false;
};
TextPositionCheck CheckTextPosition(const std::string& xText, const std::string& yText,
                                    int32_t defaultWidth, int32_t defaultHeight,
                                    Prompter& prompter);

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
PhotoTextPosition CheckPhotoTextPosition(const std::string& xText, const std::string& yText,
                                         int32_t outputWidth, int32_t outputHeight,
                                         const std::string& sourcePath);
