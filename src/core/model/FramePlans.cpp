#include "model/FramePlans.h"

#include <algorithm>

#include "model/OptionTables.h"

int32_t ScaledSide(int64_t sourceSide, int64_t otherSource, int64_t otherTarget) {
    // Exact in 64 bits: sides up to 2^31 times a box side up to 10^7.
    const int64_t rounded = (2 * sourceSide * otherTarget + otherSource) / (2 * otherSource);
    return static_cast<int32_t>(std::clamp<int64_t>(rounded, 1, INT32_MAX));
}

namespace {

// Where a picture of `size` sits along an output side of `room`: at the
// start, in the middle, or at the end (negative where it overflows).
int32_t Place(int32_t room, int32_t size, int step) {
    const int64_t spare = int64_t{room} - size;
    return static_cast<int32_t>(step == 0 ? 0 : step == 2 ? spare : spare / 2);
}

OutputPlan Framed(int32_t boxWidth, int32_t boxHeight, int32_t pictureWidth, int32_t pictureHeight,
                  int32_t anchor) {
    const bool smart = anchor == kCropSmart;
    const TextAnchorRow& row = TextAnchorOf(smart ? kAnchorCenter : anchor);
    return OutputPlan::Placed(boxWidth, boxHeight,
                              {Place(boxWidth, pictureWidth, row.column),
                               Place(boxHeight, pictureHeight, row.row), pictureWidth,
                               pictureHeight});
}

}  // namespace

OutputPlan ApplyFill(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& f,
                     Prompter&) {
    const int32_t w = f.nOutputWidth, h = f.nOutputHeight;
    if (w <= 0 || h <= 0)
        return OutputPlan::Stretched(w, h);
    // The photo is wider than the box, relative to its height: the height
    // fills the box and the width overflows.
    const bool wider = int64_t{sourceWidth} * h >= int64_t{sourceHeight} * w;
    const int32_t pw = wider ? std::max(w, ScaledSide(sourceWidth, sourceHeight, h)) : w;
    const int32_t ph = wider ? h : std::max(h, ScaledSide(sourceHeight, sourceWidth, w));
    OutputPlan plan = Framed(w, h, pw, ph, f.nCropAnchor);
    plan.attention = f.nCropAnchor == kCropSmart && !plan.IsStretched();
    return plan;
}

OutputPlan ApplyPad(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& f,
                    Prompter&) {
    const int32_t w = f.nOutputWidth, h = f.nOutputHeight;
    if (w <= 0 || h <= 0)
        return OutputPlan::Stretched(w, h);
    const bool wider = int64_t{sourceWidth} * h >= int64_t{sourceHeight} * w;
    const int32_t pw = wider ? w : std::min(w, ScaledSide(sourceWidth, sourceHeight, h));
    const int32_t ph = wider ? std::min(h, ScaledSide(sourceHeight, sourceWidth, w)) : h;
    return Framed(w, h, pw, ph, f.nCropAnchor);
}

PlanColour ColourOf(uint32_t colorRef) {
    return {static_cast<uint8_t>(colorRef & 0xFF), static_cast<uint8_t>((colorRef >> 8) & 0xFF),
            static_cast<uint8_t>((colorRef >> 16) & 0xFF)};
}

OutputPlan WithFinishing(OutputPlan plan, const OutputPhotoFormat& format) {
    plan.background = ColourOf(format.nBackgroundColor);
    plan.sharpen = format.nSharpen;
    return plan;
}
