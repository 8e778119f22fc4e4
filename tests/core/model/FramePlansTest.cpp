// Fill and pad: the output is exactly the box, and the picture lies where
// the crop anchor says.

#include <gtest/gtest.h>

#include "model/OutputGeometry.h"
#include "support/RecordingPrompter.h"

namespace {

struct FrameRow {
    const char* name;
    int32_t rule;
    int srcW, srcH, boxW, boxH;
    int32_t anchor;
    PlanRect picture;  // where the whole source lies on the box
};

class FramePlanTest : public ::testing::TestWithParam<FrameRow> {};

TEST_P(FramePlanTest, OutputIsTheBoxWithThePictureAtItsAnchor) {
    const FrameRow& r = GetParam();
    OutputPhotoFormat f;
    f.nOuputSizeType = r.rule;
    f.nOutputWidth = r.boxW;
    f.nOutputHeight = r.boxH;
    f.nCropAnchor = r.anchor;
    RecordingPrompter prompter;
    const Result<OutputPlan> plan = PlanOutput(r.srcW, r.srcH, f, prompter);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan.Value().width, r.boxW);
    EXPECT_EQ(plan.Value().height, r.boxH);
    EXPECT_EQ(plan.Value().picture, r.picture);
    EXPECT_EQ(plan.Value().attention, r.anchor == kCropSmart && r.rule == kSizeFill &&
                                          !(r.picture == PlanRect{0, 0, r.boxW, r.boxH}));
    EXPECT_TRUE(plan.Value().IsDrawable());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FramePlanTest,
    ::testing::Values(
        // 4:3 landscape into a square: 1440 x 1080, 360 pixels to crop.
        FrameRow{"fill_landscape_left", kSizeFill, 4000, 3000, 1080, 1080, kAnchorLeft,
                 {0, 0, 1440, 1080}},
        FrameRow{"fill_landscape_center", kSizeFill, 4000, 3000, 1080, 1080, kAnchorCenter,
                 {-180, 0, 1440, 1080}},
        FrameRow{"fill_landscape_bottom_right", kSizeFill, 4000, 3000, 1080, 1080,
                 kAnchorBottomRight, {-360, 0, 1440, 1080}},
        FrameRow{"fill_landscape_smart_starts_centred", kSizeFill, 4000, 3000, 1080, 1080,
                 kCropSmart, {-180, 0, 1440, 1080}},
        // 3:4 portrait into 4:5: the height overflows.
        FrameRow{"fill_portrait_top", kSizeFill, 3000, 4000, 1080, 1350, kAnchorTop,
                 {0, 0, 1080, 1440}},
        FrameRow{"fill_portrait_center", kSizeFill, 3000, 4000, 1080, 1350, kAnchorCenter,
                 {0, -45, 1080, 1440}},
        FrameRow{"fill_portrait_bottom_left", kSizeFill, 3000, 4000, 1080, 1350, kAnchorBottomLeft,
                 {0, -90, 1080, 1440}},
        FrameRow{"fill_square_needs_no_crop", kSizeFill, 2000, 2000, 1080, 1080, kCropSmart,
                 {0, 0, 1080, 1080}},
        // 2252 * 2048 / 3003 is 1535.8: the nearest pixel.
        FrameRow{"fill_rounds_the_overflowing_side", kSizeFill, 3003, 2252, 2048, 1000,
                 kAnchorCenter, {0, -268, 2048, 1536}},
        FrameRow{"pad_landscape_center", kSizePad, 4000, 3000, 1080, 1080, kAnchorCenter,
                 {0, 135, 1080, 810}},
        FrameRow{"pad_landscape_bottom", kSizePad, 4000, 3000, 1080, 1080, kAnchorBottom,
                 {0, 270, 1080, 810}},
        FrameRow{"pad_portrait_right", kSizePad, 3000, 4000, 1200, 628, kAnchorRight,
                 {729, 0, 471, 628}},
        FrameRow{"pad_smart_is_centred", kSizePad, 3000, 4000, 1200, 628, kCropSmart,
                 {364, 0, 471, 628}},
        FrameRow{"pad_same_shape_fills", kSizePad, 4000, 3000, 800, 600, kAnchorTopLeft,
                 {0, 0, 800, 600}}),
    [](const auto& info) { return std::string(info.param.name); });

// The background colour and the sharpening reach every rule's plan, so the
// decode and the preview carry them out alike.
TEST(FramePlan, EveryRuleCarriesTheBackgroundAndSharpening) {
    for (const int32_t rule : {kSizeOriginal, kSizeFixed, kSizeFit, kSizeFill, kSizePad}) {
        OutputPhotoFormat f;
        f.nOuputSizeType = rule;
        f.nBackgroundColor = 0x00332211;  // 0x00BBGGRR
        f.nSharpen = kSharpenMedium;
        RecordingPrompter prompter;
        const OutputPlan plan = PlanOutput(3000, 2000, f, prompter).Value();
        EXPECT_EQ(plan.background, (PlanColour{0x11, 0x22, 0x33})) << rule;
        EXPECT_EQ(plan.sharpen, kSharpenMedium) << rule;
    }
}

}  // namespace
