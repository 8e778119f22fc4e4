// The one-photo conversion through its interface, with a scripted prompter.

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "IndexedBitmap.h"
#include "StandardPalettes.h"
#include "imaging/ImageProbe.h"
#include "model/OptionTables.h"
#include "run/ConvertPhoto.h"
#include "support/PhotoJobs.h"
#include "support/RecordingPrompter.h"
#include "support/TestPictures.h"
#include "support/TestSupport.h"
#include "texts/LanguagePack.h"

using namespace testpictures;

namespace {

uint32_t LittleEndian32(const std::string& bytes, size_t at) {
    return uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8 | uint8_t(bytes[at + 2]) << 16 |
           uint32_t(uint8_t(bytes[at + 3])) << 24;
}

class ConvertPhotoTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = dir.file("source.png");
        Save(Quadrants(64, 48), source);
    }

    PhotoItem Photo(int32_t format, const std::string& outName, int32_t width = 32,
                    int32_t height = 24) const {
        PhotoItem photo;
        photo.strSourcePath = source;
        photo.strOutputPath = dir.file(outName);
        photo.m_outputPhotoFormat.nOuptputFormat = format;
        photo.m_outputPhotoFormat.nOutputWidth = width;
        photo.m_outputPhotoFormat.nOutputHeight = height;
        return photo;
    }

    PhotoOutcome Convert(const PhotoItem& photo, const TextOverlay& overlay = {}) {
        return testsupport::ConvertListPhoto(photo, overlay, prompter).outcome;
    }

    testsupport::TempDir dir;
    std::string source;
    RecordingPrompter prompter{PromptAnswer::No};
};

TEST_F(ConvertPhotoTest, EachFormatWritesTheDecodablePicture) {
    struct Case {
        const char* name;
        int32_t format;
        int32_t pixelChoice;
        const char* loader;
        int tolerance;
    } cases[] = {
        {"out.jpg", kFormatJpg, 4, "jpegload", 12},   {"out.png", kFormatPng, 4, "pngload", 0},
        {"out.tif", kFormatTif, 4, "tiffload", 0},    {"rgb.bmp", kFormatBmp, 4, "", 0},
        {"argb.bmp", kFormatBmp, 5, "", 0},           {"odd.bmp", kFormatBmp, 42, "", 0},
        {"out.webp", kFormatWebp, 4, "webpload", 12}, {"out.avif", kFormatAvif, 4, "heifload", 12},
        {"out.jxl", kFormatJxl, 4, "jxlload", 30},
    };
    for (const Case& c : cases) {
        PhotoItem photo = Photo(c.format, c.name);
        photo.m_outputPhotoFormat.iComboPixelFormat = c.pixelChoice;
        ASSERT_EQ(Convert(photo), PhotoOutcome::Written) << c.name;
        const std::vector<Rgb> expected{kRed, kGreen, kBlue, kYellow};
        if (c.format == kFormatBmp) {
            IndexedBitmap bmp(0);
            ASSERT_TRUE(bmp.LoadFromFile(photo.strOutputPath, 0)) << c.name;
            EXPECT_EQ(bmp.BitCount(), 24) << c.name;
            // 32 bits ARGB has a version 4 header.
            EXPECT_EQ(LittleEndian32(ReadAll(photo.strOutputPath), 10),
                      c.pixelChoice == 5 ? 122u : 54u)
                << c.name;
            // Stored rows are bottom-up.
            const ColourEntry top = bmp.GetColour(1, 22), bottom = bmp.GetColour(30, 1);
            EXPECT_EQ((Rgb{top.red, top.green, top.blue}), kRed) << c.name;
            EXPECT_EQ((Rgb{bottom.red, bottom.green, bottom.blue}), kYellow) << c.name;
            continue;
        }
        const vips::VImage out = Load(photo.strOutputPath);
        EXPECT_EQ(out.get_string("vips-loader"), std::string(c.loader)) << c.name;
        EXPECT_EQ(out.width(), 32) << c.name;
        EXPECT_EQ(out.height(), 24) << c.name;
        EXPECT_EQ(out.bands(), 3) << c.name;
        const std::vector<Rgb> corners = Corners(out);
        for (size_t i = 0; i < 4; ++i)
            EXPECT_TRUE(Near(corners[i], expected[i], c.tolerance))
                << c.name << " corner " << i << ": " << corners[i].r << "," << corners[i].g << ","
                << corners[i].b;
    }
    EXPECT_TRUE(prompter.Prompts().empty());
    // LZW: four flat areas pack far below the raw 32 x 24 x 3 bytes.
    EXPECT_LT(ReadAll(dir.file("out.tif")).size(), 32u * 24 * 3 / 2);
}

