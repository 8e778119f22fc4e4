#pragma once
// The checks a run makes against the output size: the size itself and the
// overlay's position.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Prompter.h"

// The check at the start of each photo's conversion: the string number of
// the message for an output width, then height, of 0 or less (111, 112); 0
// when both are positive.
int CheckOutputSize(int32_t width, int32_t height);

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
