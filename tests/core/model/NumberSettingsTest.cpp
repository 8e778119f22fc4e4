// The numeric settings' rows: what a stored or typed value must be.

#include <gtest/gtest.h>

#include "model/NumberSettings.h"

namespace {

// A built-in value the program itself refused would make a preset of the
// built-in settings unloadable and the options dialog refuse its own start.
TEST(NumberSettings, BuiltInValuesAreTaken) {
    for (const NumberSetting* row : numbers::All()) {
        // 0 is "worked out by the program" for the command line's own.
        if (row->builtIn == 0 && !row->key && row->min > 0)
            continue;
        EXPECT_TRUE(CheckNumber(*row, row->builtIn)) << row->Name();
    }
}

TEST(NumberSettings, StoredTextIsCheckedAgainstTheRow) {
    struct Case {
        const NumberSetting& row;
        const char* text;
        bool taken;
    } cases[] = {
        {numbers::kQuality, "1", true},
        {numbers::kQuality, "100", true},
        {numbers::kQuality, "0", false},
        {numbers::kQuality, "101", false},
        {numbers::kQuality, "80.5", false},
        {numbers::kQuality, "lots", false},
        {numbers::kQuality, "", false},
        {numbers::kOutputWidth, "-3", false},
        {numbers::kOutputWidth, "10000000", true},
        {numbers::kOutputWidth, "4294968320", false},  // 1024 beyond 32 bits
        {numbers::kStretchVertical, "1e-06", true},
        {numbers::kStretchVertical, "0", false},
        {numbers::kStretchVertical, "inf", false},
        {numbers::kTextSizePercent, "4.5", true},
        {numbers::kTextX, "-7", true},
    };
    for (const Case& c : cases) {
        const Result<double> read = ReadNumber(c.row, c.text);
        EXPECT_EQ(read.IsOk(), c.taken) << c.row.Name() << " '" << c.text << "'";
        if (!read.IsOk())
            EXPECT_EQ(read.GetStatus().Subject(), c.row.key) << c.text;
    }
    // The range is in the message, as the user can act on it.
    EXPECT_EQ(CheckNumber(numbers::kTextOpacity, 140).Told(),
              "nTextOpacity: the value 140 is not between 0 and 100");
    EXPECT_EQ(RangeText(numbers::kStretchHorizontal), "0.000001 to 1000000");
}

TEST(NumberSettings, FontHeightsOfEitherSign) {
    for (int32_t height : {0, -13, 13, -10000, 10000})
        EXPECT_TRUE(CheckFontHeight(height)) << height;
    for (int32_t height : {-10001, 20000}) EXPECT_FALSE(CheckFontHeight(height)) << height;
}

}  // namespace