TEST_F(ConvertPhotoTest, EveryRotateFlipValueTurnsTheCorners) {
    struct Case {
        int32_t angle, flip;
        Rgb topLeft, topRight, bottomLeft, bottomRight;
    } cases[] = {
        {0, kFlipNone, kRed, kGreen, kBlue, kYellow},
        {90, kFlipNone, kBlue, kRed, kYellow, kGreen},
        {180, kFlipNone, kYellow, kBlue, kGreen, kRed},
        {270, kFlipNone, kGreen, kYellow, kRed, kBlue},
        {0, kFlipHorizontal, kGreen, kRed, kYellow, kBlue},
        {90, kFlipHorizontal, kRed, kBlue, kGreen, kYellow},
        {180, kFlipHorizontal, kBlue, kYellow, kRed, kGreen},
        {270, kFlipHorizontal, kYellow, kGreen, kBlue, kRed},
        {0, kFlipVertical, kBlue, kYellow, kRed, kGreen},
        {90, kFlipVertical, kYellow, kGreen, kBlue, kRed},
        {180, kFlipVertical, kGreen, kRed, kYellow, kBlue},
        {270, kFlipVertical, kRed, kBlue, kGreen, kYellow},
    };
    for (const Case& c : cases) {
        PhotoItem photo = Photo(kFormatPng, "turned.png");
        photo.m_outputPhotoFormat.nRotateAngel = c.angle;
        photo.m_outputPhotoFormat.nFlipType = c.flip;
        prompter.SetFallback(PromptAnswer::Yes);
        ASSERT_EQ(Convert(photo), PhotoOutcome::Written);
        const vips::VImage out = Load(photo.strOutputPath);
        const bool quarter = c.angle % 180 != 0;
        EXPECT_EQ(out.width(), quarter ? 24 : 32) << c.angle << "/" << c.flip;
        EXPECT_EQ(Corners(out),
                  (std::vector<Rgb>{c.topLeft, c.topRight, c.bottomLeft, c.bottomRight}))
            << c.angle << "/" << c.flip;
    }
}

TEST_F(ConvertPhotoTest, PortraitPhotoComesOutUpright) {
    // Stored landscape, tagged to be shown turned a quarter clockwise.
    vips::VImage stored = Quadrants(60, 40).copy();
    stored.set("orientation", 6);
    source = dir.file("portrait.jpg");
    Save(stored, source, "Q=95");
    PhotoItem photo = Photo(kFormatPng, "upright.png", 20, 30);
    ASSERT_EQ(Convert(photo), PhotoOutcome::Written);
    const vips::VImage out = Load(photo.strOutputPath);
    EXPECT_EQ(out.width(), 20);
    EXPECT_EQ(out.height(), 30);
    const std::vector<Rgb> corners = Corners(out);
    const Rgb expected[] = {kBlue, kRed, kYellow, kGreen};
    for (size_t i = 0; i < 4; ++i) EXPECT_TRUE(Near(corners[i], expected[i], 40)) << i;
}

