// Where a run's outputs go and what they are called, on real files: next to
// each original, with the original's date, and several outputs of one
// decode.

#include <gtest/gtest.h>

// libvips (through GLib's gio) before Qt, whose "signals" macro breaks gio.
#include "support/TestPictures.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "gather/PhotoGathering.h"
#include "imaging/PictureResample.h"
#include "run/MultiOutput.h"
#include "run/OutputPlacement.h"
#include "run/RunStart.h"
#include "support/PhotoJobs.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using testsupport::LongEdge;

// A photo-like PNG of w x h in its folder, listed as the window lists it.
PhotoItem Photo(const std::string& path, int w, int h) {
    fs::create_directories(fs::path(path).parent_path());
    testpictures::Save(testpictures::PhotoLike(w, h), path);
    PhotoItem p;
    p.strSourcePath = path;
    p.strSourceFormat = "png";
    p.nWidth = w;
    p.nHeight = h;
    p.m_outputPhotoFormat.nOutputWidth = w / 2;
    p.m_outputPhotoFormat.nOutputHeight = h / 2;
    p.m_outputPhotoFormat.nKeepAspectRatio = kKeepNone;
    p.timeModified = 1242561600;
    return p;
}

RunResult RunPrepared(RunRequest request, RecordingPrompter& prompter, bool expectReady = true) {
    PreparedRun prepared = PrepareRun(std::move(request), prompter);
    EXPECT_EQ(prepared.ready, expectReady);
    if (!prepared.ready)
        return {};
    ActivityLog log(prepared.job.naming.runFolder);
    return ConversionRun(std::move(prepared.job), prompter, log, {}).Run();
}

