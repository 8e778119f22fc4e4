#include "imaging/FitFileSize.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <map>

#include <vips/vips8>

#include "imaging/ImagingMessages.h"
#include "imaging/PictureEncode.h"
#include "imaging/RotateFlip.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"
#include "platform/ShownFigures.h"

namespace {

// The log-size change per quality step assumed before two sizes are known:
// JPEG, WebP and AVIF photos lose about 2 to 3 % a step in the middle range.
constexpr double kAssumedSlope = 0.025;
// How often a picture is made smaller before the limit is given up.
constexpr int kMaxShrinks = 3;
// A little below the square root of the ratio: headers and camera data do
// not shrink with the picture.
constexpr double kShrinkMargin = 0.97;
// libvips' own choice of chroma subsampling: full colour from this quality.
constexpr int32_t kFullChromaFrom = 90;

std::string Encodes(int32_t tries) {
    return std::to_string(tries) + (tries == 1 ? " encode" : " encodes");
}

}  // namespace

std::string FitText(const FileSizeFit& fit) {
    if (fit.copied)
        return "the source fits (" + ByteSizeWords(fit.bytes).english + "): copied unchanged";
    std::string text = ByteSizeWords(fit.bytes).english;
    if (fit.quality > 0)
        text += " at quality " + std::to_string(fit.quality);
    text += ", " + Encodes(fit.tries);
    if (fit.Downscaled())
        return "fitted by reducing to " + PixelSizeWords(fit.width, fit.height).english + ": " + text;
    return text;
}

// ---- The search ----

namespace {

class Search {
public:
    Search(uint64_t target, int32_t floor, int32_t ceiling, const SizeAtQuality& sizeAt,
           const KeepLast& keep)
        : target_(std::log(static_cast<double>(target))),
          limit_(target),
          floor_(floor),
          ceiling_(ceiling),
          sizeAt_(sizeAt),
          keep_(keep),
          fit_(floor - 1),
          fail_(ceiling + 1) {}

    Status Try(int32_t quality);
    bool Done() const { return fit_ == ceiling_ || fail_ == fit_ + 1; }
    int32_t Next() const;
    QualitySearch Result() const;

private:
    // The real quality at which the log-size line through a and b meets the
    // target.
    double Crossing(int32_t a, int32_t b) const;
    double Slope(int32_t a, int32_t b) const;

