#include <gtest/gtest.h>

#include "model/OptionTables.h"
#include "texts/LanguagePack.h"

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

// The list entry, the description beside it and the depth of the BMP
// written, for each stored choice.
TEST(OutputPhotoFormat, PixelFormatTable) {
    struct Row {
        int32_t id;
        const char* entry;
        int description;
        int indexedBits;
    } rows[] = {
        {0, "1 bit Indexed", 138, 1},
        {1, "4 bits Indexed", 139, 4},
        {2, "8 bits Indexed", 140, 8},
        {3, "16 bits RGB565", 141, 0},
        {4, "24 bits RGB", 142, 0},
        {5, "32 bits ARGB", 143, 0},
        {6, "32 bits PARGB", 144, 0},
        {7, "32 bits RGB", 145, 0},
        {8, "64 bits ARGB", 146, 0},
        {9, "64 bits PARGB", 147, 0},
        // Anything else stands for 24 bits RGB, the options dialog's "no
        // entry" among them.
        {kNoListEntry, "24 bits RGB", 142, 0},
        {10, "24 bits RGB", 142, 0},
        {1000, "24 bits RGB", 142, 0},
    };
    for (const Row& r : rows) {
        const PixelFormatChoice& c = PixelFormatOf(r.id);
        EXPECT_STREQ(c.entry, r.entry) << r.id;
        EXPECT_EQ(c.descriptionId, r.description) << r.id;
        EXPECT_EQ(c.indexedBits, r.indexedBits) << r.id;
        EXPECT_FALSE(GetText(c.descriptionId).empty()) << r.id;
    }
}

// A stored value keeps its meaning whatever the order of the lists: the
// settings and presets written by earlier versions hold these ids.
TEST(OptionTables, StoredIdsKeepTheirMeaning) {
    const std::pair<int32_t, const char*> formats[] = {{0, "bmp"}, {1, "jpg"},  {2, "png"},
                                                       {3, "tif"}, {4, "webp"}, {5, "avif"},
                                                       {6, "jxl"}, {7, "same"}};
    for (auto [id, name] : formats) {
        ASSERT_NE(FindOutputFormat(id), nullptr) << id;
        EXPECT_EQ(FindOutputFormat(id)->cliNames.front(), name) << id;
    }
    const std::pair<int32_t, const char*> rules[] = {
        {0, "original"}, {1, "fixed"}, {2, "stretch"}, {3, "fit"}, {4, "long-edge"}};
    for (auto [id, name] : rules) EXPECT_STREQ(FindSizeRule(id)->cliName, name) << id;
    const char* anchors[] = {"top-left", "top",         "top-right", "left",        "center",
                             "right",    "bottom-left", "bottom",    "bottom-right"};
    for (int32_t id = 0; id < 9; ++id) EXPECT_STREQ(TextAnchorOf(id).cliName, anchors[id]) << id;
    struct Set {
        std::vector<const char*> names;  // by id from 0
        std::vector<std::pair<int32_t, const char*>> rows;
    };
    auto named = [](const auto& rows) {
        std::vector<std::pair<int32_t, const char*>> out;
        for (const auto& row : rows) out.push_back({row.id, row.cliName});
        return out;
    };
    const Set sets[] = {
        {{"none", "outline", "shadow"}, named(TextEffects())},
        {{"none", "no-location", "all"}, named(MetadataChoices())},
        {{"file", "taken"}, named(NamingDateChoices())},
        {{"none", "width", "height"}, named(KeepAspectChoices())},
        {{"none", "horizontal", "vertical"}, named(FlipChoices())},
    };
    for (const Set& set : sets) {
        ASSERT_EQ(set.rows.size(), set.names.size());
        for (auto [id, name] : set.rows) EXPECT_STREQ(set.names.at(id), name) << id;
    }
}

// What lets a new row work everywhere without further edits: ids no other
// row and no reserved value claim, names no other row claims, and something
// to do.
TEST(OptionTables, RowsAreWholeAndDistinct) {
    std::set<int32_t> formatIds;
    std::set<std::string> formatNames, extensions;
    for (const OutputFormatRow& row : OutputFormats()) {
        EXPECT_TRUE(formatIds.insert(row.id).second) << row.listText;
        EXPECT_NE(row.id, kFormatNothingToSet) << row.listText;
        EXPECT_NE(row.id, kNoListEntry) << row.listText;
        EXPECT_EQ(FindOutputFormat(row.id), &row);
        EXPECT_TRUE(extensions.insert(row.extension).second) << row.extension;
        ASSERT_FALSE(row.cliNames.empty()) << row.listText;
        for (const std::string& name : row.cliNames)
            EXPECT_TRUE(formatNames.insert(name).second) << name;
        // Only a row that follows the source writes through another row.
        EXPECT_EQ(row.encode == nullptr, (row.settings & kFollowsSource) != 0) << row.listText;
        // A kept source format is named in the help's sentences.
        EXPECT_EQ(row.sourceFormat == nullptr, row.sourceName == nullptr) << row.listText;
    }
    EXPECT_EQ(FindOutputFormat(kFormatNothingToSet), nullptr);
    EXPECT_EQ(FindOutputFormat(kNoListEntry), nullptr);

    std::set<std::string> ruleNames, radios;
    for (const SizeRuleRow& row : SizeRules()) {
        EXPECT_EQ(FindSizeRule(row.id), &row);
        EXPECT_TRUE(ruleNames.insert(row.cliName).second) << row.cliName;
        EXPECT_TRUE(radios.insert(row.radioName).second) << row.radioName;
        EXPECT_NE(row.apply, nullptr) << row.cliName;
    }
    std::set<std::string> pixelNames;
    std::set<int32_t> pixelIds;
    for (const PixelFormatChoice& row : PixelFormatChoices()) {
        EXPECT_TRUE(pixelNames.insert(row.cliName).second) << row.id;
        EXPECT_TRUE(pixelIds.insert(row.id).second) << row.id;
        EXPECT_NE(row.id, kNoListEntry);
    }
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
