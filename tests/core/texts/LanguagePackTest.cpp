#include <gtest/gtest.h>

#include "texts/LanguagePack.h"

namespace {

TEST(LanguagePack, BuiltInTexts) {
    struct Row {
        int id;
        const char* text;
    } rows[] = {
        {106, "Error"},
        {112, "The output hight is invalid!"},
        {116, "Unknown rotate angle!"},
        {119, "Warning"},
        {120, "%s exists. Do you want to replace it?"},
        {131, "The text position Y is out of range! The program set it to 0 now."},
        {138, "1 bit per pixel, indexed. 2 color."},
        {142, "24 bits per pixel; 8 bits each are used for the red, green, and blue components."},
        {200, ""},
        {0, ""},
        {-1, ""},
    };
    LanguagePack pack;
    for (const Row& r : rows)
        EXPECT_EQ(pack.GetText(r.id), r.text) << "string " << r.id;
}

TEST(LanguagePack, EveryNumberUsedByTheProgramHasAText) {
    for (int id : {101, 106, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 128, 129, 130, 131})
        EXPECT_FALSE(GetText(id).empty()) << id;
    for (int id = IDS_PIXEL_FORMAT_FIRST; id <= IDS_PIXEL_FORMAT_LAST; ++id)
        EXPECT_FALSE(GetText(id).empty()) << id;
}

TEST(LanguagePack, LookupOrder) {
    struct Row {
        const char* name;
        std::vector<LanguagePack::Override> overrides;
        const char* expected;
    } rows[] = {
        {"no override", {}, "Error"},
        {"empty override falls back", {{106, ""}}, "Error"},
        {"override wins", {{106, "Failure"}}, "Failure"},
        {"first of two wins", {{106, "First"}, {106, "Second"}}, "First"},
        {"empty first ends the scan", {{106, ""}, {106, "Second"}}, "Error"},
        {"other numbers ignored", {{107, "Other"}}, "Error"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(LanguagePack(r.overrides).GetText(106), r.expected) << r.name;
    EXPECT_EQ(LanguagePack({{200, "Extra"}}).GetText(200), "Extra");
}

}  // namespace
