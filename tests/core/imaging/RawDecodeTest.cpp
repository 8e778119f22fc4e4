// Camera RAW sources developed by LibRaw: the shared DNGs (made from real
// camera photos) upright at their sizes, close to the photo they were made
// from, quick from the camera's preview only when it is large enough, and
// damaged raw data refused unless the preview serves.

#include <cmath>
#include <filesystem>

#include <gtest/gtest.h>

#include "imaging/ImageProbe.h"
#include "imaging/PictureDecode.h"
#include "imaging/RawDecode.h"
#include "model/RawDevelop.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

std::string Raw(const std::string& name) { return testsupport::TestDataDir() + "/raw/" + name; }

#define NEED_SHARED_RAWS()                                                                   \
    if (!fs::exists(Raw("INDEX.md")))                                                        \
    GTEST_SKIP() << "no shared RAW test data at " << Raw("")

double Psnr(const RgbPicture& a, const RgbPicture& b) {
    EXPECT_EQ(a.pixels.size(), b.pixels.size());
    double sum = 0;
    for (std::size_t i = 0; i < std::min(a.pixels.size(), b.pixels.size()); ++i) {
        const double d = double(a.pixels[i]) - double(b.pixels[i]);
        sum += d * d;
    }
    const double mse = sum / double(std::max<std::size_t>(a.pixels.size(), 1));
    return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

// A quarter turn clockwise, as EXIF orientation 6 shows a picture.
RgbPicture TurnedClockwise(const RgbPicture& in) {
    RgbPicture out;
    out.width = in.height;
    out.height = in.width;
    out.pixels.resize(in.pixels.size());
    for (int32_t y = 0; y < in.height; ++y)
        for (int32_t x = 0; x < in.width; ++x)
            std::copy_n(in.Pixel(x, y), 3, out.Pixel(in.height - 1 - y, x));
    return out;
}

RgbPicture Decoded(const std::string& path, int32_t w, int32_t h, int32_t mode = kRawAuto,
                   std::string* reason = nullptr) {
    RgbPicture picture;
    std::string why;
    EXPECT_TRUE(DecodePictureToSize(path, w, h, picture, &why, false, mode)) << path << ": " << why;
    if (reason)
        *reason = why;
    return picture;
}

TEST(RawDecode, SharedDngsComeOutUprightAtTheirSizesLikeTheirPhotos) {
    NEED_SHARED_RAWS();
    const std::string photo = testsupport::TestDataDir() + "/photos/camera/Canon_40D.jpg";
    // The 100x68 files are all pixel-level detail: a correct develop scores
    // 27.6 dB against the photo. The SX60's source is not kept; its full-size
    // JPEG preview (40.6 dB from the source) stands in for it.
    const struct {
        const char* file;
        int32_t width, height;
        bool turned;
        double minPsnr;
    } rows[] = {
        {"canon40d-o1.dng", 100, 68, false, 26.6},
        {"canon40d-o6.dng", 68, 100, true, 26.6},
        {"sx60-o6-fulljpeg.dng", 1536, 2048, false, 32.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        PictureFacts facts;
        ASSERT_TRUE(ProbePicture(Raw(row.file), facts));
        EXPECT_EQ(facts.format, "raw");
        EXPECT_EQ(facts.width, row.width);
        EXPECT_EQ(facts.height, row.height);
        EXPECT_GT(facts.timeTaken, 0);

        const RgbPicture full = Decoded(Raw(row.file), row.width, row.height, kRawFull);
        EXPECT_EQ(full.rawSource, "full");
        RgbPicture reference;
        if (row.width == 100 || row.turned) {
            reference = Decoded(photo, 100, 68);
            if (row.turned)
                reference = TurnedClockwise(reference);
        } else {
            reference = Decoded(Raw(row.file), row.width, row.height, kRawPreview);
        }
        EXPECT_GE(Psnr(full, reference), row.minPsnr);
    }
}

TEST(RawDecode, AutoTakesThePreviewOnlyWhenItCoversTheOutput) {
    NEED_SHARED_RAWS();
    const struct {
        const char* file;
        int32_t width, height, mode;
        const char* source;
    } rows[] = {
        {"sx60-o6-fulljpeg.dng", 1536, 2048, kRawAuto, "preview"},  // full-size preview
        {"sx60-o6-fulljpeg.dng", 300, 400, kRawAuto, "preview"},
        {"canon40d-o1.dng", 100, 68, kRawAuto, "full"},  // a 50x34 preview, half is 50x34
        {"canon40d-o1.dng", 50, 34, kRawAuto, "preview"},
        {"canon40d-o6.dng", 68, 100, kRawPreview, "preview"},  // asked for: enlarged
        {"sx60-o6-fulljpeg.dng", 300, 400, kRawFull, "full"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.file) + " " + std::to_string(row.width));
        const RgbPicture picture = Decoded(Raw(row.file), row.width, row.height, row.mode);
        EXPECT_EQ(picture.rawSource, row.source);
        EXPECT_EQ(picture.width, row.width);
        EXPECT_TRUE(picture.rawNote.empty()) << picture.rawNote;
    }
}

// The preview turned by the file's flip agrees with the develop: a preview
// left lying on its side or turned twice would score far lower.
TEST(RawDecode, PreviewAndDevelopAreTurnedAlike) {
    NEED_SHARED_RAWS();
    const std::string file = Raw("sx60-o6-fulljpeg.dng");
    EXPECT_GE(Psnr(Decoded(file, 384, 512, kRawPreview), Decoded(file, 384, 512, kRawFull)), 30.0);
}

TEST(RawDecode, CutRawDataFailsWithItsReasonUnlessThePreviewServes) {
    NEED_SHARED_RAWS();
    testsupport::TempDir dir;
    const std::string cut = dir.file("cut.dng");
    fs::copy_file(Raw("sx60-o6-fulljpeg.dng"), cut);
    fs::resize_file(cut, fs::file_size(cut) * 3 / 4);
    const struct {
        int32_t mode;
        bool converts;
    } rows[] = {{kRawAuto, true}, {kRawPreview, true}, {kRawFull, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mode);
        RgbPicture picture;
        std::string reason;
        EXPECT_EQ(DecodePictureToSize(cut, 768, 1024, picture, &reason, false, row.mode), row.converts);
        if (row.converts)
            EXPECT_NE(picture.rawNote.find("the raw data is incomplete"), std::string::npos);
        else
            EXPECT_EQ(reason, "the raw data is incomplete");
    }
}

}  // namespace
