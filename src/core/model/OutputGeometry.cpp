#include "model/OutputGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/FramePlans.h"
#include "model/OptionTables.h"
#include "platform/Words.h"

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
// integers, the free side rounded to the nearest pixel but at least 1. A box side of 0 or less
// is passed on for the conversion to refuse.
OutputPlan FitInto(int64_t sourceWidth, int64_t sourceHeight, int32_t boxWidth, int32_t boxHeight) {
    if (boxWidth <= 0 || boxHeight <= 0)
        return OutputPlan::Stretched(boxWidth, boxHeight);
    // The width fills the box when the photo is at least as wide, relative
    // to its height, as the box is.
    if (sourceWidth * boxHeight >= sourceHeight * boxWidth)
        return OutputPlan::Stretched(
            boxWidth, std::min(boxHeight, ScaledSide(sourceHeight, sourceWidth, boxWidth)));
    return OutputPlan::Stretched(
        std::min(boxWidth, ScaledSide(sourceWidth, sourceHeight, boxHeight)), boxHeight);
}

}  // namespace

Result<OutputPlan> PlanOutput(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& f,
                              Prompter& prompter) {
    if (sourceWidth == 0 || sourceHeight == 0)
        return Status::Failed({}, words::translate("Reasons", "the photo has no size"));
    const SizeRuleRow* rule = FindSizeRule(f.nOuputSizeType);
    if (!rule) {
        prompter.Tell("unknown error m_outputPhotoFormat.nOuputSizeType", "error");
        return WithFinishing(OutputPlan::Stretched(f.nOutputWidth, f.nOutputHeight), f);
    }
    OutputPlan plan = rule->apply(sourceWidth, sourceHeight, f, prompter);
    if ((rule->inputs & kUsesNoEnlarge) && f.bNoEnlarge && plan.IsStretched())
        plan = OutputPlan::Stretched(std::min(plan.width, sourceWidth),
                                     std::min(plan.height, sourceHeight));
    return WithFinishing(plan, f);
}

void PlanPhotoOutput(PhotoItem& photo, Prompter& prompter) {
    const Result<OutputPlan> plan =
        PlanOutput(photo.nWidth, photo.nHeight, photo.m_outputPhotoFormat, prompter);
    if (!plan)
        return;  // nothing to plan from: the photo is never added so
    photo.plan = plan.Value();
    photo.m_outputPhotoFormat.nOutputWidth = photo.plan.width;
    photo.m_outputPhotoFormat.nOutputHeight = photo.plan.height;
}

OutputPlan ApplyOriginalSize(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat&,
                             Prompter&) {
    return OutputPlan::Stretched(sourceWidth, sourceHeight);
}

OutputPlan ApplyFixedSize(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& f,
                          Prompter& prompter) {
    const double w = sourceWidth;
    const double h = sourceHeight;
    switch (f.nKeepAspectRatio) {
        case kKeepNone: break;
        case kKeepWidth:
            return OutputPlan::Stretched(f.nOutputWidth, Truncate(h / w * f.nOutputWidth));
        case kKeepHeight:
            return OutputPlan::Stretched(Truncate(w / h * f.nOutputHeight), f.nOutputHeight);
        default: prompter.Tell("unknown error nKeepAspectRatio", "error"); break;
    }
    return OutputPlan::Stretched(f.nOutputWidth, f.nOutputHeight);
}

OutputPlan ApplyStretch(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& f,
                        Prompter&) {
    return OutputPlan::Stretched(Truncate(sourceWidth * f.dStretchHorizontal),
                                 Truncate(sourceHeight * f.dStretchVertical));
}

OutputPlan ApplyFitSize(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& f,
                        Prompter&) {
    return FitInto(sourceWidth, sourceHeight, f.nOutputWidth, f.nOutputHeight);
}

OutputPlan ApplyLongEdge(int32_t sourceWidth, int32_t sourceHeight, const OutputPhotoFormat& f,
                         Prompter&) {
    return FitInto(sourceWidth, sourceHeight, f.nLongEdge, f.nLongEdge);
}
