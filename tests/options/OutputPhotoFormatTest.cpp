#include <gtest/gtest.h>

#include "lang/LanguagePack.h"
#include "options/OutputPhotoFormat.h"

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
        EXPECT_EQ(IsIndexedChoice(r.choice), r.indexed) << r.choice;
        EXPECT_FALSE(GetText(c.descriptionId).empty()) << r.choice;
    }
}

TEST(OutputPhotoFormat, Extensions) {
    EXPECT_EQ(ExtensionOfFormat(0), "bmp");
    EXPECT_EQ(ExtensionOfFormat(1), "jpg");
    EXPECT_EQ(ExtensionOfFormat(2), "png");
    EXPECT_EQ(ExtensionOfFormat(3), "tif");
    EXPECT_EQ(ExtensionOfFormat(4), "");
    EXPECT_EQ(ExtensionOfFormat(-1), "");
}

}  // namespace
