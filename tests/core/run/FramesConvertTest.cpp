// Exact frames and finishing, as the written files show them: which part
// fill keeps, pad's margins, the background under transparency, sharpening
// only after a reduction, the resolution read back, the image watermark.

#include <cmath>

#include <gtest/gtest.h>

#include "model/OptionTables.h"
#include "model/OutputGeometry.h"
#include "run/ConvertPhoto.h"
#include "run/RunStart.h"
#include "support/PhotoJobs.h"
#include "support/RecordingPrompter.h"
#include "support/TestPictures.h"
#include "support/TestSupport.h"

using namespace testpictures;

namespace {

class FramesTest : public ::testing::Test {
protected:
    // The source converted with the record as a photo of the list would be;
    // the output's path.
    std::string Write(const std::string& source, OutputPhotoFormat format,
                      const TextOverlay& overlay = {}, const char* name = "out.png") {
        PhotoItem photo;
        photo.strSourcePath = source;
        photo.strOutputPath = dir.file(name);
        const vips::VImage header = vips::VImage::new_from_file((source + "[]").c_str());
        photo.nWidth = header.width();
        photo.nHeight = header.height();
        photo.m_outputPhotoFormat = format;
        PlanPhotoOutput(photo, prompter);
        const PhotoResult result = testsupport::ConvertListPhoto(photo, overlay, prompter);
        EXPECT_EQ(result.outcome, PhotoOutcome::Written) << result.Told();
        return photo.strOutputPath;
    }
    vips::VImage Convert(const std::string& source, OutputPhotoFormat format,
                         const TextOverlay& overlay = {}, const char* name = "out.png") {
        return Load(Write(source, format, overlay, name));
    }
    static OutputPhotoFormat Frame(int32_t rule, int w, int h, int32_t anchor = kAnchorCenter) {
        OutputPhotoFormat f;
        f.nOuptputFormat = kFormatPng;
        f.nOuputSizeType = rule;
        f.nOutputWidth = w;
        f.nOutputHeight = h;
        f.nCropAnchor = anchor;
        return f;
    }

    testsupport::TempDir dir;
    RecordingPrompter prompter;
};

TEST_F(FramesTest, FillKeepsTheAnchoredPartOfEveryShape) {
    struct Case {
        const char* name;
        int srcW, srcH;
        int32_t anchor;
        std::vector<Rgb> corners;  // top-left, top-right, bottom-left, bottom-right
    } cases[] = {
        // A quarter of the 4:1 strip is kept: one colour above the other.
        {"landscape left", 400, 100, kAnchorLeft, {kRed, kRed, kBlue, kBlue}},
        {"landscape center", 400, 100, kAnchorCenter, {kRed, kGreen, kBlue, kYellow}},
        {"landscape right", 400, 100, kAnchorTopRight, {kGreen, kGreen, kYellow, kYellow}},
        {"portrait top", 100, 400, kAnchorTop, {kRed, kGreen, kRed, kGreen}},
        {"portrait bottom", 100, 400, kAnchorBottomLeft, {kBlue, kYellow, kBlue, kYellow}},
        {"square any anchor", 100, 100, kAnchorBottomRight, {kRed, kGreen, kBlue, kYellow}},
    };
    for (const Case& c : cases) {
        const std::string source = dir.file("quadrants.png");
        Save(Quadrants(c.srcW, c.srcH), source);
        const vips::VImage out = Convert(source, Frame(kSizeFill, 40, 40, c.anchor));
        EXPECT_EQ(out.width(), 40) << c.name;
        EXPECT_EQ(out.height(), 40) << c.name;
        const std::vector<Rgb> corners = Corners(out);
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(Near(corners[i], c.corners[i], 12)) << c.name << " corner " << i;
    }
}

// Pixels of a saturated red in the picture.
int RedPixels(const vips::VImage& image) {
    const PixelGrid grid(image);
    int count = 0;
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x) {
            const Rgb p = grid.At(x, y);
            count += p.r > 180 && p.g < 80 && p.b < 80;
        }
    return count;
}

