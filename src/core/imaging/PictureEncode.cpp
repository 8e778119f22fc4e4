#include "imaging/PictureEncode.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "imaging/AvifWithExif.h"
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

// What a format's saver does with the finished image: write it whole to
// the target, stripped of camera data when strip is true.
using Saver = std::function<void(const vips::VImage& image, vips::VTarget& target, bool strip)>;

// Writes the picture, with the camera data the record keeps, through save
// (image, target, strip) into the target; strip is true when the output
// keeps none, so that the saver adds nothing of its own.
EncodeResult EncodeInto(const RgbPicture& picture, const OutputPhotoFormat& format,
                        const std::function<vips::VTarget()>& makeTarget, IptcSlot iptc,
                        const Saver& save) {
    if (picture.width <= 0 || picture.height <= 0)
        return {EncodeOutcome::NotConverted, "an empty picture"};
    if (!StartImaging())
        return {EncodeOutcome::NotConverted, "the imaging library could not start"};
    const ImagingMessages messages;
    try {
        vips::VTarget target = makeTarget();
        // The 16-bit samples where the decode kept them for this output.
        const RotateFlipType turn = RotateFlipOfRecord(format);
        const bool deep = !picture.deep.empty() &&
                          picture.deep.size() == picture.pixels.size() && StoresDeepSamples(format);
        const vips::VImage image =
            WithMetadata(deep ? DeepViewOf(picture, turn) : ViewOf(picture, turn),
                         picture.metadata, format.nMetadata, iptc);
        save(image, target, !KeepsMetadata(format.nMetadata));
        return {};
    } catch (const OwnFailure& failure) {
        return {EncodeOutcome::NotSaved, failure.reason};
    } catch (const vips::VError&) {
        return {EncodeOutcome::NotSaved, messages.ErrorText()};
    }
}

EncodeResult Encode(const RgbPicture& picture, const OutputPhotoFormat& format, PendingOutput& file,
                    IptcSlot iptc, const Saver& save) {
    return EncodeInto(
        picture, format, [&file] { return vips::VTarget::new_to_descriptor(file.Descriptor()); },
        iptc, save);
}

// What a memory target holds once its saver has ended it.
std::string BytesOf(vips::VTarget& target) {
    VipsBlob* blob = nullptr;
    g_object_get(target.get_target(), "blob", &blob, nullptr);
    if (!blob)
        return {};
    std::size_t size = 0;
    const auto* data = static_cast<const char*>(vips_blob_get(blob, &size));
    std::string bytes(data, size);
    vips_area_unref(VIPS_AREA(blob));
    return bytes;
}

// The same into memory: the bytes of the whole file.
EncodeResult EncodeToBytes(const RgbPicture& picture, const OutputPhotoFormat& format,
                           IptcSlot iptc, const Saver& save, std::string& bytes) {
    std::optional<vips::VTarget> target;
    EncodeResult result = EncodeInto(
        picture, format, [&target] { return *(target = vips::VTarget::new_to_memory()); }, iptc,
        save);
    if (result.outcome != EncodeOutcome::Written)
        return result;
    bytes = BytesOf(*target);
    if (bytes.empty())
        return {EncodeOutcome::NotSaved, "the encoder gave no bytes"};
    return result;
}

int Quality(const OutputPhotoFormat& format) {
    return std::clamp(format.nCurrentJpegQuality, static_cast<int32_t>(numbers::kQuality.min),
                      static_cast<int32_t>(numbers::kQuality.max));
}

struct BlobRelease {
    void operator()(VipsBlob* blob) const { vips_area_unref(VIPS_AREA(blob)); }
};

using TargetSaver = void (vips::VImage::*)(vips::VTarget, vips::VOption*) const;
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

