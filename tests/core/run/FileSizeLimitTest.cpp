// A byte limit per output file, through the whole conversion of one photo:
// every output fits, in each format with a quality and in a lossless one;
// a limit the lowest quality misses shrinks the picture or fails with the
// reason; a source that already fits is copied; camera data counts.

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "model/OptionTables.h"
#include "run/ConvertPhoto.h"
#include "support/RecordingPrompter.h"
#include "support/TestPictures.h"
#include "support/TestSupport.h"

using namespace testpictures;

namespace {

uint64_t FileBytes(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
}

class FileSizeLimitTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = dir.file("source.png");
        Save(PhotoLike(320, 240), source);
    }

    // A job for the source at its own size (or the plan's) in the format.
    PhotoJob Job(int32_t format, int64_t limit, const std::string& name) {
        PhotoJob job;
        job.source.path = source;
        job.source.format = sourceFormat;
        job.source.width = width;
        job.source.height = height;
        job.settings.nOuptputFormat = format;
        job.settings.nMaxFileSize = limit;
        job.plan = OutputPlan::Stretched(width, height);
        job.outputPath = dir.file(name);
        return job;
    }

    PhotoResult Convert(const PhotoJob& job) { return ConvertPhoto(job, {}, prompter); }

    testsupport::TempDir dir;
    std::string source;
    std::string sourceFormat = "png";
    int32_t width = 320, height = 240;
    RecordingPrompter prompter{PromptAnswer::No};
};

TEST_F(FileSizeLimitTest, EveryOutputFitsAtTheBestQualityThatDoes) {
    for (const int32_t format : {kFormatJpg, kFormatWebp, kFormatAvif, kFormatJxl}) {
        const std::string extension = ExtensionOfFormat(format);
        SCOPED_TRACE(extension);
        const PhotoJob free = Job(format, 0, "free." + extension);
        ASSERT_EQ(Convert(free).outcome, PhotoOutcome::Written);
        const uint64_t unlimited = FileBytes(free.outputPath);

        // A limit the record's quality meets changes nothing, byte for byte.
        const PhotoJob loose = Job(format, static_cast<int64_t>(unlimited), "loose." + extension);
        const PhotoResult looseResult = Convert(loose);
        ASSERT_EQ(looseResult.outcome, PhotoOutcome::Written) << looseResult.Told();
        EXPECT_EQ(ReadAll(loose.outputPath), ReadAll(free.outputPath));
        ASSERT_TRUE(looseResult.fit);
        EXPECT_EQ(looseResult.fit->quality, 80);
        EXPECT_EQ(looseResult.fit->tries, 1);

        const int64_t limit = static_cast<int64_t>(unlimited * 6 / 10);
        const PhotoJob tight = Job(format, limit, "tight." + extension);
        const PhotoResult result = Convert(tight);
        ASSERT_EQ(result.outcome, PhotoOutcome::Written) << result.Told();
        ASSERT_TRUE(result.fit);
        const uint64_t bytes = FileBytes(tight.outputPath);
        EXPECT_LE(bytes, static_cast<uint64_t>(limit));
        EXPECT_EQ(result.fit->bytes, bytes);
        EXPECT_GE(result.fit->quality, 30);
        EXPECT_LT(result.fit->quality, 80);
        EXPECT_FALSE(result.fit->Downscaled());
        EXPECT_EQ(Load(tight.outputPath).width(), width);
        // One quality step up would not have fitted.
        PhotoJob above = Job(format, 0, "above." + extension);
        above.settings.nCurrentJpegQuality = result.fit->quality + 1;
        above.settings.nChroma = kChroma420;
        ASSERT_EQ(Convert(above).outcome, PhotoOutcome::Written);
        EXPECT_GT(FileBytes(above.outputPath), static_cast<uint64_t>(limit));
    }
}

