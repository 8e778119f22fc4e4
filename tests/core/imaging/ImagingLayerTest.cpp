// The imaging steps below the one-photo conversion: probe, decode, preview.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <thread>

#include <gtest/gtest.h>

#include "support/TestPictures.h"
#include "imaging/DecodePreview.h"
#include "imaging/ImageProbe.h"
#include "imaging/PictureDecode.h"
#include "imaging/SourcePipeline.h"
#include "support/TestSupport.h"

using namespace testpictures;

namespace {

class ImagingLayerTest : public ::testing::Test {
protected:
    testsupport::TempDir dir;
};

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
        int32_t w = 0, h = 0;
        ASSERT_TRUE(ProbePictureSize(dir.file(c.file), w, h)) << c.file;
        EXPECT_EQ(w, c.width) << c.file;
        EXPECT_EQ(h, c.height) << c.file;
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
        PictureFacts facts;
        ASSERT_TRUE(ProbePicture(row.path, facts)) << row.path;
        EXPECT_EQ(facts.timeTaken, row.taken) << row.path;
    }
}

TEST_F(ImagingLayerTest, ProbeRefusesWhatIsNotARegularPicture) {
    ASSERT_EQ(mkfifo(dir.file("pipe.jpg").c_str(), 0600), 0);  // would block if opened
    ASSERT_EQ(mkdir(dir.file("folder.jpg").c_str(), 0700), 0);
    std::ofstream(dir.file("text.jpg")) << "not a picture at all";
    for (const char* name : {"pipe.jpg", "folder.jpg", "text.jpg", "missing.jpg"}) {
        int32_t w = 7, h = 7;
        EXPECT_FALSE(ProbePictureSize(dir.file(name), w, h)) << name;
        EXPECT_EQ(w, 7) << name;
    }
    int32_t w = 0, h = 0;
    EXPECT_FALSE(ProbePictureSize("/dev/zero", w, h));
}

TEST_F(ImagingLayerTest, DecodeStretchesTheWholePictureOverTheExactSize) {
    Save(Quadrants(64, 64), dir.file("square.png"));
    RgbPicture picture;
    ASSERT_TRUE(DecodePictureToSize(dir.file("square.png"), 100, 30, picture));
    EXPECT_EQ(picture.width, 100);
    EXPECT_EQ(picture.height, 30);
    ASSERT_EQ(picture.pixels.size(), 100u * 30 * 3);
    const uint8_t* topLeft = picture.Pixel(1, 1);
    const uint8_t* bottomRight = picture.Pixel(98, 28);
    EXPECT_EQ((Rgb{topLeft[0], topLeft[1], topLeft[2]}), kRed);
    EXPECT_EQ((Rgb{bottomRight[0], bottomRight[1], bottomRight[2]}), kYellow);
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

    RgbPicture picture;
    ASSERT_TRUE(DecodePictureToSize(dir.file("p3.png"), 8, 8, picture));
    EXPECT_TRUE(Near({picture.pixels[0], picture.pixels[1], picture.pixels[2]}, {200, 30, 30}, 3));

    ASSERT_TRUE(DecodePictureToSize(dir.file("alpha.png"), 16, 16, picture));
    EXPECT_EQ((Rgb{picture.Pixel(1, 5)[0], picture.Pixel(1, 5)[1], picture.Pixel(1, 5)[2]}),
              kWhite);
    EXPECT_EQ((Rgb{picture.Pixel(14, 5)[0], picture.Pixel(14, 5)[1], picture.Pixel(14, 5)[2]}),
              kBlue);

    ASSERT_TRUE(DecodePictureToSize(dir.file("grey16.png"), 16, 16, picture));
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

    RgbPicture picture;
    EXPECT_TRUE(DecodePictureToSize(dir.file("whole.jpg"), 30, 20, picture));
    EXPECT_TRUE(DecodePictureToSize(dir.file("whole.png"), 30, 20, picture));
    for (const char* name : {"truncated.jpg", "truncated.png", "corrupt.jpg", "corrupt.png"})
        EXPECT_FALSE(DecodePictureToSize(dir.file(name), 30, 20, picture)) << name;
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
        RgbPicture picture;
        decoded += DecodePictureToSize(path, 800, 600, picture);
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
            const SourcePipeline pipeline(dir.file("small.png"), fd, 11 + i % 5, 7, VIPS_SIZE_FORCE,
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
    RgbPicture reference;
    ASSERT_TRUE(DecodePictureToSize(dir.file("whole.jpg"), 320, 240, reference));
    for (const auto& c : cases) {
        std::ofstream(dir.file(c.name), std::ios::binary) << c.bytes;
        RgbPicture picture;
        std::string reason;
        EXPECT_EQ(DecodePictureToSize(dir.file(c.name), 320, 240, picture, &reason), c.decodes)
            << c.name << ": " << reason;
        if (c.decodes) {
            EXPECT_TRUE(picture.pixels == reference.pixels) << c.name;
        } else {
            EXPECT_FALSE(reason.empty()) << c.name;
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
    int32_t w = 0, h = 0;
    EXPECT_FALSE(ProbePictureSize(dir.file("bomb.png"), w, h));
    RgbPicture picture;
    std::string reason;
    EXPECT_FALSE(DecodePictureToSize(dir.file("bomb.png"), 4, 4, picture, &reason));
    EXPECT_EQ(reason, "the iTXt chunk of 1073741808 bytes is more than the 8 MiB allowed for metadata");
    ASSERT_TRUE(ProbePictureSize(dir.file("small.png"), w, h));
}

TEST_F(ImagingLayerTest, PreviewFitsUprightAndIsNullOnFailure) {
    vips::VImage turned = Quadrants(400, 200).copy();
    turned.set("orientation", 8);
    Save(turned, dir.file("turned.jpg"));
    const QImage preview = DecodePreview(dir.file("turned.jpg"), 100, 100);
    ASSERT_FALSE(preview.isNull());
    EXPECT_EQ(preview.width(), 50);
    EXPECT_EQ(preview.height(), 100);
    EXPECT_TRUE(DecodePreview(dir.file("missing.jpg"), 100, 100).isNull());
    ASSERT_EQ(mkfifo(dir.file("pipe.png").c_str(), 0600), 0);
    EXPECT_TRUE(DecodePreview(dir.file("pipe.png"), 100, 100).isNull());
}

}  // namespace