TEST_F(ConvertPhotoTest, TransparencyBecomesWhiteInEveryFormat) {
    const vips::VImage alpha = (vips::VImage::xyz(64, 48)[0] < 32).ifthenelse(0, 255);
    source = dir.file("alpha.png");
    Save(vips::VImage::bandjoin(std::vector<vips::VImage>{Quadrants(64, 48), alpha})
             .cast(VIPS_FORMAT_UCHAR),
         source);
    struct Case {
        const char* name;
        int32_t format, choice;
    } cases[] = {{"a.jpg", kFormatJpg, 4},   {"a.png", kFormatPng, 4},  {"a.tif", kFormatTif, 4},
                 {"a24.bmp", kFormatBmp, 4}, {"a1.bmp", kFormatBmp, 0}, {"a4.bmp", kFormatBmp, 1},
                 {"a8.bmp", kFormatBmp, 2}};
    for (const Case& c : cases) {
        PhotoItem photo = Photo(c.format, c.name);
        photo.m_outputPhotoFormat.iComboPixelFormat = c.choice;
        ASSERT_EQ(Convert(photo), PhotoOutcome::Written) << c.name;
        Rgb leftTop{};
        if (c.format == kFormatBmp) {
            IndexedBitmap bmp(0);
            ASSERT_TRUE(bmp.LoadFromFile(photo.strOutputPath, 0));
            const ColourEntry e = bmp.GetColour(2, 21);
            leftTop = {e.red, e.green, e.blue};
        } else {
            leftTop = PixelAt(Load(photo.strOutputPath), 2, 2);
        }
        EXPECT_TRUE(Near(leftTop, kWhite, c.format == kFormatJpg ? 4 : 0)) << c.name;
    }
}

TEST_F(ConvertPhotoTest, IndexedBmpCarriesItsDepthPaletteAndPixelOffset) {
    struct Case {
        int32_t choice;
        uint16_t bits;
        uint32_t offBits;
        std::vector<uint32_t> palette;  // 0xRRGGBB, checked entry by entry
    } cases[] = {
        {0, 1, 62, {0x000000, 0xFFFFFF}},
        {1, 4, 118, std::vector<uint32_t>(kStandardPalette16, kStandardPalette16 + 16)},
        {2, 8, 1078, std::vector<uint32_t>(kStandardPalette256, kStandardPalette256 + 256)},
    };
    for (const Case& c : cases) {
        PhotoItem photo = Photo(kFormatBmp, "indexed" + std::to_string(c.bits) + ".bmp");
        photo.m_outputPhotoFormat.iComboPixelFormat = c.choice;
        ASSERT_EQ(Convert(photo), PhotoOutcome::Written) << c.bits;
        EXPECT_EQ(LittleEndian32(ReadAll(photo.strOutputPath), 10), c.offBits) << c.bits;
        IndexedBitmap bmp(0);
        ASSERT_TRUE(bmp.LoadFromFile(photo.strOutputPath, 0));
        EXPECT_EQ(bmp.BitCount(), c.bits);
        EXPECT_EQ(bmp.Width(), 32);
        EXPECT_EQ(bmp.Height(), 24);
        for (size_t i = 0; i < c.palette.size(); ++i) {
            const ColourEntry e = bmp.GetPaletteEntry(uint8_t(i));
            EXPECT_EQ(uint32_t(e.red) << 16 | e.green << 8 | e.blue, c.palette[i])
                << c.bits << " bits, entry " << i;
        }
        // Pure colours are palette colours from 4 bits on.
        if (c.bits >= 4) {
            const ColourEntry top = bmp.GetColour(1, 22);
            EXPECT_EQ((Rgb{top.red, top.green, top.blue}), kRed);
        }
    }
    EXPECT_EQ(FolderEntries(dir.path()).size(), 4u);  // source and three outputs only
}

TEST_F(ConvertPhotoTest, JpegQualityIsPassedThrough) {
    source = dir.file("photo.png");
    Save(PhotoLike(256, 192), source);
    size_t previous = 0;
    for (int quality : {1, 50, 100}) {
        PhotoItem photo = Photo(kFormatJpg, "q" + std::to_string(quality) + ".jpg", 256, 192);
        photo.m_outputPhotoFormat.nCurrentJpegQuality = quality;
        ASSERT_EQ(Convert(photo), PhotoOutcome::Written);
        const size_t size = ReadAll(photo.strOutputPath).size();
        EXPECT_GT(size, previous) << quality;
        previous = size;
    }
}

