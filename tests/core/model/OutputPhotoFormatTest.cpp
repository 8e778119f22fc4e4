#include <gtest/gtest.h>

#include "texts/LanguagePack.h"
#include "model/OptionTables.h"

#include <set>

namespace {

TEST(OutputPhotoFormat, BuiltInDefaults) {
    OutputPhotoFormat f = BuiltInDefaultOutputPhotoFormat();
    EXPECT_EQ(f.nOuputSizeType, 1);
    EXPECT_EQ(f.nOutputWidth, 1024);
    EXPECT_EQ(f.nOutputHeight, 768);
    EXPECT_EQ(f.nOuptputFormat, 1);
    EXPECT_EQ(f.iComboPixelFormat, 4);
    EXPECT_EQ(f.nCurrentJpegQuality, 80);
    EXPECT_EQ(f.nKeepAspectRatio, 1);
    EXPECT_EQ(f.dStretchHorizontal, 1.0);
    EXPECT_EQ(f.dStretchVertical, 1.0);
    EXPECT_EQ(f.nRotateAngel, 0);
    EXPECT_EQ(f.nFlipType, 0);
}

TEST(OutputPhotoFormat, PixelFormatTable) {
    struct Row {
        int choice;
        const char* entry;
        uint32_t constant;
        int description;
        bool indexed;
    } rows[] = {
        {0, "1 bit Indexed", 0x00030101, 138, true},
        {1, "4 bits Indexed", 0x00030402, 139, true},
        {2, "8 bits Indexed", 0x00030803, 140, true},
        {3, "16 bits RGB565", 0x00021006, 141, false},
        {4, "24 bits RGB", 0x00021808, 142, false},
        {5, "32 bits ARGB", 0x0026200A, 143, false},
        {6, "32 bits PARGB", 0x000E200B, 144, false},
        {7, "32 bits RGB", 0x00022009, 145, false},
        {8, "64 bits ARGB", 0x0034400D, 146, false},
        {9, "64 bits PARGB", 0x001C400E, 147, false},
        // Anything else stands for 24 bits RGB.
        {-1, "24 bits RGB", 0x00021808, 142, false},
        {10, "24 bits RGB", 0x00021808, 142, false},
        {1000, "24 bits RGB", 0x00021808, 142, false},
    };
    for (const Row& r : rows) {
        const PixelFormatChoice& c = PixelFormatOf(r.choice);
        EXPECT_STREQ(c.entry, r.entry) << r.choice;
        EXPECT_EQ(c.constant, r.constant) << r.choice;
        EXPECT_EQ(c.descriptionId, r.description) << r.choice;
        EXPECT_EQ(c.indexedBits != 0, r.indexed) << r.choice;
        EXPECT_FALSE(GetText(c.descriptionId).empty()) << r.choice;
    }
}

// What lets a new row work everywhere without further edits: ids that are
// list positions, names no other row claims, and something to do.
TEST(OptionTables, RowsAreWholeAndDistinct) {
    std::set<std::string> formatNames, extensions;
    for (std::size_t i = 0; i < OutputFormats().size(); ++i) {
        const OutputFormatRow& row = OutputFormats()[i];
        EXPECT_EQ(row.id, static_cast<int32_t>(i)) << row.listText;
        EXPECT_EQ(FindOutputFormat(row.id), &row);
        EXPECT_TRUE(extensions.insert(row.extension).second) << row.extension;
        ASSERT_FALSE(row.cliNames.empty()) << row.listText;
        for (const std::string& name : row.cliNames)
            EXPECT_TRUE(formatNames.insert(name).second) << name;
        // Only a row that follows the source writes through another row.
        EXPECT_EQ(row.encode == nullptr, (row.settings & kFollowsSource) != 0) << row.listText;
    }
    EXPECT_EQ(FindOutputFormat(static_cast<int32_t>(OutputFormats().size())), nullptr);
    EXPECT_EQ(FindOutputFormat(-1), nullptr);

    std::set<std::string> ruleNames, radios;
    for (const SizeRuleRow& row : SizeRules()) {
        EXPECT_EQ(FindSizeRule(row.id), &row);
        EXPECT_TRUE(ruleNames.insert(row.cliName).second) << row.cliName;
        EXPECT_TRUE(radios.insert(row.radioName).second) << row.radioName;
        EXPECT_NE(row.apply, nullptr) << row.cliName;
    }
    std::set<std::string> pixelNames;
    for (int i = 0; i < kPixelFormatChoiceCount; ++i)
        EXPECT_TRUE(pixelNames.insert(PixelFormatChoices()[i].cliName).second) << i;
}

TEST(OutputPhotoFormat, Extensions) {
    EXPECT_EQ(ExtensionOfFormat(0), "bmp");
    EXPECT_EQ(ExtensionOfFormat(1), "jpg");
    EXPECT_EQ(ExtensionOfFormat(2), "png");
    EXPECT_EQ(ExtensionOfFormat(3), "tif");
    EXPECT_EQ(ExtensionOfFormat(4), "webp");
    EXPECT_EQ(ExtensionOfFormat(5), "avif");
    EXPECT_EQ(ExtensionOfFormat(6), "jxl");
    EXPECT_EQ(ExtensionOfFormat(kFormatSame), "");  // the source's, see OutputFormatFor
    EXPECT_EQ(ExtensionOfFormat(8), "");
    EXPECT_EQ(ExtensionOfFormat(-1), "");
}

}  // namespace
