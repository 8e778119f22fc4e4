#include "imaging/PictureEncode.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string_view>

#include "imaging/ImagingMessages.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"
#include "metadata/ExifInPlace.h"
#include "metadata/ExifSplice.h"
#include "metadata/JxlWithBoxes.h"
#include "metadata/MetadataWrite.h"
#include "metadata/TiffExif.h"
#include "metadata/XmpRewrite.h"

namespace {

// A step of our own that failed, with its reason: libvips has none for it.
struct OwnFailure {
    std::string reason;
};

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
    const ImagingMessages messages;
    try {
        vips::VTarget target = vips::VTarget::new_to_descriptor(file.Descriptor());
        const vips::VImage image = WithMetadata(ViewOf(picture, RotateFlipOfRecord(format)),
                                                picture.metadata, format.nMetadata, iptc);
        save(image, target, !KeepsMetadata(format.nMetadata));
        return {};
    } catch (const OwnFailure& failure) {
        return {EncodeOutcome::NotSaved, failure.reason};
    } catch (const vips::VError&) {
        return {EncodeOutcome::NotSaved, messages.ErrorText()};
    }
}

int Quality(const OutputPhotoFormat& format) {
    return std::clamp(format.nCurrentJpegQuality, static_cast<int32_t>(numbers::kQuality.min),
                      static_cast<int32_t>(numbers::kQuality.max));
}

struct BlobRelease {
    void operator()(VipsBlob* blob) const { vips_area_unref(VIPS_AREA(blob)); }
};

using TargetSaver = void (vips::VImage::*)(vips::VTarget, vips::VOption*) const;
using BufferSaver = VipsBlob* (vips::VImage::*)(vips::VOption*) const;
using ExifSplicer = std::optional<std::string> (*)(std::string_view, std::string_view);

void WriteAll(vips::VTarget& target, std::string_view bytes) {
    if (vips_target_write(target.get_target(), bytes.data(), bytes.size()) != 0 ||
        vips_target_end(target.get_target()) != 0)
        ThrowImagingFailure();
}

// The source's EXIF block fitted to the output without moving a byte (see
// metadata/ExifInPlace.h); empty when the record keeps no camera data or
// the source has no block.
std::string FittedExif(const vips::VImage& image, const RgbPicture& picture,
                       const OutputPhotoFormat& format) {
    if (!KeepsMetadata(format.nMetadata))
        return {};
    return ExifEditedInPlace(picture.metadata.exif,
                             {format.nMetadata == kMetadataNoLocation, image.width(),
                              image.height(), image.xres(), image.yres()});
}

// Saves with options() straight to the file; or, where the output keeps the
// source's EXIF block, into memory first, so that the block the saver wrote
// anew can be replaced by the camera's own bytes.
template <typename Options>
void SaveWithOwnExif(const vips::VImage& image, vips::VTarget& target, const RgbPicture& picture,
                     const OutputPhotoFormat& format, TargetSaver toTarget, BufferSaver toBuffer,
                     Options options, ExifSplicer splice) {
    const std::string block = FittedExif(image, picture, format);
    if (block.empty()) {
        (image.*toTarget)(target, options());
        return;
    }
    const std::unique_ptr<VipsBlob, BlobRelease> blob((image.*toBuffer)(options()));
    std::size_t size = 0;
    const auto* bytes = static_cast<const char*>(vips_blob_get(blob.get(), &size));
    const std::optional<std::string> spliced = splice({bytes, size}, block);
    WriteAll(target, spliced ? std::string_view(*spliced) : std::string_view(bytes, size));
}