TEST_F(ConvertPhotoTest, ResolutionIsCarriedAndOtherMetadataStripped) {
    vips::VImage tagged = Quadrants(64, 48).copy(
        vips::VImage::option()->set("xres", 300 / 25.4)->set("yres", 150 / 25.4));
    tagged.set("exif-ifd0-Artist", "someone");
    source = dir.file("tagged.jpg");
    Save(tagged, source);
    ASSERT_TRUE(Load(source).get_typeof("exif-data") != 0);
    for (const char* name : {"r.jpg", "r.png", "r.tif"}) {
        const int32_t format = name[2] == 'j'   ? kFormatJpg
                               : name[2] == 'p' ? kFormatPng
                                                : kFormatTif;
        ASSERT_EQ(Convert(Photo(format, name)), PhotoOutcome::Written);
        const vips::VImage out = Load(dir.file(name));
        EXPECT_NEAR(out.xres() * 25.4, 300, 1) << name;
        EXPECT_NEAR(out.yres() * 25.4, 150, 1) << name;
        EXPECT_EQ(out.get_typeof("exif-ifd0-Artist"), 0u) << name;
        EXPECT_EQ(out.get_typeof("icc-profile-data"), 0u) << name;
    }
    // BMP keeps it in pixels per metre: 300 dpi is 11811, 150 dpi 5906.
    for (int32_t choice : {2, 4}) {
        PhotoItem photo = Photo(kFormatBmp, "r" + std::to_string(choice) + ".bmp");
        photo.m_outputPhotoFormat.iComboPixelFormat = choice;
        ASSERT_EQ(Convert(photo), PhotoOutcome::Written);
        const std::string bytes = ReadAll(photo.strOutputPath);
        EXPECT_NEAR(int32_t(LittleEndian32(bytes, 14 + 24)), 11811, 2) << choice;
        EXPECT_NEAR(int32_t(LittleEndian32(bytes, 14 + 28)), 5906, 2) << choice;
    }
}

TEST_F(ConvertPhotoTest, LosslessKeepsEveryPixelAndQualityDoesNot) {
    source = dir.file("photo.png");
    Save(PhotoLike(96, 64), source);
    PhotoItem reference = Photo(kFormatPng, "reference.png", 96, 64);
    ASSERT_EQ(Convert(reference), PhotoOutcome::Written);
    const PixelGrid exact(Load(reference.strOutputPath));
    struct Case {
        const char* name;
        int32_t format;
        bool lossless;
        bool identical;
    } cases[] = {
        {"lossless.webp", kFormatWebp, true, true}, {"lossless.jxl", kFormatJxl, true, true},
        {"lossy.webp", kFormatWebp, false, false},  {"lossy.jxl", kFormatJxl, false, false},
        {"lossy.avif", kFormatAvif, true, false},  // AVIF has no lossless choice
    };
    for (const Case& c : cases) {
        PhotoItem photo = Photo(c.format, c.name, 96, 64);
        photo.m_outputPhotoFormat.bLossless = c.lossless;
        ASSERT_EQ(Convert(photo), PhotoOutcome::Written) << c.name;
        EXPECT_EQ(PixelGrid(Load(photo.strOutputPath)).bytes == exact.bytes, c.identical) << c.name;
    }
}

// A photo's PNG is deflated fast (level 1 after the average filter) yet no
// larger than libvips' default makes it; a drawing, all flat colours, keeps
// the default's bytes, which level 1 would make far larger.
TEST_F(ConvertPhotoTest, PngOfAPhotoIsDeflatedFastAndOfADrawingFully) {
    const struct {
        const char* name;
        vips::VImage picture;
        bool fast;
    } cases[] = {{"photo", PhotoLike(240, 160), true}, {"drawing", Quadrants(240, 160), false}};
    for (const auto& c : cases) {
        source = dir.file(std::string(c.name) + ".png");
        Save(c.picture, source);
        PhotoItem photo = Photo(kFormatPng, std::string(c.name) + ".out.png", 240, 160);
        ASSERT_EQ(Convert(photo), PhotoOutcome::Written) << c.name;
        const std::string ours = ReadAll(photo.strOutputPath);
        void* data = nullptr;
        size_t size = 0;
        Load(photo.strOutputPath)
            .write_to_buffer(".png", &data, &size, vips::VImage::option()->set("strip", true));
        const std::string byDefault(static_cast<const char*>(data), size);
        g_free(data);
        EXPECT_EQ(ours != byDefault, c.fast) << c.name;
        EXPECT_LE(ours.size(), byDefault.size()) << c.name;
    }
}

