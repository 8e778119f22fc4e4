// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "imaging/ImagingMessages.h"
#include "imaging/RawDecode.h"
#include "imaging/RawFile.h"
#include "imaging/SourceFile.h"
#include "imaging/SourcePipeline.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"

#include "imaging/DecodePreview.h"

#include <algorithm>
#include <optional>

namespace {

// A camera RAW as the preview shows it, developed the quick way (the
// camera's preview when it is large enough; empty when it cannot be);
// nothing for other files.
std::optional<RgbPicture> RawPreview(const std::string& path, int fd, const OutputPlan& plan,
                                     int maxWidth, int maxHeight) {
    OutputPlan shown;
    if (plan.IsDrawable()) {
        shown = plan.FittedWithin(maxWidth, maxHeight);
    } else {
        RawFacts raw;
        if (!MayBeRaw(fd) || !ProbeRaw(path, fd, raw))
            return std::nullopt;
        const double scale =
            std::min({double(maxWidth) / raw.width, double(maxHeight) / raw.height, 1.0});
        shown = OutputPlan::Stretched(std::max(1, int(raw.width * scale + 0.5)),
                                      std::max(1, int(raw.height * scale + 0.5)));
    }
    std::optional<Result<RgbPicture>> developed = DecodeRaw(path, fd, shown, 0, false);
    if (!developed)
        return std::nullopt;
    return *developed ? std::move(developed->Value()) : RgbPicture{};
}

}  // namespace

QImage DecodePreview(const std::string& path, const OutputPlan& plan, int maxWidth, int maxHeight) {
    if (maxWidth <= 0 || maxHeight <= 0 || !StartImaging())
        return {};
    const SourceFile file(path);
    if (!file.Regular())
        return {};
    const bool drawable = plan.IsDrawable();
    RgbPicture picture;
    // A preview that does not decode stays black; why is told when the photo
    // is converted.
    const ImagingMessages dropped;
    if (std::optional<RgbPicture> raw =
            RawPreview(path, file.Descriptor(), plan, maxWidth, maxHeight)) {
        picture = std::move(*raw);
    } else {
        try {
            const SourcePipeline pipeline(path, file.Descriptor(),
                                          drawable ? plan.FittedWithin(maxWidth, maxHeight)
                                                   : OutputPlan::Stretched(maxWidth, maxHeight),
                                          drawable ? VIPS_SIZE_FORCE : VIPS_SIZE_DOWN, false);
            CopyPixelsOut(pipeline.Image(), picture);
        } catch (const vips::VError&) {
            picture = {};
        }
    }
    if (picture.pixels.empty())
        return {};
    QImage preview(picture.width, picture.height, QImage::Format_RGB888);
    if (preview.isNull())
        return {};
    for (int32_t y = 0; y < picture.height; ++y)
        std::copy_n(picture.Pixel(0, y), picture.RowBytes(), preview.scanLine(y));
    return preview;
}