    const double target_;
    const uint64_t limit_;
    const int32_t floor_, ceiling_;
    const SizeAtQuality& sizeAt_;
    const KeepLast& keep_;
    std::map<int32_t, uint64_t> sizes_;
    int32_t fit_;         // the best quality that fits; floor_ - 1 while none
    int32_t fail_;        // the lowest failing quality above fit_; ceiling_ + 1 while none
    int sameSide_ = 0;    // tries in a row that moved the same end of the bracket
    bool lastFit_ = false;
    int32_t tries_ = 0;
};

double Search::Slope(int32_t a, int32_t b) const {
    const double slope = (std::log(static_cast<double>(sizes_.at(b))) -
                          std::log(static_cast<double>(sizes_.at(a)))) /
                         (b - a);
    // A flat or falling stretch says nothing about where the target lies.
    return slope > 1e-4 ? slope : kAssumedSlope;
}

double Search::Crossing(int32_t a, int32_t b) const {
    const double la = std::log(static_cast<double>(sizes_.at(a)));
    return a + (target_ - la) / Slope(a, b);
}

int32_t Search::Next() const {
    const bool haveFit = fit_ >= floor_, haveFail = fail_ <= ceiling_;
    const int32_t low = haveFit ? fit_ + 1 : floor_;
    const int32_t high = haveFail ? fail_ - 1 : ceiling_;
    double x = 0;
    if (haveFit && haveFail) {
        if (sameSide_ >= 2)
            return std::clamp((fit_ + fail_) / 2, low, high);  // halving, after two slow steps
        x = Crossing(fit_, fail_);
    } else {
        // One end known: a secant through it and the nearest quality tried
        // beyond it, else the assumed slope.
        const int32_t end = haveFit ? fit_ : fail_;
        const auto at = sizes_.find(end);
        int32_t neighbour = end;
        if (haveFit && at != sizes_.begin())
            neighbour = std::prev(at)->first;
        else if (!haveFit && std::next(at) != sizes_.end())
            neighbour = std::next(at)->first;
        const double le = std::log(static_cast<double>(at->second));
        const double slope = neighbour != end
                                 ? Slope(std::min(end, neighbour), std::max(end, neighbour))
                                 : kAssumedSlope;
        x = end + (target_ - le) / slope;
    }
    // The answer is the whole quality just below the crossing.
    return std::clamp(static_cast<int32_t>(std::floor(x)), low, high);
}

Status Search::Try(int32_t quality) {
    const ::Result<uint64_t> size = sizeAt_(quality);
    if (!size)
        return size.GetStatus();
    ++tries_;
    sizes_[quality] = size.Value();
    const bool fits = size.Value() <= limit_;
    if (fits && quality > fit_) {
        fit_ = quality;
        keep_();
        // A failure below a fit (sizes that fall as quality rises) bounds
        // nothing: the bracket's top is the lowest failure above the fit.
        fail_ = ceiling_ + 1;
        for (const auto& [q, bytes] : sizes_)
            if (q > fit_ && bytes > limit_) {
                fail_ = q;
                break;
            }
    } else if (!fits && quality < fail_ && quality > fit_) {
        fail_ = quality;
    }
    sameSide_ = tries_ > 1 && fits == lastFit_ ? sameSide_ + 1 : 1;
    lastFit_ = fits;
    return Status::Ok();
}

QualitySearch Search::Result() const {
    QualitySearch result;
    result.tries = tries_;
    if (fit_ >= floor_) {
        result.fits = true;
        result.quality = fit_;
        result.bytes = sizes_.at(fit_);
    } else if (!sizes_.empty()) {
        result.quality = sizes_.begin()->first;
        result.bytes = sizes_.begin()->second;
    }
    return result;
}

}  // namespace

Result<QualitySearch> SearchQuality(uint64_t target, int32_t floor, int32_t ceiling,
                                    int32_t first, const SizeAtQuality& sizeAt,
                                    const KeepLast& keep) {
    floor = std::min(floor, ceiling);
    Search search(target, floor, ceiling, sizeAt, keep);
    int32_t quality = std::clamp(first, floor, ceiling);
    for (;;) {
        if (Status tried = search.Try(quality); !tried)
            return tried;
        if (search.Done())
            break;
        quality = search.Next();
    }
    return search.Result();
}

// ---- One photo ----

namespace {

// The picture resampled to width x height (lanczos-class), its camera data
// and resolution kept.
Result<RgbPicture> Resized(const RgbPicture& picture, int32_t width, int32_t height) {
    if (!StartImaging())
        return Status::Failed({}, "the imaging library could not start");
    const ImagingMessages messages;
    try {
        const vips::VImage image = ViewOf(picture).resize(
            static_cast<double>(width) / picture.width,
            vips::VImage::option()->set("vscale", static_cast<double>(height) / picture.height));
        RgbPicture smaller;
        smaller.xResolution = picture.xResolution;
        smaller.yResolution = picture.yResolution;
        smaller.metadata = picture.metadata;
        CopyPixelsOut(image, smaller);
        return smaller;
    } catch (const vips::VError&) {
        return Status::Failed({}, "the picture could not be made smaller", messages.ErrorText());
    }
}

Status WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Status::Failed({}, std::strerror(n < 0 ? errno : EIO));
        done += static_cast<std::size_t>(n);
    }
    return Status::Ok();
}

