#include "convert/PictureEncode.h"

#include <algorithm>

#include "convert/VipsPixels.h"
#include "convert/VipsSession.h"

namespace {

template <typename Save>
EncodeResult Encode(const RgbPicture& picture, PendingOutput& file, Save save) {
    if (picture.width <= 0 || picture.height <= 0)
        return {EncodeOutcome::NotConverted, "an empty picture"};
    if (!StartImaging())
        return {EncodeOutcome::NotConverted, "the imaging library could not start"};
    try {
        vips::VTarget target = vips::VTarget::new_to_descriptor(file.Descriptor());
        save(ViewOf(picture), target);
        return {};
    } catch (const vips::VError& error) {
        return {EncodeOutcome::NotSaved, TakeVipsError(error)};
    }
}

}  // namespace

EncodeResult WriteJpegFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file) {
    const int quality = std::clamp(format.nCurrentJpegQuality, kMinQuality, kMaxQuality);
    return Encode(picture, file, [quality](const vips::VImage& image, vips::VTarget& target) {
        // Stripping would also drop the density; the picture carries no
        // other metadata anyway.
        image.jpegsave_target(target, vips::VImage::option()->set("Q", quality));
    });
}

EncodeResult WritePngFile(const RgbPicture& picture, const OutputPhotoFormat&,
                          PendingOutput& file) {
    return Encode(picture, file, [](const vips::VImage& image, vips::VTarget& target) {
        image.pngsave_target(target, vips::VImage::option()->set("strip", true));
    });
}

EncodeResult WriteTiffFile(const RgbPicture& picture, const OutputPhotoFormat&,
                           PendingOutput& file) {
    return Encode(picture, file, [](const vips::VImage& image, vips::VTarget& target) {
        image.tiffsave_target(target, vips::VImage::option()
                                          ->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_LZW)
                                          ->set("strip", true));
    });
}
