// The imaging steps below the one-photo conversion: probe, decode, preview.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "support/TestPictures.h"

#include "imaging/DecodePreview.h"
#include "imaging/ImageProbe.h"
#include "imaging/PictureDecode.h"
#include "imaging/SourcePipeline.h"
#include "support/TestSupport.h"

#include <QColor>

using namespace testpictures;

namespace {

class ImagingLayerTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
};

// The whole picture stretched over width x height.
Result<RgbPicture> Decode(const std::string& path, int32_t width, int32_t height) {
    return DecodePicture(path, OutputPlan::Stretched(width, height));
}

Rgb At(const RgbPicture& picture, int x, int y) {
    const uint8_t* p = picture.Pixel(x, y);
    return {p[0], p[1], p[2]};
}

TEST_F(ImagingLayerTest, ProbeGivesUprightSizeWithoutDecoding) {
    const vips::VImage picture = Quadrants(40, 20);
    Save(picture, dir.file("plain.png"));
    vips::VImage turned = picture.copy();
    turned.set("orientation", 6);  // stored on its side, shown a quarter turned
    Save(turned, dir.file("portrait.jpg"));
    Save(picture, dir.file("bracket.png"));
    ASSERT_EQ(rename(dir.file("bracket.png").c_str(), dir.file("name[1].png]").c_str()), 0);

    struct Case {
        const char* file;
        int width, height;
    } cases[] = {{"plain.png", 40, 20}, {"portrait.jpg", 20, 40}, {"name[1].png]", 40, 20}};
    for (const Case& c : cases) {
        const Result<PictureFacts> facts = ProbePicture(dir.file(c.file));
        ASSERT_TRUE(facts) << c.file;
        EXPECT_EQ(facts.Value().width, c.width) << c.file;
        EXPECT_EQ(facts.Value().height, c.height) << c.file;
    }
}

TEST_F(ImagingLayerTest, ProbeReadsTheDayTakenFromExif) {
    using testsupport::LocalTime;
    const auto tagged = [&](const char* name, const char* original, const char* digitized) {
        vips::VImage picture = Quadrants(16, 16).copy();
        if (original)
            picture.set("exif-ifd2-DateTimeOriginal", original);
        if (digitized)
            picture.set("exif-ifd2-DateTimeDigitized", digitized);
        Save(picture, dir.file(name));
        return dir.file(name);
    };
    const struct {
        std::string path;
        int64_t taken;
    } rows[] = {
        {testsupport::CameraPhoto(), LocalTime(2009, 5, 17, 10, 20, 30)},
        {tagged("digitized.jpg", nullptr, "2011:02:03 04:05:06"), LocalTime(2011, 2, 3, 4, 5, 6)},
        {tagged("blank.jpg", "    :  :     :  :  ", "2011:02:03 04:05:06"),
         LocalTime(2011, 2, 3, 4, 5, 6)},
        {tagged("month13.jpg", "2011:13:03 04:05:06", nullptr), 0},
        {tagged("none.jpg", nullptr, nullptr), 0},
    };
    for (const auto& row : rows) {
        const Result<PictureFacts> facts = ProbePicture(row.path);
        ASSERT_TRUE(facts) << row.path;
        EXPECT_EQ(facts.Value().timeTaken, row.taken) << row.path;
    }
}

TEST_F(ImagingLayerTest, ProbeRefusesWhatIsNotARegularPicture) {
    ASSERT_EQ(mkfifo(dir.file("pipe.jpg").c_str(), 0600), 0);  // would block if opened
    ASSERT_EQ(mkdir(dir.file("folder.jpg").c_str(), 0700), 0);
    std::ofstream(dir.file("text.jpg")) << "not a picture at all";
    for (const char* name : {"pipe.jpg", "folder.jpg", "text.jpg", "missing.jpg"}) {
        const Result<PictureFacts> facts = ProbePicture(dir.file(name));
        EXPECT_FALSE(facts) << name;
        EXPECT_EQ(facts.GetStatus().Subject(), dir.file(name));
    }
    EXPECT_FALSE(ProbePicture("/dev/zero"));
}

