#include "imaging/PictureDecode.h"

#include <vector>

#include "imaging/JpegEndSource.h"
#include "imaging/PngChunkLimit.h"
#include "imaging/RawDecode.h"
#include "imaging/SourceFile.h"
#include "imaging/SourcePipeline.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"

namespace {

// Larger surfaces would take the machine's memory rather than fail cleanly.
constexpr uint64_t kMaxPictureBytes = uint64_t{1} << 30;

// libvips 8.14's JPEG loader tells what libjpeg recovered from only as a
// warning when the loader ends ("read gave N warnings", then libjpeg's
// words): damage in the last rows is reported no other way.
std::string RecoveredJpegDamage(const std::vector<std::string>& warnings) {
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        if (warnings[i].rfind("read gave ", 0) != 0)
            continue;
        const std::string words = i + 1 < warnings.size() ? warnings[i + 1] : std::string();
        const std::string line = words.substr(0, words.find('\n'));
        return line.empty() ? warnings[i] : line;
    }
    return {};
}

// libvips' words for a failed decode, and the decoder's own where it gave
// them only as warnings (libpng's "Not enough image data" behind libvips'
// "libpng read error"); libvips' notices of the tiles it gave up are left out.
std::string WithDecoderWords(std::string reason, const std::vector<std::string>& warnings) {
    for (const std::string& warning : warnings) {
        const std::string line = warning.substr(0, warning.find('\n'));
        if (!line.empty() && line.rfind("error in tile", 0) != 0 &&
            reason.find(line) == std::string::npos)
            reason += "; " + line;
    }
    return reason;
}

// The picture at the exact size; every libvips object of the pipeline has
// ended when it returns, so that the loader's last warnings are given.
// Throws vips::VError.
void DecodeInto(const std::string& path, int fd, int32_t width, int32_t height, RgbPicture& picture,
                bool withMetadata) {
    const SourcePipeline pipeline(path, fd, width, height, VIPS_SIZE_FORCE, true,
                                  withMetadata ? &picture.metadata : nullptr);
    CopyPixelsOut(pipeline.Image(), picture);
    picture.xResolution = pipeline.XResolution();
    picture.yResolution = pipeline.YResolution();
}

}  // namespace

bool DecodePictureToSize(const std::string& path, int32_t width, int32_t height,
                         RgbPicture& picture, std::string* reason, bool withMetadata,
                         int32_t rawDevelop) {
    auto fail = [&](std::string why) {
        picture.pixels.clear();
        if (reason)
            *reason = std::move(why);
        return false;
    };
    if (width <= 0 || height <= 0)
        return fail("no output size");
    if (uint64_t(width) * uint64_t(height) * 3 > kMaxPictureBytes)
        return fail("an output of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels is larger than the program works with");
    const SourceFile file(path);
    std::string refused;
    if (!file.IsRegular(&refused) || !PngMetadataWithinLimit(file.Descriptor(), true, &refused))
        return fail(std::move(refused));
    // Camera RAW: by content, before libvips, whose TIFF loader would take a
    // DNG's small first picture for the photo.
    if (const RawDecodeOutcome raw = DecodeRawToSize(path, width, height, rawDevelop, picture, reason,
                                                     withMetadata);
        raw != RawDecodeOutcome::NotRaw)
        return raw == RawDecodeOutcome::Developed;
    if (!StartImaging())
        return fail("the imaging library could not start");
    const bool jpeg = StartsLikeJpeg(file.Descriptor());
    const ImagingWarnings warnings;
    try {
        DecodeInto(path, file.Descriptor(), width, height, picture, withMetadata);
    } catch (const vips::VError& error) {
        return fail(WithDecoderWords(TakeVipsError(error), warnings.Messages()));
    }
    if (jpeg) {
        std::string damage = RecoveredJpegDamage(warnings.Messages());
        if (!damage.empty())
            return fail(std::move(damage));
    }
    return true;
}