// Empties the pending file for another attempt.
Status Rewound(PendingOutput& file) {
    if (::ftruncate(file.Descriptor(), 0) != 0 || ::lseek(file.Descriptor(), 0, SEEK_SET) != 0)
        return Status::Failed({}, std::strerror(errno));
    return Status::Ok();
}

// One attempt at the picture's current size: the file fits, or the bytes of
// the smallest that was tried.
struct Attempt {
    bool fits = false;
    uint64_t bytes = 0;
    int32_t quality = 0;
};

class SizeFitter {
public:
    SizeFitter(const OutputPhotoFormat& format, const OutputFormatRow& row, PendingOutput& file,
               FileSizeFit& fit)
        : format_(format), row_(row), file_(file), fit_(fit), toMemory_(MemoryEncoderOf(row.id)) {
        // Switches fixed for the whole search, so that size moves smoothly with
        // quality. Automatic chroma is libvips' choice at the record's quality
        // for the first encode (the file the record makes without a limit);
        // when full colour does not fit there, the search halves it, as
        // libvips does for the qualities it will try.
        if (format_.nChroma == kChromaAuto && (row.id == kFormatJpg || row.id == kFormatAvif)) {
            fullChromaFirst_ = format.nCurrentJpegQuality >= kFullChromaFrom;
            format_.nChroma = fullChromaFirst_ ? kChroma444 : kChroma420;
        }
        if (format.bLossless && (row.settings & kUsesLossless))
            toMemory_ = nullptr;
    }

    EncodeResult Run(RgbPicture& picture);

private:
    EncodeResult TryQualities(const RgbPicture& picture, Attempt& attempt, int32_t first);
    EncodeResult TryLossless(const RgbPicture& picture, Attempt& attempt);
    Words CannotReach(const Attempt& attempt, const RgbPicture& picture, bool shrunk) const;

    OutputPhotoFormat format_;
    const OutputFormatRow& row_;
    PendingOutput& file_;
    FileSizeFit& fit_;
    MemoryEncoder toMemory_;
    bool fullChromaFirst_ = false;  // automatic chroma, full at the record's quality
};

EncodeResult SizeFitter::TryQualities(const RgbPicture& picture, Attempt& attempt,
                                      int32_t first) {
    std::string last, best;
    EncodeResult failed;
    OutputPhotoFormat at = format_;
    const SizeAtQuality sizeAt = [&](int32_t quality) -> Result<uint64_t> {
        at.nCurrentJpegQuality = quality;
        failed = toMemory_(picture, at, last);
        if (failed.outcome != EncodeOutcome::Written)
            return Status::Failed({}, failed.reason);
        return static_cast<uint64_t>(last.size());
    };
    const KeepLast keep = [&] { best.swap(last); };
    const uint64_t target = static_cast<uint64_t>(format_.nMaxFileSize);
    const int32_t ceiling = format_.nCurrentJpegQuality;
    Result<QualitySearch> found = QualitySearch{};
    if (fullChromaFirst_) {
        fullChromaFirst_ = false;
        found = SearchQuality(target, ceiling, ceiling, ceiling, sizeAt, keep);
        if (found && !found.Value().fits) {
            fit_.tries += found.Value().tries;
            format_.nChroma = at.nChroma = kChroma420;
            found = SearchQuality(target, format_.nMinQuality, ceiling, first, sizeAt, keep);
        }
    } else {
        found = SearchQuality(target, format_.nMinQuality, ceiling, first, sizeAt, keep);
    }
    if (!found)
        return failed;
    fit_.tries += found.Value().tries;
    attempt = {found.Value().fits, found.Value().bytes, found.Value().quality};
    if (!attempt.fits)
        return {};
    if (Status written = WriteAll(file_.Descriptor(), best); !written)
        return {EncodeOutcome::NotSaved, written.Reason()};
    return {};
}