TEST_F(ImagingLayerTest, DecodeStretchesTheWholePictureOverTheExactSize) {
    Save(Quadrants(64, 64), dir.file("square.png"));
    Result<RgbPicture> decoded = Decode(dir.file("square.png"), 100, 30);
    ASSERT_TRUE(decoded);
    const RgbPicture& picture = decoded.Value();
    EXPECT_EQ(picture.width, 100);
    EXPECT_EQ(picture.height, 30);
    ASSERT_EQ(picture.pixels.size(), 100u * 30 * 3);
    const uint8_t* topLeft = picture.Pixel(1, 1);
    const uint8_t* bottomRight = picture.Pixel(98, 28);
    EXPECT_EQ((Rgb{topLeft[0], topLeft[1], topLeft[2]}), kRed);
    EXPECT_EQ((Rgb{bottomRight[0], bottomRight[1], bottomRight[2]}), kYellow);
}

// A plan that crops keeps the part of the picture it names, one that pads
// lays the whole picture on white; the preview shows the same, smaller.
TEST_F(ImagingLayerTest, DecodeAndPreviewCarryOutCropAndPadPlans) {
    Save(Quadrants(80, 60), dir.file("quadrants.png"));
    struct Sample {
        double x, y;  // as parts of the output's width and height
        Rgb colour;
    };
    const struct {
        const char* name;
        OutputPlan plan;
        std::vector<Sample> samples;
    } rows[] = {
        {"crop keeps the right half",
         OutputPlan::Placed(40, 60, {-40, 0, 80, 60}),
         {{0.1, 0.1, kGreen}, {0.9, 0.1, kGreen}, {0.1, 0.9, kYellow}, {0.9, 0.9, kYellow}}},
        {"crop enlarges the bottom-left quarter",
         OutputPlan::Placed(40, 30, {0, -30, 80, 60}),
         {{0.1, 0.1, kBlue}, {0.9, 0.1, kBlue}, {0.1, 0.9, kBlue}, {0.9, 0.9, kBlue}}},
        {"pad left and right",
         OutputPlan::Placed(100, 60, {10, 0, 80, 60}),
         {{0.04, 0.5, kWhite},
          {0.2, 0.2, kRed},
          {0.8, 0.2, kGreen},
          {0.2, 0.8, kBlue},
          {0.8, 0.8, kYellow},
          {0.96, 0.5, kWhite}}},
        {"pad above and below",
         OutputPlan::Placed(80, 100, {0, 20, 80, 60}),
         {{0.5, 0.04, kWhite}, {0.25, 0.3, kRed}, {0.75, 0.75, kYellow}, {0.5, 0.96, kWhite}}},
    };
    for (const auto& row : rows) {
        const Result<RgbPicture> decoded = DecodePicture(dir.file("quadrants.png"), row.plan);
        ASSERT_TRUE(decoded) << row.name << ": " << decoded.GetStatus().Reason();
        const RgbPicture& output = decoded.Value();
        ASSERT_EQ(output.width, row.plan.width) << row.name;
        ASSERT_EQ(output.height, row.plan.height) << row.name;
        const QImage preview = DecodePreview(dir.file("quadrants.png"), row.plan,
                                             row.plan.width / 2, row.plan.height / 2);
        ASSERT_EQ(preview.size(), QSize(row.plan.width / 2, row.plan.height / 2)) << row.name;
        for (const Sample& at : row.samples) {
            const Rgb written = At(output, int(at.x * output.width), int(at.y * output.height));
            EXPECT_TRUE(Near(written, at.colour, 24)) << row.name << " at " << at.x << "," << at.y;
            const QColor shown =
                preview.pixelColor(int(at.x * preview.width()), int(at.y * preview.height()));
            EXPECT_TRUE(Near({shown.red(), shown.green(), shown.blue()}, at.colour, 24))
                << row.name << " previewed at " << at.x << "," << at.y;
        }
    }
    const Result<RgbPicture> outside =
        DecodePicture(dir.file("quadrants.png"), OutputPlan::Placed(10, 10, {20, 0, 10, 10}));
    EXPECT_EQ(outside.GetStatus().Reason(), "the picture lies outside the output");
}