// save, with the EXIF block the saver wrote anew replaced by the camera's
// own bytes (FittedExif) where the output keeps one: the file is made in
// memory first so that the block can be put in. Without a block, save
// writes straight to the target as it always did.
Saver WithOwnExif(const RgbPicture& picture, const OutputPhotoFormat& format, Saver save,
                  ExifSplicer splice) {
    return [&picture, format, save = std::move(save), splice](
               const vips::VImage& image, vips::VTarget& target, bool strip) {
        const std::string block = FittedExif(image, picture, format);
        if (block.empty()) {
            save(image, target, strip);
            return;
        }
        vips::VTarget memory = vips::VTarget::new_to_memory();
        save(image, memory, strip);
        const std::string bytes = BytesOf(memory);
        const std::optional<std::string> spliced = splice(bytes, block);
        WriteAll(target, spliced ? std::string_view(*spliced) : std::string_view(bytes));
    };
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
Saver QualityOrLossless(const OutputPhotoFormat& format, TargetSaver saver) {
    const int quality = Quality(format);
    const bool lossless = format.bLossless;
    return [=](const vips::VImage& image, vips::VTarget& target, bool strip) {
        (image.*saver)(target, vips::VImage::option()
                                   ->set("Q", quality)
                                   ->set("lossless", lossless)
                                   ->set("strip", strip));
    };
}

// Chroma subsampling as the record sets it; auto leaves libvips' own choice.
void SetChroma(vips::VOption* options, const OutputPhotoFormat& format) {
    if (format.nChroma == kChroma420)
        options->set("subsample_mode", VIPS_FOREIGN_SUBSAMPLE_ON);
    else if (format.nChroma == kChroma444)
        options->set("subsample_mode", VIPS_FOREIGN_SUBSAMPLE_OFF);
}

Saver JpegSaver(const OutputPhotoFormat& format) {
    const int quality = Quality(format);
    return [quality, format](const vips::VImage& image, vips::VTarget& target, bool) {
        // Never stripped: stripping would also drop the density, and a
        // picture without camera data carries nothing else.
        auto options = vips::VImage::option()->set("Q", quality);
        SetChroma(options, format);
        if (format.bProgressive)
            options->set("interlace", true);
        image.jpegsave_target(target, options);
    };
}

Saver AvifSaver(const OutputPhotoFormat& format) {
    const int quality = Quality(format);
    return [quality, format](const vips::VImage& image, vips::VTarget& target, bool strip) {
        // libvips' saver would lay the camera's EXIF block out anew.
        if (!strip && image.get_typeof(VIPS_META_EXIF_NAME) != 0) {
            const VipsForeignSubsample chroma = format.nChroma == kChroma420
                                                    ? VIPS_FOREIGN_SUBSAMPLE_ON
                                                    : format.nChroma == kChroma444
                                                          ? VIPS_FOREIGN_SUBSAMPLE_OFF
                                                          : VIPS_FOREIGN_SUBSAMPLE_AUTO;
            const Result<std::string> file = AvifWithExif(image, {quality, chroma});
            if (!file)
                throw OwnFailure{file.GetStatus().Reason()};
            WriteAll(target, file.Value());
            return;
        }
        auto options = vips::VImage::option()
                           ->set("Q", quality)
                           ->set("compression", VIPS_FOREIGN_HEIF_COMPRESSION_AV1)
                           ->set("strip", strip);
        SetChroma(options, format);
        image.heifsave_target(target, options);
    };
}

Saver JxlSaver(const RgbPicture& picture, const OutputPhotoFormat& format) {
    if (!KeepsMetadata(format.nMetadata))
        return QualityOrLossless(format, &vips::VImage::jxlsave_target);
    // libvips' JPEG XL saver writes a bare codestream, which has no room
    // for camera data: the same codestream goes into a container beside it.
    const int quality = Quality(format);
    const bool lossless = format.bLossless;
    const bool dropLocation = format.nMetadata == kMetadataNoLocation;
    return [&picture, format, quality, lossless, dropLocation](const vips::VImage& image,
                                                               vips::VTarget& target, bool) {
        const std::unique_ptr<VipsBlob, BlobRelease> blob(image.jxlsave_buffer(
            vips::VImage::option()->set("Q", quality)->set("lossless", lossless)));
        std::size_t size = 0;
        const auto* bytes = static_cast<const char*>(vips_blob_get(blob.get(), &size));
        const std::string container = JxlContainer(
            {bytes, size},
            {FittedExif(image, picture, format),
             RewriteXmp(picture.metadata.xmp, dropLocation, image.width(), image.height())});
        WriteAll(target, container);
    };
}

Saver WebpSaver(const RgbPicture& picture, const OutputPhotoFormat& format) {
    return WithOwnExif(picture, format, QualityOrLossless(format, &vips::VImage::webpsave_target),
                       &WebpWithExif);
}

EncodeResult JpegToMemory(const RgbPicture& picture, const OutputPhotoFormat& format,
                          std::string& bytes) {
    return EncodeToBytes(picture, format, IptcSlot::PhotoshopBlock,
                         WithOwnExif(picture, format, JpegSaver(format), &JpegWithExif), bytes);
}
EncodeResult WebpToMemory(const RgbPicture& picture, const OutputPhotoFormat& format,
                          std::string& bytes) {
    return EncodeToBytes(picture, format, IptcSlot::None, WebpSaver(picture, format), bytes);
}
EncodeResult AvifToMemory(const RgbPicture& picture, const OutputPhotoFormat& format,
                          std::string& bytes) {
    return EncodeToBytes(picture, format, IptcSlot::None, AvifSaver(format), bytes);
}
EncodeResult JxlToMemory(const RgbPicture& picture, const OutputPhotoFormat& format,
                         std::string& bytes) {
    return EncodeToBytes(picture, format, IptcSlot::None, JxlSaver(picture, format), bytes);
}

}  // namespace