TEST_F(FramesTest, SmartCropKeepsABrightObjectOffCentre) {
    // A red disc near the right end of a plain grey strip: a centred crop
    // misses it.
    vips::VImage xy = vips::VImage::xyz(600, 200);
    vips::VImage disc = ((xy[0] - 520).pow(2) + (xy[1] - 100).pow(2)) < 40 * 40;
    vips::VImage picture = disc.ifthenelse(std::vector<double>{230, 20, 20},
                                           std::vector<double>{128, 128, 128})
                               .cast(VIPS_FORMAT_UCHAR)
                               .copy(vips::VImage::option()->set("interpretation",
                                                                 VIPS_INTERPRETATION_sRGB));
    const std::string source = dir.file("disc.png");
    Save(picture, source);
    EXPECT_EQ(RedPixels(Convert(source, Frame(kSizeFill, 100, 100, kAnchorCenter))), 0);
    const vips::VImage smart = Convert(source, Frame(kSizeFill, 100, 100, kCropSmart));
    EXPECT_EQ(smart.width(), 100);
    EXPECT_GT(RedPixels(smart), 1000);  // the whole disc: about 1250 pixels
}

TEST_F(FramesTest, PadLaysTheWholePictureOnTheBackground) {
    const std::string source = dir.file("quadrants.png");
    Save(Quadrants(200, 100), source);
    OutputPhotoFormat f = Frame(kSizePad, 100, 100);
    f.nBackgroundColor = 0x00C8140A;  // 0A14C8 as RRGGBB
    const vips::VImage out = Convert(source, f);
    ASSERT_EQ(out.width(), 100);
    ASSERT_EQ(out.height(), 100);
    const Rgb background{0x0A, 0x14, 0xC8};
    for (int x : {0, 50, 99})
        for (int y : {0, 24, 75, 99})
            EXPECT_EQ(PixelAt(out, x, y), background) << x << "," << y;
    // The picture, 100 x 50, untouched between the margins.
    EXPECT_TRUE(Near(PixelAt(out, 2, 27), kRed, 8));
    EXPECT_TRUE(Near(PixelAt(out, 97, 27), kGreen, 8));
    EXPECT_TRUE(Near(PixelAt(out, 2, 72), kBlue, 8));
    EXPECT_TRUE(Near(PixelAt(out, 97, 72), kYellow, 8));
}