TEST_F(FileSizeLimitTest, ALimitBelowTheFloorShrinksOrFailsAsChosen) {
    struct Case {
        const char* name;
        int32_t format;
        bool noShrink;
        const char* reasonStart;  // null: written smaller
    } cases[] = {
        {"jpeg shrinks", kFormatJpg, false, nullptr},
        {"png shrinks", kFormatPng, false, nullptr},
        {"jpeg refuses", kFormatJpg, true, "cannot reach 2 KB at quality 30 (smallest "},
        {"png refuses", kFormatPng, true, "cannot reach 2 KB losslessly (smallest "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PhotoJob job = Job(c.format, 2000, std::string(c.name) + "." + ExtensionOfFormat(c.format));
        job.settings.bNoShrinkToFit = c.noShrink;
        const PhotoResult result = Convert(job);
        if (c.reasonStart) {
            EXPECT_EQ(result.outcome, PhotoOutcome::Failed);
            EXPECT_EQ(result.reason.rfind(c.reasonStart, 0), 0u) << result.reason;
            EXPECT_EQ(FileBytes(job.outputPath), 0u);
            continue;
        }
        ASSERT_EQ(result.outcome, PhotoOutcome::Written) << result.Told();
        ASSERT_TRUE(result.fit && result.fit->Downscaled());
        EXPECT_LE(FileBytes(job.outputPath), 2000u);
        const vips::VImage written = Load(job.outputPath);
        EXPECT_EQ(written.width(), result.fit->width);
        EXPECT_EQ(written.height(), result.fit->height);
        EXPECT_LT(written.width(), width);
        // The proportions stay.
        EXPECT_NEAR(double(written.width()) / written.height(), 4.0 / 3.0, 0.05);
    }
}

TEST_F(FileSizeLimitTest, ASourceThatFitsIsCopiedOnlyWhenNothingElseChanges) {
    source = dir.file("small.jpg");
    sourceFormat = "jpeg";
    Save(PhotoLike(width, height), source, "Q=90");
    const int64_t limit = static_cast<int64_t>(FileBytes(source)) + 100;

    PhotoJob same = Job(kFormatJpg, limit, "same.jpg");
    same.settings.nMetadata = kMetadataAll;
    const PhotoResult copied = Convert(same);
    ASSERT_EQ(copied.outcome, PhotoOutcome::Written) << copied.Told();
    EXPECT_EQ(ReadAll(same.outputPath), ReadAll(source));
    EXPECT_TRUE(copied.fit && copied.fit->copied);

    PhotoJob stripped = same;  // the camera data would go
    stripped.settings.nMetadata = kMetadataNone;
    stripped.outputPath = dir.file("stripped.jpg");
    PhotoJob turned = same;
    turned.settings.nRotateAngel = 90;
    turned.outputPath = dir.file("turned.jpg");
    for (const PhotoJob& changed : {stripped, turned}) {
        SCOPED_TRACE(changed.outputPath);
        const PhotoResult result = Convert(changed);
        ASSERT_EQ(result.outcome, PhotoOutcome::Written) << result.Told();
        EXPECT_NE(ReadAll(changed.outputPath), ReadAll(source));
        EXPECT_FALSE(result.fit->copied);
        EXPECT_LE(FileBytes(changed.outputPath), static_cast<uint64_t>(limit));
    }
}

// Camera data takes room the picture then lacks: the same limit gives a
// lower quality with it, and the file with it still fits.
TEST_F(FileSizeLimitTest, CameraDataCountsAgainstTheLimit) {
    source = testsupport::CameraPhoto();
    sourceFormat = "jpeg";
    width = 48;  // upright
    height = 64;
    PhotoJob measured = Job(kFormatJpg, 0, "measured.jpg");
    measured.settings.nCurrentJpegQuality = 60;
    measured.settings.nMetadata = kMetadataAll;
    ASSERT_EQ(Convert(measured).outcome, PhotoOutcome::Written);
    const int64_t limit = static_cast<int64_t>(FileBytes(measured.outputPath));

    PhotoJob withData = Job(kFormatJpg, limit, "with-data.jpg");
    withData.settings.nCurrentJpegQuality = 95;
    withData.settings.nMetadata = kMetadataAll;
    PhotoJob without = withData;
    without.settings.nMetadata = kMetadataNone;
    without.outputPath = dir.file("without.jpg");
    const PhotoResult withResult = Convert(withData);
    const PhotoResult withoutResult = Convert(without);
    ASSERT_EQ(withResult.outcome, PhotoOutcome::Written) << withResult.Told();
    ASSERT_EQ(withoutResult.outcome, PhotoOutcome::Written) << withoutResult.Told();
    EXPECT_LE(FileBytes(withData.outputPath), static_cast<uint64_t>(limit));
    EXPECT_NE(Load(withData.outputPath).get_typeof(VIPS_META_EXIF_NAME), 0u);
    EXPECT_LT(withResult.fit->quality, withoutResult.fit->quality);
}

}  // namespace
