// Camera RAW sources developed by LibRaw: the shared DNGs (made from real
// camera photos) upright at their sizes, close to the photo they were made
// from, quick from the camera's preview only when it is large enough, and
// damaged raw data refused unless the preview serves.

#include <cmath>
#include <filesystem>
#include <fstream>

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

RgbPicture Decoded(const std::string& path, const OutputPlan& plan, int32_t mode = kRawAuto) {
    Result<RgbPicture> decoded = DecodePicture(path, plan, false, mode);
    EXPECT_TRUE(decoded) << decoded.GetStatus().Told();
    return decoded ? std::move(decoded).Value() : RgbPicture{};
}

RgbPicture Decoded(const std::string& path, int32_t w, int32_t h, int32_t mode = kRawAuto) {
    return Decoded(path, OutputPlan::Stretched(w, h), mode);
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
        const Result<PictureFacts> probed = ProbePicture(Raw(row.file));
        ASSERT_TRUE(probed) << probed.GetStatus().Told();
        const PictureFacts& facts = probed.Value();
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

// A copy of the SX60 file whose preview states a size of 256 x 192 (the
// width and length of the first directory, little-endian TIFF): too small
// for most outputs, so that a develop is chosen.
std::string WithSmallPreview(const testsupport::TempDir& dir) {
    const std::string copy = dir.file("small-preview.dng");
    fs::copy_file(Raw("sx60-o6-fulljpeg.dng"), copy);
    fs::permissions(copy, fs::perms::owner_write, fs::perm_options::add);
    std::fstream file(copy, std::ios::in | std::ios::out | std::ios::binary);
    const auto read = [&](std::streamoff at, int bytes) {
        unsigned char b[4] = {};
        file.seekg(at);
        file.read(reinterpret_cast<char*>(b), bytes);
        return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    };
    const uint32_t ifd = read(4, 4);
    for (uint32_t i = 0, n = read(ifd, 2); i < n; ++i) {
        const std::streamoff entry = ifd + 2 + 12 * i;
        const uint32_t tag = read(entry, 2);
        if (tag == 256 || tag == 257) {
            const uint32_t value = tag == 256 ? 256 : 192;
            const char bytes[4] = {char(value & 0xFF), char(value >> 8), 0, 0};
            const int size = read(entry + 2, 2) == 3 ? 2 : 4;  // SHORT or LONG
            file.seekp(entry + 8);
            file.write(bytes, size);
        }
    }
    return copy;
}

TEST(RawDecode, AutoTakesThePreviewOnlyWhenItCoversTheOutput) {
    NEED_SHARED_RAWS();
    testsupport::TempDir dir;
    const std::string smallPreview = WithSmallPreview(dir);
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
        {"", 600, 800, kRawAuto, "half"},  // half the sensor covers it
        {"", 1536, 2048, kRawAuto, "full"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.file) + " " + std::to_string(row.width));
        const std::string path = *row.file ? Raw(row.file) : smallPreview;
        const RgbPicture picture = Decoded(path, row.width, row.height, row.mode);
        EXPECT_EQ(picture.rawSource, row.source);
        EXPECT_EQ(picture.width, row.width);
        EXPECT_TRUE(picture.rawNote.empty()) << picture.rawNote;
    }
    // The plan lays a RAW out like any photo: here padded with white.
    const RgbPicture padded =
        Decoded(Raw("sx60-o6-fulljpeg.dng"), OutputPlan::Placed(800, 600, {250, 100, 300, 400}));
    ASSERT_EQ(padded.width, 800);
    EXPECT_EQ(padded.rawSource, "preview");
    EXPECT_EQ(padded.Pixel(0, 0)[0] & padded.Pixel(0, 0)[1] & padded.Pixel(0, 0)[2], 255);
    EXPECT_EQ(padded.Pixel(400, 90)[1], 255);
    EXPECT_LT(padded.Pixel(400, 300)[0] & padded.Pixel(400, 300)[1] & padded.Pixel(400, 300)[2], 250);
}

// The preview turned by the file's flip agrees with the develops: one left
// lying on its side, turned twice or coloured otherwise would score far
// lower.
TEST(RawDecode, PreviewAndDevelopsAreTurnedAndColouredAlike) {
    NEED_SHARED_RAWS();
    testsupport::TempDir dir;
    const std::string file = WithSmallPreview(dir);
    const RgbPicture preview = Decoded(Raw("sx60-o6-fulljpeg.dng"), 384, 512, kRawPreview);
    const struct {
        int32_t mode;
        const char* source;
    } rows[] = {{kRawAuto, "half"}, {kRawFull, "full"}};
    for (const auto& row : rows) {
        const RgbPicture developed = Decoded(file, 384, 512, row.mode);
        EXPECT_EQ(developed.rawSource, row.source);
        EXPECT_GE(Psnr(preview, developed), 30.0) << row.source;
    }
}

// A run admits photos by their memory: a develop that counted like a
// preview would let several 16-bit pictures in at once.
TEST(RawDecode, MemoryCountsWhatTheWayChosenHolds) {
    NEED_SHARED_RAWS();
    const std::string file = Raw("sx60-o6-fulljpeg.dng");
    const uint64_t sensor = 2048 * 1536;
    const OutputPlan plan = OutputPlan::Stretched(1536, 2048);
    const uint64_t full = RawDecodeBytes(file, plan, kRawFull);
    const uint64_t preview = RawDecodeBytes(file, plan, kRawAuto);
    EXPECT_GE(full, sensor * (2 + 8 + 6));  // raw samples, working image, 16-bit RGB
    EXPECT_GE(preview, fs::file_size(file) / 16);  // the JPEG and its pixels
    EXPECT_LT(preview, full / 4);
    EXPECT_EQ(RawDecodeBytes(testsupport::TestDataDir() + "/photos/camera/Canon_40D.jpg",
                             OutputPlan::Stretched(100, 68), kRawAuto),
              0u);
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
        const Result<RgbPicture> decoded =
            DecodePicture(cut, OutputPlan::Stretched(768, 1024), false, row.mode);
        ASSERT_EQ(bool(decoded), row.converts) << decoded.GetStatus().Told();
        if (row.converts)
            EXPECT_NE(decoded.Value().rawNote.find("the raw data is incomplete"), std::string::npos);
        else
            EXPECT_EQ(decoded.GetStatus().Told(), cut + ": the raw data is incomplete");
    }
}

}  // namespace