EncodeResult WriteJpegFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file) {
    return Encode(picture, format, file, IptcSlot::PhotoshopBlock,
                  WithOwnExif(picture, format, JpegSaver(format), &JpegWithExif));
}

EncodeResult WritePngFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file) {
    // A photo deflates at level 1 after the average filter in a third of the
    // time of libvips' default (level 6, unfiltered), and 8 to 27 % smaller;
    // a drawing needs the default's long matches (level 1 made one 87 %
    // larger), so it keeps it.
    const bool flat = MostlyFlat(picture);
    const Saver png = [flat](const vips::VImage& image, vips::VTarget& target, bool strip) {
        auto options = vips::VImage::option()->set("strip", strip);
        if (!flat)
            options->set("compression", 1)->set("filter", VIPS_FOREIGN_PNG_FILTER_AVG);
        image.pngsave_target(target, options);
    };
    return Encode(picture, format, file, IptcSlot::None,
                  WithOwnExif(picture, format, png, &PngWithExif));
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
    return Encode(picture, format, file, IptcSlot::None, WebpSaver(picture, format));
}

EncodeResult WriteAvifFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                           PendingOutput& file) {
    return Encode(picture, format, file, IptcSlot::None, AvifSaver(format));
}

EncodeResult WriteJxlFile(const RgbPicture& picture, const OutputPhotoFormat& format,
                          PendingOutput& file) {
    return Encode(picture, format, file, IptcSlot::None, JxlSaver(picture, format));
}

MemoryEncoder MemoryEncoderOf(int32_t formatId) {
    switch (formatId) {
        case kFormatJpg: return &JpegToMemory;
        case kFormatWebp: return &WebpToMemory;
        case kFormatAvif: return &AvifToMemory;
        case kFormatJxl: return &JxlToMemory;
        default: return nullptr;
    }
}

bool StoresDeepSamples(const OutputPhotoFormat& format) {
    return format.nOuptputFormat == kFormatPng || format.nOuptputFormat == kFormatTif;
}
