#include "imaging/PictureDecode.h"

#include <atomic>
#include <cstring>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "imaging/ImagingMessages.h"
#include "imaging/JpegEndSource.h"
#include "imaging/PictureResample.h"
#include "imaging/PngChunkLimit.h"
#include "imaging/RawDecode.h"
#include "imaging/RowsInProgress.h"
#include "imaging/SourceFile.h"
#include "imaging/SourcePipeline.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"

namespace {

// Larger surfaces would take the machine's memory rather than fail cleanly.
constexpr uint64_t kMaxPictureBytes = uint64_t{1} << 30;

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// libvips 8.14's JPEG loader, when libjpeg recovered from damage, ends with
// two warnings: "read gave N warnings", then the whole of libvips' shared
// error buffer, which holds other photos' errors too. The second is left
// out: libjpeg's own words came as errors, on this thread, when it gave
// them.
std::vector<std::string> OwnWarnings(const std::vector<std::string>& warnings) {
    std::vector<std::string> own;
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        own.push_back(warnings[i]);
        if (StartsWith(warnings[i], "read gave "))
            ++i;
    }
    return own;
}

// What libjpeg recovered from, which libvips 8.14's JPEG loader lets pass
// (damage in the last rows): its words, or the loader's count of them.
std::string RecoveredJpegDamage(const ImagingMessages& messages) {
    for (const std::string& warning : messages.Warnings())
        if (StartsWith(warning, "read gave "))
            return messages.Errors().empty() ? warning : messages.ErrorText();
    return {};
}

// libvips' words for a failed decode, and the decoder's own where it gave
// them only as warnings (libpng's "Not enough image data" behind libvips'
// "libpng read error"); libvips' notices of the tiles it gave up are left out.
std::string WithDecoderWords(std::string reason, const std::vector<std::string>& warnings) {
    for (const std::string& warning : OwnWarnings(warnings)) {
        const std::string line = warning.substr(0, warning.find('\n'));
        if (!line.empty() && !StartsWith(line, "error in tile") &&
            reason.find(line) == std::string::npos)
            reason += "; " + line;
    }
    return reason;
}

// Four bytes a pixel (colour, then opacity) into the picture's three and
// its alpha.
void SplitOpacity(RgbPicture& picture) {
    const std::size_t count = std::size_t(picture.width) * std::size_t(picture.height);
    picture.alpha.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const uint8_t* from = picture.pixels.data() + 4 * i;
        uint8_t* to = picture.pixels.data() + 3 * i;  // never ahead of from
        picture.alpha[i] = from[3];
        std::memmove(to, from, 3);
    }
    picture.pixels.resize(3 * count);
}

// 16-bit samples (two bytes each, as the machine keeps them) into the
// picture's deep samples, and their high bytes into its pixels.
void SplitDeep(RgbPicture& picture) {
    const std::size_t count = picture.pixels.size() / 2;
    picture.deep.resize(count);
    std::memcpy(picture.deep.data(), picture.pixels.data(), count * 2);
    picture.pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        picture.pixels[i] = uint8_t(picture.deep[i] >> 8);
}

// The picture as the plan lays it out; every libvips object of the pipeline
// has ended when it returns, so that the loader's last warnings are given.
// Throws vips::VError.
void DecodeInto(const std::string& path, int fd, const OutputPlan& plan, RgbPicture& picture,
                bool withMetadata, bool withAlpha, bool withDeep, RowsInProgress* rows) {
    const SourcePipeline pipeline(path, fd, plan, VIPS_SIZE_FORCE, true,
                                  withMetadata ? &picture.metadata : nullptr, withAlpha, withDeep);
    // Rows of three bytes a pixel only: the others are split up afterwards.
    const vips::VImage& image = pipeline.Image();
    const bool handedOut = rows && !withAlpha && !withDeep && image.bands() == 3 &&
                           image.format() == VIPS_FORMAT_UCHAR && image.width() == rows->Width() &&
                           image.height() == rows->Height();
    std::function<void(int)> copied;
    if (handedOut)
        copied = [&](int done) { rows->Publish(picture.pixels.data(), done); };
    CopyPixelsOut(image, picture, copied);
    if (pipeline.Image().bands() == 4)
        SplitOpacity(picture);
    else if (pipeline.Image().format() == VIPS_FORMAT_USHORT)
        SplitDeep(picture);
    picture.xResolution = pipeline.XResolution();
    picture.yResolution = pipeline.YResolution();
}

std::atomic<std::size_t> decodesStarted{0};

// Ends the rows handed out when the decode returns: as whole only once the
// picture is made, and before a failed decode's pixels go.
class RowsEnding {
public:
    explicit RowsEnding(RowsInProgress* rows) : rows_(rows) {}
    ~RowsEnding() {
        if (rows_)
            rows_->End(decoded_);
    }
    RowsEnding(const RowsEnding&) = delete;
    RowsEnding& operator=(const RowsEnding&) = delete;
    void Decoded() { decoded_ = true; }

private:
    RowsInProgress* rows_;
    bool decoded_ = false;
};

}  // namespace

std::size_t DecodesStarted() {
    return decodesStarted.load();
}

Result<RgbPicture> DecodePicture(const std::string& path, const OutputPlan& plan,
                                 bool withMetadata, int32_t rawDevelop, bool withAlpha,
                                 bool withDeep, RowsInProgress* rows) {
    ++decodesStarted;
    // Declared before the rows' ending, so that it outlives it.
    RgbPicture picture;
    RowsEnding ending(rows);
    auto fail = [&](std::string why) { return Status::Failed(path, std::move(why)); };
    if (plan.width <= 0 || plan.height <= 0)
        return fail("no output size");
    if (!plan.IsDrawable())
        return fail("the picture lies outside the output");
    if (uint64_t(plan.width) * uint64_t(plan.height) * 3 > kMaxPictureBytes)
        return fail("an output of " + std::to_string(plan.width) + " x " +
                    std::to_string(plan.height) + " pixels is larger than the program works with");
    const SourceFile file(path);
    if (Status regular = file.Regular(); !regular)
        return regular;
    if (Status within = PngMetadataWithinLimit(file.Descriptor(), true); !within)
        return within.About(path);
    if (std::optional<Result<RgbPicture>> raw =
            DecodeRaw(path, file.Descriptor(), plan, rawDevelop, withMetadata))
        return std::move(*raw);
    if (!StartImaging())
        return fail("the imaging library could not start");
    const bool jpeg = StartsLikeJpeg(file.Descriptor());
    const ImagingMessages messages;
    try {
        DecodeInto(path, file.Descriptor(), plan, picture, withMetadata, withAlpha, withDeep, rows);
    } catch (const vips::VError&) {
        return fail(WithDecoderWords(messages.ErrorText(), messages.Warnings()));
    }
    if (jpeg) {
        std::string damage = RecoveredJpegDamage(messages);
        if (!damage.empty())
            return fail(std::move(damage));
    }
    // Moved, so that the pixels the rows point at stay where they are.
    ending.Decoded();
    return Result<RgbPicture>(std::move(picture));
}
