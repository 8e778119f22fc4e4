// Output names from templates: what each token gives, and the templates
// that are refused before a run.

#include <gtest/gtest.h>

#include "model/NameTemplate.h"
#include "support/TestSupport.h"

namespace {

NameFacts Facts() {
    NameFacts f;
    f.sourcePath = "/photos/Trip/IMG_0001.holiday.JPG";
    f.extension = "webp";
    f.number = 7;
    f.numberDigits = 3;
    f.date = testsupport::LocalTime(2009, 5, 17, 12, 0, 0);
    f.taken = testsupport::LocalTime(2008, 12, 31, 23, 59, 58);
    f.fileTime = f.date;
    f.width = 2048;
    f.height = 1365;
    f.preset = "web";
    f.camera = "EOS 5D";
    return f;
}

TEST(NameTemplate, EveryTokenWithWidthsAndDateFormats) {
    const struct {
        const char* text;
        const char* name;
    } rows[] = {
        {"{name}", "IMG_0001.holiday.webp"},
        {"{name}_web.{ext}", "IMG_0001.holiday_web.webp"},
        {"{ext}-{name}", "webp-IMG_0001.holiday"},
        {"{n}", "007.webp"},
        {"{n:1}", "7.webp"},
        {"{n:5}", "00007.webp"},
        {"{date}", "2009.05.17.webp"},
        {"{taken}", "2008.12.31.webp"},
        {"{taken:%Y-%m-%d_%H%M%S}", "2008-12-31_235958.webp"},
        {"{date:%d %b %y}", "17 May 09.webp"},
        {"{w}x{h}", "2048x1365.webp"},
        {"{folder}", "Trip.webp"},
        {"{camera} {preset}", "EOS 5D web.webp"},
        {"{{literal}} 100%", "{literal} 100%.webp"},
    };
    for (const auto& r : rows) {
        ASSERT_TRUE(CheckNameTemplate(r.text)) << r.text;
        EXPECT_EQ(FillNameTemplate(r.text, Facts()), r.name) << r.text;
    }
    NameFacts unknownTaken = Facts();
    unknownTaken.taken = 0;  // the file's time stands in
    EXPECT_EQ(FillNameTemplate("{taken}", unknownTaken), "2009.05.17.webp");
    NameFacts slashes = Facts();
    slashes.camera = "A/B";
    EXPECT_EQ(FillNameTemplate("{camera}", slashes), "A_B.webp") << "a value never adds a folder";
}

TEST(NameTemplate, RefusalsNameTheBadPart) {
    const struct {
        const char* text;
        const char* named;
    } rows[] = {
        {"{nmae}_web", "{nmae}"},
        {"{name", "{name"},
        {"name}", "'}'"},
        {"{n:0}", "{n:0}"},
        {"{n:x}", "{n:x}"},
        {"{w:3}", "{w:3}"},
        {"{date:%Q}", "%Q"},
        {"{taken:%}", "%"},
        {"{date:}", "{date:}"},
        {"web/{name}", "'/'"},
        {"a\nb", "control character"},
        {"{ext}", "nothing but the extension"},
        {"", "nothing"},
    };
    for (const auto& r : rows) {
        const Status checked = CheckNameTemplate(r.text);
        ASSERT_FALSE(checked) << r.text;
        EXPECT_NE(checked.Told().find(r.named), std::string::npos) << checked.Told();
    }
}

TEST(NameTemplate, PrefixTemplateKeepsThePrefixLiteral) {
    NameFacts f = Facts();
    f.extension = "jpg";
    f.numberDigits = 2;
    EXPECT_EQ(FillNameTemplate(PrefixNameTemplate("output.photo"), f), "output.photo.07.2009.05.17.jpg");
    EXPECT_EQ(FillNameTemplate(PrefixNameTemplate("{n}}"), f), "{n}}.07.2009.05.17.jpg");
    EXPECT_EQ(FillNameTemplate(PrefixNameTemplate(""), f), ".07.2009.05.17.jpg");
    EXPECT_EQ(FillNameTemplate(kKeepNameTemplate, f), "IMG_0001.holiday.jpg");
}

}  // namespace
