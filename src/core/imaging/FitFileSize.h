#pragma once
// Meeting a byte limit per output file (the record's nMaxFileSize): the
// best quality whose whole file fits, found in a few encodes to memory;
// smaller dimensions where even the lowest quality does not fit; the source
// itself where it already fits and nothing would change.

#include <cstdint>
#include <functional>
#include <string>

#include "model/OptionTables.h"
#include "model/PhotoJob.h"
#include "model/RgbPicture.h"
#include "platform/OutputFile.h"
#include "platform/Status.h"

// What meeting the limit came to, for the photo's result.
struct FileSizeFit {
    int32_t quality = 0;  // the quality written; 0 for a lossless output or a copy
    uint64_t bytes = 0;   // the file's size
    int32_t tries = 0;    // encodes made
    int32_t width = 0;    // the output's size when it was made smaller, else 0
    int32_t height = 0;
    bool copied = false;  // the source, byte for byte

    bool Downscaled() const { return width > 0; }
    bool operator==(const FileSizeFit&) const = default;
};

// "498 KB at quality 72, 4 encodes"; "fitted by reducing to 1600 x 1067:
// 49 KB at quality 30, 7 encodes"; "the source fits (45 KB): copied".
std::string FitText(const FileSizeFit& fit);

// ---- The search over qualities ----

// Encodes at a quality and gives the whole file's size; the encode is held
// until the next call, so that KeepLast can keep it.
using SizeAtQuality = std::function<Result<uint64_t>(int32_t quality)>;
// Keeps the last encode as the best one so far.
using KeepLast = std::function<void()>;

struct QualitySearch {
    bool fits = false;    // an encode of at most the target was found
    int32_t quality = 0;  // the highest quality found to fit; else the lowest tried
    uint64_t bytes = 0;   // its size
    int32_t tries = 0;    // encodes made
};

// The highest quality from floor to ceiling (floor lowered to ceiling when
// above it) whose size is at most target, starting at first: a bracket
// between the best fitting and the lowest failing quality, narrowed by
// secant steps on log(size) and by halving when the steps keep landing on
// one side. Sizes need not rise with quality: the result is always an
// encode that was made and fits, and keep was called for it last. Stops
// when a quality and the one above it are known to fit and to fail, or the
// floor fails. A failed encode ends the search with its failure.
Result<QualitySearch> SearchQuality(uint64_t target, int32_t floor, int32_t ceiling,
                                    int32_t first, const SizeAtQuality& sizeAt,
                                    const KeepLast& keep);

// ---- One photo ----

// Writes the finished picture in the row's format into the pending file
// within format.nMaxFileSize bytes, metadata included: for a format with a
// quality (and not bLossless) the best quality from nMinQuality up to the
// record's that fits, the encoder's switches fixed during the search
// (chroma auto taken as libvips would choose it at the record's quality);
// for a lossless output the full file. When that does not fit, the picture
// is made smaller by about the square root of the ratio and tried again, at
// most three times, unless bNoShrinkToFit, which fails with the reason
// ("cannot reach 50 KB at quality 30 (smallest 61 KB)"). fit tells what it
// came to.
EncodeResult WriteWithinFileSize(RgbPicture& picture, const OutputPhotoFormat& format,
                                 const OutputFormatRow& row, PendingOutput& file,
                                 FileSizeFit& fit);

// True when the job has a byte limit its source file already meets and its
// output would be the source unchanged: written in the source's own format
// (row), at its own size, not turned, with all its camera data, no overlay,
// no other setting away from its built-in value, and a source of one
// upright 8-bit colour or grey picture without alpha.
bool SourceFitsAsItIs(const PhotoJob& job, const OutputFormatRow& row, bool overlaid);
// Copies the source byte for byte into the pending file.
EncodeResult CopySource(const std::string& path, PendingOutput& file, FileSizeFit& fit);
