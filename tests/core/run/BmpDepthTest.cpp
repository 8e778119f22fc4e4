// BMP outputs have the depth and colours their choices name, read back by
// the program's own reader and by Qt's.

// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "support/TestPictures.h"

#include <gtest/gtest.h>

#include <QImage>

#include "IndexedBitmap.h"
#include "model/OptionTables.h"
#include "run/ConvertPhoto.h"
#include "support/PhotoJobs.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"

using namespace testpictures;

namespace {

uint32_t Le(const std::string& bytes, size_t at, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | uint8_t(bytes[at + size_t(i)]);
    return value;
}

// source written by a list photo's conversion as a width x height BMP
// named name.bmp in dir, with format's other settings; the output's path,
// empty when it was not written.
std::string WriteBmp(const testsupport::TempDir& dir, const std::string& source,
                     const std::string& name, const OutputPhotoFormat& format, int32_t width,
                     int32_t height) {
    PhotoItem photo;
    photo.strSourcePath = source;
    photo.strOutputPath = dir.file(name + ".bmp");
    photo.m_outputPhotoFormat = format;
    photo.m_outputPhotoFormat.nOuptputFormat = kFormatBmp;
    photo.m_outputPhotoFormat.nOutputWidth = width;
    photo.m_outputPhotoFormat.nOutputHeight = height;
    RecordingPrompter prompter;
    const PhotoOutcome outcome = testsupport::ConvertListPhoto(photo, {}, prompter).outcome;
    return outcome == PhotoOutcome::Written ? photo.strOutputPath : std::string();
}

TEST(BmpDepthTest, EachPixelFormatWritesTheDepthItNames) {
    testsupport::TempDir dir;
    const std::string source = dir.file("source.png");
    Save(Quadrants(64, 48), source);
    const struct {
        const char* cliName;
        uint32_t bits, compression, offBits, alphaMask;
    } rows[] = {
        {"16bit", 16, 3, 14 + 40 + 12, 0},
        {"24bit", 24, 0, 14 + 40, 0},
        {"32bit-argb", 32, 3, 14 + 108, 0xFF000000},
        {"32bit-pargb", 32, 3, 14 + 108, 0xFF000000},
        {"32bit-rgb", 32, 0, 14 + 40, 0},
        {"64bit-argb", 32, 3, 14 + 108, 0xFF000000},  // no reader takes 64 bits
    };
    for (const auto& row : rows) {
        OutputPhotoFormat format;
        for (const PixelFormatChoice& choice : PixelFormatChoices())
            if (std::string(choice.cliName) == row.cliName)
                format.iComboPixelFormat = choice.id;
        // 31 pixels wide: rows need padding at 16 bits.
        const std::string path = WriteBmp(dir, source, row.cliName, format, 31, 23);
        ASSERT_FALSE(path.empty()) << row.cliName;

        const std::string bytes = ReadAll(path);
        const uint32_t stride = (31 * row.bits / 8 + 3) & ~3u;
        EXPECT_EQ(bytes.size(), row.offBits + stride * 23) << row.cliName;
        EXPECT_EQ(Le(bytes, 10, 4), row.offBits) << row.cliName;
        EXPECT_EQ(Le(bytes, 28, 2), row.bits) << row.cliName;
        EXPECT_EQ(Le(bytes, 30, 4), row.compression) << row.cliName;
        if (row.alphaMask != 0) {
            EXPECT_EQ(Le(bytes, 14 + 52, 4), row.alphaMask) << row.cliName;
        }

        // Pure colours in the right corners, exact but at 16 bits, where the
        // readers widen 5 and 6 bits without filling the low ones.
        const int tolerance = row.bits == 16 ? 7 : 0;
        IndexedBitmap own(0);
        ASSERT_TRUE(own.LoadFromFile(path, 0)) << row.cliName;
        const ColourEntry bottomRight = own.GetColour(29, 1);
        EXPECT_TRUE(Near(Rgb{bottomRight.red, bottomRight.green, bottomRight.blue}, kYellow,
                         tolerance))
            << row.cliName;
        const QImage qt(QString::fromStdString(path));
        ASSERT_FALSE(qt.isNull()) << row.cliName;
        const auto at = [&qt](int x, int y) {
            const QRgb c = qt.pixel(x, y);
            return Rgb{qRed(c), qGreen(c), qBlue(c)};
        };
        EXPECT_TRUE(Near(at(1, 1), kRed, tolerance)) << row.cliName;
        EXPECT_TRUE(Near(at(29, 21), kYellow, tolerance)) << row.cliName;
        EXPECT_TRUE(Near(at(29, 1), kGreen, tolerance)) << row.cliName;
    }
}

// A picture of colours the standard tables lack keeps them exactly with the
// adaptive palette; the fixed one can only come near.
TEST(BmpDepthTest, AdaptivePaletteKeepsThePicturesOwnColours) {
    testsupport::TempDir dir;
    const std::string source = dir.file("two.png");
    const vips::VImage left = vips::VImage::black(32, 24) + std::vector<double>{13, 77, 201};
    const vips::VImage right = vips::VImage::black(32, 24) + std::vector<double>{250, 180, 20};
    Save((vips::VImage::xyz(32, 24)[0] < 16)
             .ifthenelse(left, right)
             .cast(VIPS_FORMAT_UCHAR)
             .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB)),
         source);
    const struct {
        const char* name;
        int32_t pixelFormat, palette;
        bool exact;
    } rows[] = {
        {"4 bits adaptive", 1, kPaletteAdaptive, true},
        {"8 bits adaptive", 2, kPaletteAdaptive, true},
        {"8 bits fixed", 2, kPaletteFixed, false},
        {"1 bit: black and white whatever the choice", 0, kPaletteAdaptive, false},
    };
    for (const auto& row : rows) {
        OutputPhotoFormat format;
        format.iComboPixelFormat = row.pixelFormat;
        format.nPalette = row.palette;
        const std::string path = WriteBmp(dir, source, row.name, format, 32, 24);
        ASSERT_FALSE(path.empty()) << row.name;
        IndexedBitmap own(0);
        ASSERT_TRUE(own.LoadFromFile(path, 0)) << row.name;
        bool allExact = true;
        for (int32_t y = 0; y < 24; ++y)
            for (int32_t x = 0; x < 32; ++x) {
                const ColourEntry c = own.GetColour(x, y);
                const Rgb want = x < 16 ? Rgb{13, 77, 201} : Rgb{250, 180, 20};
                allExact = allExact && Rgb{c.red, c.green, c.blue} == want;
            }
        EXPECT_EQ(allExact, row.exact) << row.name;
    }
}

