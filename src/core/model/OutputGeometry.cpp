#include "model/OutputGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/OptionTables.h"

namespace {

// Double to 32-bit integer, truncating toward zero; out-of-range values
// saturate instead of being undefined.
int32_t Truncate(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

// The whole picture scaled into a box, proportions kept: exact in 64-bit
// integers, the free side truncated but at least 1. A box side of 0 or less
// is passed on for the conversion to refuse.
void FitInto(int64_t sourceWidth, int64_t sourceHeight, int32_t boxWidth, int32_t boxHeight,
             OutputPhotoFormat& f) {
    if (boxWidth <= 0 || boxHeight <= 0) {
        f.nOutputWidth = boxWidth;
        f.nOutputHeight = boxHeight;
        return;
    }
    // The width fills the box when the photo is at least as wide, relative
    // to its height, as the box is.
    if (sourceWidth * boxHeight >= sourceHeight * boxWidth) {
        f.nOutputWidth = boxWidth;
        f.nOutputHeight = static_cast<int32_t>(std::max<int64_t>(1, sourceHeight * boxWidth / sourceWidth));
    } else {
        f.nOutputHeight = boxHeight;
        f.nOutputWidth = static_cast<int32_t>(std::max<int64_t>(1, sourceWidth * boxHeight / sourceHeight));
    }
}

}  // namespace

bool ComputeOutputSize(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& f,
                       Prompter& prompter) {
    if (sourceWidth == 0 || sourceHeight == 0)
        return false;
    const SizeRuleRow* rule = FindSizeRule(f.nOuputSizeType);
    if (!rule) {
        prompter.Tell("unknown error m_outputPhotoFormat.nOuputSizeType", "error");
        return true;
    }
    rule->apply(sourceWidth, sourceHeight, f, prompter);
    if ((rule->inputs & kUsesNoEnlarge) && f.bNoEnlarge) {
        f.nOutputWidth = std::min(f.nOutputWidth, sourceWidth);
        f.nOutputHeight = std::min(f.nOutputHeight, sourceHeight);
    }
    return true;
}

void ApplyOriginalSize(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& f, Prompter&) {
    f.nOutputWidth = sourceWidth;
    f.nOutputHeight = sourceHeight;
}

void ApplyFixedSize(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& f,
                    Prompter& prompter) {
    const double w = sourceWidth;
    const double h = sourceHeight;
    switch (f.nKeepAspectRatio) {
    case kKeepNone:
        break;
    case kKeepWidth:
        f.nOutputHeight = Truncate(h / w * f.nOutputWidth);
        break;
    case kKeepHeight:
        f.nOutputWidth = Truncate(w / h * f.nOutputHeight);
        break;
    default:
        prompter.Tell("unknown error nKeepAspectRatio", "error");
        break;
    }
}

void ApplyStretch(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& f, Prompter&) {
    f.nOutputWidth = Truncate(sourceWidth * f.dStretchHorizontal);
    f.nOutputHeight = Truncate(sourceHeight * f.dStretchVertical);
}

void ApplyFitSize(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& f, Prompter&) {
    FitInto(sourceWidth, sourceHeight, f.nOutputWidth, f.nOutputHeight, f);
}

void ApplyLongEdge(int32_t sourceWidth, int32_t sourceHeight, OutputPhotoFormat& f, Prompter&) {
    FitInto(sourceWidth, sourceHeight, f.nLongEdge, f.nLongEdge, f);
}
