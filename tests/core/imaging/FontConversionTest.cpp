#include <gtest/gtest.h>

#include "imaging/FontConversion.h"

namespace {

TEST(FontConversion, RecordToFont) {
    struct Row {
        int height, weight;
        bool italic, underline, strike;
        const char* face;
        int pixels;
    } rows[] = {
        {-13, 400, false, false, false, "", 13},
        {24, 700, true, false, false, "DejaVu Serif", 24},
        {-30, 900, false, true, true, "DejaVu Sans", 30},
        {0, 0, false, false, false, "", 13},
    };
    for (const Row& r : rows) {
        LogFont lf;
        lf.lfHeight = r.height;
        lf.lfWeight = r.weight;
        lf.lfItalic = r.italic;
        lf.lfUnderline = r.underline;
        lf.lfStrikeOut = r.strike;
        lf.lfFaceName = r.face;
        QFont f = QFontFromLogFont(lf);
        EXPECT_EQ(f.pixelSize(), r.pixels) << r.height;
        EXPECT_EQ(f.weight(), r.weight == 0 ? 400 : r.weight);
        EXPECT_EQ(f.italic(), r.italic);
        EXPECT_EQ(f.underline(), r.underline);
        EXPECT_EQ(f.strikeOut(), r.strike);
        if (*r.face) {
            EXPECT_EQ(f.families().first().toStdString(), r.face);
        }
    }
}

TEST(FontConversion, RoundTripKeepsForeignMembers) {
    LogFont lf;
    lf.lfHeight = -20;
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    lf.lfCharSet = 204;
    lf.lfEscapement = 5;
    lf.lfFaceName = "DejaVu Sans Mono";
    EXPECT_EQ(LogFontFromQFont(QFontFromLogFont(lf), lf), lf);
    LogFont plain;
    EXPECT_EQ(LogFontFromQFont(QFontFromLogFont(plain), plain), plain);
}

}  // namespace