TEST_F(FramesTest, TransparencyBecomesTheBackgroundColour) {
    // Left half opaque green, right half fully transparent.
    const vips::VImage green =
        vips::VImage::black(80, 40, vips::VImage::option()->set("bands", 3)) +
        std::vector<double>{0, 255, 0};
    const vips::VImage alpha = (vips::VImage::xyz(80, 40)[0] < 40).ifthenelse(255, 0);
    const vips::VImage rgba =
        green.bandjoin(alpha).cast(VIPS_FORMAT_UCHAR).copy(
            vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    const std::string source = dir.file("half.png");
    Save(rgba, source);
    const std::pair<uint32_t, Rgb> backgrounds[] = {{kWhiteBackground, kWhite},
                                                     {0x00102030, {0x30, 0x20, 0x10}}};
    for (const auto& [colour, expected] : backgrounds) {
        OutputPhotoFormat f = Frame(kSizeOriginal, 0, 0);
        f.nBackgroundColor = colour;
        const vips::VImage out = Convert(source, f);
        EXPECT_EQ(PixelAt(out, 70, 20), expected);
        EXPECT_EQ(PixelAt(out, 10, 20), kGreen);
    }
}

TEST_F(FramesTest, SharpenChangesOnlyAReducedPhoto) {
    // Edges to sharpen: the lightness steps between the quadrants (flat
    // areas are left alone).
    const std::string source = dir.file("quadrants.png");
    Save(Quadrants(400, 300), source);
    struct Case {
        int32_t rule;
        bool reduced;
    } cases[] = {{kSizeFit, true}, {kSizeFill, true}, {kSizeOriginal, false}};
    for (const Case& c : cases) {
        OutputPhotoFormat f = Frame(c.rule, 200, 120);
        const std::string plain = ReadAll(Write(source, f, {}, "plain.png"));
        f.nSharpen = kSharpenStrong;
        EXPECT_EQ(ReadAll(Write(source, f, {}, "sharp.png")) != plain, c.reduced) << c.rule;
    }
}

// The resolution as the written file declares it, in dots per inch.
TEST_F(FramesTest, DpiReadsBackInEveryFormatThatStoresIt) {
    const std::string source = dir.file("photo.png");
    Save(PhotoLike(60, 40), source);
    const std::pair<int32_t, const char*> outputs[] = {
        {kFormatJpg, "out.jpg"}, {kFormatPng, "out.png"},   {kFormatTif, "out.tif"},
        {kFormatBmp, "out.bmp"}, {kFormatWebp, "out.webp"}, {kFormatAvif, "out.avif"}};
    for (const auto& [format, name] : outputs) {
        OutputPhotoFormat f = Frame(kSizeOriginal, 0, 0);
        f.nOuptputFormat = format;
        f.nDpi = 300;
        // WebP and AVIF hold a resolution only in the camera data.
        if (format == kFormatWebp || format == kFormatAvif)
            f.nMetadata = kMetadataAll;
        if (format == kFormatBmp) {
            // biXPelsPerMeter: 300 / 25.4 mm, in pixels per metre.
            const std::string bytes = ReadAll(Write(source, f, {}, name));
            ASSERT_GE(bytes.size(), 46u);
            const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + 38;
            EXPECT_EQ(p[0] | p[1] << 8 | p[2] << 16 | p[3] << 24, 11811) << name;
            continue;
        }
        const vips::VImage out = Convert(source, f, {}, name);
        if (f.nMetadata == kMetadataAll) {
            // libvips reads these files' resolution only as EXIF text:
            // "300000/1000 (300.000, Rational, ...)".
            for (const char* field : {"exif-ifd0-XResolution", "exif-ifd0-YResolution"}) {
                const std::string text = out.get_typeof(field) ? out.get_string(field) : "";
                const std::size_t open = text.find('(');
                EXPECT_NEAR(open == std::string::npos ? 0 : std::stod(text.substr(open + 1)), 300,
                            0.5)
                    << name << " " << field;
            }
            continue;
        }
        EXPECT_NEAR(out.xres() * 25.4, 300, 0.5) << name;
        EXPECT_NEAR(out.yres() * 25.4, 300, 0.5) << name;
    }
}

TEST_F(FramesTest, WatermarkSitsAtItsAnchorAtItsOpacityScaledWithThePhoto) {
    const std::string source = dir.file("grey.png");
    Save((vips::VImage::black(400, 200, vips::VImage::option()->set("bands", 3)) + 128)
             .cast(VIPS_FORMAT_UCHAR)
             .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB)),
         source);
    const std::string logo = dir.file("logo.png");
    Save((vips::VImage::black(10, 10, vips::VImage::option()->set("bands", 4)) +
          std::vector<double>{0, 0, 255, 255})
             .cast(VIPS_FORMAT_UCHAR)
             .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB)),
         logo);
    struct Case {
        int32_t rule;  // the output: 400 x 200, or fitted into 200 x 100
        int32_t anchor;
        int opacity;
        int left, top, side;  // where the logo must be: 20 % of the shorter side, 5 % margin
    } cases[] = {
        {kSizeOriginal, kAnchorBottomRight, 100, 350, 150, 40},
        {kSizeFit, kAnchorBottomRight, 50, 175, 75, 20},
        {kSizeFit, kAnchorTopLeft, 100, 5, 5, 20},
        {kSizeFit, kAnchorCenter, 100, 90, 40, 20},
    };
    for (const Case& c : cases) {
        TextOverlay overlay;
        overlay.watermark = {logo, c.anchor, 20, c.opacity, 5, nullptr};
        const vips::VImage out = Convert(source, Frame(c.rule, 200, 100), overlay);
        const int mid = c.side / 2;
        const int blended = 128 + (255 - 128) * c.opacity / 100;
        EXPECT_TRUE(Near(PixelAt(out, c.left + mid, c.top + mid),
                         Rgb{128 * (100 - c.opacity) / 100, 128 * (100 - c.opacity) / 100,
                             blended},
                         3))
            << c.anchor;
        // Just outside each side of the logo: the photo.
        const Rgb grey{128, 128, 128};
        EXPECT_EQ(PixelAt(out, c.left - 2, c.top + mid), grey) << c.anchor;
        EXPECT_EQ(PixelAt(out, c.left + c.side + 1, c.top + mid), grey) << c.anchor;
        EXPECT_EQ(PixelAt(out, c.left + mid, c.top - 2), grey) << c.anchor;
        EXPECT_EQ(PixelAt(out, c.left + mid, c.top + c.side + 1), grey) << c.anchor;
    }
}

TEST_F(FramesTest, ARunWhoseWatermarkCannotBeReadDoesNotStart) {
    RunRequest request;
    request.outputFolder = dir.file("out");
    request.overlay.watermark.path = dir.file("missing.png");
    const PreparedRun prepared = PrepareRun(request, prompter);
    EXPECT_FALSE(prepared.ready);
    EXPECT_EQ(prompter.Captions(), std::vector<std::string>{dir.file("missing.png")});
    EXPECT_TRUE(FolderEntries(dir.path()).empty());
}

}  // namespace