EncodeResult SizeFitter::TryLossless(const RgbPicture& picture, Attempt& attempt) {
    if (Status rewound = Rewound(file_); !rewound)
        return {EncodeOutcome::NotSaved, rewound.Reason()};
    EncodeResult written = row_.encode(picture, format_, file_);
    if (written.outcome != EncodeOutcome::Written)
        return written;
    ++fit_.tries;
    struct stat st {};
    if (::fstat(file_.Descriptor(), &st) != 0)
        return {EncodeOutcome::NotSaved, std::strerror(errno)};
    attempt = {static_cast<uint64_t>(st.st_size) <= static_cast<uint64_t>(format_.nMaxFileSize),
               static_cast<uint64_t>(st.st_size), 0};
    return {};
}

Words SizeFitter::CannotReach(const Attempt& attempt, const RgbPicture& picture,
                              bool shrunk) const {
    const Words limit = ByteSizeWords(static_cast<uint64_t>(format_.nMaxFileSize));
    const Words smallest = ByteSizeWords(attempt.bytes);
    const Words quality = NumberWords(attempt.quality);
    if (!shrunk)
        return attempt.quality > 0
                   ? words::translate("Reasons", "cannot reach %1 at quality %2 (smallest %3)")
                         .Arg({limit, quality, smallest})
                   : words::translate("Reasons", "cannot reach %1 losslessly (smallest %2)")
                         .Arg({limit, smallest});
    const bool turned = SwapsSides(RotateFlipOfRecord(format_));
    const Words size = turned ? PixelSizeWords(picture.height, picture.width)
                              : PixelSizeWords(picture.width, picture.height);
    return attempt.quality > 0
               ? words::translate("Reasons",
                                  "cannot reach %1 at quality %2 even at %3 (smallest %4)")
                     .Arg({limit, quality, size, smallest})
               : words::translate("Reasons", "cannot reach %1 losslessly even at %2 (smallest %3)")
                     .Arg({limit, size, smallest});
}

EncodeResult SizeFitter::Run(RgbPicture& picture) {
    const uint64_t target = static_cast<uint64_t>(format_.nMaxFileSize);
    int32_t first = format_.nCurrentJpegQuality;
    for (int shrinks = 0;; ++shrinks) {
        Attempt attempt;
        EncodeResult tried =
            toMemory_ ? TryQualities(picture, attempt, first) : TryLossless(picture, attempt);
        if (tried.outcome != EncodeOutcome::Written)
            return tried;
        if (attempt.fits) {
            fit_.quality = attempt.quality;
            fit_.bytes = attempt.bytes;
            if (shrinks > 0) {
                const bool turned = SwapsSides(RotateFlipOfRecord(format_));
                fit_.width = turned ? picture.height : picture.width;
                fit_.height = turned ? picture.width : picture.height;
            }
            return {};
        }
        if (format_.bNoShrinkToFit || shrinks == kMaxShrinks)
            return EncodeResult::Because(EncodeOutcome::NotConverted,
                                         CannotReach(attempt, picture, shrinks > 0));
        const double scale =
            std::sqrt(static_cast<double>(target) / static_cast<double>(attempt.bytes)) *
            kShrinkMargin;
        const int32_t width = std::max(1, static_cast<int32_t>(picture.width * scale));
        const int32_t height = std::max(1, static_cast<int32_t>(picture.height * scale));
        if (width == picture.width && height == picture.height)
            return EncodeResult::Because(EncodeOutcome::NotConverted,
                                         CannotReach(attempt, picture, true));
        Result<RgbPicture> smaller = Resized(picture, width, height);
        if (!smaller)
            return {EncodeOutcome::NotConverted, smaller.GetStatus().Reason()};
        picture = std::move(smaller.Value());
        // Made smaller for the lowest quality, the picture fits near it.
        first = attempt.quality;
    }
}

}  // namespace

EncodeResult WriteWithinFileSize(RgbPicture& picture, const OutputPhotoFormat& format,
                                 const OutputFormatRow& row, PendingOutput& file,
                                 FileSizeFit& fit) {
    fit = {};
    return SizeFitter(format, row, file, fit).Run(picture);
}

