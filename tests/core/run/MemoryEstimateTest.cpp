// The memory estimate keeps a run within its budget for large photos too.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

#include "model/PhotoJob.h"
#include "run/ConversionRun.h"
#include "run/MemoryEstimate.h"
#include "run/MultiOutput.h"
#include "support/RecordingPrompter.h"
#include "support/TestSupport.h"

namespace {

PhotoJob OwnSize(int32_t width, int32_t height, int32_t format) {
    PhotoItem photo;
    photo.strSourcePath = "/nowhere/photo.png";  // unread: only its size counts here
    photo.strSourceFormat = "png";
    photo.nWidth = width;
    photo.nHeight = height;
    photo.m_outputPhotoFormat.nOutputWidth = width;  // written at its own size
    photo.m_outputPhotoFormat.nOutputHeight = height;
    photo.m_outputPhotoFormat.nOuptputFormat = format;
    return JobOfPhoto(photo);
}

RunOutput LongEdge(const char* name, int32_t edge) {
    RunOutput output{name, {}, {}};
    output.format.nOuputSizeType = kSizeLongEdge;
    output.format.nLongEdge = edge;
    output.format.nOuptputFormat = kFormatJpg;
    return output;
}

// A gallery's set: the photo at its own size, half and a quarter of it.
const std::vector<RunOutput> kGallery = {LongEdge("large", 6000), LongEdge("medium", 3000),
                                         LongEdge("small", 1500)};

// Two 50-megapixel photos to JPEG XL took 8.3 GB at their peak together, so
// a budget of 6000 MiB must admit them one at a time; at 12 megapixels, two
// fit where the encoder's measured 52 bytes a pixel say they do.
TEST(MemoryEstimateTest, JpegXlOfLargePhotosStaysWithinTheBudget) {
    const struct {
        const char* name;
        int32_t width, height;
        uint64_t budget;
        bool twoAtOnce;
        uint64_t atLeast;  // the peak measured for one photo
    } rows[] = {
        {"50 MP", 8660, 5774, uint64_t{6000} << 20, false, 4150000000},
        {"12 MP", 4000, 3000, uint64_t{6000} << 20, true, 12000000ull * 52},
    };
    for (const auto& row : rows) {
        const uint64_t peak = EstimatePhotoPeakBytes(OwnSize(row.width, row.height, kFormatJxl), {});
        EXPECT_GE(peak, row.atLeast) << row.name;
        EXPECT_EQ(2 * peak <= row.budget, row.twoAtOnce) << row.name << ": " << (peak >> 20) << " MiB";
    }
}

// With room for two photos and two workers, each finished photo gives its
// memory back: the next one starts beside the one still in hand, to the end.
TEST(MemoryEstimateTest, EachPhotoGivesItsMemoryBack) {
    testsupport::TempDir dir;
    ConversionJob job;
    for (int i = 0; i < 6; ++i)
        job.photos.push_back(OwnSize(4000, 3000, kFormatJpg));
    for (int i = 0; i < 6; ++i) job.photos[i].source.path = "/in/" + std::to_string(i) + ".png";
    job.naming.runFolder = dir.path() + "/";
    job.jobs = 2;
    job.memoryBudget = 2 * EstimatePhotoPeakBytes(job.photos[0], {});

    std::mutex mutex;
    std::condition_variable changed;
    std::set<int> started;
    int alone = 0;  // photos whose next one did not start beside them
    // Each photo but the last is held until the next one has started.
    auto converter = [&](const PhotoJob& photo, const TextOverlay&, Prompter&) {
        const int index = photo.source.path[4] - '0';
        std::unique_lock lock(mutex);
        started.insert(index);
        changed.notify_all();
        if (index < 5 && !changed.wait_for(lock, std::chrono::seconds(10),
                                           [&] { return started.count(index + 1) > 0; }))
            ++alone;
        return PhotoResult{PhotoOutcome::Written, {}, {}};
    };
    RecordingPrompter prompter;
    ActivityLog log(dir.path() + "/");
    ConversionRun run(job, prompter, log, {}, converter);
    const RunResult result = run.Run();
    EXPECT_EQ(result.converted, 6u);
    EXPECT_EQ(alone, 0);
}

// Three outputs of a 24-megapixel photo made at once hold the decode's
// picture and every output's picture together: counted as the largest
// alone, they took up to three times what the run admitted for them.
TEST(MemoryEstimateTest, OutputsOfOnePhotoCountTogether) {
    const struct {
        const char* name;
        std::vector<RunOutput> outputs;
        uint64_t atLeast;  // the decode's picture and the outputs' pictures
    } rows[] = {
        {"made from the largest's picture", kGallery,
         (6000 * 4000 + 6000 * 4000 + 3000 * 2000 + 1500 * 1000) * 3ull},
        // 3600 is too close to 4000 to be made from it: the source is decoded whole.
        {"made from the source's own size",
         {LongEdge("a", 4000), LongEdge("b", 3600), LongEdge("c", 1500)},
         (6000 * 4000 + 4000 * 2667 + 3600 * 2400 + 1500 * 1000) * 3ull},
    };
    for (const auto& row : rows) {
        const std::vector<PhotoJob> jobs = JobsOfOutputs(OwnSize(6000, 4000, kFormatJpg), row.outputs);
        const uint64_t atOnce = EstimatePhotoOutputsPeakBytes(jobs, {}, 3);
        EXPECT_GE(atOnce, row.atLeast) << row.name;
        EXPECT_GT(atOnce, EstimatePhotoPeakBytes(jobs[0], {})) << row.name;  // the largest alone
        // Made in turn, each output's picture goes before the next is made.
        EXPECT_LT(EstimatePhotoOutputsPeakBytes(jobs, {}, 1), atOnce) << row.name;
    }
}

// A budget that holds two photos of one output each holds one photo at a
// time when each has three outputs, and two again when it holds two sets.
TEST(MemoryEstimateTest, RunAdmitsPhotosByAllTheirOutputs) {
    const PhotoJob photo = OwnSize(6000, 4000, kFormatJpg);
    const uint64_t one = EstimatePhotoPeakBytes(photo, {});
    const uint64_t three =
        EstimatePhotoOutputsPeakBytes(JobsOfOutputs(photo, kGallery), {}, AvailableCores());
    for (const auto& [budget, beside] : {std::pair{2 * one, false}, {2 * three, true}}) {
        testsupport::TempDir dir;
        ConversionJob job;
        for (int i = 0; i < 3; ++i) {
            job.photos.push_back(photo);
            job.photos.back().source.path = "/in/" + std::to_string(i) + ".jpg";  // fails at once
        }
        job.naming.runFolder = dir.path() + "/";
        job.naming.nameTemplate = "{name}_{preset}";
        job.jobs = 2;
        job.memoryBudget = budget;
        job.outputs = kGallery;
        job.tellFailures = false;

        std::mutex mutex;
        std::condition_variable changed;
        std::set<std::size_t> started;
        bool startedBeside = false;  // the second photo, while the first is being converted
        RunCallbacks callbacks;
        callbacks.outputPath = [&](std::size_t index, const std::string&) {
            std::lock_guard lock(mutex);
            started.insert(index);
            changed.notify_all();
        };
        callbacks.photoDone = [&](std::size_t index, const PhotoResult&) {
            std::unique_lock lock(mutex);
            if (index == 0)
                startedBeside = changed.wait_for(lock, std::chrono::seconds(2),
                                                 [&] { return started.count(1) > 0; });
        };
        RecordingPrompter prompter;
        ActivityLog log(dir.path() + "/");
        EXPECT_EQ(ConversionRun(job, prompter, log, callbacks).Run().failed, 3u);
        EXPECT_EQ(startedBeside, beside) << (budget >> 20) << " MiB";
    }
}

}  // namespace
