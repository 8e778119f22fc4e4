#include "run/OutputPicture.h"

#include <cstring>
#include <vector>

#include "imaging/BmpOutput.h"
#include "imaging/OverlayText.h"
#include "imaging/PictureEncode.h"
#include "imaging/PictureDecode.h"
#include "imaging/WatermarkImage.h"
#include "platform/Words.h"

Result<RgbPicture> FinishPicture(const PhotoJob& job, const TextOverlay& overlay,
                                 const OutputFormatRow* row, bool copySource,
                                 const DecodedPictureSource* decode) {
    if (copySource)
        return RgbPicture{};
    const OutputPhotoFormat& format = job.settings;
    // The file as it is now, whatever size it had when it was added.
    const bool withMetadata =
        row && (row->settings & kUsesMetadata) && KeepsMetadata(format.nMetadata);
    // Several outputs of one decode share an opaque picture.
    Result<RgbPicture> decoded =
        decode ? (*decode)(job, withMetadata)
               : DecodePicture(job.source.path, job.plan, withMetadata, format.nRawDevelop,
                               row && BmpKeepsAlpha(format), row && StoresDeepSamples(format));
    if (!decoded)
        return decoded;
    RgbPicture& picture = decoded.Value();
    if (format.nDpi > 0)
        picture.xResolution = picture.yResolution = format.nDpi / 25.4;

    // A run decodes the watermark once for all photos; a photo converted on
    // its own reads it here.
    ImageWatermark watermark = overlay.watermark;
    if (!watermark.path.empty() && !watermark.logo) {
        auto logo = LoadWatermarkLogo(watermark.path);
        if (!logo)
            return Status::Failed(job.source.path,
                                  Words{"the watermark: " + logo.GetStatus().Told(),
                                        words::translate("Reasons", "the watermark: %1")
                                            .Arg(logo.GetStatus().Shown())
                                            .shown});
        watermark.logo = logo.Value();
    }
    // What the overlays draw is opaque, also where the photo is not; they
    // draw in 8 bits, so a picture they draw on is written in 8 bits.
    const bool watched = !picture.alpha.empty() || !picture.deep.empty();
    const std::vector<uint8_t> undrawn = watched ? picture.pixels : std::vector<uint8_t>{};
    DrawWatermark(picture, watermark);
    DrawOverlayText(picture, overlay);
    if (watched && undrawn != picture.pixels) {
        picture.deep.clear();
        for (std::size_t i = 0; i < picture.alpha.size() && i * 3 + 2 < undrawn.size(); ++i)
            if (std::memcmp(&undrawn[i * 3], &picture.pixels[i * 3], 3) != 0)
                picture.alpha[i] = 255;
    }
    return decoded;
}

EncodeResult EncodeOutput(const PhotoJob& job, const OutputFormatRow& row, bool copySource,
                          RgbPicture& picture, PendingOutput& file,
                          std::optional<FileSizeFit>& fit) {
    if (copySource)
        return CopySource(job.source.path, file, fit.emplace());
    if (job.settings.nMaxFileSize > 0)
        return WriteWithinFileSize(picture, job.settings, row, file, fit.emplace());
    return row.encode(picture, job.settings, file);
}