bool SourceFitsAsItIs(const PhotoJob& job, const OutputFormatRow& row, bool overlaid) {
    const OutputPhotoFormat& format = job.settings;
    const OutputPlan& plan = job.plan;
    if (format.nMaxFileSize <= 0 || overlaid || !row.sourceFormat ||
        job.source.format != row.sourceFormat || format.nMetadata != kMetadataAll ||
        !plan.IsStretched() || plan.width != job.source.width ||
        plan.height != job.source.height)
        return false;
    // Every setting that could change the picture or its file at its built-in
    // value, save those that the checks above settle.
    OutputPhotoFormat rest = format;
    const OutputPhotoFormat builtIn = BuiltInDefaultOutputPhotoFormat();
    {
        OutputPhotoFormat* f = &rest;
        f->nOuputSizeType = builtIn.nOuputSizeType;
        f->nOutputWidth = builtIn.nOutputWidth;
        f->nOutputHeight = builtIn.nOutputHeight;
        f->nKeepAspectRatio = builtIn.nKeepAspectRatio;
        f->dStretchHorizontal = builtIn.dStretchHorizontal;
        f->dStretchVertical = builtIn.dStretchVertical;
        f->nLongEdge = builtIn.nLongEdge;
        f->bNoEnlarge = builtIn.bNoEnlarge;
        f->nOuptputFormat = builtIn.nOuptputFormat;
        f->iComboPixelFormat = builtIn.iComboPixelFormat;
        f->nCurrentJpegQuality = builtIn.nCurrentJpegQuality;
        f->nMetadata = builtIn.nMetadata;
        f->nMaxFileSize = builtIn.nMaxFileSize;
        f->nMinQuality = builtIn.nMinQuality;
        f->bNoShrinkToFit = builtIn.bNoShrinkToFit;
    }
    if (!(rest == builtIn))
        return false;
    struct stat st {};
    if (::stat(job.source.path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<uint64_t>(st.st_size) > static_cast<uint64_t>(format.nMaxFileSize))
        return false;
    if (!StartImaging())
        return false;
    const ImagingMessages messages;
    try {
        const vips::VImage header = vips::VImage::new_from_file(
            job.source.path.c_str(), vips::VImage::option()->set("access", VIPS_ACCESS_SEQUENTIAL));
        const VipsInterpretation space = header.interpretation();
        const bool plainColour = (header.bands() == 3 && space == VIPS_INTERPRETATION_sRGB) ||
                                 (header.bands() == 1 && space == VIPS_INTERPRETATION_B_W);
        const int pages = header.get_typeof("n-pages") ? header.get_int("n-pages") : 1;
        const int orientation =
            header.get_typeof(VIPS_META_ORIENTATION) ? header.get_int(VIPS_META_ORIENTATION) : 1;
        return plainColour && header.format() == VIPS_FORMAT_UCHAR && pages == 1 &&
               orientation <= 1;
    } catch (const vips::VError&) {
        return false;
    }
}

EncodeResult CopySource(const std::string& path, PendingOutput& file, FileSizeFit& fit) {
    fit = {};
    const int in = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return {EncodeOutcome::NotConverted, path + ": " + std::strerror(errno)};
    std::string chunk(1 << 16, '\0');
    EncodeResult result;
    for (;;) {
        const ssize_t n = ::read(in, chunk.data(), chunk.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result = {EncodeOutcome::NotConverted, path + ": " + std::strerror(errno)};
            break;
        }
        if (n == 0)
            break;
        if (Status written = WriteAll(file.Descriptor(), chunk.substr(0, static_cast<std::size_t>(n)));
            !written) {
            result = {EncodeOutcome::NotSaved, written.Reason()};
            break;
        }
        fit.bytes += static_cast<uint64_t>(n);
    }
    ::close(in);
    fit.copied = true;
    return result;
}