// A transparent source keeps its alpha in the 32-bit choices that store
// one, turned with the picture; the others lay it on white as before.
TEST(BmpDepthTest, AlphaOfTheSourceReachesTheArgbChoices) {
    testsupport::TempDir dir;
    const std::string source = dir.file("half-clear.png");
    // Quadrants, their right half (green and yellow) wholly transparent.
    const vips::VImage opacity = (vips::VImage::xyz(32, 24)[0] < 16).cast(VIPS_FORMAT_UCHAR);
    Save(Quadrants(32, 24).bandjoin(opacity), source);
    struct Pixel {
        int x, y;
        Rgb colour;
        int alpha;
    };
    const struct {
        const char* name;
        int32_t pixelFormat, angle;
        std::vector<Pixel> pixels;
    } rows[] = {
        {"argb", 5, 0, {{1, 1, kRed, 255}, {30, 1, kGreen, 0}, {30, 22, kYellow, 0}}},
        {"pargb turned half", 6, 180, {{1, 1, kYellow, 0}, {30, 1, kBlue, 255}, {30, 22, kRed, 255}}},
        {"rgb32 without alpha", 7, 0, {{1, 1, kRed, 0}, {30, 1, kWhite, 0}}},
        {"24 bits on white", 4, 0, {{1, 1, kRed, -1}, {30, 1, kWhite, -1}}},
    };
    for (const auto& row : rows) {
        OutputPhotoFormat format;
        format.iComboPixelFormat = row.pixelFormat;
        format.nRotateAngel = row.angle;
        const std::string path = WriteBmp(dir, source, row.name, format, 32, 24);
        ASSERT_FALSE(path.empty()) << row.name;
        const std::string bytes = ReadAll(path);
        const uint32_t bytesPerPixel = Le(bytes, 28, 2) / 8, offBits = Le(bytes, 10, 4);
        const uint32_t stride = (32 * bytesPerPixel + 3) & ~3u;
        for (const Pixel& p : row.pixels) {
            const size_t at = offBits + size_t(23 - p.y) * stride + size_t(p.x) * bytesPerPixel;
            ASSERT_LE(at + bytesPerPixel, bytes.size()) << row.name;
            const Rgb colour{uint8_t(bytes[at + 2]), uint8_t(bytes[at + 1]), uint8_t(bytes[at])};
            // A transparent pixel's colour is not shown; an opaque one's is.
            if (p.alpha != 0)
                EXPECT_EQ(colour, p.colour) << row.name << " at " << p.x << "," << p.y;
            if (p.alpha >= 0)
                EXPECT_EQ(int(uint8_t(bytes[at + 3])), p.alpha) << row.name << " at " << p.x << "," << p.y;
        }
    }
}

}  // namespace
