#include "run/MemoryEstimate.h"

#include <unistd.h>

#include <algorithm>
#include <functional>

#include "imaging/BmpOutput.h"
#include "imaging/PictureEncode.h"
#include "imaging/PictureResample.h"
#include "imaging/RawDecode.h"
#include "imaging/SourceLayout.h"
#include "model/OptionTables.h"
#include "run/MultiOutput.h"

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

// The output's picture as the encoder is handed it.
uint64_t SurfaceBytes(const PhotoJob& job, const SourceLayout& layout) {
    uint64_t surface = Positive(job.plan.width) * Positive(job.plan.height) * 3;
    // Kept 16-bit samples sit beside the 8-bit ones, after a pull of both
    // (12 bytes a pixel at the most); kept alpha after a pull of four
    // (5 at the most).
    if (layout.deepSamples && StoresDeepSamples(job.settings))
        surface *= 4;
    else if (BmpKeepsAlpha(job.settings))
        surface = surface * 5 / 3;
    return surface;
}

// What the decoder holds at once for a picture drawn at picture's size.
uint64_t DecodeBytes(const PhotoSource& source, const PlanRect& picture,
                     const SourceLayout& layout) {
    const int shrink =
        layout.kind == SourceLayout::Jpeg
            ? JpegShrinkOnLoad(source.width, source.height, picture.width, picture.height)
            : 1;
    const uint64_t decodedWidth = (Positive(source.width) + shrink - 1) / uint64_t(shrink);
    const uint64_t decodedHeight = (Positive(source.height) + shrink - 1) / uint64_t(shrink);
    const uint64_t decodedRows =
        layout.streamed ? std::min(decodedHeight, kStreamedRows) : decodedHeight;
    return decodedWidth * decodedRows * layout.wholeBytesPerPixel + layout.coefficientBytes;
}

// Beside the output's surface, one step at a time: the part the overlay
// text is drawn on (at most all of it), or the encoder's own copies.
// Turning and flipping take nothing: the encoder reads the surface turned.
uint64_t WorkingBytes(const PhotoJob& job, const TextOverlay& overlay, uint64_t surface) {
    const uint64_t pixels = Positive(job.plan.width) * Positive(job.plan.height);
    uint64_t working = overlay.text.empty() ? 0 : surface;
    if (const OutputFormatRow* row = OutputFormatFor(job.settings.nOuptputFormat, job.source.format))
        working = std::max(
            working, uint64_t(double(pixels) * EncodeBytesPerPixel(*row, double(pixels))));
    return working;
}

// A byte limit keeps the best encode and the one being tried, each far
// below the surface's size, and at worst a reduced copy of it, beside
// everything else.
uint64_t LimitBytes(const PhotoJob& job, uint64_t surface) {
    return job.settings.nMaxFileSize > 0 ? surface : 0;
}

// What the source's decoder needs (a camera RAW's develop included), read
// from the file's headers once.
struct SourceCost {
    SourceLayout layout;
    uint64_t rawBytes = 0;
};

SourceCost ReadSourceCost(const PhotoJob& job, const OutputPlan& plan) {
    SourceCost cost;
    // A camera RAW's develop holds LibRaw's buffers and the 16-bit picture.
    cost.rawBytes = RawDecodeBytes(job.source.path, plan, job.settings.nRawDevelop);
    if (cost.rawBytes)
        cost.layout.streamed = true;  // the RAW's bytes stand for the decode
    else
        cost.layout = ReadSourceLayout(job.source.path);
    return cost;
}

}  // namespace

uint64_t EstimatePhotoPeakBytes(const PhotoJob& job, const TextOverlay& overlay) {
    const SourceCost cost = ReadSourceCost(job, job.plan);
    const uint64_t surface = SurfaceBytes(job, cost.layout);
    const uint64_t decode = DecodeBytes(job.source, job.plan.picture, cost.layout);
    return kFixedBytes + surface +
           std::max(decode, WorkingBytes(job, overlay, surface)) + LimitBytes(job, surface) +
           cost.rawBytes;
}

uint64_t EstimatePhotoOutputsPeakBytes(const std::vector<PhotoJob>& outputs,
                                       const TextOverlay& overlay, int atOnce) {
    const OutputsDecode decode = DecodeOfOutputs(outputs);
    // Outputs that cannot be drawn fail before anything is read; with none
    // drawable, each is made as on its own.
    if (!decode.largest)
        return outputs.empty() ? 0 : EstimatePhotoPeakBytes(outputs.front(), overlay);
    const PhotoJob& largest = *decode.largest;
    const SourceCost cost = ReadSourceCost(largest, decode.plan);
    // The decode's own picture stays while every output is made from it.
    const uint64_t decoded =
        Positive(decode.plan.width) * Positive(decode.plan.height) * 3;
    // From the one decode, the outputs' pictures have neither 16-bit
    // samples nor alpha.
    const SourceLayout plain;
    const double sourcePixels = double(largest.source.width) * largest.source.height;
    // Made at once, an output's picture is laid out beside the decode and
    // held until it is encoded (early), except one the decode is as it is,
    // copied when its encode starts. Up to atOnce encodes run at the same
    // time, each with its encoder's state and copies.
    uint64_t early = 0, inTurn = 0;
    std::vector<uint64_t> encodes;
    for (const PhotoJob& job : outputs) {
        if (!job.plan.IsDrawable())
            continue;
        const uint64_t surface = SurfaceBytes(job, plain);
        const uint64_t working = WorkingBytes(job, overlay, surface) + LimitBytes(job, surface);
        inTurn = std::max(inTurn, surface + working);
        if (LaidOutAsDecoded(job.plan, decode.plan.width, decode.plan.height, sourcePixels)) {
            encodes.push_back(surface + working);
        } else {
            early += surface;
            encodes.push_back(working);
        }
    }
    const uint64_t decoding = DecodeBytes(largest.source, decode.plan.picture, cost.layout);
    const uint64_t base = decoded + cost.rawBytes;
    // Made in turn, one output's picture and its encode at a time.
    if (atOnce <= 1 || encodes.size() < 2)
        return kFixedBytes + base + std::max(decoding, inTurn);
    const std::size_t encoders = std::min<std::size_t>(std::size_t(atOnce), encodes.size());
    std::partial_sort(encodes.begin(), encodes.begin() + std::ptrdiff_t(encoders), encodes.end(),
                      std::greater<>());
    uint64_t encoding = 0;
    for (std::size_t k = 0; k < encoders; ++k) encoding += encodes[k];
    return kFixedBytes * encoders + base + early + std::max(decoding, encoding);
}

uint64_t DefaultMemoryBudget() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return uint64_t{1} << 30;
    return uint64_t(pages) * uint64_t(pageSize) / 2;
}