TEST_F(ConvertPhotoTest, QualityReachesEveryLossyFormat) {
    source = dir.file("photo.png");
    Save(PhotoLike(256, 192), source);
    for (int32_t format : {kFormatWebp, kFormatAvif, kFormatJxl}) {
        std::size_t sizes[2] = {};
        for (int i : {0, 1}) {
            PhotoItem photo =
                Photo(format, std::to_string(i) + "." + ExtensionOfFormat(format), 256, 192);
            photo.m_outputPhotoFormat.nCurrentJpegQuality = i == 0 ? 10 : 95;
            ASSERT_EQ(Convert(photo), PhotoOutcome::Written) << format;
            sizes[i] = ReadAll(photo.strOutputPath).size();
        }
        EXPECT_LT(sizes[0], sizes[1]) << ExtensionOfFormat(format);
    }
}

// The source's format as probed picks the output's; anything the table does
// not keep becomes JPG.
TEST_F(ConvertPhotoTest, SameAsTheSourceKeepsTheSourcesFormat) {
    struct Case {
        const char* file;
        const char* options;
        const char* format;     // as probed
        const char* extension;  // of the output
        const char* loader;     // reading the output back
    } cases[] = {
        {"a.jpg", "", "jpeg", "jpg", "jpegload"},
        {"a.png", "", "png", "png", "pngload"},
        {"a.tif", "", "tiff", "tif", "tiffload"},
        {"a.webp", "", "webp", "webp", "webpload"},
        {"a.avif", "compression=av1", "avif", "avif", "heifload"},
        {"a.jxl", "", "jxl", "jxl", "jxlload"},
        {"a.bmp", "", "bmp", "bmp", ""},
        {"a.heic", "", "heic", "jpg", "jpegload"},
        {"a.gif", "", "gif", "jpg", "jpegload"},
    };
    for (const Case& c : cases) {
        source = dir.file(c.file);
        Save(Quadrants(64, 48), source, c.options);
        const Result<PictureFacts> probed = ProbePicture(source);
        ASSERT_TRUE(probed) << c.file;
        const PictureFacts& facts = probed.Value();
        EXPECT_EQ(facts.format, c.format) << c.file;
        const OutputFormatRow* row = OutputFormatFor(kFormatSame, facts.format);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(std::string(row->extension), c.extension) << c.file;

        PhotoItem photo = Photo(kFormatSame, std::string("same.") + c.file + "." + row->extension);
        photo.strSourceFormat = facts.format;
        ASSERT_EQ(Convert(photo), PhotoOutcome::Written) << c.file;
        if (*c.loader)
            EXPECT_EQ(Load(photo.strOutputPath).get_string("vips-loader"), std::string(c.loader))
                << c.file;
        else
            EXPECT_EQ(ReadAll(photo.strOutputPath).substr(0, 2), "BM") << c.file;
    }
}

// Checked before the source is read: the missing source below would
// otherwise be the reason.
TEST_F(ConvertPhotoTest, OutputLargerThanItsFormatIsRefusedBeforeDecoding) {
    struct Case {
        int32_t format;
        const char* sourceFormat;
        int32_t width, height;
        const char* refusal;  // null: the size passes and the missing file fails
    } cases[] = {
        {kFormatWebp, "", 16384, 10, "larger than WebP stores (16383 pixels a side)"},
        {kFormatWebp, "", 10, 16384, "larger than WebP stores (16383 pixels a side)"},
        {kFormatWebp, "", 16383, 16383, nullptr},
        {kFormatJpg, "", 65501, 1, "larger than JPG stores (65500 pixels a side)"},
        {kFormatAvif, "", 1, 16385, "larger than AVIF stores (16384 pixels a side)"},
        {kFormatSame, "webp", 20000, 10, "larger than WebP stores (16383 pixels a side)"},
        {kFormatSame, "png", 20000, 10, nullptr},
        {kFormatPng, "", 70000, 1, nullptr},
    };
    source = dir.file("missing.png");
    for (const Case& c : cases) {
        PhotoItem photo = Photo(c.format, "big.out", c.width, c.height);
        photo.strSourceFormat = c.sourceFormat;
        const PhotoResult result = testsupport::ConvertListPhoto(photo, {}, prompter);
        EXPECT_EQ(result.outcome, PhotoOutcome::Failed);
        if (c.refusal)
            EXPECT_NE(result.reason.find(c.refusal), std::string::npos) << result.reason;
        else
            EXPECT_EQ(result.reason, "No such file or directory") << c.width << "x" << c.height;
    }
}

}  // namespace
