#include <gtest/gtest.h>

#include "model/OptionTables.h"
#include "model/OutputGeometry.h"
#include "run/OutputChecks.h"
#include "support/RecordingPrompter.h"
#include "texts/LanguagePack.h"

namespace {

struct SizeRow {
    const char* name;
    int srcW, srcH;
    int sizeType, keep;
    int width, height;
    double sh, sv;
    int expectW, expectH;
};

// The rule applied to a photo of srcW x srcH stretches it over expectW x
// expectH, quietly, and the photo's record shows that size.
void ExpectOutputSize(int srcW, int srcH, OutputPhotoFormat f, int expectW, int expectH) {
    RecordingPrompter prompter;
    PhotoItem photo;
    photo.nWidth = srcW;
    photo.nHeight = srcH;
    photo.m_outputPhotoFormat = f;
    PlanPhotoOutput(photo, prompter);
    EXPECT_EQ(photo.plan, OutputPlan::Stretched(expectW, expectH));
    EXPECT_EQ(photo.m_outputPhotoFormat.nOutputWidth, expectW);
    EXPECT_EQ(photo.m_outputPhotoFormat.nOutputHeight, expectH);
    EXPECT_TRUE(prompter.Prompts().empty());
}

class PlanOutputTest : public ::testing::TestWithParam<SizeRow> {};

TEST_P(PlanOutputTest, Rule) {
    const SizeRow& r = GetParam();
    OutputPhotoFormat f;
    f.nOuputSizeType = r.sizeType;
    f.nKeepAspectRatio = r.keep;
    f.nOutputWidth = r.width;
    f.nOutputHeight = r.height;
    f.dStretchHorizontal = r.sh;
    f.dStretchVertical = r.sv;
    ExpectOutputSize(r.srcW, r.srcH, f, r.expectW, r.expectH);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, PlanOutputTest,
    ::testing::Values(SizeRow{"original_ignores_everything", 3000, 2000, 0, 2, 5, 6, 0.5, 9.0, 3000,
                              2000},
                      SizeRow{"fixed_no_rule_distorts", 3000, 2000, 1, 0, 500, 500, 1, 1, 500, 500},
                      SizeRow{"keep_width_truncates", 3000, 2000, 1, 1, 1024, 768, 1, 1, 1024, 682},
                      SizeRow{"keep_height", 3000, 2000, 1, 2, 1024, 768, 1, 1, 1152, 768},
                      SizeRow{"keep_width_ratio_first", 100, 57, 1, 1, 100, 1, 1, 1, 100, 56},
                      SizeRow{"defaults_landscape", 2000, 1500, 1, 1, 1024, 768, 1, 1, 1024, 768},
                      SizeRow{"defaults_portrait", 1500, 2000, 1, 1, 1024, 768, 1, 1, 1024, 1365},
                      SizeRow{"keep_width_zero_width", 3000, 2000, 1, 1, 0, 768, 1, 1, 0, 0},
                      SizeRow{"keep_width_negative", 3000, 2000, 1, 1, -300, 768, 1, 1, -300, -200},
                      SizeRow{"stretch", 333, 200, 2, 0, 1, 1, 0.5, 2.0, 166, 400},
                      SizeRow{"stretch_to_nothing", 640, 480, 2, 0, 1, 1, 0.0001, 0.0001, 0, 0},
                      SizeRow{"stretch_huge_saturates", 64000, 48000, 2, 0, 1, 1, 1e6, 1e6,
                              2147483647, 2147483647}),
    [](const auto& info) { return std::string(info.param.name); });

// Fit, long edge and Do not enlarge: exact integers, the free side rounded
// to the nearest pixel and never below 1, the photo's own size as the ceiling.
struct BoxRow {
    const char* name;
    int srcW, srcH;
    int sizeType;
    int width, height, longEdge;
    bool noEnlarge;
    int expectW, expectH;
};

class BoxRuleTest : public ::testing::TestWithParam<BoxRow> {};

TEST_P(BoxRuleTest, Rule) {
    const BoxRow& r = GetParam();
    OutputPhotoFormat f;
    f.nOuputSizeType = r.sizeType;
    f.nKeepAspectRatio = r.sizeType == kSizeFixed ? kKeepWidth : kKeepNone;
    f.nOutputWidth = r.width;
    f.nOutputHeight = r.height;
    f.nLongEdge = r.longEdge;
    f.bNoEnlarge = r.noEnlarge;
    f.dStretchHorizontal = f.dStretchVertical = 2.0;
    ExpectOutputSize(r.srcW, r.srcH, f, r.expectW, r.expectH);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BoxRuleTest,
    ::testing::Values(
        BoxRow{"fit_landscape_width_fills", 3000, 2000, kSizeFit, 1600, 1200, 0, false, 1600, 1067},
        BoxRow{"fit_portrait_height_fills", 2000, 3000, kSizeFit, 1600, 1200, 0, false, 800, 1200},
        BoxRow{"fit_same_shape_fills_both", 4000, 3000, kSizeFit, 1600, 1200, 0, false, 1600, 1200},
        // 57 / 100 * 100 in double is 56.99999999999999; integers give 57.
        BoxRow{"fit_exact_where_doubles_lose", 100, 57, kSizeFit, 100, 100, 0, false, 100, 57},
        BoxRow{"fit_rounds_down_below_half", 1000, 333, kSizeFit, 100, 100, 0, false, 100, 33},
        BoxRow{"fit_enlarges_small_photo", 100, 66, kSizeFit, 1024, 768, 0, false, 1024, 676},
        BoxRow{"fit_one_pixel_photo", 1, 1, kSizeFit, 1024, 768, 0, false, 768, 768},
        BoxRow{"fit_line_keeps_one_row", 65535, 1, kSizeFit, 1024, 768, 0, false, 1024, 1},
        BoxRow{"fit_column_keeps_one_column", 1, 65535, kSizeFit, 1024, 768, 0, false, 1, 768},
        BoxRow{"fit_largest_square", 65535, 65535, kSizeFit, 1600, 1200, 0, false, 1200, 1200},
        BoxRow{"fit_no_box_is_left_for_the_check", 3000, 2000, kSizeFit, 0, 768, 0, false, 0, 768},
        BoxRow{"long_edge_landscape", 6000, 4000, kSizeLongEdge, 1, 1, 2048, false, 2048, 1365},
        BoxRow{"long_edge_portrait", 4000, 6000, kSizeLongEdge, 1, 1, 2048, false, 1365, 2048},
        // 2252 * 2048 / 3003 is 1535.8: the nearest pixel, not the one below.
        BoxRow{"long_edge_rounds_to_nearest", 3003, 2252, kSizeLongEdge, 1, 1, 2048, false, 2048,
               1536},
        BoxRow{"long_edge_square", 500, 500, kSizeLongEdge, 1, 1, 2048, false, 2048, 2048},
        BoxRow{"long_edge_line", 65535, 1, kSizeLongEdge, 1, 1, 2048, false, 2048, 1},
        BoxRow{"long_edge_one_pixel", 1, 1, kSizeLongEdge, 1, 1, 1, false, 1, 1},
        BoxRow{"long_edge_largest", 65535, 65534, kSizeLongEdge, 1, 1, 65535, false, 65535, 65534},
        BoxRow{"long_edge_ignores_width_height", 300, 200, kSizeLongEdge, 7, 9, 150, false, 150,
               100},
        BoxRow{"no_enlarge_fit_small_keeps_size", 100, 66, kSizeFit, 1024, 768, 0, true, 100, 66},
        BoxRow{"no_enlarge_fit_large_shrinks", 3000, 2000, kSizeFit, 1600, 1200, 0, true, 1600,
               1067},
        BoxRow{"no_enlarge_fit_exact_size", 1600, 1200, kSizeFit, 1600, 1200, 0, true, 1600, 1200},
        BoxRow{"no_enlarge_long_edge_one_pixel", 1, 1, kSizeLongEdge, 1, 1, 2048, true, 1, 1},
        BoxRow{"no_enlarge_long_edge_line", 65535, 1, kSizeLongEdge, 1, 1, 2048, true, 2048, 1},
        BoxRow{"no_enlarge_fixed_keep_width", 100, 66, kSizeFixed, 1024, 768, 0, true, 100, 66},
        BoxRow{"no_enlarge_fixed_shrinks", 3000, 2000, kSizeFixed, 1024, 768, 0, true, 1024, 682},
        BoxRow{"no_enlarge_not_for_stretch", 100, 66, kSizeStretch, 1, 1, 0, true, 200, 132},
        BoxRow{"no_enlarge_not_for_original", 100, 66, kSizeOriginal, 1024, 768, 0, true, 100, 66}),
    [](const auto& info) { return std::string(info.param.name); });

// Without an aspect rule each side is held to the photo's own separately.
TEST(PlanOutput, NoEnlargeHoldsEachSideOfADistortingFixedSize) {
    OutputPhotoFormat f;
    f.nOuputSizeType = kSizeFixed;
    f.nKeepAspectRatio = kKeepNone;
    f.nOutputWidth = 500;
    f.nOutputHeight = 500;
    f.bNoEnlarge = true;
    ExpectOutputSize(1000, 200, f, 500, 200);
}

TEST(PlanOutput, ZeroSourceChangesNothing) {
    RecordingPrompter prompter;
    for (auto [w, h] : {std::pair{0, 100}, std::pair{100, 0}, std::pair{0, 0}}) {
        PhotoItem photo;
        photo.nWidth = w;
        photo.nHeight = h;
        photo.m_outputPhotoFormat.nOuputSizeType = 0;
        const PhotoItem before = photo;
        EXPECT_FALSE(PlanOutput(w, h, photo.m_outputPhotoFormat, prompter));
        PlanPhotoOutput(photo, prompter);
        EXPECT_EQ(photo, before);
    }
    EXPECT_TRUE(prompter.Prompts().empty());
}

TEST(PlanOutput, UnknownValuesAreReportedAndLeaveTheSize) {
    struct Row {
        int sizeType, keep;
        const char* message;
    } rows[] = {
        {1, 3, "unknown error nKeepAspectRatio"},
        {1, -1, "unknown error nKeepAspectRatio"},
        {int(SizeRules().size()) + 2, 1, "unknown error m_outputPhotoFormat.nOuputSizeType"},
        {-1, 0, "unknown error m_outputPhotoFormat.nOuputSizeType"},
    };
    for (const Row& r : rows) {
        RecordingPrompter prompter;
        OutputPhotoFormat f;
        f.nOuputSizeType = r.sizeType;
        f.nKeepAspectRatio = r.keep;
        const Result<OutputPlan> plan = PlanOutput(3000, 2000, f, prompter);
        ASSERT_TRUE(plan);
        EXPECT_EQ(plan.Value(), OutputPlan::Stretched(1024, 768));
        ASSERT_EQ(prompter.Prompts().size(), 1u);
        EXPECT_EQ(prompter.Prompts()[0].text, r.message);
        EXPECT_EQ(prompter.Prompts()[0].caption, "error");
    }
}

TEST(CheckOutputSize, WidthIsCheckedFirst) {
    struct Row {
        int w, h;
        bool ok;
        const char* message;
    } rows[] = {
        {1, 1, true, nullptr},
        {0, 0, false, "The output width is invalid!"},
        {-5, 10, false, "The output width is invalid!"},
        {10, 0, false, "The output hight is invalid!"},
        {10, -1, false, "The output hight is invalid!"},
    };
    for (const Row& r : rows) {
        const int message = CheckOutputSize(r.w, r.h);
        EXPECT_EQ(message == 0, r.ok);
        EXPECT_EQ(message == 0 ? std::string() : GetText(message), r.message ? r.message : "");
    }
}

TEST(CheckTextPosition, BoundIsExclusiveAndNegativesPass) {
    struct Row {
        int x, y;
        int expectX, expectY;
        std::vector<std::string> messages;
    } rows[] = {
        {1023, 767, 1023, 767, {}},
        {1024,
         0,
         0,
         0,
         {"The text position X is bigger than the photo width!, The program set it to 0 now."}},
        {0,
         768,
         0,
         0,
         {"The text position Y is bigger than the photo height!, The program set it to 0 now."}},
        {5000,
         5000,
         0,
         0,
         {"The text position X is bigger than the photo width!, The program set it to 0 now.",
          "The text position Y is bigger than the photo height!, The program set it to 0 now."}},
        {-5, -9, -5, -9, {}},
    };
    for (const Row& r : rows) {
        RecordingPrompter prompter;
        TextPositionCheck c = CheckTextPosition(r.x, r.y, 1024, 768, prompter);
        EXPECT_EQ(c.x, r.expectX) << r.x;
        EXPECT_EQ(c.y, r.expectY) << r.y;
        EXPECT_EQ(prompter.Texts(), r.messages) << r.x << "," << r.y;
        EXPECT_EQ(c.xReset, r.x >= 1024);
        EXPECT_EQ(c.yReset, r.y >= 768);
        for (const auto& p : prompter.Prompts()) EXPECT_EQ(p.caption, "Warning");
    }
}

TEST(CheckPhotoTextPosition, OutOfRangeBecomesZeroWithLogLines) {
    const std::string x = "The text position X is out of range! The program set it to 0 now.";
    const std::string y = "The text position Y is out of range! The program set it to 0 now.";
    struct Row {
        int x, y;
        int expectX, expectY;
        std::vector<std::string> log;
    } rows[] = {
        {10, 20, 10, 20, {}},
        {-5, 3, 0, 3, {"/in/a.jpg " + x}},
        {640, 479, 0, 479, {"/in/a.jpg " + x}},
        {639, 480, 639, 0, {"/in/a.jpg " + y}},
        {-1, -1, 0, 0, {"/in/a.jpg " + x, "/in/a.jpg " + y}},
    };
    for (const Row& r : rows) {
        PhotoTextPosition p = CheckPhotoTextPosition(r.x, r.y, 640, 480, "/in/a.jpg");
        EXPECT_EQ(p.x, r.expectX);
        EXPECT_EQ(p.y, r.expectY);
        EXPECT_EQ(p.logMessages, r.log);
        EXPECT_EQ(p.xReset, r.x != r.expectX);
        EXPECT_EQ(p.yReset, r.y != r.expectY);
    }
}

}  // namespace
