// The memory estimate keeps a run within its budget for large photos too.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

#include "model/PhotoJob.h"
#include "run/ConversionRun.h"
#include "run/MemoryEstimate.h"
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

}  // namespace
