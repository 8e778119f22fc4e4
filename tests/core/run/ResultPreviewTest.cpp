// The window's result preview against the file a run then writes for the
// same photo and settings: the same size in bytes (within 2 %), the output's
// pixel size as written (turned too), and what a byte limit came to.

// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "support/TestPictures.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "model/OptionTables.h"
#include "run/ConvertPhoto.h"
#include "run/ResultPreview.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"

using namespace testpictures;

namespace {

struct PreviewRow {
    const char* name;
    int32_t format;
    int32_t quality;
    bool lossless;
    int32_t rotate;
    int64_t limit;
    int32_t shownWidth;  // the output as written
    int32_t shownHeight;
    const char* captionHas;
};

const PreviewRow kRows[] = {
    {"jpeg", kFormatJpg, 82, false, 0, 0, 400, 300, "400 x 300 \u00b7 JPG 82 \u00b7 "},
    {"webp turned", kFormatWebp, 60, false, 90, 0, 300, 400, "300 x 400 \u00b7 WebP 60"},
    {"webp lossless", kFormatWebp, 60, true, 0, 0, 400, 300, "WebP lossless"},
    {"avif", kFormatAvif, 50, false, 0, 0, 400, 300, "AVIF 50"},
    {"png", kFormatPng, 82, false, 0, 0, 400, 300, "PNG \u00b7 "},
    {"tiff", kFormatTif, 82, false, 180, 0, 400, 300, "TIF \u00b7 "},
    {"bmp", kFormatBmp, 82, false, 0, 0, 400, 300, "BMP \u00b7 "},
    {"jpeg within 12 KB", kFormatJpg, 95, false, 0, 12000, 400, 300, "fitted: quality "},
    {"jpeg shrunk to 3 KB", kFormatJpg, 95, false, 0, 3000, 0, 0, "fitted by reducing to "},
};

TEST(ResultPreviewTest, MatchesTheFileTheRunWrites) {
    testsupport::TempDir dir;
    const std::string source = dir.file("source.png");
    Save(PhotoLike(800, 600), source);
    RecordingPrompter prompter{PromptAnswer::No};
    for (const PreviewRow& row : kRows) {
        SCOPED_TRACE(row.name);
        PhotoJob job;
        job.source = {source, "png", 800, 600};
        job.settings.nOuptputFormat = row.format;
        job.settings.nCurrentJpegQuality = row.quality;
        job.settings.bLossless = row.lossless;
        job.settings.nRotateAngel = row.rotate;
        job.settings.nMaxFileSize = row.limit;
        job.plan = OutputPlan::Stretched(400, 300);
        job.outputPath = dir.file(std::string(row.name) + "." + ExtensionOfFormat(row.format));
        const TextOverlay overlay{};

        Result<ResultPreview> preview = PreviewResult(job, overlay, 160, 160);
        ASSERT_TRUE(preview) << preview.GetStatus().Told();
        const PhotoResult written = ConvertPhoto(job, overlay, prompter);
        ASSERT_EQ(written.outcome, PhotoOutcome::Written) << written.Told();

        struct stat st {};
        ASSERT_EQ(::stat(job.outputPath.c_str(), &st), 0);
        const double bytes = double(preview.Value().bytes.size());
        EXPECT_NEAR(bytes, double(st.st_size), 0.02 * double(st.st_size));
        if (row.limit > 0)
            EXPECT_LE(preview.Value().bytes.size(), uint64_t(row.limit));
        if (row.shownWidth > 0) {
            EXPECT_EQ(preview.Value().width, row.shownWidth);
            EXPECT_EQ(preview.Value().height, row.shownHeight);
        }
        // Shown whole within the asked size, in the output's proportions.
        const QImage& shown = preview.Value().shown;
        EXPECT_LE(std::max(shown.width(), shown.height()), 160);
        EXPECT_NEAR(double(shown.width()) / shown.height(),
                    double(preview.Value().width) / preview.Value().height, 0.02);
        EXPECT_NE(preview.Value().Caption().find(row.captionHas), std::string::npos)
            << preview.Value().Caption();
    }
    EXPECT_TRUE(prompter.Texts().empty());
}

TEST(ResultPreviewTest, TellsWhyThereIsNone) {
    testsupport::TempDir dir;
    PhotoJob job;
    job.source = {dir.file("gone.png"), "png", 800, 600};
    job.plan = OutputPlan::Stretched(400, 300);
    Result<ResultPreview> preview = PreviewResult(job, {}, 160, 160);
    ASSERT_FALSE(preview);
    EXPECT_NE(preview.GetStatus().Told().find("gone.png"), std::string::npos)
        << preview.GetStatus().Told();
}

}  // namespace
