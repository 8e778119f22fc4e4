#include "convert/PictureEncode.h"

#include <algorithm>

#include "convert/MetadataWrite.h"
#include "convert/VipsPixels.h"
#include "convert/VipsSession.h"

namespace {

// Writes the picture, with the camera data the record keeps, through save
// (image, target, strip); strip is true when the output keeps none, so that
// the saver adds nothing of its own.
template <typename Save>
EncodeResult Encode(const RgbPicture& picture, const OutputPhotoFormat& format, PendingOutput& file,
                    IptcSlot iptc, Save save) {
    if (picture.width <= 0 || picture.height <= 0)
        return {EncodeOutcome::NotConverted, "an empty picture"};
    if (!StartImaging())
        return {EncodeOutcome::NotConverted, "the imaging library could not start"};
    try {
        vips::VTarget target = vips::VTarget::new_to_descriptor(file.Descriptor());
        const vips::VImage image =
            WithMetadata(ViewOf(picture), picture.metadata, format.nMetadata, iptc);
        save(image, target, !KeepsMetadata(format.nMetadata));
        return {};
    } catch (const vips::VError& error) {
        return {EncodeOutcome::NotSaved, TakeVipsError(error)};
    }
}

int Quality(const OutputPhotoFormat& format) {
    return std::clamp(format.nCurrentJpegQuality, kMinQuality, kMaxQuality);
}

using TargetSaver = void (vips::VImage::*)(vips::VTarget, vips::VOption*) const;

// A saver that takes the record's quality or, with bLossless, keeps every
// pixel.
EncodeResult EncodeQualityOrLossless(const RgbPicture& picture, const OutputPhotoFormat& format,
                                     PendingOutput& file, TargetSaver saver) {
    const int quality = Quality(format);
    const bool lossless = format.bLossless;
    return Encode(picture, format, file, IptcSlot::None,
                  [=](const vips::VImage& image, vips::VTarget& target, bool strip) {
                      (image.*saver)(target, vips::VImage::option()
                                                 ->set("Q", quality)
                                                 ->set("lossless", lossless)
                                                 ->set("strip", strip));
                  });
}

}  // namespace

EncodeResult WriteJpegFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file) {
    const int quality = Quality(format);
    return Encode(picture, format, file, IptcSlot::PhotoshopBlock,
                  [quality](const vips::VImage& image, vips::VTarget& target, bool) {
                      // Never stripped: stripping would also drop the density,
                      // and a picture without camera data carries nothing else.
                      image.jpegsave_target(target, vips::VImage::option()->set("Q", quality));
                  });
}

EncodeResult WritePngFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file) {
    return Encode(picture, format, file, IptcSlot::None,
                  [](const vips::VImage& image, vips::VTarget& target, bool strip) {
                      image.pngsave_target(target, vips::VImage::option()->set("strip", strip));
                  });
}

EncodeResult WriteTiffFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file) {
    return Encode(picture, format, file, IptcSlot::Bare,
                  [](const vips::VImage& image, vips::VTarget& target, bool strip) {
                      image.tiffsave_target(
                          target, vips::VImage::option()
                                      ->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_LZW)
                                      ->set("strip", strip));
                  });
}

EncodeResult WriteWebpFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file) {
    return EncodeQualityOrLossless(picture, format, file, &vips::VImage::webpsave_target);
}

EncodeResult WriteAvifFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file) {
    const int quality = Quality(format);
    return Encode(picture, format, file, IptcSlot::None,
                  [=](const vips::VImage& image, vips::VTarget& target, bool strip) {
                      image.heifsave_target(
                          target, vips::VImage::option()
                                      ->set("Q", quality)
                                      ->set("compression", VIPS_FOREIGN_HEIF_COMPRESSION_AV1)
                                      ->set("strip", strip));
                  });
}

EncodeResult WriteJxlFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file) {
    return EncodeQualityOrLossless(picture, format, file, &vips::VImage::jxlsave_target);
}
