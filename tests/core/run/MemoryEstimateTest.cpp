// The memory estimate keeps a run within its budget for large photos too.

#include <gtest/gtest.h>

#include "model/PhotoJob.h"
#include "run/MemoryEstimate.h"

namespace {

PhotoJob OriginalSize(int32_t width, int32_t height, int32_t format) {
    PhotoItem photo;
    photo.strSourcePath = "/nowhere/photo.png";  // unread: only its size counts here
    photo.strSourceFormat = "png";
    photo.nWidth = width;
    photo.nHeight = height;
    photo.m_outputPhotoFormat.nOuputSizeType = kSizeOriginal;
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
        const uint64_t peak = EstimatePhotoPeakBytes(OriginalSize(row.width, row.height, kFormatJxl), {});
        EXPECT_GE(peak, row.atLeast) << row.name;
        EXPECT_EQ(2 * peak <= row.budget, row.twoAtOnce) << row.name << ": " << (peak >> 20) << " MiB";
    }
}

}  // namespace