TEST_F(ImagingLayerTest, DecodeTurnsColourManagesAndFlattens) {
    // A P3 picture: the stored numbers differ from the sRGB ones.
    vips::VImage red =
        vips::VImage::black(16, 16, vips::VImage::option()->set("bands", 3))
            .linear({0, 0, 0}, {200, 30, 30})
            .cast(VIPS_FORMAT_UCHAR)
            .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB));
    Save(red.icc_transform("p3", vips::VImage::option()->set("input_profile", "srgb")),
         dir.file("p3.png"));
    // Blue, its left half transparent.
    const vips::VImage alpha = (vips::VImage::xyz(16, 16)[0] >= 8).ifthenelse(255, 0);
    const vips::VImage zero = vips::VImage::black(16, 16);
    Save(vips::VImage::bandjoin(std::vector<vips::VImage>{zero, zero, zero + 255, alpha})
             .cast(VIPS_FORMAT_UCHAR)
             .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_sRGB)),
         dir.file("alpha.png"));
    Save((vips::VImage::xyz(16, 16)[0] * 4000)
             .cast(VIPS_FORMAT_USHORT)
             .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_GREY16)),
         dir.file("grey16.png"));

    Result<RgbPicture> decoded = Decode(dir.file("p3.png"), 8, 8);
    ASSERT_TRUE(decoded);
    RgbPicture picture = decoded.Value();
    EXPECT_TRUE(Near({picture.pixels[0], picture.pixels[1], picture.pixels[2]}, {200, 30, 30}, 3));

    decoded = Decode(dir.file("alpha.png"), 16, 16);
    ASSERT_TRUE(decoded);
    picture = decoded.Value();
    EXPECT_EQ((Rgb{picture.Pixel(1, 5)[0], picture.Pixel(1, 5)[1], picture.Pixel(1, 5)[2]}),
              kWhite);
    EXPECT_EQ((Rgb{picture.Pixel(14, 5)[0], picture.Pixel(14, 5)[1], picture.Pixel(14, 5)[2]}),
              kBlue);

    decoded = Decode(dir.file("grey16.png"), 16, 16);
    ASSERT_TRUE(decoded);
    picture = decoded.Value();
    EXPECT_EQ(picture.pixels.size(), 16u * 16 * 3);
    EXPECT_NEAR(picture.Pixel(15, 0)[0], 60000 / 256, 2);
}

TEST_F(ImagingLayerTest, DecodeFailsOnTruncatedAndCorruptFiles) {
    const vips::VImage photo = PhotoLike(300, 200);
    Save(photo, dir.file("whole.jpg"), "Q=90");
    Save(photo, dir.file("whole.png"));
    auto write = [&](const char* name, const std::string& bytes) {
        std::ofstream(dir.file(name), std::ios::binary) << bytes;
    };
    const std::string jpeg = ReadAll(dir.file("whole.jpg")), png = ReadAll(dir.file("whole.png"));
    write("truncated.jpg", jpeg.substr(0, jpeg.size() / 2));
    write("truncated.png", png.substr(0, png.size() / 2));
    std::string badTables = jpeg;  // code counts of a Huffman table beyond its limit
    const size_t huffman = jpeg.find("\xFF\xC4");
    ASSERT_NE(huffman, std::string::npos);
    std::fill(badTables.begin() + huffman + 5, badTables.begin() + huffman + 21, '\xFF');
    write("corrupt.jpg", badTables);
    std::string badData = png;
    badData[png.size() / 2] ^= 0x5A;  // fails the chunk's checksum
    write("corrupt.png", badData);

    EXPECT_TRUE(Decode(dir.file("whole.jpg"), 30, 20));
    EXPECT_TRUE(Decode(dir.file("whole.png"), 30, 20));
    for (const char* name : {"truncated.jpg", "truncated.png", "corrupt.jpg", "corrupt.png"}) {
        const Result<RgbPicture> decoded = Decode(dir.file(name), 30, 20);
        EXPECT_FALSE(decoded) << name;
        EXPECT_EQ(decoded.GetStatus().Subject(), dir.file(name));
    }
}

// The damage sits in the last rows, where libvips' thread pool used to lose it.
TEST_F(ImagingLayerTest, DamagedPngGetsOneVerdictWhateverTheThreads) {
    const std::string path = dir.file("damaged.png");
    Save(PhotoLike(1600, 1200), path);
    EXPECT_GT(testsupport::DamageLastPngData(path), 16u);
    const int threadsBefore = ImagingThreads();
    int decoded = 0;
    for (int run = 0; run < 20; ++run) {
        SetImagingThreads(2 + run % 3);
        decoded += Decode(path, 800, 600).IsOk();
    }
    SetImagingThreads(threadsBefore);
    EXPECT_EQ(decoded, 0);
}

