#include "run/OutputPicture.h"

#include "imaging/OverlayText.h"
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
    Result<RgbPicture> decoded =
        decode ? (*decode)(job, withMetadata)
               : DecodePicture(job.source.path, job.plan, withMetadata, format.nRawDevelop);
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
    DrawWatermark(picture, watermark);
    DrawOverlayText(picture, overlay);
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
