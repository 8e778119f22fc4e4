// libvips (through GLib's gio) first: Qt's "signals" keyword macro would
// break gio's headers.
#include "imaging/ImagingMessages.h"
#include "imaging/SourceFile.h"
#include "imaging/SourcePipeline.h"
#include "imaging/VipsPixels.h"
#include "imaging/VipsSession.h"

#include "imaging/DecodePreview.h"

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
    try {
        const SourcePipeline pipeline(path, file.Descriptor(),
                                      drawable ? plan.FittedWithin(maxWidth, maxHeight)
                                               : OutputPlan::Stretched(maxWidth, maxHeight),
                                      drawable ? VIPS_SIZE_FORCE : VIPS_SIZE_DOWN, false);
        CopyPixelsOut(pipeline.Image(), picture);
    } catch (const vips::VError&) {
        picture = {};
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
