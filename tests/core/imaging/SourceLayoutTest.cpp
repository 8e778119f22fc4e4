// What a source file's decoder holds whole, read from real files' headers.

#include <fstream>

#include <gtest/gtest.h>

#include "support/TestPictures.h"
#include "imaging/SourceLayout.h"
#include "support/TestSupport.h"

using namespace testpictures;

namespace {

TEST(SourceLayoutTest, HeadersTellWhatIsHeldWhole) {
    testsupport::TempDir dir;
    const vips::VImage photo = PhotoLike(320, 240);
    const vips::VImage alpha16 =
        vips::VImage::bandjoin(std::vector<vips::VImage>{photo, photo[0]})
            .cast(VIPS_FORMAT_USHORT)
            .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_RGB16));
    Save(photo, dir.file("baseline.jpg"));
    Save(photo, dir.file("progressive.jpg"), "interlace");
    Save(photo, dir.file("full-chroma.jpg"), "interlace,subsample_mode=off");
    Save(photo, dir.file("plain.png"));
    Save(alpha16, dir.file("interlaced16.png"), "interlace");
    const uint64_t blocks = 40 * 30, coefficientsPerBlock = 64 * 2;
    const struct {
        const char* name;
        SourceLayout::Kind kind;
        bool streamed;
        uint64_t wholeBytesPerPixel, coefficientBytes;
    } cases[] = {
        {"baseline.jpg", SourceLayout::Jpeg, true, 3, 0},
        // Chroma at half size both ways, then at full size.
        {"progressive.jpg", SourceLayout::Jpeg, false, 3, blocks * coefficientsPerBlock * 3 / 2},
        {"full-chroma.jpg", SourceLayout::Jpeg, false, 3, blocks * coefficientsPerBlock * 3},
        {"plain.png", SourceLayout::Png, true, 3, 0},
        {"interlaced16.png", SourceLayout::Png, false, 8, 0},
    };
    for (const auto& c : cases) {
        const SourceLayout layout = ReadSourceLayout(dir.file(c.name));
        EXPECT_EQ(layout.kind, c.kind) << c.name;
        EXPECT_EQ(layout.streamed, c.streamed) << c.name;
        EXPECT_EQ(layout.wholeBytesPerPixel, c.wholeBytesPerPixel) << c.name;
        EXPECT_EQ(layout.coefficientBytes, c.coefficientBytes) << c.name;
    }
}

}  // namespace
