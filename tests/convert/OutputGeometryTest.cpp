#include <gtest/gtest.h>

#include "convert/OutputGeometry.h"
#include "lang/LanguagePack.h"
#include "options/OptionTables.h"
#include "support/RecordingPrompter.h"

namespace {

struct SizeRow {
    const char* name;
    int srcW, srcH;
    int sizeType, keep;
    int width, height;
    double sh, sv;
    int expectW, expectH;
};

class ComputeOutputSizeTest : public ::testing::TestWithParam<SizeRow> {};

TEST_P(ComputeOutputSizeTest, Rule) {
    const SizeRow& r = GetParam();
    OutputPhotoFormat f;
    f.nOuputSizeType = r.sizeType;
    f.nKeepAspectRatio = r.keep;
    f.nOutputWidth = r.width;
    f.nOutputHeight = r.height;
    f.dStretchHorizontal = r.sh;
    f.dStretchVertical = r.sv;
    RecordingPrompter prompter;
    EXPECT_TRUE(ComputeOutputSize(r.srcW, r.srcH, f, prompter));
    EXPECT_EQ(f.nOutputWidth, r.expectW);
    EXPECT_EQ(f.nOutputHeight, r.expectH);
    EXPECT_TRUE(prompter.Prompts().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ComputeOutputSizeTest,
    ::testing::Values(
        SizeRow{"original_ignores_everything", 3000, 2000, 0, 2, 5, 6, 0.5, 9.0, 3000, 2000},
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
        SizeRow{"stretch_huge_saturates", 64000, 48000, 2, 0, 1, 1, 1e6, 1e6, 2147483647,
                2147483647}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComputeOutputSize, ZeroSourceChangesNothing) {
    RecordingPrompter prompter;
    for (auto [w, h] : {std::pair{0, 100}, std::pair{100, 0}, std::pair{0, 0}}) {
        OutputPhotoFormat f;
        f.nOuputSizeType = 0;
        const OutputPhotoFormat before = f;
        EXPECT_FALSE(ComputeOutputSize(w, h, f, prompter));
        EXPECT_EQ(f, before);
    }
    EXPECT_TRUE(prompter.Prompts().empty());
}

TEST(ComputeOutputSize, UnknownValuesAreReportedAndLeaveTheSize) {
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
        EXPECT_TRUE(ComputeOutputSize(3000, 2000, f, prompter));
        EXPECT_EQ(f.nOutputWidth, 1024);
        EXPECT_EQ(f.nOutputHeight, 768);
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
        OutputPhotoFormat f;
        f.nOutputWidth = r.w;
        f.nOutputHeight = r.h;
        const int message = CheckOutputSize(f);
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
        {1024, 0, 0, 0,
         {"The text position X is bigger than the photo width!, The program set it to 0 now."}},
        {0, 768, 0, 0,
         {"The text position Y is bigger than the photo height!, The program set it to 0 now."}},
        {5000, 5000, 0, 0,
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
        for (const auto& p : prompter.Prompts())
            EXPECT_EQ(p.caption, "Warning");
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
