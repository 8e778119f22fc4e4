// Sources of 16-bit samples keep them in the outputs that store them.

// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "support/TestPictures.h"

#include <gtest/gtest.h>

#include "model/OptionTables.h"
#include "run/ConvertPhoto.h"
#include "support/PhotoJobs.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"

using namespace testpictures;

namespace {

// A 16-bit ramp whose samples an 8-bit picture cannot hold (never a
// multiple of 257), red across, green down, blue steady.
vips::VImage DeepRamp(int width, int height) {
    const vips::VImage xy = vips::VImage::xyz(width, height);
    const vips::VImage red = xy[0] * (60000.0 / width) + 1000;
    const vips::VImage green = xy[1] * (50000.0 / height) + 3001;
    const vips::VImage blue = xy[0] * 0 + 12345;
    return vips::VImage::bandjoin(std::vector<vips::VImage>{red, green, blue})
        .cast(VIPS_FORMAT_USHORT)
        .copy(vips::VImage::option()->set("interpretation", VIPS_INTERPRETATION_RGB16));
}

TEST(SampleDepthTest, SixteenBitSourcesStaySixteenBitInPngAndTiff) {
    testsupport::TempDir dir;
    const std::string source = dir.file("deep.png");
    const vips::VImage ramp = DeepRamp(40, 30);
    Save(ramp, source);
    ASSERT_EQ(Load(source).format(), VIPS_FORMAT_USHORT);
    const vips::VImage expected = Load(source);
    const struct {
        const char* name;
        int32_t format;
        bool deep;
        const char* text;  // an overlay drawn in 8 bits
    } rows[] = {
        {"out.png", kFormatPng, true, ""},
        {"out.tif", kFormatTif, true, ""},
        {"out.jpg", kFormatJpg, false, ""},
        {"drawn.png", kFormatPng, false, "Mark"},
    };
    for (const auto& row : rows) {
        PhotoItem photo;
        photo.strSourcePath = source;
        photo.strOutputPath = dir.file(row.name);
        photo.m_outputPhotoFormat.nOuptputFormat = row.format;
        photo.m_outputPhotoFormat.nOutputWidth = 40;
        photo.m_outputPhotoFormat.nOutputHeight = 30;
        TextOverlay overlay;
        overlay.text = row.text;
        RecordingPrompter prompter;
        ASSERT_EQ(testsupport::ConvertListPhoto(photo, overlay, prompter).outcome,
                  PhotoOutcome::Written)
            << row.name;
        const vips::VImage out = Load(photo.strOutputPath);
        EXPECT_EQ(out.format() == VIPS_FORMAT_USHORT, row.deep) << row.name;
        if (!row.deep)
            continue;
        // Same size, so no resample: every sample as it was, within rounding.
        ASSERT_EQ(out.bands(), 3) << row.name;
        std::size_t outBytes = 0, expectedBytes = 0;
        const auto* got = static_cast<const uint16_t*>(out.write_to_memory(&outBytes));
        const auto* want = static_cast<const uint16_t*>(expected.write_to_memory(&expectedBytes));
        ASSERT_EQ(outBytes, expectedBytes) << row.name;
        int worst = 0;
        for (std::size_t i = 0; i < outBytes / 2; ++i)
            worst = std::max(worst, std::abs(int(got[i]) - int(want[i])));
        g_free(const_cast<uint16_t*>(got));
        g_free(const_cast<uint16_t*>(want));
        EXPECT_LE(worst, 1) << row.name;
    }
}

}  // namespace
