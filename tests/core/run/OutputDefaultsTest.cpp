// With every setting added since tests/data/defaults was made at its
// default, the outputs are byte for byte what the program wrote before.

#include <gtest/gtest.h>

#include "gather/PhotoInfo.h"
#include "run/ConvertPhoto.h"
#include "support/PhotoJobs.h"
#include "support/RecordingPrompter.h"
#include "support/TestPictures.h"
#include "support/TestSupport.h"

using namespace testpictures;

namespace {

TEST(OutputDefaults, OutputsAreThoseOfTheProgramBeforeTheLaterSettings) {
    const std::string data = testsupport::TestSourceDir() + "/data/defaults/";
    struct Case {
        const char* made;  // see data/defaults/README
        int32_t format;
        int32_t pixelFormat;
        int32_t quality;
        int32_t rotate;
    } cases[] = {
        {"camera.jpg", kFormatJpg, 4, 80, 0},      {"camera.png", kFormatPng, 4, 80, 0},
        {"camera.tif", kFormatTif, 4, 80, 0},      {"camera.bmp", kFormatBmp, 4, 80, 0},
        {"camera.8bit.bmp", kFormatBmp, 2, 80, 0}, {"camera.q35.jpg", kFormatJpg, 4, 35, 90},
    };
    testsupport::TempDir dir;
    for (const Case& c : cases) {
        // Only the settings the old program had are set; the rest are the
        // record's defaults.
        OutputPhotoFormat defaults;
        defaults.nOutputWidth = 40;
        defaults.nOuptputFormat = c.format;
        defaults.iComboPixelFormat = c.pixelFormat;
        defaults.nCurrentJpegQuality = c.quality;
        defaults.nRotateAngel = c.rotate;
        RecordingPrompter prompter;
        PhotoItem photo;
        ASSERT_TRUE(LoadPhotoInfo(data + "source.jpg", photo, defaults, prompter));
        photo.strOutputPath = dir.file(c.made);
        ASSERT_EQ(testsupport::ConvertListPhoto(photo, {}, prompter).outcome, PhotoOutcome::Written)
            << c.made;
        EXPECT_TRUE(ReadAll(photo.strOutputPath) == ReadAll(data + c.made)) << c.made;
    }
}

}  // namespace