// Every pipeline that resamples carries vector code that liborc compiles,
// and frees when the pipeline goes; liborc 0.4.33 frees it without the lock
// it compiles under, so a run's workers building and letting go pipelines
// at once corrupted the heap now and then (the sanitizer tells a double
// free, an invalid one or a bad access in liborc).
TEST_F(ImagingLayerTest, PipelinesBuiltAndLetGoOnSeveralThreadsLeaveTheHeapWhole) {
    Save(PhotoLike(24, 16), dir.file("small.png"));
    std::atomic<int> built{0};
    auto buildMany = [&] {
        const int fd = open(dir.file("small.png").c_str(), O_RDONLY | O_CLOEXEC);
        for (int i = 0; i < 400; ++i) {
            // Each width its own filter, its own code.
            const SourcePipeline pipeline(dir.file("small.png"), fd,
                                          OutputPlan::Stretched(11 + i % 5, 7), VIPS_SIZE_FORCE,
                                          true);
            built += pipeline.Image().width() == 11 + i % 5;
        }
        close(fd);
    };
    std::thread first(buildMany), second(buildMany);
    first.join();
    second.join();
    EXPECT_EQ(built, 800);
}

TEST_F(ImagingLayerTest, JpegEndsAreJudgedByTheRowsTheyHold) {
    Save(PhotoLike(640, 480), dir.file("whole.jpg"), "Q=90");
    const std::string whole = ReadAll(dir.file("whole.jpg"));
    ASSERT_EQ(whole.substr(whole.size() - 2), "\xFF\xD9");
    std::string claimsMore = whole;  // a header of 65500 x 65500 over the same data
    const size_t frame = whole.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    claimsMore.replace(frame + 5, 4, "\xFF\xDC\xFF\xDC");
    const struct {
        const char* name;
        std::string bytes;
        bool decodes;
    } cases[] = {
        {"no-end-marker.jpg", whole.substr(0, whole.size() - 2), true},
        {"last-rows-lost.jpg", whole.substr(0, whole.size() - 40), false},
        {"claims-more-rows.jpg", claimsMore, false},
    };
    const Result<RgbPicture> reference = Decode(dir.file("whole.jpg"), 320, 240);
    ASSERT_TRUE(reference);
    for (const auto& c : cases) {
        std::ofstream(dir.file(c.name), std::ios::binary) << c.bytes;
        const Result<RgbPicture> decoded = Decode(dir.file(c.name), 320, 240);
        EXPECT_EQ(decoded.IsOk(), c.decodes) << c.name << ": " << decoded.GetStatus().Reason();
        if (c.decodes) {
            EXPECT_TRUE(decoded.Value().pixels == reference.Value().pixels) << c.name;
        } else {
            EXPECT_FALSE(decoded.GetStatus().Reason().empty()) << c.name;
        }
    }
}

// A PNG of a few dozen bytes whose text chunk claims a gigabyte: refused
// before libpng allocates it, when added and when converted.
TEST_F(ImagingLayerTest, OversizedPngMetadataIsRefusedUpFront) {
    Save(Quadrants(4, 4), dir.file("small.png"));
    std::string png = ReadAll(dir.file("small.png"));
    png.insert(33, std::string("\x3F\xFF\xFF\xF0iTXt", 8) + "k");
    std::ofstream(dir.file("bomb.png"), std::ios::binary) << png.substr(0, 42);
    EXPECT_FALSE(ProbePicture(dir.file("bomb.png")));
    const Result<RgbPicture> decoded = Decode(dir.file("bomb.png"), 4, 4);
    EXPECT_FALSE(decoded);
    EXPECT_EQ(decoded.GetStatus().Reason(),
              "the iTXt chunk of 1073741808 bytes is more than the 8 MiB allowed for metadata");
    ASSERT_TRUE(ProbePicture(dir.file("small.png")));
}

TEST_F(ImagingLayerTest, PreviewFitsUprightAndIsNullOnFailure) {
    vips::VImage turned = Quadrants(400, 200).copy();
    turned.set("orientation", 8);
    Save(turned, dir.file("turned.jpg"));
    // Its own size as the output, and an output no conversion would take:
    // both show the whole photo upright, fitted.
    for (const OutputPlan& plan : {OutputPlan::Stretched(200, 400), OutputPlan::Stretched(0, 5)}) {
        const QImage preview = DecodePreview(dir.file("turned.jpg"), plan, 100, 100);
        ASSERT_FALSE(preview.isNull());
        EXPECT_EQ(preview.width(), 50);
        EXPECT_EQ(preview.height(), 100);
    }
    const OutputPlan own = OutputPlan::Stretched(200, 400);
    EXPECT_TRUE(DecodePreview(dir.file("missing.jpg"), own, 100, 100).isNull());
    ASSERT_EQ(mkfifo(dir.file("pipe.png").c_str(), 0600), 0);
    EXPECT_TRUE(DecodePreview(dir.file("pipe.png"), own, 100, 100).isNull());
}

}  // namespace
