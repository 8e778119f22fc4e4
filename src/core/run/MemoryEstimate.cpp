#include "run/MemoryEstimate.h"

#include <unistd.h>

#include <algorithm>

#include "imaging/BmpOutput.h"
#include "imaging/PictureEncode.h"
#include "imaging/RawDecode.h"
#include "imaging/SourceLayout.h"
#include "model/OptionTables.h"

namespace {

// The decoder's and the pipeline's own state, the encoder's buffers.
constexpr uint64_t kFixedBytes = uint64_t{16} << 20;
// Rows a streamed decode keeps about at once: line caches and the resize's
// window.
constexpr uint64_t kStreamedRows = 256;

uint64_t Positive(int32_t value) {
    return value > 0 ? uint64_t(value) : 1;
}

// The JPEG loader's shrink-on-load for a picture drawn at outWidth x
// outHeight: 1, 2, 4 or 8, leaving at least a factor of two to the resize.
int JpegShrinkOnLoad(int32_t sourceWidth, int32_t sourceHeight, int32_t outWidth,
                     int32_t outHeight) {
    const double factor = std::min(double(Positive(sourceWidth)) / double(Positive(outWidth)),
                                   double(Positive(sourceHeight)) / double(Positive(outHeight)));
    return factor >= 16 ? 8 : factor >= 8 ? 4 : factor >= 4 ? 2 : 1;
}

uint64_t EstimatePeakBytes(const PhotoJob& job, const TextOverlay& overlay,
                           const SourceLayout& layout) {
    const PhotoSource& source = job.source;
    const OutputPlan& plan = job.plan;
    const uint64_t outWidth = Positive(plan.width), outHeight = Positive(plan.height);
    uint64_t surface = outWidth * outHeight * 3;
    // Kept 16-bit samples sit beside the 8-bit ones, after a pull of both
    // (12 bytes a pixel at the most); kept alpha after a pull of four
    // (5 at the most).
    if (layout.deepSamples && StoresDeepSamples(job.settings))
        surface *= 4;
    else if (BmpKeepsAlpha(job.settings))
        surface = surface * 5 / 3;

    const int shrink =
        layout.kind == SourceLayout::Jpeg
            ? JpegShrinkOnLoad(source.width, source.height, plan.picture.width, plan.picture.height)
            : 1;
    const uint64_t decodedWidth = (Positive(source.width) + shrink - 1) / uint64_t(shrink);
    const uint64_t decodedHeight = (Positive(source.height) + shrink - 1) / uint64_t(shrink);
    const uint64_t decodedRows =
        layout.streamed ? std::min(decodedHeight, kStreamedRows) : decodedHeight;
    const uint64_t decode =
        decodedWidth * decodedRows * layout.wholeBytesPerPixel + layout.coefficientBytes;

    // Beside the surface, one step at a time: the part the overlay text is
    // drawn on (at most all of it), or the encoder's own copies. Turning
    // and flipping take nothing: the encoder reads the surface turned.
    uint64_t beside = decode;
    if (!overlay.text.empty())
        beside = std::max(beside, surface);
    if (const OutputFormatRow* row = OutputFormatFor(job.settings.nOuptputFormat, source.format))
        beside = std::max(beside, uint64_t(double(outWidth * outHeight) *
                                           EncodeBytesPerPixel(*row, double(outWidth * outHeight))));
    // A byte limit keeps the best encode and the one being tried, each far
    // below the surface's size, and at worst a reduced copy of it.
    if (job.settings.nMaxFileSize > 0)
        beside += surface;
    return kFixedBytes + surface + beside;
}

}  // namespace

uint64_t EstimatePhotoPeakBytes(const PhotoJob& job, const TextOverlay& overlay) {
    // A camera RAW's develop holds LibRaw's buffers and the 16-bit picture.
    if (const uint64_t raw = RawDecodeBytes(job.source.path, job.plan, job.settings.nRawDevelop)) {
        SourceLayout layout;
        layout.streamed = true;  // the RAW's bytes below stand for the decode
        return EstimatePeakBytes(job, overlay, layout) + raw;
    }
    return EstimatePeakBytes(job, overlay, ReadSourceLayout(job.source.path));
}

uint64_t DefaultMemoryBudget() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return uint64_t{1} << 30;
    return uint64_t(pages) * uint64_t(pageSize) / 2;
}