// Drawings and screenshots: at least half the pixels of every eighth row
// repeat the one on their left. Photos, grainy everywhere, are far below.
bool MostlyFlat(const RgbPicture& picture) {
    uint64_t repeats = 0, compared = 0;
    for (int32_t y = 0; y < picture.height; y += 8) {
        const uint8_t* row = picture.Pixel(0, y);
        for (int32_t x = 1; x < picture.width; ++x)
            repeats += std::equal(row + 3 * x, row + 3 * x + 3, row + 3 * (x - 1));
        compared += static_cast<uint64_t>(picture.width - 1);
    }
    return compared > 0 && 2 * repeats >= compared;
}

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
                  [&](const vips::VImage& image, vips::VTarget& target, bool) {
                      // Never stripped: stripping would also drop the density,
                      // and a picture without camera data carries nothing else.
                      SaveWithOwnExif(
                          image, target, picture, format, &vips::VImage::jpegsave_target,
                          &vips::VImage::jpegsave_buffer,
                          [&] { return vips::VImage::option()->set("Q", quality); }, &JpegWithExif);
                  });
}

EncodeResult WritePngFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file) {
    // A photo deflates at level 1 after the average filter in a third of the
    // time of libvips' default (level 6, unfiltered), and 8 to 27 % smaller;
    // a drawing needs the default's long matches (level 1 made one 87 %
    // larger), so it keeps it.
    const bool flat = MostlyFlat(picture);
    return Encode(
        picture, format, file, IptcSlot::None,
        [&](const vips::VImage& image, vips::VTarget& target, bool strip) {
            const auto options = [&] {
                auto chosen = vips::VImage::option()->set("strip", strip);
                if (!flat)
                    chosen->set("compression", 1)->set("filter", VIPS_FOREIGN_PNG_FILTER_AVG);
                return chosen;
            };
            SaveWithOwnExif(image, target, picture, format, &vips::VImage::pngsave_target,
                            &vips::VImage::pngsave_buffer, options, &PngWithExif);
        });
}

EncodeResult WriteTiffFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file) {
    const bool keep = KeepsMetadata(format.nMetadata);
    const bool dropLocation = format.nMetadata == kMetadataNoLocation;
    return Encode(
        picture, format, file, IptcSlot::Bare,
        [&](const vips::VImage& image, vips::VTarget& target, bool strip) {
            image.tiffsave_target(target,
                                  vips::VImage::option()
                                      ->set("compression", VIPS_FOREIGN_TIFF_COMPRESSION_LZW)
                                      ->set("strip", strip));
            // libvips' TIFF saver writes no EXIF directory.
            if (!keep)
                return;
            if (Status added = AddTiffExif(file.Descriptor(), FittedExif(image, picture, format),
                                           dropLocation);
                !added)
                throw OwnFailure{added.Reason()};
        });
}

EncodeResult WriteWebpFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file) {
    const int quality = Quality(format);
    const bool lossless = format.bLossless;
    return Encode(picture, format, file, IptcSlot::None,
                  [&](const vips::VImage& image, vips::VTarget& target, bool strip) {
                      SaveWithOwnExif(image, target, picture, format,
                                      &vips::VImage::webpsave_target,
                                      &vips::VImage::webpsave_buffer,
                                      [&] {
                                          return vips::VImage::option()
                                              ->set("Q", quality)
                                              ->set("lossless", lossless)
                                              ->set("strip", strip);
                                      },
                                      &WebpWithExif);
                  });
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
    if (!KeepsMetadata(format.nMetadata))
        return EncodeQualityOrLossless(picture, format, file, &vips::VImage::jxlsave_target);
    // libvips' JPEG XL saver writes a bare codestream, which has no room
    // for camera data: the same codestream goes into a container beside it.
    const int quality = Quality(format);
    const bool lossless = format.bLossless;
    const bool dropLocation = format.nMetadata == kMetadataNoLocation;
    return Encode(
        picture, format, file, IptcSlot::None,
        [&](const vips::VImage& image, vips::VTarget& target, bool) {
            const std::unique_ptr<VipsBlob, BlobRelease> blob(image.jxlsave_buffer(
                vips::VImage::option()->set("Q", quality)->set("lossless", lossless)));
            std::size_t size = 0;
            const auto* bytes = static_cast<const char*>(vips_blob_get(blob.get(), &size));
            const std::string container = JxlContainer(
                {bytes, size},
                {FittedExif(image, picture, format),
                 RewriteXmp(picture.metadata.xmp, dropLocation, image.width(), image.height())});
            WriteAll(target, container);
        });
}