TEST(OutputPlacement, BesideWritesNextToEachOriginalWithItsDate) {
    testsupport::TempDir dir;
    const std::string day1 = dir.file("Trip/Day1/IMG_0001.png");
    const std::string am = dir.file("Trip/Day2/am/IMG_0002.png");
    RunRequest request;
    request.outputFolder = dir.file("out");
    request.photos = {Photo(day1, 40, 30), Photo(am, 30, 40)};
    // An old date with a fraction of a second, which must come through too.
    const struct timespec times[2] = {{1000000000, 250000000}, {1000000000, 250000000}};
    ASSERT_EQ(::utimensat(AT_FDCWD, am.c_str(), times, 0), 0);
    request.naming.besideFolder = "web";
    request.naming.nameTemplate = "{name}_web";
    request.naming.keepFileDate = true;
    RecordingPrompter prompter;
    const RunResult result = RunPrepared(request, prompter);
    EXPECT_EQ(result.converted, 2u);
    EXPECT_TRUE(prompter.Prompts().empty());
    EXPECT_FALSE(fs::exists(dir.file("out"))) << "no run folder is made";
    const std::string out1 = dir.file("Trip/Day1/web/IMG_0001_web.jpg");
    const std::string out2 = dir.file("Trip/Day2/am/web/IMG_0002_web.jpg");
    ASSERT_TRUE(fs::exists(out1) && fs::exists(out2));
    struct stat st {};
    ASSERT_EQ(::stat(out2.c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
    EXPECT_EQ(st.st_mtim.tv_nsec, 250000000);
    // Searching the originals again finds them, not the outputs beside them.
    std::vector<std::string> found;
    ASSERT_TRUE(FindPhotoFiles(dir.file("Trip"), found, prompter));
    EXPECT_EQ(found, (std::vector<std::string>{day1, am}));

    // Without the choice an output is dated when it was written.
    request.naming.keepFileDate = false;
    request.naming.nameTemplate = "{name}_now";
    RunPrepared(request, prompter);
    ASSERT_EQ(::stat(dir.file("Trip/Day2/am/web/IMG_0002_now.jpg").c_str(), &st), 0);
    EXPECT_GT(st.st_mtim.tv_sec, 1000000000);
}

TEST(OutputPlacement, ThreePresetsWriteThreeFilesFromOneDecode) {
    testsupport::TempDir dir;
    RunRequest request;
    request.intoFolder = dir.file("run");
    request.photos = {Photo(dir.file("in/a.png"), 400, 300), Photo(dir.file("in/b.png"), 300, 400)};
    request.naming.nameTemplate = "{name}_{preset}";
    request.outputs = {LongEdge("large", 200, kFormatJpg), LongEdge("medium", 100, kFormatPng),
                       LongEdge("thumb", 30, kFormatWebp)};
    RecordingPrompter prompter;
    const std::size_t decodesBefore = DecodesStarted();
    const RunResult result = RunPrepared(request, prompter);
    EXPECT_EQ(DecodesStarted() - decodesBefore, 2u) << "one decode per photo";
    EXPECT_EQ(result.converted, 2u);
    EXPECT_EQ(result.writtenPerOutput, (std::vector<std::size_t>{2, 2, 2}));
    EXPECT_NE(RunOutcomeLines(result).find("Written per preset: large 2, medium 2, thumb 2"),
              std::string::npos);
    const struct {
        const char* name;
        int width, height;
    } files[] = {{"a_large.jpg", 200, 150}, {"a_medium.png", 100, 75}, {"a_thumb.webp", 30, 23},
                 {"b_large.jpg", 150, 200}, {"b_medium.png", 75, 100}, {"b_thumb.webp", 23, 30}};
    for (const auto& f : files) {
        const std::string path = dir.file("run/") + f.name;
        ASSERT_TRUE(fs::exists(path)) << f.name;
        const vips::VImage image = testpictures::Load(path);
        EXPECT_EQ(image.width(), f.width) << f.name;
        EXPECT_EQ(image.height(), f.height) << f.name;
    }

    // The medium output, made from the large one's picture, has the pixels
    // a conversion of its own gives, within rounding.
    PhotoJob alone = testsupport::JobsOf({request.photos[0]})[0];
    alone = JobsOfOutputs(alone, {request.outputs[1]})[0];
    alone.outputPath = dir.file("alone.png");
    RecordingPrompter quiet;
    ASSERT_EQ(ConvertPhoto(alone, {}, quiet).outcome, PhotoOutcome::Written);
    const vips::VImage fresh = testpictures::Load(alone.outputPath);
    const vips::VImage derived = testpictures::Load(dir.file("run/a_medium.png"));
    const double meanDifference = (fresh - derived).abs().avg();
    EXPECT_LT(meanDifference, 1.5);
}

// A photo's outputs laid out and encoded at the same time, their pictures
// made from the decode's rows as they come, are the very files made one
// after the other from the whole decode; a decode that fails, also after
// its last row, fails every output in both ways alike.
TEST(OutputPlacement, OutputsMadeAtOnceAreTheFilesMadeInTurn) {
    testsupport::TempDir dir;
    auto bytesOf = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const struct {
        const char* name;
        const char* source;
        int32_t sharpen;
        bool written;
    } rows[] = {
        {"PNG, the largest as decoded", "in/c.png", kSharpenNone, true},
        {"JPEG, every output sharpened", "in/c.jpg", kSharpenMedium, true},
        {"damage in the last rows", "in/damaged.png", kSharpenNone, false},
    };
    for (const auto& row : rows) {
        const PhotoItem item = Photo(dir.file(row.source), 400, 300);
        if (!row.written)
            ASSERT_GT(testsupport::DamageLastPngData(item.strSourcePath), 0u);
        const PhotoJob photo = testsupport::JobsOf({item})[0];
        std::vector<RunOutput> outputs = {LongEdge("large", 200, kFormatJpg),
                                          LongEdge("medium", 100, kFormatWebp),
                                          LongEdge("thumb", 30, kFormatPng)};
        for (RunOutput& output : outputs) output.format.nSharpen = row.sharpen;
        std::vector<std::string> made[2];
        std::vector<PhotoResult> results[2];
        std::size_t told[2] = {};
        for (int atOnce : {1, 3}) {
            std::vector<PhotoJob> jobs = JobsOfOutputs(photo, outputs);
            for (PhotoJob& job : jobs)
                job.outputPath = dir.file(std::string(row.name) + std::to_string(atOnce) + "_" +
                                          std::to_string(&job - jobs.data()));
            RecordingPrompter prompter;
            const std::size_t decodesBefore = DecodesStarted();
            results[atOnce > 1] = ConvertPhotoOutputs(jobs, {}, prompter, atOnce);
            EXPECT_EQ(DecodesStarted() - decodesBefore, 1u) << row.name << atOnce;
            told[atOnce > 1] = prompter.Prompts().size();
            ASSERT_EQ(results[atOnce > 1].size(), 3u);
            for (std::size_t k = 0; k < 3; ++k) {
                EXPECT_EQ(results[atOnce > 1][k].outcome == PhotoOutcome::Written, row.written)
                    << row.name << " " << atOnce << " " << k;
                made[atOnce > 1].push_back(bytesOf(jobs[k].outputPath));
                EXPECT_EQ(made[atOnce > 1].back().empty(), !row.written) << row.name << k;
            }
        }
        EXPECT_TRUE(made[0] == made[1]) << row.name;
        EXPECT_EQ(results[0], results[1]) << row.name;
        EXPECT_EQ(told[0], row.written ? 0u : 1u) << row.name;
        EXPECT_EQ(told[1], told[0]) << row.name;
    }
}

TEST(OutputPlacement, CameraTokenIsTheModelFromTheExif) {
    PhotoJob photo;
    photo.source.path = testsupport::CameraPhoto();
    photo.source.format = "jpeg";
    photo.plan = OutputPlan::Stretched(32, 24);
    OutputNaming naming;
    naming.runFolder = "/run/";
    naming.nameTemplate = "{camera}_{w}x{h}";
    const Result<RunPaths> planned = PlanRunPaths({photo}, naming);
    ASSERT_TRUE(planned) << planned.GetStatus().Told();
    EXPECT_EQ(planned.Value().paths, (std::vector<std::string>{"/run/QC-7 Mark II_32x24.jpg"}));
}

TEST(OutputPlacement, CollisionsAreRefusedBeforeTheRun) {
    testsupport::TempDir dir;
    std::vector<PhotoItem> photos = {Photo(dir.file("in/a.png"), 40, 30)};
    photos[0].m_outputPhotoFormat.nOuptputFormat = kFormatPng;
    const struct {
        const char* name;
        std::string into;
        OutputNaming naming;
        std::vector<RunOutput> outputs;
        const char* told;
    } rows[] = {
        {"two presets, one name", dir.file("run"),
         [] { OutputNaming n; n.nameTemplate = "{name}"; return n; }(),
         {LongEdge("web", 20, kFormatJpg), LongEdge("thumb", 10, kFormatJpg)},
         "two outputs of"},
        {"an output on its own source", dir.file("in"),
         [] { OutputNaming n; n.notRename = true; return n; }(),
         {LongEdge("same", 20, kFormatPng)},
         "replace one of the photos"},
        {"an output on its source without presets", dir.file("in"),
         [] { OutputNaming n; n.nameTemplate = "{name}"; return n; }(),
         {},
         "replace one of the photos"},
    };
    for (const auto& row : rows) {
        RunRequest request;
        request.intoFolder = row.into;
        request.photos = photos;
        request.naming = row.naming;
        request.outputs = row.outputs;
        RecordingPrompter prompter;
        RunPrepared(request, prompter, false);
        ASSERT_EQ(prompter.Texts().size(), 1u) << row.name;
        EXPECT_NE(prompter.Texts()[0].find(row.told), std::string::npos) << prompter.Texts()[0];
        EXPECT_FALSE(fs::exists(dir.file("run"))) << row.name << ": nothing is made";
    }
}

}  // namespace
